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

// The page's fields in its order; "dec<k>_<key>" in the CLI.
inline constexpr std::array<FieldInfo, 6> kTwoToneDecodeFields{{
    {"a", {"A Tone(HZ)", "A音(HZ)"}, 1037, {"A Tone (Hz):", "A 音 (Hz):"}, 1068},
    {"b", {"B Tone(HZ)", "B音(HZ)"}, 1038, {"B Tone (Hz):", "B 音 (Hz):"}, 1069},
    {"first_delay",
     {"The first delay time(s)", "第一延迟时间(秒)"},
     1039,
     {"The first delay time (s):", "第一音频持续时间 (s):"},
     1070},
    {"second_delay",
     {"The second delay time(s)", "第二延迟时间(秒)"},
     1040,
     {"The second delay time (s):", "第二音频持续时间 (s)"},
     1071},
    {"interval", {"Interval time(s)", "间隔时间(秒)"}, 1041, {"Interval time (s):", "音频间隔时间 (s):"}, 1072},
    {"long_delay",
     {"Long tone delay time(s)", "长音延迟时间(秒)"},
     1042,
     {"Long tone delay time (s):", "长音持续时间 (s):"},
     1073},
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
inline constexpr std::array<TwoToneRow<TwoToneDecodeForm>, 6> kTwoToneDecodeRows{{
    {&kTwoToneDecodeFields[0], TwoToneField::Tone, &TwoToneDecodeForm::aTone},
    {&kTwoToneDecodeFields[1], TwoToneField::Tone, &TwoToneDecodeForm::bTone},
    {&kTwoToneDecodeFields[2], TwoToneField::Delay, &TwoToneDecodeForm::firstDelay},
    {&kTwoToneDecodeFields[3], TwoToneField::Delay, &TwoToneDecodeForm::secondDelay},
    {&kTwoToneDecodeFields[4], TwoToneField::DecodeInterval, &TwoToneDecodeForm::interval},
    {&kTwoToneDecodeFields[5], TwoToneField::Delay, &TwoToneDecodeForm::longDelay},
}};

// What page k shows when it becomes visible: tones "%4.1f", times "%2.1f" of the
// stored value / 10, out-of-range values as stored.
[[nodiscard]] TwoToneDecodeForm loadTwoToneDecode(const RadioImage& image, int k);
// Stores the page's texts as they are: trunc(x 10) in the display form, the
// nearest divisor (tones) or trunc(x 20) (times) in the radio form.
void storeTwoToneDecode(const TwoToneDecodeForm& form, RadioImage& image, int k);

}  // namespace radio
