// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's memory as the program holds it: 6144 bytes, 256 records of 24.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/ImageMap.h"

namespace radio {

// The six-byte band record in its nibble encoding.
using BandRecord = std::array<Byte, addr::kBandRecordLength>;
inline constexpr BandRecord kDefaultBandRecord{0x13, 0x17, 0x64, 0x40, 0x48, 0x00};
// What the grid writes on every refresh: 136-174 MHz and 400-520 MHz.
inline constexpr BandRecord kGridBandRecord{0x13, 0x17, 0x64, 0x40, 0x52, 0x00};

// The two inclusive bands in units of 10 Hz.
struct BandLimits {
  std::int32_t low1 = 13'600'000;
  std::int32_t high1 = 17'400'000;
  std::int32_t low2 = 40'000'000;
  std::int32_t high2 = 48'000'000;

  [[nodiscard]] bool contains(std::int32_t value) const {
    return (value >= low1 && value <= high1) || (value >= low2 && value <= high2);
  }
  bool operator==(const BandLimits&) const = default;
};

// True when the record is all 0x00 or all 0xFF, which stands for "no record".
[[nodiscard]] bool isAbsentBandRecord(const BandRecord& record);
// The record itself, or the default when it is absent.
[[nodiscard]] BandRecord normalisedBandRecord(const BandRecord& record);
// Edges in whole MHz times 100000.
[[nodiscard]] BandLimits bandLimitsFromRecord(const BandRecord& record);
// Edges divided by 100000 (integer division), laid out in nibbles.
[[nodiscard]] BandRecord bandRecordFromLimits(const BandLimits& limits);

class RadioImage {
 public:
  RadioImage() { bytes_.fill(0xFF); }

  [[nodiscard]] Byte at(std::size_t offset) const { return bytes_.at(offset); }
  void set(std::size_t offset, Byte value) { bytes_.at(offset) = value; }

  [[nodiscard]] bool bit(std::size_t offset, int bit) const { return (at(offset) >> bit) & 1; }
  void setBit(std::size_t offset, int bit, bool on);

  // Bits [lowBit, lowBit+count) of one byte as a number.
  [[nodiscard]] unsigned bits(std::size_t offset, int lowBit, int count) const;
  void setBits(std::size_t offset, int lowBit, int count, unsigned value);

  // A named field of the image map.
  [[nodiscard]] unsigned field(ImageField f) const { return bits(f.offset, f.lowBit, f.bitCount); }
  void setField(ImageField f, unsigned value) { setBits(f.offset, f.lowBit, f.bitCount, value); }
  [[nodiscard]] bool flag(ImageField f) const { return field(f) != 0; }
  void setFlag(ImageField f, bool on) { setField(f, on ? 1u : 0u); }

  [[nodiscard]] std::uint16_t be16(std::size_t offset) const;
  void setBe16(std::size_t offset, std::uint16_t value);

  // Bytes up to the first 0xFF, at most maxLength.
  [[nodiscard]] std::string text(std::size_t offset, std::size_t maxLength) const;
  // Writes up to fieldLength bytes of text, pads the rest of the field with 0xFF.
  void setText(std::size_t offset, std::size_t fieldLength, std::string_view text);
  // Code n of a run of code slots.
  [[nodiscard]] std::string code(CodeSlots run, std::size_t n) const { return text(run.offset(n), run.length); }
  void setCode(CodeSlots run, std::size_t n, std::string_view code) { setText(run.offset(n), run.length, code); }

  [[nodiscard]] std::span<const Byte> span(std::size_t offset, std::size_t length) const;
  [[nodiscard]] std::span<Byte> span(std::size_t offset, std::size_t length);
  void fill(std::size_t offset, std::size_t length, Byte value);
  void copyIn(std::size_t offset, std::span<const Byte> source);

  [[nodiscard]] std::span<const Byte> record(int r) const { return span(r * kRecordSize, kRecordSize); }
  [[nodiscard]] std::span<Byte> record(int r) { return span(r * kRecordSize, kRecordSize); }
  // Grid row n (1..129) is record n-1.
  [[nodiscard]] std::span<const Byte> channel(int row) const { return record(row - 1); }
  [[nodiscard]] std::span<Byte> channel(int row) { return record(row - 1); }

  [[nodiscard]] BandRecord bandRecord() const;
  void setBandRecord(const BandRecord& record);

  [[nodiscard]] const std::array<Byte, kImageSize>& bytes() const { return bytes_; }
  [[nodiscard]] std::array<Byte, kImageSize>& bytes() { return bytes_; }

  bool operator==(const RadioImage&) const = default;

 private:
  std::array<Byte, kImageSize> bytes_{};
};

// Packed BCD of one digit pair and back (no range check, as the radio does it).
[[nodiscard]] constexpr Byte toBcd(unsigned value) { return static_cast<Byte>((value / 10) * 16 + value % 10); }
[[nodiscard]] constexpr unsigned fromBcd(Byte value) { return (value >> 4) * 10u + (value & 0x0F); }

}  // namespace radio
