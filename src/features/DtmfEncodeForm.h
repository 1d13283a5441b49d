// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF window's Encode page: digit speed, the three digit times and the side
// tone. The page shows whole numbers as decimal text; leaving an edit, pressing a
// spin arrow and storing all go through the rules below.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "features/FieldInfo.h"
#include "features/FormFields.h"
#include "features/KeyRules.h"
#include "model/RadioImage.h"

namespace radio {

// The DTMF window's section of get and set (its three pages).
inline constexpr const char* kDtmfSection = "dtmf";

namespace dtmf {
inline constexpr std::size_t kSpeedMaxLength = 2;
inline constexpr std::size_t kDigitTimeMaxLength = 4;
// The digit speeds, in digits per second, of the speed codes 0..3.
inline constexpr std::array<int, 4> kSpeeds{6, 8, 10, 15};
inline constexpr std::string_view kDigits = "0123456789";
}  // namespace dtmf

struct DtmfEncodeForm {
  std::string speed;         // "DTMF Speed(digit/s)"
  std::string firstDelay;    // "First Digit Delay Time(ms)"
  std::string firstTime;     // "First Digit Time(ms)"
  std::string starHashTime;  // "* and # Digit Time(ms)"
  bool sideTone = false;
  bool operator==(const DtmfEncodeForm&) const = default;
};

// The edit's text as a whole number: leading digits (after blanks and a sign),
// anything else reading as 0; huge values saturate.
[[nodiscard]] int readDtmfNumber(std::string_view text);

// Leaving an edit.
[[nodiscard]] std::string normaliseDtmfSpeed(std::string_view text);
[[nodiscard]] std::string normaliseDtmfFirstDelay(std::string_view text);
[[nodiscard]] std::string normaliseDtmfDigitTime(std::string_view text);  // both digit times

// A spin arrow: step +1 (up) or -1 (down). Each cycles through its values and
// wraps around at its ends.
[[nodiscard]] std::string spinDtmfSpeed(std::string_view text, int step);
[[nodiscard]] std::string spinDtmfFirstDelay(std::string_view text, int step);
[[nodiscard]] std::string spinDtmfDigitTime(std::string_view text, int step);

// The printed report reads the encode bytes whole, as the radio holds them, where
// the page reads bits 0-1 of the speed byte and bits 0-4 of the time bytes; it
// shows the side tone as a tick or a cross.
namespace printout {
[[nodiscard]] std::string dtmfSpeed(const RadioImage& image, Language lang);
template <std::size_t Offset>
[[nodiscard]] std::string dtmfTime(const RadioImage& image, Language) {
  return std::to_string(image.at(Offset) * 50);
}
[[nodiscard]] std::string dtmfSideTone(const RadioImage& image, Language lang);
}  // namespace printout

// The rule of the first digit time and the * and # time: 0, 100, 500 or 1000 ms.
inline constexpr ValueRule kDtmfDigitTimeRule{.kind = ValueKind::Number,
                                              .maxLength = dtmf::kDigitTimeMaxLength,
                                              .alphabet = dtmf::kDigits,
                                              .leave = normaliseDtmfDigitTime,
                                              .spin = spinDtmfDigitTime,
                                              .note = "0, 100, 500 or 1000 ms"};

// The page's fields in its order: speed, the three times (each with spin arrows),
// side tone.
inline constexpr std::array<FieldInfo, 5> kDtmfEncodeFields{{
    {.key = "speed",
     .label = {"DTMF Speed(digit/s)", "DTMF速率(位/秒)"},
     .helpId = 1084,
     .printed = {"DTMF Speed:", "DTMF 速率:"},
     .spinHelpId = 1241,
     .rule = {.kind = ValueKind::Number,
              .maxLength = dtmf::kSpeedMaxLength,
              .alphabet = dtmf::kDigits,
              .leave = normaliseDtmfSpeed,
              .spin = spinDtmfSpeed,
              .note = "digits per second: 6, 8, 10 or 15 (others are normalised)"},
     .field = field::kDtmfSpeed,
     .printedAs = printout::dtmfSpeed},
    {.key = "first_delay",
     .label = {"First Digit Delay Time(ms)", "首位延迟时间(毫秒)"},
     .helpId = 1085,
     .printed = {"First Digit Delay Time(ms):", "首位数码持续时间 (毫秒):"},
     .spinHelpId = 1242,
     .rule = {.kind = ValueKind::Number,
              .alphabet = dtmf::kDigits,
              .leave = normaliseDtmfFirstDelay,
              .spin = spinDtmfFirstDelay,
              .note = "0..1000 ms in steps of 50"},
     .field = field::kDtmfFirstDelay,
     .printedAs = printout::dtmfTime<addr::kDtmfFirstDelay>},
    {.key = "first_time",
     .label = {"First Digit Time(ms)", "首位持续时间(毫秒)"},
     .helpId = 1086,
     .printed = {"First Digit Time(ms):", "首位数码时间 (毫秒):"},
     .spinHelpId = 1243,
     .rule = kDtmfDigitTimeRule,
     .field = field::kDtmfFirstTime,
     .printedAs = printout::dtmfTime<addr::kDtmfFirstTime>},
    {.key = "star_hash_time",
     .label = {"* and # Digit Time(ms)", "*和#持续时间(毫秒)"},
     .helpId = 1087,
     .printed = {"* and # Digit Time(ms):", "* 和 # 数码时间 (毫秒):"},
     .spinHelpId = 1044,
     .rule = kDtmfDigitTimeRule,
     .field = field::kDtmfStarHashTime,
     .printedAs = printout::dtmfTime<addr::kDtmfStarHashTime>},
    {.key = "sidetone",
     .label = {"SideTone", "侧音"},
     .helpId = 1088,
     .printed = {"Side Tone:", "侧音:"},
     .rule = kCheckRule,
     .field = field::kDtmfSideTone,
     .printedAs = printout::dtmfSideTone},
}};

inline constexpr std::array<FormField<DtmfEncodeForm>, 5> kDtmfEncodeRows{{
    {&kDtmfEncodeFields[0], &DtmfEncodeForm::speed},
    {&kDtmfEncodeFields[1], &DtmfEncodeForm::firstDelay},
    {&kDtmfEncodeFields[2], &DtmfEncodeForm::firstTime},
    {&kDtmfEncodeFields[3], &DtmfEncodeForm::starHashTime},
    {&kDtmfEncodeFields[4], nullptr, &DtmfEncodeForm::sideTone},
}};

// What the page shows when it becomes visible.
[[nodiscard]] DtmfEncodeForm loadDtmfEncode(const RadioImage& image);
// Normalises the four texts (as leaving each edit would) and stores the page:
// the speed code, each time / 50 as a whole byte, the side tone. Other bits are
// left as they are.
void storeDtmfEncode(DtmfEncodeForm& form, RadioImage& image);

// The page's key filter: digits, Backspace, Delete, Left and Right without Shift,
// and the navigation keys.
[[nodiscard]] KeyDecision dtmfEncodeKey(const KeyStroke& key);

}  // namespace radio
