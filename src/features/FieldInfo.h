// SPDX-License-Identifier: GPL-3.0-or-later
// One field of a settings form as every surface names it: the key of `get`/`set`,
// the dialog's label in both languages, the help ids of the dialog's controls, the
// rule of the values the field takes, where the image keeps it and, where the
// printed report shows the field, the page's own label and (where the printout
// reads the image otherwise than the dialog) the printout's own reading. Each form
// keeps a table of these beside its data; the dialogs, get/set, diff and the
// report read the fields from there.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// What a field's control takes.
enum class ValueKind {
  Text,    // any printable ASCII character, upper-cased (an edit without key filter)
  Code,    // the characters of the alphabet, upper-cased (an edit with a key filter)
  Number,  // the characters of the alphabet (digits, maybe a decimal point)
  Choice,  // an entry of a list
  Check,   // a check box
};

struct ValueRule {
  ValueKind kind = ValueKind::Text;
  std::size_t maxLength = 0;                                // the longest text the edit takes; 0: no limit
  std::string_view alphabet{};                              // Code and Number: what the key filter lets through
  std::vector<std::string> (*choices)(Language) = nullptr;  // Choice: the list's entries
  // Leaving the edit: normalises or clamps the text; null keeps it as typed.
  std::string (*leave)(std::string_view) = nullptr;
  // A spin arrow (step +1 up, -1 down); null when the edit has none.
  std::string (*spin)(std::string_view, int step) = nullptr;
  const char* note = "";  // the values in a few words, for --help
};

// A check box's rule.
inline constexpr ValueRule kCheckRule{.kind = ValueKind::Check, .note = "checked, unchecked"};

// The printout's own reading of a field, where it reads the image otherwise than
// the dialog does (the report prints what the dialog shows everywhere else).
using PrintedReading = std::string (*)(const RadioImage& image, Language lang);

// An image field of no bits: the field is no single run of bits (codes, numbers
// kept in two forms).
inline constexpr ImageField kNoImageField{0, 0, 0};

struct FieldInfo {
  // Within the section: "tot" for optional.tot. A numbered field has '#' where
  // its number goes: "call#" is call1 ... call9.
  const char* key;
  Text label;                          // the dialog's label
  int helpId;                          // help context of the dialog's control
  Text printed = {};                   // the printed page's label; {} when the report does not print it
  int spinHelpId = 0;                  // help context of the edit's spin arrows; 0 when it has none
  ValueRule rule = {};                 // the values the field takes
  ImageField field = kNoImageField;    // the bits the dialog reads the field from
  PrintedReading printedAs = nullptr;  // the printout's own reading; null: the dialog's
};

// A list's field; entries: its entries in a few words, for --help.
[[nodiscard]] constexpr FieldInfo listField(const char* key, Text label, int helpId, Text printed,
                                            const char* entries) {
  return {key, label, helpId, printed, 0, {.kind = ValueKind::Choice, .note = entries}};
}

// The key of field n of a numbered field ("call#", 3 -> "call3"); a key without
// '#' as it is.
[[nodiscard]] std::string numberedKey(std::string_view pattern, int n);
// The n that makes pattern into key, within 1..count (no leading zeros); 0 when
// none does.
[[nodiscard]] int numberInKey(std::string_view key, std::string_view pattern, int count);

}  // namespace radio
