// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Version.h"

namespace radio {

std::string aboutVersionLine(std::string_view entry, std::string_view version) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t start = 0;
  while (start < entry.size() && !isDigit(entry[start])) ++start;
  if (start == entry.size()) {
    while (!entry.empty() && (entry.back() == ' ' || entry.back() == '\t')) entry.remove_suffix(1);
    return entry.empty() ? std::string(version) : std::string(entry) + ' ' + std::string(version);
  }
  std::size_t end = start;
  while (end < entry.size() && (isDigit(entry[end]) || entry[end] == '.')) ++end;
  // A full stop closing a sentence after the number stays.
  if (entry[end - 1] == '.') --end;
  return std::string(entry.substr(0, start)) + std::string(version) + std::string(entry.substr(end));
}

}  // namespace radio
