// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/FieldInfo.h"

#include <charconv>
#include <system_error>

namespace radio {

std::string numberedKey(std::string_view pattern, int n) {
  std::string out(pattern);
  if (const auto hash = out.find('#'); hash != std::string::npos) out.replace(hash, 1, std::to_string(n));
  return out;
}

int numberInKey(std::string_view key, std::string_view pattern, int count) {
  const auto hash = pattern.find('#');
  if (hash == std::string_view::npos) return 0;
  const std::string_view head = pattern.substr(0, hash);
  const std::string_view tail = pattern.substr(hash + 1);
  if (key.size() <= head.size() + tail.size() || key.substr(0, head.size()) != head ||
      key.substr(key.size() - tail.size()) != tail)
    return 0;
  const std::string_view digits = key.substr(head.size(), key.size() - head.size() - tail.size());
  if (digits[0] == '0') return 0;
  int n = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  return ec == std::errc{} && end == digits.data() + digits.size() && n >= 1 && n <= count ? n : 0;
}

}  // namespace radio
