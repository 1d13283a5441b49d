// SPDX-License-Identifier: GPL-3.0-or-later
// The two interface languages and the program's own texts in both of them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace radio {

enum class Language { English, Chinese };

// A text the program composes, in English and Simplified Chinese (UTF-8).
struct Text {
  const char* en;
  const char* zh;
  [[nodiscard]] const char* in(Language lang) const { return lang == Language::Chinese ? zh : en; }
};

// Messages of the string table, by their resource ids.
enum class MessageId : int {
  None = 0,
  OutOfRange = 61446,  // frequency outside both bands
  DataFormat = 61447,  // frequency outside 67-600 MHz
  CommunicationError = 61449,
  ClearAll = 61450,
  OpenPort = 61451,
  Interrupt = 61452,
  StepValue = 61454,  // frequency off the 5 kHz / 6.25 kHz steps
  Caution = 61456,
  // The program's own: a transmit offset (+ or -) on a channel without a receive frequency.
  OffsetWithoutReceive = 70001,
  // A name longer than the channel holds (8 bytes: four Chinese characters in GBK).
  NameTooLong = 70002,
  // A name character the radio's code page for the language has no code for.
  NameCharacters = 70003,
};

// pattern with %1 .. %9 replaced by the arguments, in one pass (a "%2" inside an
// argument stays as it is); a number without an argument is left out.
[[nodiscard]] std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> args);

enum class MessageIcon { None, Stop, Exclamation, Question, Information };

[[nodiscard]] const char* messageText(MessageId id, Language lang);

// "en"/"english" and "zh"/"chinese" (any case); nullopt-like false when unknown.
[[nodiscard]] bool parseLanguage(std::string_view name, Language& out);

}  // namespace radio
