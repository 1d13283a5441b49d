// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortDiagnostics.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>

namespace radio {
namespace {

namespace fs = std::filesystem;

// The first line of a small file (sysfs attributes, /proc/<pid>/comm).
std::string firstLine(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return line;
}

// A path of the system as seen below root.
fs::path under(const fs::path& root, const fs::path& path) { return root / path.relative_path(); }

// The device's own path with its symbolic links followed, as the system names it
// (without root): /dev/serial/by-id/usb-... becomes /dev/ttyUSB0. The device node
// itself need not exist below root.
fs::path resolvedDevice(const fs::path& root, const std::string& device) {
  fs::path path = fs::path(device).lexically_normal();
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(under(root, path), ec);
    if (ec) break;
    path = (target.is_absolute() ? target : path.parent_path() / target).lexically_normal();
  }
  return path;
}

// Every process folder of /proc: its pid and path.
template <typename Visit>
void forEachProcess(const fs::path& root, Visit visit) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(root / "proc", ec)) {
    const std::string name = entry.path().filename().string();
    int pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || end != name.data() + name.size() || pid <= 0) continue;
    visit(pid, entry.path());
  }
}

bool isGrabber(const std::string& name) { return name == "ModemManager" || name == "brltty"; }

}  // namespace

std::vector<PortProcess> findPortHolders(const fs::path& root, const std::string& device) {
  const fs::path target = resolvedDevice(root, device);
  std::vector<PortProcess> holders;
  forEachProcess(root, [&](int pid, const fs::path& folder) {
    std::error_code ec;
    for (const auto& fd : fs::directory_iterator(folder / "fd", ec)) {
      std::error_code linkError;
      const fs::path link = fs::read_symlink(fd.path(), linkError);
      if (linkError || link != target) continue;
      holders.push_back({pid, firstLine(folder / "comm")});
      break;
    }
  });
  std::sort(holders.begin(), holders.end(), [](const auto& a, const auto& b) { return a.pid < b.pid; });
  return holders;
}

std::vector<PortProcess> runningPortGrabbers(const fs::path& root) {
  std::vector<PortProcess> found;
  forEachProcess(root, [&](int pid, const fs::path& folder) {
    std::string name = firstLine(folder / "comm");
    if (isGrabber(name)) found.push_back({pid, std::move(name)});
  });
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.pid < b.pid; });
  return found;
}

std::string busyPortHint(const std::string& device, const std::vector<PortProcess>& holders,
                         const std::vector<PortProcess>& grabbers, Language lang) {
  std::string text;
  if (holders.empty()) {
    text = device + Text{" is in use by another program.", " 正被其他程序占用。"}.in(lang);
  } else {
    text = device + Text{" is in use by ", " 正被以下程序占用："}.in(lang);
    for (std::size_t i = 0; i < holders.size(); ++i) {
      if (i > 0) text += Text{", ", "、"}.in(lang);
      text += (holders[i].name.empty() ? std::string("?") : holders[i].name) + " (pid " +
              std::to_string(holders[i].pid) + ")";
    }
    text += Text{". Close it and try again.", "。请关闭该程序后重试。"}.in(lang);
  }

  // The known grabbers among the holders; when no holder could be seen, those running.
  std::vector<std::string> suspects;
  for (const auto& p : holders)
    if (isGrabber(p.name)) suspects.push_back(p.name);
  if (holders.empty())
    for (const auto& p : grabbers) suspects.push_back(p.name);
  std::sort(suspects.begin(), suspects.end());
  suspects.erase(std::unique(suspects.begin(), suspects.end()), suspects.end());
  for (const auto& name : suspects) {
    text += '\n';
    if (name == "ModemManager")
      text +=
          Text{
              "ModemManager probes new serial adapters as modems and holds them while it does: stop it "
              "(sudo systemctl stop ModemManager), or remove it if you use no mobile modem "
              "(sudo apt remove modemmanager), then try again.",
              "ModemManager 会把新的串口适配器当作调制解调器探测并在此期间占用它：请停止它"
              "（sudo systemctl stop ModemManager），如不使用移动调制解调器也可将其删除"
              "（sudo apt remove modemmanager），然后重试。"}
              .in(lang);
    else
      text +=
          Text{
              "brltty takes USB serial adapters for braille displays: if you use no braille display, "
              "remove it (sudo apt remove brltty), then plug the cable in again.",
              "brltty 会把 USB 串口适配器当作盲文显示器占用：如不使用盲文显示器，请将其删除"
              "（sudo apt remove brltty），然后重新插入编程线。"}
              .in(lang);
  }
  return text;
}

UsbPortInfo usbPortInfo(const fs::path& root, const std::string& device) {
  UsbPortInfo info;
  const std::string name = resolvedDevice(root, device).filename().string();
  if (name.empty()) return info;
  std::error_code ec;
  const fs::path link = root / "sys/class/tty" / name / "device";
  fs::path port = fs::canonical(link, ec);
  if (ec) return info;
  // Newer kernels put a port and a controller device of the serial-base bus
  // between the tty and the hardware; the driver of interest is the hardware's.
  while (fs::read_symlink(port / "subsystem", ec).filename() == "serial-base" && !ec) port = port.parent_path();
  info.driver = fs::read_symlink(port / "driver", ec).filename().string();
  if (ec) info.driver.clear();

  // The USB device is the nearest folder above the port with a vendor id.
  const fs::path sysRoot = fs::canonical(root / "sys", ec);
  for (fs::path dir = port; !dir.empty() && dir != sysRoot && dir != dir.parent_path(); dir = dir.parent_path()) {
    if (!fs::exists(dir / "idVendor", ec)) continue;
    info.vendorId = firstLine(dir / "idVendor");
    info.productId = firstLine(dir / "idProduct");
    info.manufacturer = firstLine(dir / "manufacturer");
    info.serialNumber = firstLine(dir / "serial");
    info.description = firstLine(dir / "product");
    if (info.description.empty()) info.description = info.manufacturer;
    break;
  }
  return info;
}

}  // namespace radio
