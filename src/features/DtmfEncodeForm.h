// The DTMF window's Encode page: digit speed, the three digit times and the side
// tone. The page shows whole numbers as decimal text; leaving an edit, pressing a
// spin arrow and storing all go through the rules below.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "features/FieldInfo.h"
#include "features/KeyRules.h"
#include "model/RadioImage.h"

namespace radio {

namespace dtmf {
inline constexpr std::size_t kSpeedMaxLength = 2;
inline constexpr std::size_t kDigitTimeMaxLength = 4;
}  // namespace dtmf

// The page's fields in its order: speed, the three times (each with spin arrows),
// side tone.
inline constexpr std::array<FieldInfo, 5> kDtmfEncodeFields{{
    {"speed", {"DTMF Speed(digit/s)", "DTMF速率(位/秒)"}, 1084, {"DTMF Speed:", "DTMF 速率:"}, 1241},
    {"first_delay",
     {"First Digit Delay Time(ms)", "首位延迟时间(毫秒)"},
     1085,
     {"First Digit Delay Time(ms):", "首位数码持续时间 (毫秒):"},
     1242},
    {"first_time",
     {"First Digit Time(ms)", "首位持续时间(毫秒)"},
     1086,
     {"First Digit Time(ms):", "首位数码时间 (毫秒):"},
     1243},
    {"star_hash_time",
     {"* and # Digit Time(ms)", "*和#持续时间(毫秒)"},
     1087,
     {"* and # Digit Time(ms):", "* 和 # 数码时间 (毫秒):"},
     1044},
    {"sidetone", {"SideTone", "侧音"}, 1088, {"Side Tone:", "侧音:"}},
}};

struct DtmfEncodeForm {
  std::string speed;         // "DTMF Speed(digit/s)"
  std::string firstDelay;    // "First Digit Delay Time(ms)"
  std::string firstTime;     // "First Digit Time(ms)"
  std::string starHashTime;  // "* and # Digit Time(ms)"
  bool sideTone = false;
  bool operator==(const DtmfEncodeForm&) const = default;
};

// What the page shows when it becomes visible.
[[nodiscard]] DtmfEncodeForm loadDtmfEncode(const RadioImage& image);
// Normalises the four texts (as leaving each edit would) and stores the page:
// the speed code, each time / 50 as a whole byte, the side tone. Other bits are
// left as they are.
void storeDtmfEncode(DtmfEncodeForm& form, RadioImage& image);

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

// The page's key filter: digits, Backspace, Delete, Left and Right without Shift,
// and the navigation keys.
[[nodiscard]] KeyDecision dtmfEncodeKey(const KeyStroke& key);

}  // namespace radio
