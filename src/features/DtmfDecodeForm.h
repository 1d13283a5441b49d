// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF window's Decode page: the radio's own DTMF identity and the remote
// stun settings. Group code and stun type are chosen from lists; their texts are
// what the page shows and stores.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "features/DtmfCallListForm.h"
#include "features/FieldInfo.h"
#include "features/FormFields.h"
#include "features/KeyRules.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

namespace dtmf {
// ID code and stun code, 0xFF padded; the group code is one ASCII byte, 0xFF = off.
inline constexpr std::size_t kCodeLength = addr::kDtmfCodeLength;
}  // namespace dtmf

// clang-format off
inline constexpr Text kGroupCodeOff{"Off",
                                    "关"};
inline constexpr Text kStunTxInhibit{"Tx inhibit",
                                     "禁止发射"};
inline constexpr Text kStunTransceiverInhibit{"Transceiver inhibit",
                                              "禁止收发"};
// clang-format on

struct DtmfDecodeForm {
  std::string idCode;     // bytes as stored (ASCII)
  std::string groupCode;  // "Off"/"关" or one character
  bool stunActivation = false;
  std::string stunCode;
  std::string stunType;  // one of the stun type texts
  bool operator==(const DtmfDecodeForm&) const = default;
};

// The group code list: "Off" (in the language), "A", "B", "C", "D", "*", "#".
[[nodiscard]] std::vector<std::string> dtmfGroupCodeChoices(Language lang);
// The stun type list: "Tx inhibit", "Transceiver inhibit" (in the language).
[[nodiscard]] std::vector<std::string> dtmfStunTypeChoices(Language lang);

// The printed report shows the two codes one byte beyond the page's ten, the group
// code's "Off" in English in both languages, and the Tx inhibit in its own words.
namespace printout {
[[nodiscard]] std::string dtmfIdCode(const RadioImage& image, Language lang);
[[nodiscard]] std::string dtmfGroupCode(const RadioImage& image, Language lang);
[[nodiscard]] std::string dtmfStunCode(const RadioImage& image, Language lang);
[[nodiscard]] std::string dtmfStunType(const RadioImage& image, Language lang);
}  // namespace printout

// The page's fields in its order.
inline constexpr std::array<FieldInfo, 5> kDtmfDecodeFields{{
    {.key = "id_code",
     .label = {"ID Code", "ID码"},
     .helpId = 1080,
     .printed = {"ID Code:", "身份码:"},
     .rule = {.kind = ValueKind::Text, .maxLength = dtmf::kCodeLength, .note = "up to 10 characters"},
     .printedAs = printout::dtmfIdCode},
    {.key = "group_code",
     .label = {"Group Code", "组码"},
     .helpId = 1081,
     .printed = {"Group Code:", "组呼码:"},
     .rule = {.kind = ValueKind::Choice, .choices = dtmfGroupCodeChoices, .note = "Off, A, B, C, D, *, #"},
     .field = {addr::kDtmfGroupCode},
     .printedAs = printout::dtmfGroupCode},
    {.key = "stun_activation",
     .label = {"Stun Activation", "遥毙启用"},
     .helpId = 1103,
     .printed = {"Stun Activation:", "遥毙激活:"},
     .rule = kCheckRule,
     .field = field::kDtmfStunActivation},
    {.key = "stun_code",
     .label = {"Stun Code", "遥毙码"},
     .helpId = 1082,
     .printed = {"Stun Code:", "遥毙码:"},
     .rule = {.kind = ValueKind::Code,
              .maxLength = dtmf::kCodeLength,
              .alphabet = kDtmfCharacters,
              .note = "up to 10 of 0-9 A-D * #"},
     .printedAs = printout::dtmfStunCode},
    {.key = "stun_type",
     .label = {"Stun Type", "遥毙类型"},
     .helpId = 1083,
     .printed = {"Stun Code Response:", "遥毙码回应:"},
     .rule = {.kind = ValueKind::Choice, .choices = dtmfStunTypeChoices, .note = "Tx inhibit, Transceiver inhibit"},
     .field = field::kDtmfStunType,
     .printedAs = printout::dtmfStunType},
}};

inline constexpr std::array<FormField<DtmfDecodeForm>, 5> kDtmfDecodeRows{{
    {&kDtmfDecodeFields[0], &DtmfDecodeForm::idCode},
    {&kDtmfDecodeFields[1], &DtmfDecodeForm::groupCode},
    {&kDtmfDecodeFields[2], nullptr, &DtmfDecodeForm::stunActivation},
    {&kDtmfDecodeFields[3], &DtmfDecodeForm::stunCode},
    {&kDtmfDecodeFields[4], &DtmfDecodeForm::stunType},
}};

[[nodiscard]] DtmfDecodeForm loadDtmfDecode(const RadioImage& image, Language lang);
// Stores the page: the two codes (at most 10 characters, 0xFF after them), the
// group code ("Off" in either language stores 0xFF, otherwise the first
// character), stun activation and stun type into their bits.
void storeDtmfDecode(const DtmfDecodeForm& form, RadioImage& image);

// The page's key filter. Every key passes (F1 asks for help first) except in the
// Stun Code edit, which takes digits, A-D (with or without Shift), Backspace,
// Delete, Left and Right, the navigation keys, and of the shifted digits only 3
// and 8 ("#" and "*").
[[nodiscard]] KeyDecision dtmfDecodeKey(const KeyStroke& key, bool inStunCode);

}  // namespace radio
