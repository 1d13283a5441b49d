// SPDX-License-Identifier: GPL-3.0-or-later
// Every difference between two images in words a technician reads: channel rows
// with the grid's texts, settings with the keys and texts of `get`, and the bytes
// no field shows as address ranges.
//
// Usage:
//   SectionContext ctx{lang, band, models};
//   for (const std::string& line : diffImages(before, after, ctx)) std::cout << line << '\n';
//   // channel 5: rx: 145.12500 -> 145.13750
//   // optional.tot: 60 -> 90
//   // bytes 0x0C40-0x0C47
#pragma once

#include <string>
#include <vector>

#include "features/SettingsSections.h"
#include "model/RadioImage.h"

namespace radio {

// The differences from a to b, in this order: channel rows ("channel N: FIELD:
// OLD -> NEW", N being 1..128 or Fr), settings ("section.key: OLD -> NEW"), then
// the differing bytes whose change no field shows ("bytes 0xADDR-0xADDR", image
// offsets, neighbouring bytes merged). An empty text is shown as "". Nothing when
// the images are equal.
[[nodiscard]] std::vector<std::string> diffImages(const RadioImage& a, const RadioImage& b, const SectionContext& ctx);

}  // namespace radio
