// SPDX-License-Identifier: GPL-3.0-or-later
// Why a serial port cannot be used, and what it is, as Linux tells it: the
// processes holding the device open (from /proc/<pid>/fd), known programs that
// grab USB serial adapters (ModemManager, brltty), and each port's USB ids,
// description, serial number and driver (from /sys/class/tty). Every function
// takes the root folder ("/" in the program) so tests can build a fake tree; on
// systems without /proc and /sys the answers are simply empty.
//
// Usage:
//   const auto holders = findPortHolders("/", "/dev/ttyUSB0");
//   failure.text += "\n" + busyPortHint("/dev/ttyUSB0", holders, runningPortGrabbers("/"), lang);
//   const UsbPortInfo usb = usbPortInfo("/", "/dev/ttyUSB0");   // "0403:6001", "FT232R USB UART", ...
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/Language.h"

namespace radio {

struct PortProcess {
  int pid = 0;
  std::string name;  // /proc/<pid>/comm
  bool operator==(const PortProcess&) const = default;
};

// The processes with the device open, by pid. Processes whose descriptors this
// user may not read (other users', without privileges) are not found.
[[nodiscard]] std::vector<PortProcess> findPortHolders(const std::filesystem::path& root, const std::string& device);

// The running processes that are known to take USB serial adapters
// (ModemManager, brltty), by pid; their names are readable for every user.
[[nodiscard]] std::vector<PortProcess> runningPortGrabbers(const std::filesystem::path& root);

// The lines added to the "cannot open" message of a busy port: who holds it
// (or, when that cannot be seen, that another program does) and, for
// ModemManager or brltty among the holders or else running, how to stop it.
[[nodiscard]] std::string busyPortHint(const std::string& device, const std::vector<PortProcess>& holders,
                                       const std::vector<PortProcess>& grabbers, Language lang);

// What the system knows about the device behind a serial port.
struct UsbPortInfo {
  std::string vendorId;      // "0403"; empty when the port is not on USB
  std::string productId;     // "6001"
  std::string description;   // the USB product text, or the manufacturer's
  std::string manufacturer;  // the USB manufacturer text
  std::string serialNumber;  // the USB serial number, may be empty
  std::string driver;        // the kernel driver: ftdi_sio, cp210x, cdc_acm, serial8250, ...

  // "0403:6001", or empty.
  [[nodiscard]] std::string usbId() const { return vendorId.empty() ? std::string() : vendorId + ':' + productId; }
};

// The sysfs entry of the device (symbolic links such as /dev/serial/by-id/...
// are followed) and the USB device above it.
[[nodiscard]] UsbPortInfo usbPortInfo(const std::filesystem::path& root, const std::string& device);

}  // namespace radio
