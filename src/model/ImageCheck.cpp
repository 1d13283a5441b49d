// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ImageCheck.h"

#include <algorithm>
#include <array>
#include <span>

#include "model/ChannelCodec.h"

namespace radio {
namespace {

// clang-format off
constexpr Text kBadPassword{"Radio password: the bytes %1 are not up to six digits; the radio would refuse every read",
                            "电台密码：字节 %1 不是最多六位数字，写入后电台将拒绝每次读取"};
constexpr Text kNotFrequency{"Channel %1: the %2 frequency bytes %3 are not a frequency",
                             "信道 %1：%2频率的字节 %3 不是频率"};
constexpr Text kOutsideBands{"Channel %1: the %2 frequency %3 MHz is outside the bands %4",
                             "信道 %1：%2频率 %3 MHz 超出频段 %4"};
constexpr Text kReceive{"receive",
                        "接收"};
constexpr Text kTransmit{"transmit",
                         "发射"};
// clang-format on

bool decodes(std::span<const Byte> field) { return std::all_of(field.begin(), field.end(), isDigitPair); }

bool toneDecodes(std::span<const Byte> tone, bool inUse) {
  return !isRawFieldText(decodeToneField(tone[0], tone[1], inUse, Language::English));
}

// Up to six ASCII digits, then 0xFF to the end of the field.
bool isPasswordFieldValid(const RadioImage& image) {
  const auto field = image.span(addr::kPassword, addr::kPasswordLength);
  const auto end = std::find_if(field.begin(), field.end(), [](Byte b) { return b < '0' || b > '9'; });
  return std::all_of(end, field.end(), [](Byte b) { return b == 0xFF; });
}

}  // namespace

std::vector<std::string> writeProblems(const RadioImage& image, const BandLimits& bands, Language lang) {
  std::vector<std::string> problems;
  if (!isPasswordFieldValid(image))
    problems.push_back(fillText(kBadPassword.in(lang), {hexBytes(image.span(addr::kPassword, addr::kPasswordLength))}));
  for (int row = 1; row <= kChannelRows; ++row) {
    const auto rec = image.channel(row);
    if (!isChannelInUse(rec)) continue;
    const std::string label = row == kChannelRows ? "Fr" : std::to_string(row);
    for (const auto& [offset, kind] : {std::pair{chan::kRx, kReceive}, std::pair{chan::kTx, kTransmit}}) {
      const auto field = rec.subspan(offset, 4);
      if (isEmptyFrequencyByte(field[3])) continue;  // a receive-only channel has no transmit frequency
      if (!decodes(field)) {
        problems.push_back(fillText(kNotFrequency.in(lang), {label, kind.in(lang), hexBytes(field)}));
        continue;
      }
      const std::int32_t value = decodeFrequencyField(field);
      if (!bands.contains(value))
        problems.push_back(
            fillText(kOutsideBands.in(lang), {label, kind.in(lang), formatFrequency(value), bandsText(bands, lang)}));
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
