// SPDX-License-Identifier: GPL-3.0-or-later
// Every difference between two images in words a technician reads: channel rows
// with the grid's texts, settings with the keys, labels and texts of `get`, and the
// bytes no field shows, counted in one line or listed as address ranges.
//
// Usage:
//   SectionContext ctx{lang, band, models};
//   const ImageComparison c = compareImages(before, after, ctx);
//   for (const std::string& line : comparisonLines(c, showBytes, lang)) std::cout << line << '\n';
//   // channel 5: rx: 145.12500 -> 145.13750
//   // optional.tot: 60 -> 90
//   // 12 bytes no field shows differ          (showBytes: bytes 0x0C40-0x0C4B)
#pragma once

#include <string>
#include <vector>

#include "channels/ChannelGrid.h"
#include "features/SettingsSections.h"
#include "model/RadioImage.h"

namespace radio {

// A channel row that differs: both rows as the grid shows them.
struct ChannelChange {
  int row = 0;  // 1..128, kChannelRows for Fr
  RowTexts a;
  RowTexts b;
  [[nodiscard]] bool changed(int column) const { return a[column] != b[column]; }
};

// A settings field that differs, as `get` lists it.
struct SettingChange {
  std::string key;    // section.key
  std::string label;  // the dialog's label
  std::string a;
  std::string b;
};

// Image offsets first..last, both included.
struct ByteRange {
  std::size_t first = 0;
  std::size_t last = 0;
  bool operator==(const ByteRange&) const = default;
};

struct ImageComparison {
  std::vector<ChannelChange> channels;  // in row order
  std::vector<SettingChange> settings;  // in the order of `get`
  std::vector<ByteRange> unshown;       // differing bytes no field shows, neighbours merged
  [[nodiscard]] bool same() const { return channels.empty() && settings.empty() && unshown.empty(); }
  [[nodiscard]] std::size_t unshownBytes() const;
};

// The differences from a to b.
[[nodiscard]] ImageComparison compareImages(const RadioImage& a, const RadioImage& b, const SectionContext& ctx);

// The comparison as lines: channel fields ("channel N: FIELD: OLD -> NEW", N being
// 1..128 or Fr), settings ("section.key: OLD -> NEW"), then the bytes no field
// shows: with bytes each range ("bytes 0xADDR-0xADDR"), else one line that counts
// them. An empty text is shown as "". Nothing when the images are equal.
[[nodiscard]] std::vector<std::string> comparisonLines(const ImageComparison& comparison, bool bytes, Language lang);

// "12 bytes no field shows differ".
[[nodiscard]] std::string unshownBytesText(std::size_t count, Language lang);
// "bytes 0x0C40-0x0C4B".
[[nodiscard]] std::string byteRangeText(const ByteRange& range);

// comparisonLines of compareImages with the byte ranges.
[[nodiscard]] std::vector<std::string> diffImages(const RadioImage& a, const RadioImage& b, const SectionContext& ctx);

}  // namespace radio
