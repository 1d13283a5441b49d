// SPDX-License-Identifier: GPL-3.0-or-later
// Any text imported as a CSV channel list. The given image never changes, only the
// channels the import lists are written, and what is imported exports and imports
// again to the same file.
#include "FuzzInput.h"
#include "channels/ChannelCsv.h"

using namespace radio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  CsvImportOptions options;
  options.lang = in.flag() ? Language::Chinese : Language::English;
  options.at = in.flag() ? 1 + in.pick(kCsvChannels + 2) : 0;
  const auto text = in.rest();
  const RadioImage base;
  const CsvImportResult r =
      importChannelsCsv(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), base, options);
  if (!r.readable()) FUZZ_CHECK(r.image == base && r.channels.empty());
  std::array<bool, kChannelRows + 1> listed{};
  for (int n : r.channels) {
    FUZZ_CHECK(n >= 1 && n <= kCsvChannels && !listed[static_cast<std::size_t>(n)]);
    listed[static_cast<std::size_t>(n)] = true;
  }
  for (std::size_t i = 0; i < kImageSize; ++i)
    if (i >= kRecordSize * kChannelRows || !listed[i / kRecordSize + 1]) FUZZ_CHECK(r.image.at(i) == base.at(i));

  const std::string exported = exportChannelsCsv(r.image, options.lang).text;
  const CsvImportResult again = importChannelsCsv(exported, base, {options.lang, options.limits, 0});
  FUZZ_CHECK(again.readable() && again.skipped.empty());
  FUZZ_CHECK(exportChannelsCsv(again.image, options.lang).text == exported);
  return 0;
}
