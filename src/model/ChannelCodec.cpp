// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ChannelCodec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace radio {
namespace {

bool isCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

constexpr std::array<const char*, 50> kCtcss = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",  "94.8",  "97.4",  "100.0",
    "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7",
    "159.8", "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6",
    "199.5", "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

constexpr std::array<int, 105> kDcs = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115, 116, 122, 125,
    131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246,
    251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
    371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

std::vector<std::string> buildToneList(Language lang) {
  std::vector<std::string> list;
  list.reserve(kToneCount);
  list.emplace_back(Text{"None", "无"}.in(lang));
  for (const char* t : kCtcss) list.emplace_back(t);
  char buf[16];
  for (char polarity : {'N', 'I'}) {
    for (int code : kDcs) {
      std::snprintf(buf, sizeof buf, "D%03d%c", code, polarity);
      list.emplace_back(buf);
    }
  }
  return list;
}

struct FlagDef {
  Text set;
  Text clear;
  Byte mask;
};

FlagDef flagDef(FlagField field) {
  switch (field) {
    case FlagField::Power: return {{"High", "高"}, {"Low", "低"}, chan::kBitHigh};
    case FlagField::Bandwidth: return {{"Wide", "宽"}, {"Narrow", "窄"}, chan::kBitWide};
    case FlagField::Scan: return {{"Yes", "是"}, {"No", "否"}, chan::kBitScan};
    case FlagField::BusyLock: break;
  }
  return {{"", ""}, {"", ""}, 0};
}

// clang-format off
constexpr Text kBusyOff{"Off",
                        "关"};
constexpr Text kBusyCarrier{"Carrier",
                            "载波"};
constexpr Text kBusyQt{"QT/DQT",
                       "QT/DQT"};
// clang-format on

bool isEither(std::string_view text, const Text& t) { return text == t.en || text == t.zh; }

constexpr Text kRawFieldPrefix{"Invalid ", "无效 "};

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The hex digits after the prefix of either language; empty when there is none.
std::string_view rawFieldDigits(std::string_view text) {
  for (const char* prefix : {kRawFieldPrefix.en, kRawFieldPrefix.zh}) {
    const std::string_view p(prefix);
    if (text.size() > p.size() && text.substr(0, p.size()) == p) {
      const std::string_view digits = text.substr(p.size());
      if (digits.size() % 2 == 0 && std::all_of(digits.begin(), digits.end(), [](char c) { return hexDigit(c) >= 0; }))
        return digits;
    }
  }
  return {};
}

}  // namespace

double atofText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  double value = 0.0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  if (first < last && (*first == '+' || *first == '-')) return 0.0;  // "+-1" is not a number
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Like strtod: overflow gives infinity, underflow gives zero.
    value = std::abs(value) > 1.0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (result.ec != std::errc{}) {
    value = 0.0;
  }
  return negative ? -value : value;
}

std::string formatFixed(double value, int decimals) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return std::string(buf, r.ptr);
}

ParsedFrequency parseFrequencyText(std::string_view text) {
  const double number = atofText(text);
  ParsedFrequency out;
  out.text = formatFixed(number, 5);
  if (!std::isfinite(number) || number == 0.0) {
    out.value = std::isnan(number) || number == 0.0 ? 0
                : number > 0                        ? std::numeric_limits<std::int32_t>::max()
                                                    : std::numeric_limits<std::int32_t>::min();
    return out;
  }
  // The number to 15 significant digits: mantissa M (15 digits) and exponent e,
  // number = M * 10^(e-14); times 100000 that is M * 10^(e-9).
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, number, std::chars_format::scientific, 14);
  const std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
  const bool negative = s.front() == '-';
  const std::size_t ePos = s.find('e');
  std::int64_t mantissa = 0;
  for (std::size_t i = 0; i < ePos; ++i)
    if (s[i] >= '0' && s[i] <= '9') mantissa = mantissa * 10 + (s[i] - '0');
  int exponent = 0;
  std::from_chars(s.data() + ePos + 1 + (s[ePos + 1] == '+' ? 1 : 0), s.data() + s.size(), exponent);
  const int shift = exponent - 9;
  constexpr std::int64_t kCap = std::numeric_limits<std::int32_t>::max();
  std::int64_t magnitude;
  if (shift >= 0) {
    // At least 10^9 MHz: far outside any band, kept from overflowing.
    magnitude = shift > 0 ? kCap : std::min<std::int64_t>(mantissa, kCap);
  } else if (shift <= -16) {
    magnitude = 0;
  } else {
    std::int64_t divisor = 1;
    for (int i = 0; i < -shift; ++i) divisor *= 10;
    magnitude = std::min<std::int64_t>(mantissa / divisor, kCap);
  }
  out.value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return out;
}

std::string formatFrequency(std::int32_t value) { return formatFixed(value / 100000.0, 5); }

std::string bandsText(const BandLimits& l, Language lang) {
  // An edge in MHz, without decimals when whole.
  auto edge = [](std::int32_t value) {
    if (value % 100000 == 0) return std::to_string(value / 100000);
    std::string text = formatFrequency(value);
    while (text.back() == '0') text.pop_back();
    return text;
  };
  const char* joiner = lang == Language::Chinese ? "、" : ", ";
  return edge(l.low1) + "-" + edge(l.high1) + " MHz" + joiner + edge(l.low2) + "-" + edge(l.high2) + " MHz";
}

std::array<Byte, 4> encodeFrequencyField(std::int32_t value) {
  std::array<Byte, 4> out{};
  std::uint32_t v = value < 0 ? 0u : static_cast<std::uint32_t>(value);
  std::uint32_t d = 1'000'000;
  for (int i = 3; i >= 0; --i) {
    const std::uint32_t q = v / d;
    v %= d;
    out[static_cast<std::size_t>(i)] = static_cast<Byte>((q / 10) * 16 + q % 10);
    d /= 100;
  }
  return out;
}

std::int32_t decodeFrequencyField(std::span<const Byte> bytes) {
  std::int32_t value = 0;
  for (int i = 3; i >= 0; --i) {
    const Byte b = bytes[static_cast<std::size_t>(i)];
    value = value * 100 + (b >> 4) * 10 + (b & 0x0F);
  }
  return value;
}

std::string frequencyFieldText(std::span<const Byte> bytes, Language lang) {
  if (!std::all_of(bytes.begin(), bytes.end(), isDigitPair)) return rawFieldText(bytes, lang);
  return formatFrequency(decodeFrequencyField(bytes));
}

std::string hexBytes(std::span<const Byte> bytes, std::string_view separator) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (const Byte b : bytes) {
    if (!text.empty()) text += separator;
    text.push_back(kHex[b >> 4]);
    text.push_back(kHex[b & 0x0F]);
  }
  return text;
}

std::string rawFieldText(std::span<const Byte> bytes, Language lang) {
  return kRawFieldPrefix.in(lang) + hexBytes(bytes, "");
}

bool parseRawFieldText(std::string_view text, std::span<Byte> out) {
  const std::string_view digits = rawFieldDigits(text);
  if (digits.empty() || digits.size() != out.size() * 2) return false;
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<Byte>(hexDigit(digits[2 * i]) * 16 + hexDigit(digits[2 * i + 1]));
  return true;
}

bool isRawFieldText(std::string_view text) { return !rawFieldDigits(text).empty(); }

const std::vector<std::string>& toneList(Language lang) {
  static const std::vector<std::string> english = buildToneList(Language::English);
  static const std::vector<std::string> chinese = buildToneList(Language::Chinese);
  return lang == Language::Chinese ? chinese : english;
}

const std::array<int, 105>& dcsCodes() { return kDcs; }

ToneBytes encodeToneField(std::string_view text) {
  if (std::array<Byte, 2> raw{}; parseRawFieldText(text, raw)) return {raw[0], raw[1]};
  if (text.find('D') != std::string_view::npos) {
    const std::string_view rest = text.substr(1);
    int n = 0;
    for (std::size_t i = 0; i < rest.size() && rest[i] >= '0' && rest[i] <= '9' && n < 100000; ++i)
      n = n * 10 + (rest[i] - '0');
    const bool normal = rest.find('N') != std::string_view::npos;
    return {toBcd(static_cast<unsigned>(n % 100)), static_cast<Byte>(n / 100 + (normal ? 0x80 : 0xC0))};
  }
  const double t = std::ceil(atofText(text) * 10.0);
  if (!(t > 0.0 || t < 0.0)) return {};  // zero (None, 无, empty) and NaN: no tone
  // Only texts of the tone list reach here from the grid; anything else is kept
  // within the two digit pairs a tone field can hold.
  const auto tenths = static_cast<unsigned>(std::clamp(std::abs(t), 0.0, 9999.0));
  return {toBcd(tenths % 100), toBcd(tenths / 100)};
}

std::string decodeToneField(Byte low, Byte high, bool inUse, Language lang) {
  if (high == 0x00 || high == 0xFF) return inUse ? Text{"None", "无"}.in(lang) : "";
  // A CTCSS tone is two digit pairs; a DCS code keeps its hundreds in the high byte.
  if (!isDigitPair(low) || (high < 0x80 && !isDigitPair(high))) {
    const Byte bytes[2] = {low, high};
    return rawFieldText(bytes, lang);
  }
  if (high < 0x80) {
    const unsigned t = fromBcd(high) * 100 + fromBcd(low);
    return formatFixed(t / 10.0, 1);
  }
  const bool normal = high < 0xC0;
  const int k = high - (normal ? 0x80 : 0xC0);
  const int n = k * 100 + static_cast<int>(fromBcd(low));
  return std::string(k != 0 ? "D" : "D0") + std::to_string(n) + (normal ? "N" : "I");
}

std::vector<std::string> flagTexts(FlagField field, Language lang) {
  if (field == FlagField::BusyLock) return {kBusyOff.in(lang), kBusyCarrier.in(lang), kBusyQt.in(lang)};
  const FlagDef def = flagDef(field);
  return {def.set.in(lang), def.clear.in(lang)};
}

std::vector<std::string> flagListItems(FlagField field, Language lang) {
  auto texts = flagTexts(field, lang);
  // The power list shows "Low" before "High"; the others keep the table order.
  if (field == FlagField::Power) std::swap(texts[0], texts[1]);
  return texts;
}

Byte encodeFlag(FlagField field, std::string_view text, Byte flags) {
  if (field == FlagField::BusyLock) {
    flags = static_cast<Byte>(flags & ~(chan::kBitBusyCarrier | chan::kBitBusyQt));
    if (isEither(text, kBusyOff)) return flags;
    if (isEither(text, kBusyCarrier)) return static_cast<Byte>(flags | chan::kBitBusyCarrier);
    return static_cast<Byte>(flags | chan::kBitBusyQt);
  }
  const FlagDef def = flagDef(field);
  return isEither(text, def.set) ? static_cast<Byte>(flags | def.mask) : static_cast<Byte>(flags & ~def.mask);
}

std::string decodeFlag(FlagField field, Byte flags, Language lang) {
  if (field == FlagField::BusyLock) {
    const Byte busy = flags & (chan::kBitBusyCarrier | chan::kBitBusyQt);
    if (busy == 0) return kBusyOff.in(lang);
    if (busy == chan::kBitBusyCarrier) return kBusyCarrier.in(lang);
    return kBusyQt.in(lang);
  }
  const FlagDef def = flagDef(field);
  return (flags & def.mask) ? def.set.in(lang) : def.clear.in(lang);
}

Byte encodeOffsetDirection(std::string_view rxText, std::string_view txText, Byte flags) {
  if (isRawFieldText(rxText) || isRawFieldText(txText)) return flags;  // no number to compare
  const double rx = atofText(rxText);
  const double tx = atofText(txText);
  flags = static_cast<Byte>(flags & ~(chan::kBitUp | chan::kBitDown));
  if (tx == 0.0 || rx == 0.0 || tx == rx) return flags;
  return static_cast<Byte>(flags | (tx > rx ? chan::kBitUp : chan::kBitDown));
}

std::array<std::string, 7> newChannelDefaults(Language lang) {
  const char* none = Text{"None", "无"}.in(lang);
  return {none,
          none,
          "",
          flagDef(FlagField::Power).set.in(lang),
          flagDef(FlagField::Bandwidth).set.in(lang),
          flagDef(FlagField::Scan).set.in(lang),
          kBusyOff.in(lang)};
}

Validation validateReceiveFrequency(std::int32_t value, const BandLimits& limits) {
  if (value < 6'700'000 || value > 60'000'000) return {MessageId::DataFormat, MessageIcon::Stop};
  if (value % 500 != 0 && value % 625 != 0) return {MessageId::StepValue, MessageIcon::Exclamation};
  if (!limits.contains(value)) return {MessageId::OutOfRange, MessageIcon::Exclamation};
  return {};
}

Validation validateTransmitFrequency(std::int32_t value, const BandLimits& limits) {
  return validateReceiveFrequency(value, limits);
}

}  // namespace radio
