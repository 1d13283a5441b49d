// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/DtmfEncodeForm.h"

#include <algorithm>

namespace radio {

namespace {

using dtmf::kSpeeds;
constexpr int kSaturation = 1'000'000'000;

// The code of a speed; a speed of no code is the fastest.
unsigned speedCode(int digitsPerSecond) {
  const auto* found = std::find(kSpeeds.begin(), kSpeeds.end(), digitsPerSecond);
  return static_cast<unsigned>(std::min<std::ptrdiff_t>(found - kSpeeds.begin(), kSpeeds.size() - 1));
}

int floorTo50(int v) { return v >= 0 ? v / 50 * 50 : -((-v + 49) / 50 * 50); }

std::string timeText(const RadioImage& image, ImageField time) { return std::to_string(image.field(time) * 50); }

Byte timeByte(std::string_view text) { return static_cast<Byte>(std::clamp(readDtmfNumber(text) / 50, 0, 0xFF)); }

}  // namespace

int readDtmfNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = std::min<long long>(value * 10 + (text[i] - '0'), kSaturation);
  return static_cast<int>(negative ? -value : value);
}

DtmfEncodeForm loadDtmfEncode(const RadioImage& image) {
  DtmfEncodeForm form;
  form.speed = std::to_string(kSpeeds.at(image.field(field::kDtmfSpeed)));
  form.firstDelay = timeText(image, field::kDtmfFirstDelay);
  form.firstTime = timeText(image, field::kDtmfFirstTime);
  form.starHashTime = timeText(image, field::kDtmfStarHashTime);
  form.sideTone = image.flag(field::kDtmfSideTone);
  return form;
}

void storeDtmfEncode(DtmfEncodeForm& form, RadioImage& image) {
  form.speed = normaliseDtmfSpeed(form.speed);
  form.firstDelay = normaliseDtmfFirstDelay(form.firstDelay);
  form.firstTime = normaliseDtmfDigitTime(form.firstTime);
  form.starHashTime = normaliseDtmfDigitTime(form.starHashTime);
  image.setField(field::kDtmfSpeed, speedCode(readDtmfNumber(form.speed)));
  image.set(addr::kDtmfFirstDelay, timeByte(form.firstDelay));
  image.set(addr::kDtmfFirstTime, timeByte(form.firstTime));
  image.set(addr::kDtmfStarHashTime, timeByte(form.starHashTime));
  image.setFlag(field::kDtmfSideTone, form.sideTone);
}

std::string normaliseDtmfSpeed(std::string_view text) {
  const int v = readDtmfNumber(text);
  if (v <= 7) return "6";
  if (v <= 9) return "8";
  if (v <= 14) return "10";
  return "15";
}

std::string normaliseDtmfFirstDelay(std::string_view text) {
  const int v = readDtmfNumber(text);
  if (v < 0) return "0";
  if (v > 1000) return "1000";
  return std::to_string(floorTo50(v));
}

std::string normaliseDtmfDigitTime(std::string_view text) {
  const int v = readDtmfNumber(text);
  if (v < 100) return "0";
  if (v < 500) return "100";
  if (v < 1000) return "500";
  return "1000";
}

std::string spinDtmfSpeed(std::string_view text, int step) {
  const int v = readDtmfNumber(text);
  int out;
  if (step > 0) {
    if (v < 6)
      out = 6;
    else if (v <= 7)
      out = 8;
    else if (v <= 9)
      out = 10;
    else if (v <= 14)
      out = 15;
    else
      out = 6;
  } else {
    if (v > 15)
      out = 15;
    else if (v >= 11)
      out = 10;
    else if (v >= 9)
      out = 8;
    else if (v >= 7)
      out = 6;
    else
      out = 15;
  }
  return std::to_string(out);
}

std::string spinDtmfFirstDelay(std::string_view text, int step) {
  const int v = readDtmfNumber(text);
  const bool onGrid = v % 50 == 0;
  int out;
  if (step > 0)
    out = onGrid ? v + 50 : floorTo50(v) + 50;
  else
    out = onGrid ? v - 50 : floorTo50(v);
  if (out > 1000)
    out = 0;
  else if (out < 0)
    out = 1000;
  return std::to_string(out);
}

std::string spinDtmfDigitTime(std::string_view text, int step) {
  const int v = readDtmfNumber(text);
  int out;
  if (step > 0) {
    if (v < 100)
      out = 100;
    else if (v < 500)
      out = 500;
    else if (v < 1000)
      out = 1000;
    else
      out = 0;
  } else {
    if (v >= 1 && v <= 100)
      out = 0;
    else if (v >= 101 && v <= 500)
      out = 100;
    else if (v >= 501 && v <= 1000)
      out = 500;
    else
      out = 1000;
  }
  return std::to_string(out);
}

namespace printout {

std::string dtmfSpeed(const RadioImage& image, Language) {
  const std::size_t code = image.at(kDtmfEncodeFields[0].field.offset);
  return std::to_string(kSpeeds.at(std::min(code, kSpeeds.size() - 1)));
}

std::string dtmfSideTone(const RadioImage& image, Language) {
  return image.flag(kDtmfEncodeFields[4].field) ? "√" : "×";
}

}  // namespace printout

KeyDecision dtmfEncodeKey(const KeyStroke& key) {
  if (key.kind == KeyKind::F1) return {true, true};
  if (isNavigationKey(key)) return {true, false};
  if (key.shift) return {};
  return {isDigitOrEditingKey(key, false), false};
}

}  // namespace radio
