// SPDX-License-Identifier: GPL-3.0-or-later
// The 2-Tone dialog's Encode page: the 32 tone pairs sent by the radio and the
// timing of sending them. Every value is stored twice: a display form (tenths of
// a hertz, tenths of a second), which is the only form read back, and a radio
// form (tone divisors, 50 ms units) at the display offset + addr::kTwoToneRadioForm.
#pragma once

#include <array>
#include <string>

#include "features/FieldInfo.h"
#include "features/FormFields.h"
#include "features/TwoToneNumber.h"
#include "model/RadioImage.h"

namespace radio {

// The 2-Tone window's section of get and set (encode and decode pages).
inline constexpr const char* kTwoToneSection = "twotone";

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

// The printed report reads the tone interval with the C library's rounding of
// the binary fraction (the page rounds the exact decimal), the short beep from bit
// 0 alone (the page: any set bit), and an encode tone whose first byte is 0xFF as
// no tone (the page: only 0xFFFF).
namespace printout {
[[nodiscard]] std::string twoToneInterval(const RadioImage& image, Language lang);
[[nodiscard]] std::string twoToneShortBeep(const RadioImage& image, Language lang);
[[nodiscard]] std::string twoToneEncodeTone(const RadioImage& image, int n, int t);
}  // namespace printout

// The timing fields in the page's order, then the short beep check box.
inline constexpr std::array<FieldInfo, 6> kTwoToneTimingFields{{
    {.key = "first_delay",
     .label = {"The first delay time(s)", "第一延迟时间(秒)"},
     .helpId = 1250,
     .printed = {"The first delay time(s):", "第一音频持续时间 (s):"},
     .spinHelpId = 1055,
     .rule = twoToneRule<TwoToneField::Delay>("0.5..10.0 s")},
    {.key = "second_delay",
     .label = {"The second delay time(s)", "第二延迟时间(秒)"},
     .helpId = 1251,
     .printed = {"The second delay time(s):", "第二音频持续时间 (s)"},
     .spinHelpId = 1056,
     .rule = twoToneRule<TwoToneField::Delay>("0.5..10.0 s")},
    {.key = "long_delay",
     .label = {"Long tone delay time(s)", "长音延迟时间(秒)"},
     .helpId = 1252,
     .printed = {"Long tone delay time(s):", "长音持续时间 (s):"},
     .spinHelpId = 1057,
     .rule = twoToneRule<TwoToneField::Delay>("0.5..10.0 s")},
    {.key = "tone_interval",
     .label = {"Tone interval time(ms)", "音间隔时间(毫秒)"},
     .helpId = 1253,
     .printed = {"Tone interval time(s):", "音频间隔时间 (s):"},
     .spinHelpId = 1058,
     .rule = twoToneRule<TwoToneField::EncodeInterval>("0.0..2.0 s"),
     .printedAs = printout::twoToneInterval},
    {.key = "tx_rise",
     .label = {"Tx rise delay time(ms)", "发射上升延迟时间(毫秒)"},
     .helpId = 1054,
     .printed = {"Txrise delay time(s):", "上升发射延迟时间 (s):"},
     .spinHelpId = 1059,
     .rule = twoToneRule<TwoToneField::TxRise>("0.10..1.00 s in steps of 0.05")},
    {.key = "short_beep",
     .label = {"Short beep tone", "短提示音"},
     .helpId = 1061,
     .printed = {"Short beep tone:", "短哔音:"},
     .rule = kCheckRule,
     .printedAs = printout::twoToneShortBeep},
}};

// The two tone columns of the encode grid: entry n's keys are "enc<n>_a", "enc<n>_b".
inline constexpr std::array<FieldInfo, 2> kTwoToneToneFields{{
    {.key = "enc#_a",
     .label = {"Tone1 Fre", "音频1"},
     .helpId = 1060,
     .printed = {"Tone Fre1", "音频1"},
     .rule = twoToneCellRule("Tone1 of entry 1..32: 288.5..3106.0 Hz, empty for none")},
    {.key = "enc#_b",
     .label = {"Tone2 Fre", "音频2"},
     .helpId = 1060,
     .printed = {"Tone Fre2", "音频2"},
     .rule = twoToneCellRule("Tone2 of entry 1..32: 288.5..3106.0 Hz, empty for none")},
}};

inline constexpr std::array<FormField<TwoToneEncodeForm>, 7> kTwoToneEncodeRows{{
    {&kTwoToneTimingFields[0], &TwoToneEncodeForm::firstDelay},
    {&kTwoToneTimingFields[1], &TwoToneEncodeForm::secondDelay},
    {&kTwoToneTimingFields[2], &TwoToneEncodeForm::longDelay},
    {&kTwoToneTimingFields[3], &TwoToneEncodeForm::toneInterval},
    {&kTwoToneTimingFields[4], &TwoToneEncodeForm::txRise},
    {&kTwoToneTimingFields[5], nullptr, &TwoToneEncodeForm::shortBeep},
    {.info = &kTwoToneToneFields[0],
     .entry = [](TwoToneEncodeForm& form, int n, int t) -> std::string& {
       return form.tones.at(std::size_t(n - 1)).at(std::size_t(t));
     },
     .count = twotone::kEncodeEntries,
     .columns = 2},
}};
// The timing edits of the page: the rows before the short beep.
inline constexpr std::span<const FormField<TwoToneEncodeForm>, 5> kTwoToneTimingRows{kTwoToneEncodeRows.data(), 5};

// What the page shows when it becomes visible (from the display form).
[[nodiscard]] TwoToneEncodeForm loadTwoToneEncode(const RadioImage& image);
// Stores the page's texts as they are, in both forms. An empty cell stores 0xFFFF
// (display) and 0x0000 (radio).
void storeTwoToneEncode(const TwoToneEncodeForm& form, RadioImage& image);

// The text of a cell for a stored display value: "%4.1f" of value / 10, empty for 0xFFFF.
[[nodiscard]] std::string twoToneCellText(std::uint16_t displayValue);

}  // namespace radio
