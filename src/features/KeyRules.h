// SPDX-License-Identifier: GPL-3.0-or-later
// Keys and texts of the signalling dialogs' edits and of the grid cell editor that
// the call lists lay over their cells. Each dialog filters the keys its fields
// accept; the filters work on a key stroke described without any window system,
// so they can be tested here and applied by the widgets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace radio {

// The physical key that was pressed, as the radio's dialogs see it: a digit key
// (main keyboard or keypad), a letter key (whatever its case), or a named key.
enum class KeyKind {
  Digit,          // ch '0'..'9'; keypad tells which block
  Letter,         // ch 'A'..'Z' (the key, not the character it types)
  KeypadDecimal,  // the keypad's decimal point
  FullStop,       // the main keyboard's full stop (laptops have no keypad)
  Backspace,
  Delete,
  Left,
  Right,
  Up,
  Down,
  F1,
  Tab,  // Tab, Shift+Tab, and with Ctrl the tab pages' own keys
  Enter,
  Escape,
  SelectAll,  // Ctrl+A
  Other,      // punctuation, function keys, other shortcuts, ...
};

struct KeyStroke {
  KeyKind kind = KeyKind::Other;
  char ch = 0;          // for Digit and Letter
  bool keypad = false;  // a digit of the numeric keypad
  bool shift = false;   // Shift held (a shifted symbol such as '#' implies it)
};

// What a dialog does with a key: let the control have it or discard it, and
// whether F1 asks for help at the focused control first.
struct KeyDecision {
  bool pass = false;
  bool help = false;
  bool operator==(const KeyDecision&) const = default;
};

// Keys every filtered field lets through whatever it holds: Tab and Shift+Tab move
// between the fields (with Ctrl, between the tab pages), Esc closes the window,
// Ctrl+A selects the field's text. No window traps the keyboard.
[[nodiscard]] bool isNavigationKey(const KeyStroke& key);

// Keys every filtered field lets through: the digits, Backspace, Delete, Left and
// Right, and Up and Down where the field takes them.
[[nodiscard]] bool isDigitOrEditingKey(const KeyStroke& key, bool upDown);
// Shift+3 ('#') and Shift+8 ('*') of the main keyboard.
[[nodiscard]] bool isHashOrStar(const KeyStroke& key);
// A letter key from 'A' up to last, with or without Shift (the edits upper-case it).
[[nodiscard]] constexpr bool isLetterUpTo(const KeyStroke& key, char last) {
  return key.kind == KeyKind::Letter && key.ch >= 'A' && key.ch <= last;
}

// The character a passed key types into an upper-casing edit: the digit, the
// upper-case letter, '#' for Shift+3 and '*' for Shift+8; 0 for keys that type
// nothing (Backspace, arrows, ...).
[[nodiscard]] char typedCharacter(const KeyStroke& key);

// ASCII letters a..z in upper case; every other byte unchanged.
[[nodiscard]] std::string upperCased(std::string_view text);

// The text an upper-casing edit with a length limit holds after text was put in:
// upper case, cut at the limit.
[[nodiscard]] std::string cellEditorText(std::string_view text, std::size_t limit);

// True when every character is one the key filter lets through:
// allowed lists the characters (already in upper case).
[[nodiscard]] bool onlyCharacters(std::string_view text, std::string_view allowed);

}  // namespace radio
