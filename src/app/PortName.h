// Names of serial ports. On Windows a port is chosen by its number n (1..16):
// COM1..COM9 plain, COM10 and up in the device-namespace form \\.\COM10. On other
// systems the port is the device path itself (/dev/ttyUSB0).
//
// Usage:
//   std::string name = portNameForNumber(12);        // "\\\\.\\COM12"
//   std::optional<int> n = portNumberFromName(name); // 12
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace radio {

// The Windows device name of port n.
[[nodiscard]] std::string portNameForNumber(int n);
// The number after the first letter 'M' of a name, as the Port Setting window
// recognises the checked port ("COM3" -> 3, "\\.\COM12" -> 12); none when no
// number follows.
[[nodiscard]] std::optional<int> portNumberFromName(std::string_view name);
// The port used when no choice is stored: COM1 on Windows; elsewhere none (an
// empty name), as a serial device there has no name every system shares.
[[nodiscard]] std::string defaultPortName();

}  // namespace radio
