// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the channel fields of the image and the texts the grid shows,
// and the checks a typed frequency has to pass.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// The C library's atof, independent of the process locale: leading blanks are
// skipped and the conversion stops at the first character that cannot continue a
// number; an empty or non-numeric text gives 0.
[[nodiscard]] double atofText(std::string_view text);

// "%3.5f" of a number, independent of the process locale.
[[nodiscard]] std::string formatFixed(double value, int decimals);

struct ParsedFrequency {
  std::int32_t value = 0;  // units of 10 Hz
  std::string text;        // the typed number as "%3.5f"
};

// The typed text as a frequency: the number is taken to 15 significant digits,
// multiplied by 100000 exactly and truncated toward zero, so "136.0125" gives
// 13601250 where plain floating point would give 13601249.
[[nodiscard]] ParsedFrequency parseFrequencyText(std::string_view text);
[[nodiscard]] std::string formatFrequency(std::int32_t value);

// Packed BCD, least significant digit pair first.
[[nodiscard]] std::array<Byte, 4> encodeFrequencyField(std::int32_t value);
[[nodiscard]] std::int32_t decodeFrequencyField(std::span<const Byte> bytes);
// The text of a present frequency field: the frequency, or the raw-field text
// below when a byte is not a digit pair.
[[nodiscard]] std::string frequencyFieldText(std::span<const Byte> bytes, Language lang);

// One byte holding two decimal digits (both nibbles 0-9).
[[nodiscard]] constexpr bool isDigitPair(Byte b) { return (b >> 4) <= 9 && (b & 0x0F) <= 9; }

// The bytes in upper-case hex, two digits each, separator between them: "00 0A FF".
[[nodiscard]] std::string hexBytes(std::span<const Byte> bytes, std::string_view separator = " ");

// A frequency or tone field whose bytes are not digit pairs (only a damaged file
// or a misbehaving radio holds one) has no value the grid could show. Its cell
// says so and carries the bytes in hex, in image order: "Invalid 000000FA",
// "无效 000000FA". Storing a cell that holds such a text writes exactly those bytes
// back, so opening and saving never changes a field nobody edited.
[[nodiscard]] std::string rawFieldText(std::span<const Byte> bytes, Language lang);
// The bytes of a raw-field text of either language into out (the field's length);
// false, with out untouched, when the text is not one.
[[nodiscard]] bool parseRawFieldText(std::string_view text, std::span<Byte> out);
[[nodiscard]] bool isRawFieldText(std::string_view text);
// A frequency field counts as empty when its most significant byte is 0x00 or 0xFF.
[[nodiscard]] constexpr bool isEmptyFrequencyByte(Byte top) { return top == 0x00 || top == 0xFF; }
// A channel is in use when it has a receive frequency; one without a transmit
// frequency (byte 7 empty) is a receive-only channel, with its name and flags.
[[nodiscard]] inline bool isChannelInUse(std::span<const Byte> record) {
  return !isEmptyFrequencyByte(record[chan::kRx + 3]);
}
// The two bands as the user reads them: "136-174 MHz, 400-520 MHz".
[[nodiscard]] std::string bandsText(const BandLimits& limits, Language lang);

// The 261 tone texts: "None", 50 CTCSS tones, 105 DCS codes "N" then "I".
inline constexpr int kToneCount = 261;
[[nodiscard]] const std::vector<std::string>& toneList(Language lang);
[[nodiscard]] const std::array<int, 105>& dcsCodes();

struct ToneBytes {
  Byte low = 0xFF;
  Byte high = 0xFF;
  bool operator==(const ToneBytes&) const = default;
};
// A tone text (or a raw-field text) as the field's two bytes.
[[nodiscard]] ToneBytes encodeToneField(std::string_view text);
// The tone text; the raw-field text when the bytes hold no tone the list can show.
[[nodiscard]] std::string decodeToneField(Byte low, Byte high, bool inUse, Language lang);

// The flag columns and the texts of their lists.
enum class FlagField { Power, Bandwidth, Scan, BusyLock };
// The list texts in the order the flag table gives them (first = bit set).
[[nodiscard]] std::vector<std::string> flagTexts(FlagField field, Language lang);
// The order the grid's drop-down lists show them in.
[[nodiscard]] std::vector<std::string> flagListItems(FlagField field, Language lang);
// Encodes the cell text into the flags byte (texts of both languages are recognised).
[[nodiscard]] Byte encodeFlag(FlagField field, std::string_view text, Byte flags);
[[nodiscard]] std::string decodeFlag(FlagField field, Byte flags, Language lang);
// Bits 6-7 from the receive and transmit texts; kept when either is a raw-field text.
[[nodiscard]] Byte encodeOffsetDirection(std::string_view rxText, std::string_view txText, Byte flags);

// What a new channel gets when a receive frequency is typed into an empty row:
// columns 3-9 (dec, enc, name, power, W/N, scan, busy).
[[nodiscard]] std::array<std::string, 7> newChannelDefaults(Language lang);

struct Validation {
  MessageId message = MessageId::None;  // None when valid
  MessageIcon icon = MessageIcon::None;
  [[nodiscard]] bool valid() const { return message == MessageId::None; }
};
[[nodiscard]] Validation validateReceiveFrequency(std::int32_t value, const BandLimits& limits);
// A transmit frequency passes the same checks as a receive frequency: a value the
// radio cannot send on is refused, never replaced by another.
[[nodiscard]] Validation validateTransmitFrequency(std::int32_t value, const BandLimits& limits);

}  // namespace radio
