// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/TwoToneDecodeForm.h"

namespace radio {

namespace {

using twotone::kRadioOffset;

std::string tenths(unsigned value, int width) {
  return formatMicros(static_cast<Micros>(value) * (kMicro / 10), width, 1);
}

void storeTone(RadioImage& image, std::size_t offset, const std::string& text) {
  const Micros f = parseMicros(text);
  image.setBe16(offset, static_cast<std::uint16_t>(scaledUnits(f, 10, 0xFFFF)));
  image.setBe16(offset + kRadioOffset, static_cast<std::uint16_t>(nearestDivisor(twotone::kDecodeDivisor, f)));
}

void storeTime(RadioImage& image, std::size_t offset, const std::string& text) {
  const Micros v = parseMicros(text);
  image.set(offset, static_cast<Byte>(scaledUnits(v, 10, 0xFF)));
  image.set(offset + kRadioOffset, static_cast<Byte>(scaledUnits(v, 20, 0xFF)));
}

}  // namespace

TwoToneDecodeForm loadTwoToneDecode(const RadioImage& image, int k) {
  const std::size_t base = twoToneDecodeOffset(k);
  TwoToneDecodeForm form;
  using namespace decodeEntry;
  form.aTone = tenths(image.be16(base + kATone), 4);
  form.bTone = tenths(image.be16(base + kBTone), 4);
  form.firstDelay = tenths(image.at(base + kFirstDelay), 2);
  form.secondDelay = tenths(image.at(base + kSecondDelay), 2);
  form.interval = tenths(image.at(base + kInterval), 2);
  form.longDelay = tenths(image.at(base + kLongDelay), 2);
  return form;
}

void storeTwoToneDecode(const TwoToneDecodeForm& form, RadioImage& image, int k) {
  const std::size_t base = twoToneDecodeOffset(k);
  using namespace decodeEntry;
  storeTone(image, base + kATone, form.aTone);
  storeTone(image, base + kBTone, form.bTone);
  storeTime(image, base + kFirstDelay, form.firstDelay);
  storeTime(image, base + kSecondDelay, form.secondDelay);
  storeTime(image, base + kInterval, form.interval);
  storeTime(image, base + kLongDelay, form.longDelay);
}

}  // namespace radio
