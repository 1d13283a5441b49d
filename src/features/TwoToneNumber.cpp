// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/TwoToneNumber.h"

#include <algorithm>

namespace radio {

namespace {
constexpr Micros kSaturation = Micros{1'000'000'000} * kMicro;  // far beyond any field
}

Micros parseMicros(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  Micros whole = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    whole = std::min<Micros>(whole * 10 + (text[i] - '0'), kSaturation / kMicro);
    ++i;
  }
  Micros fraction = 0;
  if (i < text.size() && text[i] == '.') {
    ++i;
    Micros scale = kMicro / 10;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      fraction += (text[i] - '0') * scale;
      scale /= 10;
      ++i;
    }
  }
  const Micros value = whole * kMicro + fraction;
  return negative ? -value : value;
}

std::string formatMicros(Micros value, int width, int decimals) {
  Micros unit = kMicro;
  for (int d = 0; d < decimals; ++d) unit /= 10;
  const bool negative = value < 0;
  const Micros magnitude = negative ? -value : value;
  const Micros units = (magnitude + unit / 2) / unit;  // halves away from zero
  Micros divisor = 1;
  for (int d = 0; d < decimals; ++d) divisor *= 10;
  std::string text = std::to_string(units / divisor);
  if (decimals > 0) {
    std::string digits = std::to_string(units % divisor);
    digits.insert(0, static_cast<std::size_t>(decimals) - digits.size(), '0');
    text += '.';
    text += digits;
  }
  if (negative && units != 0) text.insert(text.begin(), '-');
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

unsigned scaledUnits(Micros value, int factor, unsigned maxValue) {
  if (value <= 0) return 0;
  const Micros units = value / (kMicro / factor);
  return static_cast<unsigned>(std::min<Micros>(units, maxValue));
}

unsigned nearestDivisor(std::int64_t numerator, Micros value) {
  if (value <= 0) return 0;
  const Micros q = (2 * numerator * kMicro + value) / (2 * value);
  return static_cast<unsigned>(std::min<Micros>(q, 0xFFFF));
}

}  // namespace radio

namespace radio {

namespace {

struct FieldRule {
  Micros min;
  Micros max;
  int width;
  int decimals;
};

FieldRule ruleOf(TwoToneField field) {
  switch (field) {
    case TwoToneField::Tone: return {288'500'000, 3'106'000'000, 4, 1};
    case TwoToneField::Delay: return {500'000, 10'000'000, 2, 1};
    case TwoToneField::DecodeInterval: return {0, 2'000'000, 1, 1};
    case TwoToneField::EncodeInterval: return {0, 2'000'000, 2, 1};
    case TwoToneField::TxRise: return {100'000, 1'000'000, 3, 2};
  }
  return {0, 0, 0, 0};
}

constexpr Micros kTxRiseGrid = 50'000;  // 0.05 s

Micros floorToGrid(Micros v) {
  return v >= 0 ? v / kTxRiseGrid * kTxRiseGrid : -((-v + kTxRiseGrid - 1) / kTxRiseGrid * kTxRiseGrid);
}

}  // namespace

std::string twoToneLeave(TwoToneField field, std::string_view text) {
  const FieldRule r = ruleOf(field);
  Micros v = parseMicros(text);
  if (field == TwoToneField::TxRise) v = floorToGrid(v);
  v = std::clamp(v, r.min, r.max);
  return formatMicros(v, r.width, r.decimals);
}

std::string twoToneSpin(TwoToneField field, std::string_view text, int step) {
  const FieldRule r = ruleOf(field);
  const Micros v = parseMicros(text);
  Micros next;
  if (field == TwoToneField::TxRise) {
    if (v % kTxRiseGrid == 0)
      next = v + (step > 0 ? kTxRiseGrid : -kTxRiseGrid);
    else
      next = floorToGrid(v) + (step > 0 ? kTxRiseGrid : 0);
  } else {
    next = v + (step > 0 ? 100'000 : -100'000);
  }
  if (next < r.min)
    next = r.max;
  else if (next > r.max)
    next = r.min;
  return formatMicros(next, r.width, r.decimals);
}

std::string twoToneCellCommit(std::string_view text) {
  if (text.empty()) return {};
  return twoToneLeave(TwoToneField::Tone, text);
}

KeyDecision twoToneKey(const KeyStroke& key, bool encodePage) {
  if (key.kind == KeyKind::F1) return {!encodePage, true};
  if (isNavigationKey(key)) return {true, false};
  if (key.shift) return {};
  // The decimal point from the keypad or from the main keyboard's full stop.
  return {isDigitOrEditingKey(key, true) || key.kind == KeyKind::KeypadDecimal || key.kind == KeyKind::FullStop, false};
}

}  // namespace radio
