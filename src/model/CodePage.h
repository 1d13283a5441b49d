// SPDX-License-Identifier: GPL-3.0-or-later
// Channel names are stored as bytes of the language's ANSI code page: GBK when the
// program runs in Chinese, Windows-1252 otherwise. The grid works in UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/Language.h"

namespace radio {

// Bytes of the code page as UTF-8. A byte that does not decode is kept as a private
// use character (U+F700 + byte), so that encoding gives back the same bytes.
[[nodiscard]] std::string decodeCodePage(std::string_view bytes, Language lang);

// UTF-8 as bytes of the code page, at most maxBytes long, cut only between
// characters. A character the code page cannot hold becomes "?".
[[nodiscard]] std::string encodeCodePage(std::string_view utf8, Language lang,
                                         std::size_t maxBytes = std::string::npos);

// The longest start of a UTF-8 text, cut between characters, that has at most
// maxChars characters and takes at most maxBytes bytes in the code page.
[[nodiscard]] std::string fitCodePage(std::string_view utf8, Language lang, std::size_t maxChars, std::size_t maxBytes);

// The text without the characters a stored name cannot hold: those the code page
// lacks, control characters, and any whose bytes would contain the 0xFF end mark.
// dropped is set to the number of characters taken out.
[[nodiscard]] std::string storableCharacters(std::string_view utf8, Language lang, std::size_t& dropped);

// True when the text is well-formed UTF-8 (no overlong forms, no surrogates).
[[nodiscard]] bool isUtf8(std::string_view text);

// Number of characters (code points) of a UTF-8 text.
[[nodiscard]] std::size_t utf8Length(std::string_view utf8);
// The first maxChars characters of a UTF-8 text.
[[nodiscard]] std::string utf8Left(std::string_view utf8, std::size_t maxChars);

}  // namespace radio
