// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RadioImage.h"

#include <algorithm>
#include <stdexcept>

namespace radio {

bool isAbsentBandRecord(const BandRecord& record) {
  const bool allZero = std::all_of(record.begin(), record.end(), [](Byte b) { return b == 0x00; });
  const bool allFf = std::all_of(record.begin(), record.end(), [](Byte b) { return b == 0xFF; });
  return allZero || allFf;
}

BandRecord normalisedBandRecord(const BandRecord& record) {
  return isAbsentBandRecord(record) ? kDefaultBandRecord : record;
}

BandLimits bandLimitsFromRecord(const BandRecord& r) {
  auto hi = [](Byte b) { return static_cast<std::int32_t>(b >> 4); };
  auto lo = [](Byte b) { return static_cast<std::int32_t>(b & 0x0F); };
  const std::int32_t low1 = hi(r[0]) * 100 + lo(r[0]) * 10 + hi(r[2]);
  const std::int32_t high1 = hi(r[1]) * 100 + lo(r[1]) * 10 + lo(r[2]);
  const std::int32_t low2 = hi(r[3]) * 100 + lo(r[3]) * 10 + hi(r[5]);
  const std::int32_t high2 = hi(r[4]) * 100 + lo(r[4]) * 10 + lo(r[5]);
  return {low1 * 100'000, high1 * 100'000, low2 * 100'000, high2 * 100'000};
}

BandRecord bandRecordFromLimits(const BandLimits& limits) {
  // Each edge is cut to whole MHz; the digits of an edge above 999 MHz or below
  // zero cannot be stored, so they are kept to their last three decimal digits.
  auto digits = [](std::int32_t edge) {
    std::int32_t mhz = edge / 100'000;
    if (mhz < 0) mhz = -mhz;
    mhz %= 1000;
    return std::array<Byte, 3>{static_cast<Byte>(mhz / 100), static_cast<Byte>(mhz / 10 % 10),
                               static_cast<Byte>(mhz % 10)};
  };
  const auto a = digits(limits.low1), b = digits(limits.high1);
  const auto c = digits(limits.low2), d = digits(limits.high2);
  return {static_cast<Byte>(a[0] << 4 | a[1]), static_cast<Byte>(b[0] << 4 | b[1]),
          static_cast<Byte>(a[2] << 4 | b[2]), static_cast<Byte>(c[0] << 4 | c[1]),
          static_cast<Byte>(d[0] << 4 | d[1]), static_cast<Byte>(c[2] << 4 | d[2])};
}

void RadioImage::setBit(std::size_t offset, int bit, bool on) {
  const Byte mask = static_cast<Byte>(1u << bit);
  set(offset, on ? static_cast<Byte>(at(offset) | mask) : static_cast<Byte>(at(offset) & ~mask));
}

unsigned RadioImage::bits(std::size_t offset, int lowBit, int count) const {
  return (at(offset) >> lowBit) & ((1u << count) - 1);
}

void RadioImage::setBits(std::size_t offset, int lowBit, int count, unsigned value) {
  const unsigned mask = ((1u << count) - 1) << lowBit;
  set(offset, static_cast<Byte>((at(offset) & ~mask) | ((value << lowBit) & mask)));
}

std::uint16_t RadioImage::be16(std::size_t offset) const {
  return static_cast<std::uint16_t>(at(offset) << 8 | at(offset + 1));
}

void RadioImage::setBe16(std::size_t offset, std::uint16_t value) {
  set(offset, static_cast<Byte>(value >> 8));
  set(offset + 1, static_cast<Byte>(value & 0xFF));
}

std::string RadioImage::text(std::size_t offset, std::size_t maxLength) const {
  std::string out;
  for (std::size_t i = 0; i < maxLength; ++i) {
    const Byte b = at(offset + i);
    if (b == 0xFF) break;
    out.push_back(static_cast<char>(b));
  }
  return out;
}

void RadioImage::setText(std::size_t offset, std::size_t fieldLength, std::string_view text) {
  for (std::size_t i = 0; i < fieldLength; ++i)
    set(offset + i, i < text.size() ? static_cast<Byte>(text[i]) : Byte{0xFF});
}

std::span<const Byte> RadioImage::span(std::size_t offset, std::size_t length) const {
  if (offset > kImageSize || length > kImageSize - offset) throw std::out_of_range("image span");
  return {bytes_.data() + offset, length};
}

std::span<Byte> RadioImage::span(std::size_t offset, std::size_t length) {
  if (offset > kImageSize || length > kImageSize - offset) throw std::out_of_range("image span");
  return {bytes_.data() + offset, length};
}

void RadioImage::fill(std::size_t offset, std::size_t length, Byte value) {
  auto s = span(offset, length);
  std::fill(s.begin(), s.end(), value);
}

void RadioImage::copyIn(std::size_t offset, std::span<const Byte> source) {
  auto s = span(offset, source.size());
  std::copy(source.begin(), source.end(), s.begin());
}

BandRecord RadioImage::bandRecord() const {
  BandRecord r{};
  for (std::size_t i = 0; i < r.size(); ++i) r[i] = at(addr::kBandRecord + i);
  return r;
}

void RadioImage::setBandRecord(const BandRecord& record) { copyIn(addr::kBandRecord, record); }

}  // namespace radio
