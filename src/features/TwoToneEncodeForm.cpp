// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/TwoToneEncodeForm.h"

#include <cstdio>

namespace radio {

namespace {

using namespace twotone;

std::string tenths(unsigned value, int width, int decimals) {
  return formatMicros(static_cast<Micros>(value) * (kMicro / 10), width, decimals);
}

std::string twentieths(unsigned value, int width, int decimals) {
  return formatMicros(static_cast<Micros>(value) * (kMicro / 20), width, decimals);
}

void storeDelay(RadioImage& image, std::size_t offset, const std::string& text) {
  const Micros v = parseMicros(text);
  image.set(offset, static_cast<Byte>(scaledUnits(v, 10, 0xFF)));
  image.set(offset + kRadioOffset, static_cast<Byte>(scaledUnits(v, 20, 0xFF)));
}

void storeTwentieths(RadioImage& image, std::size_t offset, const std::string& text) {
  const auto units = static_cast<std::uint16_t>(scaledUnits(parseMicros(text), 20, 0xFFFF));
  image.setBe16(offset, units);
  image.setBe16(offset + kRadioOffset, units);
}

}  // namespace

std::string twoToneCellText(std::uint16_t displayValue) {
  return displayValue == 0xFFFF ? std::string() : tenths(displayValue, 4, 1);
}

TwoToneEncodeForm loadTwoToneEncode(const RadioImage& image) {
  TwoToneEncodeForm form;
  form.firstDelay = tenths(image.at(addr::kTwoToneFirstDelay), 2, 1);
  form.secondDelay = tenths(image.at(addr::kTwoToneSecondDelay), 2, 1);
  form.longDelay = tenths(image.at(addr::kTwoToneLongDelay), 2, 1);
  form.toneInterval = twentieths(image.be16(addr::kTwoToneInterval), 2, 1);
  form.txRise = twentieths(image.be16(addr::kTwoToneTxRise), 3, 2);
  form.shortBeep = image.at(addr::kTwoToneShortBeep) != 0;
  for (int n = 0; n < kEncodeEntries; ++n)
    for (int t = 0; t < 2; ++t)
      form.tones[static_cast<std::size_t>(n)][static_cast<std::size_t>(t)] =
          twoToneCellText(image.be16(twoToneEncodeOffset(n, t)));
  return form;
}

void storeTwoToneEncode(const TwoToneEncodeForm& form, RadioImage& image) {
  storeDelay(image, addr::kTwoToneFirstDelay, form.firstDelay);
  storeDelay(image, addr::kTwoToneSecondDelay, form.secondDelay);
  storeDelay(image, addr::kTwoToneLongDelay, form.longDelay);
  storeTwentieths(image, addr::kTwoToneInterval, form.toneInterval);
  storeTwentieths(image, addr::kTwoToneTxRise, form.txRise);
  image.set(addr::kTwoToneShortBeep, form.shortBeep ? 1 : 0);
  for (int n = 0; n < kEncodeEntries; ++n) {
    for (int t = 0; t < 2; ++t) {
      const std::string& text = form.tones[static_cast<std::size_t>(n)][static_cast<std::size_t>(t)];
      const std::size_t offset = twoToneEncodeOffset(n, t);
      if (text.empty()) {
        image.setBe16(offset, 0xFFFF);
        image.setBe16(offset + kRadioOffset, 0x0000);
      } else {
        const Micros f = parseMicros(text);
        image.setBe16(offset, static_cast<std::uint16_t>(scaledUnits(f, 10, 0xFFFF)));
        image.setBe16(offset + kRadioOffset, static_cast<std::uint16_t>(nearestDivisor(kEncodeDivisor, f)));
      }
    }
  }
}

namespace printout {

namespace {
std::string printed(const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}
}  // namespace

std::string twoToneInterval(const RadioImage& image, Language) {
  return printed("%2.1f", image.be16(addr::kTwoToneInterval) / 20.0);
}

std::string twoToneShortBeep(const RadioImage& image, Language lang) {
  return ((image.at(addr::kTwoToneShortBeep) & 1) ? Text{"ON", "开"} : Text{"Off", "关"}).in(lang);
}

std::string twoToneEncodeTone(const RadioImage& image, int n, int t) {
  const std::size_t offset = twoToneEncodeOffset(n, t);
  return image.at(offset) == 0xFF ? std::string() : printed("%4.1f", image.be16(offset) / 10.0);
}

}  // namespace printout

}  // namespace radio
