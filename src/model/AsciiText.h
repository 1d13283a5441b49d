// SPDX-License-Identifier: GPL-3.0-or-later
// Small text rules shared by every reader of typed or file text: ASCII case
// folding and trimming. Bytes of multi-byte characters are never changed.
#pragma once

#include <string>
#include <string_view>

namespace radio {

// The blanks a typed value or a CSV cell is trimmed of.
inline constexpr std::string_view kSpaceTab = " \t";
// Every C white-space character, for line-based files.
inline constexpr std::string_view kCSpaces = " \t\n\v\f\r";

// ASCII letters in lower case; every other byte unchanged.
[[nodiscard]] inline std::string lowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// The text without the characters of blanks at either end.
[[nodiscard]] constexpr std::string_view trimmed(std::string_view text, std::string_view blanks = kSpaceTab) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace radio
