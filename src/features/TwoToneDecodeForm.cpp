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
  form.aTone = tenths(image.be16(base), 4);
  form.bTone = tenths(image.be16(base + 2), 4);
  form.firstDelay = tenths(image.at(base + 4), 2);
  form.secondDelay = tenths(image.at(base + 5), 2);
  form.interval = tenths(image.at(base + 6), 2);
  form.longDelay = tenths(image.at(base + 7), 2);
  return form;
}

void storeTwoToneDecode(const TwoToneDecodeForm& form, RadioImage& image, int k) {
  const std::size_t base = twoToneDecodeOffset(k);
  storeTone(image, base, form.aTone);
  storeTone(image, base + 2, form.bTone);
  storeTime(image, base + 4, form.firstDelay);
  storeTime(image, base + 5, form.secondDelay);
  storeTime(image, base + 6, form.interval);
  storeTime(image, base + 7, form.longDelay);
}

}  // namespace radio
