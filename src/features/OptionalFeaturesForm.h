// SPDX-License-Identifier: GPL-3.0-or-later
// The Optional Features dialog's data: its lists, check boxes and password, loaded
// from the image and stored back with the dialog's fall-back and normalisation
// rules. Only the bits the dialog owns are written; every other bit of a shared
// byte passes through.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/FieldInfo.h"
#include "features/FormFields.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// The dialog's section of get and set.
inline constexpr const char* kOptionalSection = "optional";

// The dialog's lists, in the order the CLI lists them (their image fields are
// named in model/ImageMap.h).
enum class OptionalList : int {
  Tot,
  Squelch,
  Vox,
  Step,
  PreAlert,
  Priority,
  ShortPress,
  KeyLock,
  Beep,
  Stopwatch,
  ScanMode,
  Tail,
  StrSet,
  PowerOnStyle,
  BackLight,
  BackLightColor,
  DisplayMode,
  BatterySaver,
  AllowReset,
  MskType,
};
inline constexpr int kOptionalListCount = 20;

// The two check boxes of the hidden bottom row.
enum class OptionalCheck : int {
  KeypadLock,  // checked = field::kKeypadLockOff clear
  RepeaterMskInvert,
};
inline constexpr int kOptionalCheckCount = 2;

inline constexpr std::size_t kPasswordLength = addr::kPasswordLength;

// Key, labels and help id of each control.
[[nodiscard]] const FieldInfo& optionalListInfo(OptionalList list);
[[nodiscard]] const FieldInfo& optionalCheckInfo(OptionalCheck check);
[[nodiscard]] const FieldInfo& optionalPasswordInfo();

// The entries of a list in display order, in the language.
[[nodiscard]] std::vector<std::string> optionalListItems(OptionalList list, Language lang);

struct OptionalFeaturesForm {
  // Selected entry of each list; -1 when a list has no selection.
  std::array<int, kOptionalListCount> selection{};
  std::array<bool, kOptionalCheckCount> checked{};
  // The password edit's text: digits only, at most six (see passwordError).
  std::string password;

  [[nodiscard]] int& operator[](OptionalList list) { return selection.at(static_cast<std::size_t>(list)); }
  [[nodiscard]] int operator[](OptionalList list) const { return selection.at(static_cast<std::size_t>(list)); }
  [[nodiscard]] bool& operator[](OptionalCheck c) { return checked.at(static_cast<std::size_t>(c)); }
  [[nodiscard]] bool operator[](OptionalCheck c) const { return checked.at(static_cast<std::size_t>(c)); }
  bool operator==(const OptionalFeaturesForm&) const = default;
};

// The entry a list shows, in the language; "" when it has none.
[[nodiscard]] std::string optionalListText(const OptionalFeaturesForm& form, OptionalList list, Language lang);

// The dialog's fields as get and set reach them, in the order of get.
[[nodiscard]] std::span<const FormField<OptionalFeaturesForm>> optionalFeatureRows();

// What the dialog shows on opening. Values the lists cannot show fall back to the
// first entry (whole bytes) or to the bit fields' fall-backs; the password is the
// run of ASCII digits at the start of the field.
[[nodiscard]] OptionalFeaturesForm loadOptionalFeatures(const RadioImage& image);

// What OK writes. A whole-byte list without selection stores 0; the password
// is stored as storePassword() does.
void storeOptionalFeatures(const OptionalFeaturesForm& form, RadioImage& image);

// The password text the dialog shows for the six bytes of the field.
[[nodiscard]] std::string passwordFromField(std::span<const Byte> field);

// The radio's password is up to six digits; empty means none. A text that is not
// one gets the message to show (the dialog's field cannot hold one, get/set and
// read --password refuse it).
[[nodiscard]] std::optional<Text> passwordError(std::string_view text);
// Empties the password field (0xFF) and writes the leading digits of text into it,
// at most six: nothing else ever reaches the field, so the next opening shows
// exactly what was stored.
void storePassword(RadioImage& image, std::string_view text);

}  // namespace radio
