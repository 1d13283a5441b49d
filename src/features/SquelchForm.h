// SPDX-License-Identifier: GPL-3.0-or-later
// The Squelch Tuning dialog's data: four calibration values, one per band (V, U)
// and bandwidth (wide, narrow), stored as the shown value + 64 from addr::kSquelch.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "features/FieldInfo.h"
#include "features/FormFields.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// The dialog's section of get and set.
inline constexpr const char* kSquelchSection = "squelch";

inline constexpr int kSquelchRows = 4;
inline constexpr int kSquelchMinShown = -55;
inline constexpr int kSquelchMaxShown = 54;
inline constexpr int kSquelchOffset = 64;  // stored byte = shown value + 64

// The four lists: key, label and help id of each.
inline constexpr std::array<FieldInfo, kSquelchRows> kSquelchFields{{
    listField("level1", {"V Wide Squelch Tuning", "V段宽带静噪调整"}, 1136, {}, "V Wide Squelch Tuning, -55..54"),
    listField("level2", {"V Narrow Squelch Tuning", "V段窄带静噪调整"}, 1137, {}, "V Narrow Squelch Tuning, -55..54"),
    listField("level3", {"U Wide Squelch Tuning", "U段宽带静噪调整"}, 1138, {}, "U Wide Squelch Tuning, -55..54"),
    listField("level4", {"U Narrow Squelch Tuning", "U段窄带静噪调整"}, 1139, {}, "U Narrow Squelch Tuning, -55..54"),
}};
// Each row's default: shown instead of a byte outside 9..119, and stored for an
// empty list.
inline constexpr std::array<Byte, kSquelchRows> kSquelchDefaultBytes{41, 39, 34, 30};

// "-55" ... "54", the entries of each list.
[[nodiscard]] std::vector<std::string> squelchListItems();

struct SquelchForm {
  // The shown value of each row; nullopt when the list has no selection.
  std::array<std::optional<int>, kSquelchRows> shown{};
  bool operator==(const SquelchForm&) const = default;
};

// The four lists as get and set reach them: the shown value as a number.
[[nodiscard]] std::span<const FormField<SquelchForm>> squelchRows();

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
