// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CodePage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <array>
#include <cstdint>
#include <vector>

namespace radio {
namespace {

// Windows-1252 0x80-0x9F; the five unassigned bytes map to the C1 controls of the
// same value, as the system conversion does.
constexpr std::array<char32_t, 32> kCp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kRawBase = 0xF700;  // private use: an undecodable byte

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Next code point of a UTF-8 text; a malformed byte is taken as Latin-1.
char32_t nextUtf8(std::string_view s, std::size_t& i, std::size_t& length) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  auto cont = [&](std::size_t k) { return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80; };
  auto at = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(s[i + k]) & 0x3F); };
  char32_t c = b0;
  length = 1;
  if (b0 >= 0xC2 && b0 < 0xE0 && cont(1)) {
    c = (static_cast<char32_t>(b0 & 0x1F) << 6) | at(1);
    length = 2;
  } else if (b0 >= 0xE0 && b0 < 0xF0 && cont(1) && cont(2)) {
    c = (static_cast<char32_t>(b0 & 0x0F) << 12) | (at(1) << 6) | at(2);
    length = 3;
  } else if (b0 >= 0xF0 && b0 < 0xF5 && cont(1) && cont(2) && cont(3)) {
    c = (static_cast<char32_t>(b0 & 0x07) << 18) | (at(1) << 12) | (at(2) << 6) | at(3);
    length = 4;
  }
  i += length;
  return c;
}

#ifdef _WIN32

// GBK is the system's code page 936.
class Gbk {
 public:
  static Gbk& instance() {
    static Gbk gbk;
    return gbk;
  }
  // Decodes one character at the start of bytes; returns its byte length or 0.
  std::size_t decode(std::string_view bytes, char32_t& out) {
    for (std::size_t len = 1; len <= 2 && len <= bytes.size(); ++len) {
      wchar_t wide[2] = {};
      const int n =
          ::MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(len), wide, 2);
      if (n == 1 && (wide[0] < 0xD800 || wide[0] > 0xDFFF)) {
        out = static_cast<char32_t>(wide[0]);
        return len;
      }
    }
    return 0;
  }
  // Encodes one character; returns an empty string when GBK has none for it.
  std::string encode(char32_t c) {
    if (c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
    const wchar_t wide = static_cast<wchar_t>(c);
    char out[8];
    BOOL usedDefault = FALSE;
    const int n =
        ::WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &wide, 1, out, sizeof out, nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return {};
    return std::string(out, static_cast<std::size_t>(n));
  }

 private:
  static constexpr UINT kCodePage = 936;
};

#else

// One iconv conversion descriptor per direction, opened once per thread.
class Gbk {
 public:
  static Gbk& instance() {
    thread_local Gbk gbk;
    return gbk;
  }
  ~Gbk() {
    if (toUcs_ != reinterpret_cast<iconv_t>(-1)) iconv_close(toUcs_);
    if (fromUcs_ != reinterpret_cast<iconv_t>(-1)) iconv_close(fromUcs_);
  }
  // Decodes one character at the start of bytes; returns its byte length or 0.
  std::size_t decode(std::string_view bytes, char32_t& out) {
    for (std::size_t len = 1; len <= 2 && len <= bytes.size(); ++len) {
      char in[2] = {bytes[0], len > 1 ? bytes[1] : '\0'};
      char32_t result = 0;
      char* inPtr = in;
      std::size_t inLeft = len;
      char* outPtr = reinterpret_cast<char*>(&result);
      std::size_t outLeft = sizeof result;
      iconv(toUcs_, nullptr, nullptr, nullptr, nullptr);
      if (iconv(toUcs_, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0 &&
          outLeft == 0) {
        out = result;
        return len;
      }
    }
    return 0;
  }
  // Encodes one character; returns an empty string when GBK has none for it.
  std::string encode(char32_t c) {
    char32_t in = c;
    char out[8];
    char* inPtr = reinterpret_cast<char*>(&in);
    std::size_t inLeft = sizeof in;
    char* outPtr = out;
    std::size_t outLeft = sizeof out;
    iconv(fromUcs_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(fromUcs_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return {};
    return std::string(out, static_cast<std::size_t>(outPtr - out));
  }

 private:
  Gbk() : toUcs_(iconv_open("UTF-32LE", "CP936")), fromUcs_(iconv_open("CP936", "UTF-32LE")) {
    if (toUcs_ == reinterpret_cast<iconv_t>(-1)) toUcs_ = iconv_open("UTF-32LE", "GBK");
    if (fromUcs_ == reinterpret_cast<iconv_t>(-1)) fromUcs_ = iconv_open("GBK", "UTF-32LE");
  }
  iconv_t toUcs_;
  iconv_t fromUcs_;
};

#endif

std::string encodeChar(char32_t c, Language lang) {
  if (c >= kRawBase && c <= kRawBase + 0xFF) return std::string(1, static_cast<char>(c - kRawBase));
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  if (lang == Language::Chinese) {
    std::string bytes = Gbk::instance().encode(c);
    return bytes.empty() ? "?" : bytes;
  }
  if (c >= 0xA0 && c <= 0xFF) return std::string(1, static_cast<char>(c));
  for (std::size_t i = 0; i < kCp1252High.size(); ++i)
    if (kCp1252High[i] == c) return std::string(1, static_cast<char>(0x80 + i));
  return "?";
}

bool storable(char32_t c, Language lang) {
  if (c < 0x20 || c == 0x7F) return false;
  const std::string bytes = encodeChar(c, lang);
  if (bytes == "?" && c != U'?') return false;
  return bytes.find('\xFF') == std::string::npos;
}

}  // namespace

std::string decodeCodePage(std::string_view bytes, Language lang) {
  std::string out;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      ++i;
      continue;
    }
    if (lang == Language::Chinese) {
      char32_t c = 0;
      const std::size_t len = Gbk::instance().decode(bytes.substr(i), c);
      if (len > 0) {
        appendUtf8(out, c);
        i += len;
      } else {
        appendUtf8(out, kRawBase + b);
        ++i;
      }
      continue;
    }
    appendUtf8(out, b >= 0xA0 ? static_cast<char32_t>(b) : kCp1252High[b - 0x80]);
    ++i;
  }
  return out;
}

std::string encodeCodePage(std::string_view utf8, Language lang, std::size_t maxBytes) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t length = 0;
    const char32_t c = nextUtf8(utf8, i, length);
    const std::string bytes = encodeChar(c, lang);
    if (out.size() + bytes.size() > maxBytes) break;
    out += bytes;
  }
  return out;
}

std::string fitCodePage(std::string_view utf8, Language lang, std::size_t maxChars, std::size_t maxBytes) {
  std::size_t i = 0, length = 0, bytes = 0;
  for (std::size_t n = 0; n < maxChars && i < utf8.size(); ++n) {
    std::size_t next = i;
    const char32_t c = nextUtf8(utf8, next, length);
    bytes += encodeChar(c, lang).size();
    if (bytes > maxBytes) break;
    i = next;
  }
  return std::string(utf8.substr(0, i));
}

std::string storableCharacters(std::string_view utf8, Language lang, std::size_t& dropped) {
  std::string out;
  dropped = 0;
  std::size_t i = 0, length = 0;
  while (i < utf8.size()) {
    const std::size_t start = i;
    const char32_t c = nextUtf8(utf8, i, length);
    if (storable(c, lang))
      out.append(utf8.substr(start, length));
    else
      ++dropped;
  }
  return out;
}

bool isUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t minimum = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
      ++i;
      continue;
    } else if (b0 >= 0xC2 && b0 < 0xE0) {
      length = 2;
      minimum = 0x80;
      c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 < 0xF0) {
      length = 3;
      minimum = 0x800;
      c = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 < 0xF5) {
      length = 4;
      minimum = 0x10000;
      c = b0 & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

std::size_t utf8Length(std::string_view utf8) {
  std::size_t count = 0, i = 0, length = 0;
  while (i < utf8.size()) {
    nextUtf8(utf8, i, length);
    ++count;
  }
  return count;
}

std::string utf8Left(std::string_view utf8, std::size_t maxChars) {
  std::size_t i = 0, length = 0;
  for (std::size_t n = 0; n < maxChars && i < utf8.size(); ++n) nextUtf8(utf8, i, length);
  return std::string(utf8.substr(0, i));
}

}  // namespace radio
