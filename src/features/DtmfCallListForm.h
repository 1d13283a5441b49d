// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF window's CallList page: nine fast-call DTMF numbers of up to 16
// characters, shown in a grid and edited with the grid cell editor.
#pragma once

#include <array>
#include <string>

#include "features/FieldInfo.h"
#include "features/FormFields.h"
#include "features/KeyRules.h"
#include "model/RadioImage.h"

namespace radio {

// Entries 1..9 are the codes of addr::kDtmfCalls.
inline constexpr int kDtmfCallCount = 9;
// Characters of a DTMF code (an entry, the Stun Code) the keyboard can type.
inline constexpr std::string_view kDtmfCharacters = "0123456789ABCD*#";

// Entry n is "call<n>", labelled "<label> n"; the grid carries the help id.
inline constexpr FieldInfo kDtmfCallField{.key = "call#",
                                          .label = {"Fast Call List", "快速呼叫列表"},
                                          .helpId = 1022,
                                          .printed = {"FastCallList", "快速呼叫列表"},
                                          .rule = {.kind = ValueKind::Code,
                                                   .maxLength = addr::kDtmfCalls.length,
                                                   .alphabet = kDtmfCharacters,
                                                   .note = "up to 16 of 0-9 A-D * #"}};

struct DtmfCallListForm {
  std::array<std::string, kDtmfCallCount> entries;  // entry n at index n-1
  bool operator==(const DtmfCallListForm&) const = default;
};

inline constexpr std::array<FormField<DtmfCallListForm>, 1> kDtmfCallRows{{
    {.info = &kDtmfCallField,
     .entry = [](DtmfCallListForm& form, int n, int) -> std::string& { return form.entries.at(std::size_t(n - 1)); },
     .count = kDtmfCallCount},
}};

// Each entry up to its first 0xFF byte.
[[nodiscard]] DtmfCallListForm loadDtmfCallList(const RadioImage& image);
// Each entry's characters (at most 16), the rest of its 16 bytes 0xFF; the last
// 8 bytes of each row are not touched.
void storeDtmfCallList(const DtmfCallListForm& form, RadioImage& image);

// The page's key filter: digits, A-D (with or without Shift), Backspace, Delete,
// the arrows and the navigation keys; of the shifted digits only 3 and 8 ("#" and
// "*"); F1 asks for help and passes.
[[nodiscard]] KeyDecision dtmfCallListKey(const KeyStroke& key);

}  // namespace radio
