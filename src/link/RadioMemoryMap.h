// Where each byte of the radio's 4096-byte memory lives in the image: radio
// 0x0000..0x0C2F is image rows 0..129 whole, radio 0x0C30..0x0FFF is bytes 0..15
// of image rows 195..255.
//
// Usage:
//   RadioMemory mem = radioMemoryFromImage(image);   // what a full write would leave
//   copyRadioMemoryIntoImage(mem, image);            // what a full read fills in
#pragma once

#include <array>
#include <cstdint>

#include "model/RadioImage.h"

namespace radio {

inline constexpr std::size_t kRadioMemorySize = 4096;
using RadioMemory = std::array<Byte, kRadioMemorySize>;

// Radio addresses of the areas the protocol interprets.
namespace radioaddr {
inline constexpr std::uint16_t kFeatureFlags = 0x0C70;
inline constexpr std::uint16_t kIdentification = 0x0FD0;
inline constexpr std::uint16_t kBandType = 0x0FD1;
inline constexpr std::uint16_t kPassword = 0x0FE2;
inline constexpr std::uint16_t kBandRecord = 0x0FF0;
inline constexpr std::uint16_t kSquelch = 0x0FF6;
}  // namespace radioaddr

// The band type a write leaves at kBandType.
inline constexpr Byte kBandTypeAfterWrite = 0x03;

[[nodiscard]] std::size_t imageOffsetForRadioAddress(std::uint16_t address);
// True for the addresses a write sends: all but the identification block
// 0x0FD0..0x0FDF (whose band type byte the write's last step sets) and the band
// and squelch block 0x0FF0..0x0FFF.
[[nodiscard]] bool writtenByTransfer(std::uint16_t address);
[[nodiscard]] RadioMemory radioMemoryFromImage(const RadioImage& image);
void copyRadioMemoryIntoImage(const RadioMemory& memory, RadioImage& image);

// The memory of a radio fresh from the factory: a new document's contents, band
// type 3, the default band record.
[[nodiscard]] RadioMemory defaultRadioMemory();

}  // namespace radio
