// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/PrintedText.h"

#include <algorithm>

#include "model/CodePage.h"

namespace radio {

namespace {

// Replaces what the code page could not decode (kept as private-use characters)
// and control characters by "?", so that nothing unprintable reaches the page.
std::string printable(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 4;
    len = std::min(len, utf8.size() - i);
    unsigned cp = len == 1 ? c : len == 2 ? (c & 0x1Fu) : len == 3 ? (c & 0x0Fu) : (c & 0x07u);
    for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    if (cp < 0x20 || cp == 0x7F || (cp >= 0xE000 && cp <= 0xF8FF)) {
      out += '?';
    } else {
      out.append(utf8, i, len);
    }
    i += len;
  }
  return out;
}

}  // namespace

std::string imageText(const RadioImage& image, std::size_t offset, std::size_t maxLength, Language lang) {
  std::string bytes;
  for (std::size_t i = 0; i < maxLength && offset + i < kImageSize; ++i) {
    const Byte b = image.at(offset + i);
    // The texts end at 0xFF; a zero byte ends them as well, as in a C string.
    if (b == 0xFF || b == 0x00) break;
    bytes += static_cast<char>(b);
  }
  return printable(decodeCodePage(bytes, lang));
}

}  // namespace radio
