// SPDX-License-Identifier: GPL-3.0-or-later
// Exact decimal numbers of the 2-Tone fields. Tones and times are typed with one
// or two decimals and stored as whole tenths, twentieths and divisors; working in
// millionths keeps every product and comparison exact, so 0.6 - 0.1 is 0.5 and
// 0.35 s is 7 units of 50 ms, never a hair less.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace radio {

// A value in millionths of its unit (hertz or seconds).
using Micros = std::int64_t;

inline constexpr Micros kMicro = 1'000'000;

// Reads the number at the start of text the way the dialogs read an edit: leading
// blanks, an optional sign, digits, a decimal point and more digits; whatever
// follows is ignored and text without a number reads as 0. Digits beyond the
// sixth decimal are dropped; huge values saturate.
[[nodiscard]] Micros parseMicros(std::string_view text);

// printf's "%W.Df" of the value: D decimals, halves rounded away from zero, padded
// with blanks on the left to at least W characters.
[[nodiscard]] std::string formatMicros(Micros value, int width, int decimals);

// trunc(value * factor), clamped to 0..maxValue so that a stored field never wraps.
[[nodiscard]] unsigned scaledUnits(Micros value, int factor, unsigned maxValue);

// The whole number nearest to numerator / value (halves up), clamped to 0..0xFFFF;
// 0 for a value of zero or less, which has no divisor.
[[nodiscard]] unsigned nearestDivisor(std::int64_t numerator, Micros value);

}  // namespace radio

#include <cstddef>

#include "features/FieldInfo.h"
#include "features/KeyRules.h"

namespace radio {

// The kinds of 2-Tone edit, each with its range, text format and rules.
enum class TwoToneField {
  Tone,            // 288.5-3106.0 Hz, "%4.1f"
  Delay,           // first, second and long tone delay: 0.5-10.0 s, "%2.1f"
  DecodeInterval,  // 0.0-2.0 s, "%1.1f" once edited
  EncodeInterval,  // 0.0-2.0 s, "%2.1f"
  TxRise,          // 0.10-1.00 s on the 0.05 grid, "%3.2f"
};

// The longest text the field's edit accepts.
[[nodiscard]] constexpr std::size_t twoToneMaxLength(TwoToneField field) {
  switch (field) {
    case TwoToneField::Tone: return 6;
    case TwoToneField::DecodeInterval:
    case TwoToneField::EncodeInterval: return 3;
    case TwoToneField::Delay:
    case TwoToneField::TxRise: return 4;
  }
  return 0;
}

// Leaving the edit: clamps into the range (non-numeric text reads as 0 and so
// becomes the minimum) and formats. Tx rise is first lowered onto the 0.05 grid.
[[nodiscard]] std::string twoToneLeave(TwoToneField field, std::string_view text);

// A spin arrow, step +1 (up) or -1 (down): moves by 0.1 (Tx rise: by 0.05 or onto
// the next grid value) and wraps to the other end of the range.
[[nodiscard]] std::string twoToneSpin(TwoToneField field, std::string_view text, int step);

// Committing the encode list's in-place editor: an empty text empties the cell,
// anything else is clamped like a tone.
[[nodiscard]] std::string twoToneCellCommit(std::string_view text);

// The leaving and spinning rules of one kind of edit, as the field tables hold them.
template <TwoToneField F>
[[nodiscard]] std::string twoToneLeaveAs(std::string_view text) {
  return twoToneLeave(F, text);
}
template <TwoToneField F>
[[nodiscard]] std::string twoToneSpinAs(std::string_view text, int step) {
  return twoToneSpin(F, text, step);
}

// What a 2-Tone edit or tone cell takes from the keyboard.
inline constexpr std::string_view kTwoToneCharacters = "0123456789.";

// The value rule of a 2-Tone edit: digits and a decimal point, its length, and the
// kind's rules of leaving the edit and of the spin arrows.
template <TwoToneField F>
[[nodiscard]] constexpr ValueRule twoToneRule(const char* note) {
  return {.kind = ValueKind::Number,
          .maxLength = twoToneMaxLength(F),
          .alphabet = kTwoToneCharacters,
          .leave = twoToneLeaveAs<F>,
          .spin = twoToneSpinAs<F>,
          .note = note};
}

// The key filter of every 2-Tone page: digits (keypad included), the keypad's
// decimal point, Backspace, Delete and the arrows, none of them with Shift, and
// the navigation keys. F1
// asks for help: the encode page then swallows it, the decode pages pass it on.
[[nodiscard]] KeyDecision twoToneKey(const KeyStroke& key, bool encodePage);

// The value rule of a cell of the encode tone list: a tone, or empty for none.
[[nodiscard]] constexpr ValueRule twoToneCellRule(const char* note) {
  return {.kind = ValueKind::Number,
          .maxLength = twoToneMaxLength(TwoToneField::Tone),
          .alphabet = kTwoToneCharacters,
          .leave = twoToneCellCommit,
          .note = note};
}

}  // namespace radio
