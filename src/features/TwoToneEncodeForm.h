// The 2-Tone dialog's Encode page: the 32 tone pairs sent by the radio and the
// timing of sending them. Every value is stored twice: a display form (tenths of
// a hertz, tenths of a second), which is the only form read back, and a radio
// form (tone divisors, 50 ms units) at the display offset + addr::kTwoToneRadioForm.
#pragma once

#include <array>
#include <string>

#include "features/FieldInfo.h"
#include "features/TwoToneNumber.h"
#include "model/RadioImage.h"

namespace radio {

namespace twotone {
// The delays are s x 10 in the display form and s x 20 in the radio form; the
// tone interval and the Tx rise time are 16 bits of s x 20 in both.
inline constexpr std::size_t kRadioOffset = addr::kTwoToneRadioForm;
inline constexpr std::int64_t kEncodeDivisor = 111957;
inline constexpr std::int64_t kDecodeDivisor = 895658;
inline constexpr int kEncodeEntries = 32;
}  // namespace twotone

// Display offset of encode entry n (0..31), tone t (0 = Tone1, 1 = Tone2).
[[nodiscard]] constexpr std::size_t twoToneEncodeOffset(int n, int t) {
  return rowSlotOffset(addr::kTwoToneEncode, kTwoToneSlotSize, static_cast<std::size_t>(n)) +
         2 * static_cast<std::size_t>(t);
}

// The timing fields in the page's order, then the short beep check box.
inline constexpr std::array<FieldInfo, 6> kTwoToneTimingFields{{
    {"first_delay",
     {"The first delay time(s)", "第一延迟时间(秒)"},
     1250,
     {"The first delay time(s):", "第一音频持续时间 (s):"},
     1055},
    {"second_delay",
     {"The second delay time(s)", "第二延迟时间(秒)"},
     1251,
     {"The second delay time(s):", "第二音频持续时间 (s)"},
     1056},
    {"long_delay",
     {"Long tone delay time(s)", "长音延迟时间(秒)"},
     1252,
     {"Long tone delay time(s):", "长音持续时间 (s):"},
     1057},
    {"tone_interval",
     {"Tone interval time(ms)", "音间隔时间(毫秒)"},
     1253,
     {"Tone interval time(s):", "音频间隔时间 (s):"},
     1058},
    {"tx_rise",
     {"Tx rise delay time(ms)", "发射上升延迟时间(毫秒)"},
     1054,
     {"Txrise delay time(s):", "上升发射延迟时间 (s):"},
     1059},
    {"short_beep", {"Short beep tone", "短提示音"}, 1061, {"Short beep tone:", "短哔音:"}},
}};
// The two tone columns of the encode grid: entry n's keys are "enc<n>_a", "enc<n>_b".
inline constexpr std::array<FieldInfo, 2> kTwoToneToneFields{{
    {"_a", {"Tone1 Fre", "音频1"}, 1060, {"Tone Fre1", "音频1"}},
    {"_b", {"Tone2 Fre", "音频2"}, 1060, {"Tone Fre2", "音频2"}},
}};

struct TwoToneEncodeForm {
  std::string firstDelay;    // "The first delay time(s)"
  std::string secondDelay;   // "The second delay time(s)"
  std::string longDelay;     // "Long tone delay time(s)"
  std::string toneInterval;  // "Tone interval time(ms)"
  std::string txRise;        // "Tx rise delay time(ms)"
  bool shortBeep = false;
  // The grid's cells: tones[n][t] for entry n, tone t; empty = no tone.
  std::array<std::array<std::string, 2>, twotone::kEncodeEntries> tones;
  bool operator==(const TwoToneEncodeForm&) const = default;
};

// A timing or tone edit of the 2-Tone pages: its names, how it rounds and spins,
// and its text in the form.
template <class Form>
struct TwoToneRow {
  const FieldInfo* info;
  TwoToneField kind;
  std::string Form::*member;
};
// The encode timing edits in the page's order (the short beep follows them).
inline constexpr std::array<TwoToneRow<TwoToneEncodeForm>, 5> kTwoToneTimingRows{{
    {&kTwoToneTimingFields[0], TwoToneField::Delay, &TwoToneEncodeForm::firstDelay},
    {&kTwoToneTimingFields[1], TwoToneField::Delay, &TwoToneEncodeForm::secondDelay},
    {&kTwoToneTimingFields[2], TwoToneField::Delay, &TwoToneEncodeForm::longDelay},
    {&kTwoToneTimingFields[3], TwoToneField::EncodeInterval, &TwoToneEncodeForm::toneInterval},
    {&kTwoToneTimingFields[4], TwoToneField::TxRise, &TwoToneEncodeForm::txRise},
}};

// What the page shows when it becomes visible (from the display form).
[[nodiscard]] TwoToneEncodeForm loadTwoToneEncode(const RadioImage& image);
// Stores the page's texts as they are, in both forms. An empty cell stores 0xFFFF
// (display) and 0x0000 (radio).
void storeTwoToneEncode(const TwoToneEncodeForm& form, RadioImage& image);

// The text of a cell for a stored display value: "%4.1f" of value / 10, empty for 0xFFFF.
[[nodiscard]] std::string twoToneCellText(std::uint16_t displayValue);

}  // namespace radio
