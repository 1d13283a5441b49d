// SPDX-License-Identifier: GPL-3.0-or-later
// The MSK dialog's data: the radio's 4-character MSK ID code and nine call codes,
// written with 0-9 and A-F. The ten codes are 40 consecutive bytes of radio
// memory laid into the data bytes of the rows from addr::kMsk; bytes 16..23 of
// those rows belong to no code and are never touched.
#pragma once

#include <array>
#include <string>

#include "features/FieldInfo.h"
#include "features/FormFields.h"
#include "features/KeyRules.h"
#include "model/RadioImage.h"

namespace radio {

// The dialog's section of get and set.
inline constexpr const char* kMskSection = "msk";

// The ID code is code 0 of addr::kMskCodes, the calls codes 1..9.
inline constexpr int kMskCallCount = 9;
inline constexpr std::string_view kMskCharacters = "0123456789ABCDEF";

// Every code: up to four of the code characters, upper-cased.
inline constexpr ValueRule kMskCodeRule{.kind = ValueKind::Code,
                                        .maxLength = addr::kMskCodes.length,
                                        .alphabet = kMskCharacters,
                                        .note = "up to 4 of 0-9 A-F"};
inline constexpr FieldInfo kMskIdField{.key = "id",
                                       .label = {"ID Code", "ID码"},
                                       .helpId = 1048,
                                       .printed = {"ID Code:", "身份码:"},
                                       .rule = kMskCodeRule};
// Call n is "call<n>", labelled "<label> n"; the grid carries the help id.
inline constexpr FieldInfo kMskCallField{.key = "call#",
                                         .label = {"Call List", "呼叫列表"},
                                         .helpId = 1349,
                                         .printed = {"CallList", "呼叫列表"},
                                         .rule = kMskCodeRule};

struct MskForm {
  std::string idCode;
  std::array<std::string, kMskCallCount> calls;  // entry n at index n-1
  bool operator==(const MskForm&) const = default;
};

inline constexpr std::array<FormField<MskForm>, 2> kMskRows{{
    {&kMskIdField, &MskForm::idCode},
    {.info = &kMskCallField,
     .entry = [](MskForm& form, int n, int) -> std::string& { return form.calls.at(std::size_t(n - 1)); },
     .count = kMskCallCount},
}};

[[nodiscard]] MskForm loadMsk(const RadioImage& image);
// The dialog's OK: each code's characters (at most 4), the rest of its 4 bytes 0xFF.
void storeMsk(const MskForm& form, RadioImage& image);

// The dialog's key filter, whatever control has the focus: digits, A-F (with or
// without Shift), Backspace, Delete, the arrows and the navigation keys pass; no
// shifted digit passes; F1 asks for help and passes; Enter is discarded.
[[nodiscard]] KeyDecision mskKey(const KeyStroke& key);

}  // namespace radio
