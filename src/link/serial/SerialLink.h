// SPDX-License-Identifier: GPL-3.0-or-later
// The radio link over a real serial port (Qt SerialPort), opened exclusively at
// 9600 baud, 8 data bits, no parity, 1 stop bit, binary, with the connection's read
// timeouts; the modem lines (DTR, RTS) are left as the driver has them. Use it
// blocking from one thread (the worker thread of a transfer); it needs no event
// loop.
//
// Usage:
//   SerialOpenResult opened = openSerialLink(portName, lang);
//   if (!opened.link) { showMessage(opened.failure.text); return; }   // the port did not open
//   LinkResult r = runTransfer(*opened.link, ...);
//   // the port closes when opened.link is destroyed
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "link/JobRunner.h"
#include "link/Link.h"
#include "link/LinkResult.h"
#include "model/Language.h"

namespace radio {

struct SerialOpenResult {
  std::unique_ptr<Link> link;  // null when the port could not be opened
  // PortError with the OpenPort message, then a line naming the device and the system's
  // reason; on Linux the text adds a line on joining the dialout group when the
  // system refused access, or names the program holding a busy port (with the
  // remedy for ModemManager and brltty).
  LinkResult failure;
};

[[nodiscard]] SerialOpenResult openSerialLink(const std::string& device, Language lang);
// The same, as the job runner opens a job's port (on the job's worker).
[[nodiscard]] OpenedLink openSerialPort(const std::string& device, Language lang);

// One serial port of the system as the port lists show it.
struct SerialPortEntry {
  std::string device;         // what openSerialLink takes: COM3, \\.\COM12, /dev/ttyUSB0
  std::string description;    // the driver's description, may be empty
  bool busy = false;          // held open by another program
  bool inaccessible = false;  // exists but this user may not open it
  std::string usbId;          // "0403:6001" for a USB adapter, else empty
  std::string serialNumber;   // the adapter's serial number, may be empty
  std::string driver;         // the kernel driver (Linux), may be empty
  std::string heldBy;         // for a busy port: "minicom (pid 900)", when it can be seen
};

// Every serial port the system knows, sorted by name; each is tried with an
// exclusive open and closed at once to mark busy and inaccessible ones.
[[nodiscard]] std::vector<SerialPortEntry> listSerialPorts();

// True when the device opens exclusively right now (the Port Setting window
// enables a port button by it).
[[nodiscard]] bool canOpenPort(const std::string& device);

}  // namespace radio
