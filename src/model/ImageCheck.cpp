// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ImageCheck.h"

#include <algorithm>
#include <array>
#include <span>

#include "model/ChannelCodec.h"

namespace radio {
namespace {

constexpr Text kBadPassword{"Radio password: the bytes %1 are not up to six digits; the radio would refuse every read",
                            "电台密码：字节 %1 不是最多六位数字，写入后电台将拒绝每次读取"};
constexpr Text kNotFrequency{"Channel %1: the %2 frequency bytes %3 are not a frequency",
                             "信道 %1：%2频率的字节 %3 不是频率"};
constexpr Text kOutsideBands{"Channel %1: the %2 frequency %3 MHz is outside the bands %4",
                             "信道 %1：%2频率 %3 MHz 超出频段 %4"};
constexpr Text kReceive{"receive", "接收"};
constexpr Text kTransmit{"transmit", "发射"};

std::string hexBytes(std::span<const Byte> bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const Byte b : bytes) {
    if (!out.empty()) out.push_back(' ');
    out.push_back(kHex[b >> 4]);
    out.push_back(kHex[b & 0x0F]);
  }
  return out;
}

std::string fill(const Text& text, Language lang, std::initializer_list<std::string> args) {
  std::string out;
  const std::string_view pattern = text.in(lang);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (n < args.size()) out += *(args.begin() + n);
      ++i;
      continue;
    }
    out.push_back(pattern[i]);
  }
  return out;
}

bool decodes(std::span<const Byte> field) { return std::all_of(field.begin(), field.end(), isDigitPair); }

bool toneDecodes(std::span<const Byte> tone, bool inUse) {
  return !isRawFieldText(decodeToneField(tone[0], tone[1], inUse, Language::English));
}

}  // namespace

bool isPasswordFieldValid(const RadioImage& image) {
  const auto field = image.span(addr::kPassword, addr::kPasswordLength);
  const auto end = std::find_if(field.begin(), field.end(), [](Byte b) { return b < '0' || b > '9'; });
  return std::all_of(end, field.end(), [](Byte b) { return b == 0xFF; });
}

std::vector<std::string> writeProblems(const RadioImage& image, const BandLimits& bands, Language lang) {
  std::vector<std::string> problems;
  if (!isPasswordFieldValid(image))
    problems.push_back(fill(kBadPassword, lang, {hexBytes(image.span(addr::kPassword, addr::kPasswordLength))}));
  for (int row = 1; row <= kChannelRows; ++row) {
    const auto rec = image.channel(row);
    if (!isChannelInUse(rec)) continue;
    const std::string label = row == kChannelRows ? "Fr" : std::to_string(row);
    for (const auto& [offset, kind] : {std::pair{chan::kRx, kReceive}, std::pair{chan::kTx, kTransmit}}) {
      const auto field = rec.subspan(offset, 4);
      if (isEmptyFrequencyByte(field[3])) continue;  // a receive-only channel has no transmit frequency
      if (!decodes(field)) {
        problems.push_back(fill(kNotFrequency, lang, {label, kind.in(lang), hexBytes(field)}));
        continue;
      }
      const std::int32_t value = decodeFrequencyField(field);
      if (!bands.contains(value))
        problems.push_back(
            fill(kOutsideBands, lang, {label, kind.in(lang), formatFrequency(value), bandsText(bands, lang)}));
    }
  }
  return problems;
}

int undecodableChannelValues(const RadioImage& image) {
  int count = 0;
  for (int row = 1; row <= kChannelRows; ++row) {
    const auto rec = image.channel(row);
    for (const std::size_t offset : {chan::kRx, chan::kTx}) {
      const auto field = rec.subspan(offset, 4);
      if (!isEmptyFrequencyByte(field[3]) && !decodes(field)) ++count;
    }
    const bool inUse = isChannelInUse(rec);
    for (const std::size_t offset : {chan::kRxTone, chan::kTxTone})
      if (!toneDecodes(rec.subspan(offset, 2), inUse)) ++count;
  }
  return count;
}

}  // namespace radio
