// The DTMF window's Decode page: the radio's own DTMF identity and the remote
// stun settings. Group code and stun type are chosen from lists; their texts are
// what the page shows and stores.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "features/FieldInfo.h"
#include "features/KeyRules.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

namespace dtmf {
// ID code and stun code, 0xFF padded; the group code is one ASCII byte, 0xFF = off.
inline constexpr std::size_t kCodeLength = addr::kDtmfCodeLength;
}  // namespace dtmf

inline constexpr Text kGroupCodeOff{"Off", "关"};
inline constexpr Text kStunTxInhibit{"Tx inhibit", "禁止发射"};
inline constexpr Text kStunTransceiverInhibit{"Transceiver inhibit", "禁止收发"};

// The page's fields in its order.
inline constexpr std::array<FieldInfo, 5> kDtmfDecodeFields{{
    {"id_code", {"ID Code", "ID码"}, 1080, {"ID Code:", "身份码:"}},
    {"group_code", {"Group Code", "组码"}, 1081, {"Group Code:", "组呼码:"}},
    {"stun_activation", {"Stun Activation", "遥毙启用"}, 1103, {"Stun Activation:", "遥毙激活:"}},
    {"stun_code", {"Stun Code", "遥毙码"}, 1082, {"Stun Code:", "遥毙码:"}},
    {"stun_type", {"Stun Type", "遥毙类型"}, 1083, {"Stun Code Response:", "遥毙码回应:"}},
}};

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

// Characters the Stun Code edit can hold.
inline constexpr std::string_view kStunCodeCharacters = "0123456789ABCD*#";

}  // namespace radio
