// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/KeyRules.h"

namespace radio {

bool isNavigationKey(const KeyStroke& key) {
  return key.kind == KeyKind::Tab || key.kind == KeyKind::Escape || key.kind == KeyKind::SelectAll;
}

bool isDigitOrEditingKey(const KeyStroke& key, bool upDown) {
  switch (key.kind) {
    case KeyKind::Digit:
    case KeyKind::Backspace:
    case KeyKind::Delete:
    case KeyKind::Left:
    case KeyKind::Right: return true;
    case KeyKind::Up:
    case KeyKind::Down: return upDown;
    default: return false;
  }
}

bool isHashOrStar(const KeyStroke& key) {
  return key.kind == KeyKind::Digit && !key.keypad && (key.ch == '3' || key.ch == '8');
}

char typedCharacter(const KeyStroke& key) {
  switch (key.kind) {
    case KeyKind::Digit:
      if (!key.shift || key.keypad) return key.ch;
      if (key.ch == '3') return '#';
      if (key.ch == '8') return '*';
      return 0;
    case KeyKind::Letter: return key.ch;
    case KeyKind::KeypadDecimal:
    case KeyKind::FullStop: return '.';
    default: return 0;
  }
}

std::string upperCased(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string cellEditorText(std::string_view text, std::size_t limit) { return upperCased(text.substr(0, limit)); }

bool onlyCharacters(std::string_view text, std::string_view allowed) {
  return text.find_first_not_of(allowed) == std::string_view::npos;
}

}  // namespace radio
