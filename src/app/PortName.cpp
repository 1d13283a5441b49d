#include "app/PortName.h"

#include <cctype>

namespace radio {

std::string portNameForNumber(int n) {
  const std::string plain = "COM" + std::to_string(n);
  return n >= 10 ? "\\\\.\\" + plain : plain;
}

std::optional<int> portNumberFromName(std::string_view name) {
  const auto m = name.find('M');
  if (m == std::string_view::npos) return std::nullopt;
  std::size_t i = m + 1;
  // Like a scanf %d: leading blanks, an optional sign, then at least one digit.
  while (i < name.size() && std::isspace(static_cast<unsigned char>(name[i]))) ++i;
  bool negative = false;
  if (i < name.size() && (name[i] == '-' || name[i] == '+')) negative = name[i++] == '-';
  if (i >= name.size() || !std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
  long value = 0;
  while (i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])) && value < 100000)
    value = value * 10 + (name[i++] - '0');
  return static_cast<int>(negative ? -value : value);
}

std::string defaultPortName() {
#ifdef _WIN32
  return portNameForNumber(1);
#else
  return {};
#endif
}

}  // namespace radio
