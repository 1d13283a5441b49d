// SPDX-License-Identifier: GPL-3.0-or-later
// Port names and what the program finds out about a port: who holds it, its USB
// identity, a hint when it is busy.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "app/PortName.h"
#include "link/PortDiagnostics.h"

namespace radio {
namespace {

namespace fs = std::filesystem;

// A fake system root with /proc and /sys as Linux lays them out.
class PortDiagnostics : public test::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    root_ = dir_;
    link("dev/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0", "../../ttyUSB0");
  }
  void write(const fs::path& path, const std::string& text) { test::writeFile(root_ / path, text + "\n"); }
  void link(const fs::path& path, const fs::path& target) {
    fs::create_directories((root_ / path).parent_path());
    fs::create_symlink(target, root_ / path);
  }
  void process(int pid, const std::string& name, const std::vector<std::string>& openFiles) {
    write("proc/" + std::to_string(pid) + "/comm", name);
    fs::create_directories(root_ / "proc" / std::to_string(pid) / "fd");
    int fd = 0;
    for (const auto& file : openFiles) link("proc/" + std::to_string(pid) + "/fd/" + std::to_string(fd++), file);
  }

  fs::path root_;
};

TEST_F(PortDiagnostics, HoldersAreFoundThroughTheirDescriptors) {
  process(812, "ModemManager", {"/dev/null", "/dev/ttyUSB0"});
  process(900, "minicom", {"/dev/ttyUSB1"});
  process(77, "bash", {"/dev/pts/0"});
  write("proc/self/comm", "radioprog");  // not a pid folder
  EXPECT_EQ(findPortHolders(root_, "/dev/ttyUSB0"), (std::vector<PortProcess>{{812, "ModemManager"}}));
  // A by-id link names the same device.
  EXPECT_EQ(findPortHolders(root_, "/dev/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0"),
            (std::vector<PortProcess>{{812, "ModemManager"}}));
  EXPECT_TRUE(findPortHolders(root_, "/dev/ttyACM0").empty());
  EXPECT_EQ(runningPortGrabbers(root_), (std::vector<PortProcess>{{812, "ModemManager"}}));
}

TEST_F(PortDiagnostics, BusyHintNamesTheHolderAndTheKnownRemedy) {
  struct Case {
    std::vector<PortProcess> holders, grabbers;
    std::vector<std::string> expected, absent;
  };
  const Case cases[] = {
      {{{900, "minicom"}}, {{812, "ModemManager"}}, {"in use by minicom (pid 900)"}, {"ModemManager"}},
      {{{812, "ModemManager"}}, {}, {"ModemManager (pid 812)", "systemctl stop ModemManager"}, {"brltty"}},
      // Holders of other users cannot be seen: the running grabbers are named.
      {{}, {{40, "brltty"}}, {"in use by another program", "apt remove brltty"}, {"pid"}},
      {{}, {}, {"/dev/ttyUSB0 is in use by another program."}, {"\n"}},
  };
  for (const Case& c : cases) {
    const std::string text = busyPortHint("/dev/ttyUSB0", c.holders, c.grabbers, Language::English);
    for (const auto& part : c.expected) EXPECT_NE(text.find(part), std::string::npos) << text;
    for (const auto& part : c.absent) EXPECT_EQ(text.find(part), std::string::npos) << text;
  }
}

TEST_F(PortDiagnostics, UsbIdsDescriptionSerialAndDriverComeFromSysfs) {
  const fs::path usb = "sys/devices/pci0000:00/0000:00:14.0/usb1/1-2";
  write(usb / "idVendor", "0403");
  write(usb / "idProduct", "6001");
  write(usb / "manufacturer", "FTDI");
  write(usb / "product", "FT232R USB UART");
  write(usb / "serial", "A1B2C3");
  fs::create_directories(root_ / usb / "1-2:1.0/ttyUSB0");
  fs::create_directories(root_ / "sys/bus/usb-serial/drivers/ftdi_sio");
  link(usb / "1-2:1.0/ttyUSB0/driver", "../../../../../../../bus/usb-serial/drivers/ftdi_sio");
  link("sys/class/tty/ttyUSB0/device", "../../../devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/ttyUSB0");

  const UsbPortInfo usbPort = usbPortInfo(root_, "/dev/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0");
  EXPECT_EQ(usbPort.usbId(), "0403:6001");
  EXPECT_EQ(usbPort.description, "FT232R USB UART");
  EXPECT_EQ(usbPort.manufacturer, "FTDI");
  EXPECT_EQ(usbPort.serialNumber, "A1B2C3");
  EXPECT_EQ(usbPort.driver, "ftdi_sio");
  EXPECT_EQ(usbPortInfo(root_, "/dev/ttyACM7").driver, "");
}

TEST(PortName, NamesBelowTenArePlainAndNumbersFollowTheFirstM) {
  const std::pair<int, const char*> names[] = {{0, "COM0"}, {1, "COM1"}, {9, "COM9"}, {10, "\\\\.\\COM10"}};
  for (const auto& [n, name] : names) EXPECT_EQ(portNameForNumber(n), name);
  for (int n = 0; n <= 16; ++n) EXPECT_EQ(portNumberFromName(portNameForNumber(n)), n);
  // The number follows the first M, whatever the name.
  const std::pair<const char*, std::optional<int>> numbers[] = {
      {"COM", std::nullopt}, {"/dev/ttyUSB0", std::nullopt}, {"/dev/ttyACM0", 0}, {"COM 7", 7}};
  for (const auto& [name, n] : numbers) EXPECT_EQ(portNumberFromName(name), n) << name;
}

}  // namespace
}  // namespace radio
