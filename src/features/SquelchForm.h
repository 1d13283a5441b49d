// SPDX-License-Identifier: GPL-3.0-or-later
// The Squelch Tuning dialog's data: four calibration values, one per band (V, U)
// and bandwidth (wide, narrow), stored as the shown value + 64 from addr::kSquelch.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// The dialog's section of get and set.
inline constexpr const char* kSquelchSection = "squelch";

inline constexpr int kSquelchRows = 4;
inline constexpr int kSquelchMinShown = -55;
inline constexpr int kSquelchMaxShown = 54;
inline constexpr int kSquelchOffset = 64;  // stored byte = shown value + 64

struct SquelchRowInfo {
  const char* key;   // CLI key: "level1" for squelch.level1
  Text label;        // the dialog's label
  int helpId;        // help context of the list
  Byte defaultByte;  // shown instead of a byte outside 9..119, and stored for an empty list
};

inline constexpr std::array<SquelchRowInfo, kSquelchRows> kSquelchRowInfo{{
    {"level1", {"V Wide Squelch Tuning", "V段宽带静噪调整"}, 1136, 41},
    {"level2", {"V Narrow Squelch Tuning", "V段窄带静噪调整"}, 1137, 39},
    {"level3", {"U Wide Squelch Tuning", "U段宽带静噪调整"}, 1138, 34},
    {"level4", {"U Narrow Squelch Tuning", "U段窄带静噪调整"}, 1139, 30},
}};

// "-55" ... "54", the entries of each list.
[[nodiscard]] std::vector<std::string> squelchListItems();

struct SquelchForm {
  // The shown value of each row; nullopt when the list has no selection.
  std::array<std::optional<int>, kSquelchRows> shown{};
  bool operator==(const SquelchForm&) const = default;
};

// What the dialog shows: each byte outside 9..119 is replaced by its row's
// default for display; a byte of 119 (shown value 55) selects no entry. The image
// is not changed.
[[nodiscard]] SquelchForm loadSquelch(const RadioImage& image);
// OK, and the start of a radio write: each row's value + 64, or the row's default
// when its list has no selection. A value outside the list counts as none.
void storeSquelch(const SquelchForm& form, RadioImage& image);

// The four bytes as they go to the radio, in address order.
[[nodiscard]] std::array<Byte, kSquelchRows> squelchBytes(const RadioImage& image);
void setSquelchBytes(RadioImage& image, const std::array<Byte, kSquelchRows>& bytes);

}  // namespace radio
