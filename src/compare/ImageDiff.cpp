// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/ImageDiff.h"

#include <cstdio>
#include <map>

#include "channels/ChannelGrid.h"

namespace radio {
namespace {

constexpr std::size_t kGridBytes = static_cast<std::size_t>(kChannelRows) * kRecordSize;

struct SettingLine {
  std::string key;  // section.key
  std::string value;
  std::string label;
  bool operator==(const SettingLine&) const = default;
};

std::vector<SettingLine> settingLines(const RadioImage& image, const SectionContext& ctx) {
  std::vector<SettingLine> lines;
  for (const auto& [name, section] : sections())
    for (const FieldLine& line : section.get(image, ctx))
      lines.push_back({name + "." + line.key, line.value, line.label});
  return lines;
}

std::string shown(const std::string& text) { return text.empty() ? "\"\"" : text; }

std::string change(const std::string& what, const std::string& before, const std::string& after) {
  return what + ": " + shown(before) + " -> " + shown(after);
}

std::string hex4(std::size_t offset) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04zX", offset);
  return text;
}

}  // namespace

std::size_t ImageComparison::unshownBytes() const {
  std::size_t count = 0;
  for (const ByteRange& range : unshown) count += range.last - range.first + 1;
  return count;
}

std::string unshownBytesText(std::size_t count, Language lang) {
  // The count goes before the text in both languages.
  // clang-format off
  constexpr Text kOne{" byte no field shows differs",
                      " 个没有字段显示的字节不同"};
  constexpr Text kMany{" bytes no field shows differ",
                       " 个没有字段显示的字节不同"};
  // clang-format on
  return std::to_string(count) + (count == 1 ? kOne : kMany).in(lang);
}

std::string byteRangeText(const ByteRange& range) { return "bytes " + hex4(range.first) + "-" + hex4(range.last); }

ImageComparison compareImages(const RadioImage& a, const RadioImage& b, const SectionContext& ctx) {
  ImageComparison out;
  if (a == b) return out;

  std::array<RowTexts, kChannelRows> rowsA;
  std::array<RowTexts, kChannelRows> rowsB;
  for (int n = 1; n <= kChannelRows; ++n) {
    const RowTexts& rowA = rowsA[static_cast<std::size_t>(n - 1)] = decodeChannel(a.channel(n), ctx.lang);
    const RowTexts& rowB = rowsB[static_cast<std::size_t>(n - 1)] = decodeChannel(b.channel(n), ctx.lang);
    if (rowA != rowB) out.channels.push_back({n, rowA, rowB});
  }

  const std::vector<SettingLine> settingsA = settingLines(a, ctx);
  const std::vector<SettingLine> settingsB = settingLines(b, ctx);
  std::map<std::string, std::string> valuesB;
  for (const SettingLine& line : settingsB) valuesB.emplace(line.key, line.value);
  for (const SettingLine& line : settingsA) {
    const auto it = valuesB.find(line.key);
    const std::string after = it == valuesB.end() ? std::string() : it->second;
    if (line.value != after) out.settings.push_back({line.key, line.label, line.value, after});
  }

  // A differing byte counts as shown when its value from the other image alone
  // changes a text above, put into either image (one side alone may not show
  // it: one byte of an empty frequency still reads as empty); all others are
  // listed as bytes.
  auto visibleIn = [&](RadioImage& probe, std::size_t i, Byte value, const auto& rows,
                       const std::vector<SettingLine>& settings) {
    const Byte old = probe.at(i);
    probe.set(i, value);
    bool visible;
    if (i < kGridBytes) {
      const int n = static_cast<int>(i / kRecordSize) + 1;
      visible = decodeChannel(probe.channel(n), ctx.lang) != rows[static_cast<std::size_t>(n - 1)];
    } else {
      visible = settingLines(probe, ctx) != settings;
    }
    probe.set(i, old);
    return visible;
  };
  std::vector<bool> unshown(kImageSize, false);
  RadioImage probeA = a;
  RadioImage probeB = b;
  for (std::size_t i = 0; i < kImageSize; ++i) {
    if (a.at(i) == b.at(i)) continue;
    unshown[i] = !visibleIn(probeA, i, b.at(i), rowsA, settingsA) && !visibleIn(probeB, i, a.at(i), rowsB, settingsB);
  }
  for (std::size_t i = 0; i < kImageSize; ++i) {
    if (!unshown[i]) continue;
    std::size_t end = i;
    while (end + 1 < kImageSize && unshown[end + 1]) ++end;
    out.unshown.push_back({i, end});
    i = end;
  }
  return out;
}

std::vector<std::string> comparisonLines(const ImageComparison& comparison, bool bytes, Language lang) {
  std::vector<std::string> out;
  for (const ChannelChange& row : comparison.channels)
    for (int c = ColRx; c <= ColBusy; ++c)
      if (row.changed(c))
        out.push_back(change("channel " + rowLabel(row.row) + ": " + columnInfo(c).key, row.a[c], row.b[c]));
  for (const SettingChange& setting : comparison.settings) out.push_back(change(setting.key, setting.a, setting.b));
  if (bytes) {
    for (const ByteRange& range : comparison.unshown) out.push_back(byteRangeText(range));
  } else if (!comparison.unshown.empty()) {
    out.push_back(unshownBytesText(comparison.unshownBytes(), lang));
  }
  return out;
}

std::vector<std::string> diffImages(const RadioImage& a, const RadioImage& b, const SectionContext& ctx) {
  return comparisonLines(compareImages(a, b, ctx), true, ctx.lang);
}

}  // namespace radio
