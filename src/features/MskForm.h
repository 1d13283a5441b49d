// The MSK dialog's data: the radio's 4-character MSK ID code and nine call codes,
// written with 0-9 and A-F. The ten codes are 40 consecutive bytes of radio
// memory laid into the data bytes of the rows from addr::kMsk; bytes 16..23 of
// those rows belong to no code and are never touched.
#pragma once

#include <array>
#include <string>

#include "features/FieldInfo.h"
#include "features/KeyRules.h"
#include "model/RadioImage.h"

namespace radio {

// The ID code is code 0 of addr::kMskCodes, the calls codes 1..9.
inline constexpr int kMskCallCount = 9;
inline constexpr std::string_view kMskCharacters = "0123456789ABCDEF";

inline constexpr FieldInfo kMskIdField{"id", {"ID Code", "ID码"}, 1048, {"ID Code:", "身份码:"}};
// Call n is "call<n>", labelled "<label> n"; the grid carries the help id.
inline constexpr FieldInfo kMskCallField{"call", {"Call List", "呼叫列表"}, 1349, {"CallList", "呼叫列表"}};

struct MskForm {
  std::string idCode;
  std::array<std::string, kMskCallCount> calls;  // entry n at index n-1
  bool operator==(const MskForm&) const = default;
};

[[nodiscard]] MskForm loadMsk(const RadioImage& image);
// The dialog's OK: each code's characters (at most 4), the rest of its 4 bytes 0xFF.
void storeMsk(const MskForm& form, RadioImage& image);

// The dialog's key filter, whatever control has the focus: digits, A-F (with or
// without Shift), Backspace, Delete, the arrows and the navigation keys pass; no
// shifted digit passes; F1 asks for help and passes; Enter is discarded.
[[nodiscard]] KeyDecision mskKey(const KeyStroke& key);

}  // namespace radio
