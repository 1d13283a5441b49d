// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Verify.h"

#include "compare/ImageDiff.h"
#include "link/RadioMemoryMap.h"

namespace radio {

RadioImage imageAfterWrite(const RadioImage& document, bool radioBit) {
  RadioImage expected = document;
  expected.setFlag(field::kChannelGridFlag, radioBit);
  expected.set(addr::kBandType, kBandTypeAfterWrite);
  return expected;
}

RadioImage writtenAreasOf(const RadioImage& read, const RadioImage& expected) {
  RadioImage radio = expected;
  for (std::size_t a = 0; a < kRadioMemorySize; ++a) {
    const auto address = static_cast<std::uint16_t>(a);
    if (!writtenByTransfer(address)) continue;
    const std::size_t offset = imageOffsetForRadioAddress(address);
    radio.set(offset, read.at(offset));
  }
  return radio;
}

VerifyResult verifyRadio(Link& link, const RadioImage& document, const SectionContext& ctx,
                         const LinkCallbacks& callbacks) {
  VerifyResult result;
  // The read checks the radio's password against the document's, as a read of
  // the document would.
  RadioImage read = document;
  result.link = runTransfer(link, TransferDirection::Read, read, ctx.lang, callbacks);
  if (!result.link.ok()) return result;
  result.expected = imageAfterWrite(document, read.flag(field::kChannelGridFlag));
  result.radio = writtenAreasOf(read, result.expected);
  result.comparison = compareImages(result.expected, result.radio, ctx);
  result.differences = comparisonLines(result.comparison, true, ctx.lang);
  return result;
}

}  // namespace radio
