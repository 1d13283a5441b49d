// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's 4096-byte memory as a whole, laid out by the image map's
// imageOffsetForRadioAddress (model/ImageMap.h).
//
// Usage:
//   RadioMemory mem = radioMemoryFromImage(image);   // what a full write would leave
//   copyRadioMemoryIntoImage(mem, image);            // what a full read fills in
#pragma once

#include <array>
#include <cstdint>

#include "model/RadioImage.h"

namespace radio {

using RadioMemory = std::array<Byte, kRadioMemorySize>;

// The band type a write leaves at radioaddr::kBandType.
inline constexpr Byte kBandTypeAfterWrite = 0x03;

// True for the addresses a write sends: all but the identification block (whose
// band type byte the write's last step sets) and the band and squelch block.
[[nodiscard]] bool writtenByTransfer(std::uint16_t address);
[[nodiscard]] RadioMemory radioMemoryFromImage(const RadioImage& image);
void copyRadioMemoryIntoImage(const RadioMemory& memory, RadioImage& image);

// The memory of a radio fresh from the factory: a new document's contents, band
// type 3, the default band record.
[[nodiscard]] RadioMemory defaultRadioMemory();

}  // namespace radio
