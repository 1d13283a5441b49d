// SPDX-License-Identifier: GPL-3.0-or-later
// The Key Assignment dialog's data: the side key's function, one of four choices,
// kept in field::kSideKey as 3 minus the choice.
#pragma once

#include <array>

#include "features/FieldInfo.h"
#include "features/FormFields.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// The dialog's section of get and set.
inline constexpr const char* kKeyAssignSection = "key";

inline constexpr int kSideKeyChoices = 4;
// Help context of the four radio buttons (the Key Assignment command).
inline constexpr int kKeyAssignHelpContext = 32800;
// Control ids of the radio buttons, choice 0..3.
inline constexpr std::array<int, kSideKeyChoices> kSideKeyButtonIds{1076, 1077, 1078, 1079};

// The radio buttons' texts, choice 0..3.
inline constexpr std::array<Text, kSideKeyChoices> kSideKeyChoiceTexts{{
    {"Option Singalling Call", "选择信令呼叫"},
    {"Emergency Call", "紧急呼叫"},
    {"Send 1750Hz Singal", "发射1750Hz信号"},
    {"Squelch Off Momentary", "瞬时静噪关闭"},
}};
inline constexpr FieldInfo kSideKeyField =
    listField("side", {"Side Key", "侧键"}, kKeyAssignHelpContext, {},
              "Option Singalling Call, Emergency Call, Send 1750Hz Singal, Squelch Off Momentary");

struct KeyAssignForm {
  int choice = 0;  // 0..3
  bool operator==(const KeyAssignForm&) const = default;
};

// The dialog's field as get and set reach it: the choice as the index of its button.
[[nodiscard]] std::span<const FormField<KeyAssignForm>> keyAssignRows();

[[nodiscard]] KeyAssignForm loadKeyAssign(const RadioImage& image);
// Writes the side key's bits; the rest of the byte is kept. A choice outside 0..3 is taken
// as the first choice.
void storeKeyAssign(const KeyAssignForm& form, RadioImage& image);

}  // namespace radio
