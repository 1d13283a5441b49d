// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/RadioMemoryMap.h"

#include "model/Document.h"

namespace radio {

bool writtenByTransfer(std::uint16_t address) {
  if (address == radioaddr::kBandType) return true;
  if (address >= radioaddr::kIdentification && address < radioaddr::kIdentification + kRowDataBytes) return false;
  return address < radioaddr::kBandRecord && address < kRadioMemorySize;
}

RadioMemory radioMemoryFromImage(const RadioImage& image) {
  RadioMemory memory{};
  for (std::size_t a = 0; a < kRadioMemorySize; ++a)
    memory[a] = image.at(imageOffsetForRadioAddress(static_cast<std::uint16_t>(a)));
  return memory;
}

void copyRadioMemoryIntoImage(const RadioMemory& memory, RadioImage& image) {
  for (std::size_t a = 0; a < kRadioMemorySize; ++a)
    image.set(imageOffsetForRadioAddress(static_cast<std::uint16_t>(a)), memory[a]);
}

RadioMemory defaultRadioMemory() {
  BandRecord band = kDefaultBandRecord;
  RadioImage image = newDocumentImage(band);
  RadioMemory memory = radioMemoryFromImage(image);
  memory[radioaddr::kBandType] = kBandTypeAfterWrite;
  for (std::size_t i = 0; i < band.size(); ++i) memory[radioaddr::kBandRecord + i] = band[i];
  return memory;
}

}  // namespace radio
