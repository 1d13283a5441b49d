// SPDX-License-Identifier: GPL-3.0-or-later
// The differences between an image of any bytes and a copy of it with any bytes
// changed, in both languages. An image has no differences from itself; two images
// that differ always have at least one, and as many one way as the other.
#include "FuzzInput.h"
#include "compare/ImageDiff.h"

using namespace radio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  SectionContext ctx;
  ctx.lang = in.flag() ? Language::Chinese : Language::English;
  ctx.models = {"Model A", "Model B"};
  const auto band = in.bytes(ctx.bandRecord.size());
  std::copy(band.begin(), band.end(), ctx.bandRecord.begin());

  // Up to 32 changes of one byte each, then the first image.
  struct Change {
    std::size_t offset;
    Byte value;
  };
  std::vector<Change> changes(static_cast<std::size_t>(in.pick(33)));
  for (Change& c : changes) {
    c.offset = ((std::size_t{in.byte()} << 8) | in.byte()) % kImageSize;
    c.value = in.byte();
  }
  const RadioImage a = fuzz::imageFrom(in.rest());
  RadioImage b = a;
  for (const Change& c : changes) b.set(c.offset, c.value);

  FUZZ_CHECK(diffImages(a, a, ctx).empty());
  const auto forward = diffImages(a, b, ctx);
  FUZZ_CHECK(forward.empty() == (a == b));
  FUZZ_CHECK(diffImages(b, a, ctx).size() == forward.size());
  return 0;
}
