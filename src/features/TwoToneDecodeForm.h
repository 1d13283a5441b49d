// SPDX-License-Identifier: GPL-3.0-or-later
// One of the eight 2-Tone decode entries: the A and B tones the radio listens
// for and the timing of recognising them, each stored in a display form (tenths)
// and a radio form (divisors of 895658, 50 ms units) at the display offset
// + addr::kTwoToneRadioForm.
#pragma once

#include <string>

#include "features/TwoToneEncodeForm.h"

namespace radio {

inline constexpr int kTwoToneDecodeEntries = 8;

// Display base of decode entry k (1..8): two entries per row.
[[nodiscard]] constexpr std::size_t twoToneDecodeOffset(int k) {
  return rowSlotOffset(addr::kTwoToneDecode, decodeEntry::kSize, static_cast<std::size_t>(k - 1));
}

// Decode entry k's page: its tab label and the key before its fields' keys ("dec3_a").
inline constexpr Text kTwoToneDecodeTab{"2-Tone#", "2-Tone#"};
inline constexpr const char* kTwoToneDecodeKey = "dec#_";

// The page's fields in its order.
inline constexpr std::array<FieldInfo, 6> kTwoToneDecodeFields{{
    {.key = "a",
     .label = {"A Tone(HZ)", "A音(HZ)"},
     .helpId = 1037,
     .printed = {"A Tone (Hz):", "A 音 (Hz):"},
     .spinHelpId = 1068,
     .rule = twoToneRule<TwoToneField::Tone>("288.5..3106.0 Hz")},
    {.key = "b",
     .label = {"B Tone(HZ)", "B音(HZ)"},
     .helpId = 1038,
     .printed = {"B Tone (Hz):", "B 音 (Hz):"},
     .spinHelpId = 1069,
     .rule = twoToneRule<TwoToneField::Tone>("288.5..3106.0 Hz")},
    {.key = "first_delay",
     .label = {"The first delay time(s)", "第一延迟时间(秒)"},
     .helpId = 1039,
     .printed = {"The first delay time (s):", "第一音频持续时间 (s):"},
     .spinHelpId = 1070,
     .rule = twoToneRule<TwoToneField::Delay>("0.5..10.0 s")},
    {.key = "second_delay",
     .label = {"The second delay time(s)", "第二延迟时间(秒)"},
     .helpId = 1040,
     .printed = {"The second delay time (s):", "第二音频持续时间 (s)"},
     .spinHelpId = 1071,
     .rule = twoToneRule<TwoToneField::Delay>("0.5..10.0 s")},
    {.key = "interval",
     .label = {"Interval time(s)", "间隔时间(秒)"},
     .helpId = 1041,
     .printed = {"Interval time (s):", "音频间隔时间 (s):"},
     .spinHelpId = 1072,
     .rule = twoToneRule<TwoToneField::DecodeInterval>("0.0..2.0 s")},
    {.key = "long_delay",
     .label = {"Long tone delay time(s)", "长音延迟时间(秒)"},
     .helpId = 1042,
     .printed = {"Long tone delay time (s):", "长音持续时间 (s):"},
     .spinHelpId = 1073,
     .rule = twoToneRule<TwoToneField::Delay>("0.5..10.0 s")},
}};

struct TwoToneDecodeForm {
  std::string aTone;        // "A Tone(HZ)"
  std::string bTone;        // "B Tone(HZ)"
  std::string firstDelay;   // "The first delay time(s)"
  std::string secondDelay;  // "The second delay time(s)"
  std::string interval;     // "Interval time(s)"
  std::string longDelay;    // "Long tone delay time(s)"
  bool operator==(const TwoToneDecodeForm&) const = default;
};

// A decode page's edits in its order.
inline constexpr std::array<FormField<TwoToneDecodeForm>, 6> kTwoToneDecodeRows{{
    {&kTwoToneDecodeFields[0], &TwoToneDecodeForm::aTone},
    {&kTwoToneDecodeFields[1], &TwoToneDecodeForm::bTone},
    {&kTwoToneDecodeFields[2], &TwoToneDecodeForm::firstDelay},
    {&kTwoToneDecodeFields[3], &TwoToneDecodeForm::secondDelay},
    {&kTwoToneDecodeFields[4], &TwoToneDecodeForm::interval},
    {&kTwoToneDecodeFields[5], &TwoToneDecodeForm::longDelay},
}};
// The printed report lists the long tone delay before the interval.
inline constexpr std::array<std::size_t, 6> kTwoToneDecodePrintedOrder{0, 1, 2, 3, 5, 4};

// What page k shows when it becomes visible: tones "%4.1f", times "%2.1f" of the
// stored value / 10, out-of-range values as stored.
[[nodiscard]] TwoToneDecodeForm loadTwoToneDecode(const RadioImage& image, int k);
// Stores the page's texts as they are: trunc(x 10) in the display form, the
// nearest divisor (tones) or trunc(x 20) (times) in the radio form.
void storeTwoToneDecode(const TwoToneDecodeForm& form, RadioImage& image, int k);

}  // namespace radio
