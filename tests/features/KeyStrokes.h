// Short names for the key strokes the filter tables list.
#pragma once

#include "features/KeyRules.h"

namespace radio::test {

inline KeyStroke digit(char c, bool shift = false, bool keypad = false) { return {KeyKind::Digit, c, keypad, shift}; }
inline KeyStroke letter(char c, bool shift = false) { return {KeyKind::Letter, c, false, shift}; }
inline KeyStroke named(KeyKind kind) { return {kind, 0, false, false}; }

}  // namespace radio::test
