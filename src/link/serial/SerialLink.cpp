#include "link/serial/SerialLink.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSettings>
#include <QString>
#include <algorithm>
#include <chrono>
#include <thread>

#include "link/PortDiagnostics.h"
#include "link/PortName.h"

#ifdef Q_OS_UNIX
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#endif
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#endif

namespace radio {
namespace {

using Clock = std::chrono::steady_clock;

constexpr qint64 kInputQueueSize = 1024;
// One byte on the wire: ten bits at 9600 baud.
constexpr auto kByteTime = std::chrono::microseconds(1042);

class SerialPortLink : public Link {
 public:
  explicit SerialPortLink(std::unique_ptr<QSerialPort> port) : port_(std::move(port)) {}

  bool write(std::span<const Byte> bytes) override {
    const auto n = static_cast<qint64>(bytes.size());
    if (port_->write(reinterpret_cast<const char*>(bytes.data()), n) != n) return false;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteTotalConstantMs + kWriteTotalPerByteMs * n);
    while (port_->bytesToWrite() > 0) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0 || !port_->waitForBytesWritten(static_cast<int>(left))) break;
    }
    const bool ok = port_->bytesToWrite() == 0 && !failed();
    port_->clearError();
    return ok;
  }

  ReadResult read(std::size_t count) override {
    ReadResult result;
    const auto start = Clock::now();
    const auto deadline = start + std::chrono::milliseconds(kReadTotalConstantMs + kReadTotalPerByteMs * count);
    auto lastByte = start;
    while (result.bytes.size() < count) {
      if (port_->bytesAvailable() > 0) {
        char buffer[64];
        const qint64 want = std::min<qint64>(sizeof buffer, static_cast<qint64>(count - result.bytes.size()));
        const qint64 got = port_->read(buffer, want);
        if (got < 0) {
          result.error = true;
          break;
        }
        result.bytes.insert(result.bytes.end(), buffer, buffer + got);
        lastByte = Clock::now();
        continue;
      }
      // Once a reply has begun, the rest of it cannot come faster than the wire
      // carries it: sleep for all but its last byte instead of waking for each one,
      // then wait for the last byte as usual so the read ends as soon as it is in.
      if (!result.bytes.empty() && count - result.bytes.size() > 1) {
        const auto rest = kByteTime * static_cast<int>(count - result.bytes.size() - 1);
        const auto wake = std::min({Clock::now() + rest, deadline, lastByte + std::chrono::milliseconds(kReadGapMs)});
        std::this_thread::sleep_until(wake);
        if (!port_->waitForReadyRead(0) && failed()) {
          result.error = true;
          break;
        }
        port_->clearError();
        if (port_->bytesAvailable() > 0) continue;
      }
      auto until = deadline;
      // The gap between two bytes counts only once the first byte is in.
      if (!result.bytes.empty()) until = std::min(until, lastByte + std::chrono::milliseconds(kReadGapMs));
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count();
      if (left <= 0) break;
      if (!port_->waitForReadyRead(static_cast<int>(left)) && failed()) {
        result.error = true;
        break;
      }
      port_->clearError();
    }
    port_->clearError();
    return result;
  }

  void purgeBuffers() override { purge(); }
  void purgeAll() override { purge(); }

  void sleepMs(int milliseconds) override {
#ifdef Q_OS_LINUX
    // The protocol's pauses are 1 and 2 ms; the default timer slack would add
    // a twentieth to each. The slack is the calling thread's.
    thread_local const bool tight = prctl(PR_SET_TIMERSLACK, 1000UL, 0UL, 0UL, 0UL) == 0;
    (void)tight;
#endif
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }

 private:
  [[nodiscard]] bool failed() const {
    const auto e = port_->error();
    return e != QSerialPort::NoError && e != QSerialPort::TimeoutError;
  }

  // Received bytes are discarded; bytes already written are let out first, as a
  // transmit flush would throw away a request the radio has not read yet.
  void purge() {
    while (port_->bytesToWrite() > 0)
      if (!port_->waitForBytesWritten(kWriteTotalConstantMs + kWriteTotalPerByteMs * 8)) break;
#ifdef Q_OS_UNIX
    tcdrain(static_cast<int>(port_->handle()));
#endif
    port_->clear(QSerialPort::Input);
    port_->clearError();
  }

  std::unique_ptr<QSerialPort> port_;
};

// USB serial adapters hold received bytes back for their latency timer unless
// asked for low latency; every round trip of the protocol would pay for it.
void requestLowLatency([[maybe_unused]] QSerialPort& port) {
#ifdef Q_OS_LINUX
  serial_struct serial{};
  const int fd = static_cast<int>(port.handle());
  if (ioctl(fd, TIOCGSERIAL, &serial) == 0) {
    serial.flags |= ASYNC_LOW_LATENCY;
    (void)ioctl(fd, TIOCSSERIAL, &serial);
  }
#endif
}

std::unique_ptr<QSerialPort> openPort(const std::string& device, QSerialPort::SerialPortError& error) {
  auto port = std::make_unique<QSerialPort>();
  port->setPortName(QString::fromStdString(device));
  port->setReadBufferSize(kInputQueueSize);
  // Exclusive open: Qt locks the device and (on Unix) sets TIOCEXCL.
  if (!port->open(QIODevice::ReadWrite)) {
    error = port->error();
    return nullptr;
  }
  port->setBaudRate(QSerialPort::Baud9600);
  port->setDataBits(QSerialPort::Data8);
  port->setParity(QSerialPort::NoParity);
  port->setStopBits(QSerialPort::OneStop);
  port->setFlowControl(QSerialPort::NoFlowControl);
  port->clearError();
  return port;
}

// True when the system refuses this user access to the device itself (as
// opposed to another program holding it).
bool accessRefused([[maybe_unused]] const std::string& device) {
#ifdef Q_OS_UNIX
  return ::access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES;
#else
  return false;
#endif
}

QSettings programSettings(const std::string& appName) {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                   appName.empty() ? QStringLiteral("radioprog") : QString::fromStdString(appName));
}

}  // namespace

SerialOpenResult openSerialLink(const std::string& device, Language lang) {
  SerialOpenResult result;
  QSerialPort::SerialPortError error = QSerialPort::NoError;
  auto port = openPort(device, error);
  if (port) {
    requestLowLatency(*port);
    result.link = std::make_unique<SerialPortLink>(std::move(port));
    return result;
  }
  result.failure = linkResult(LinkOutcome::PortError, lang);
#ifdef Q_OS_LINUX
  if (accessRefused(device)) {
    result.failure.text += "\n";
    result.failure.text +=
        Text{"You may not use ", "您没有使用 "}.in(lang) + device +
        Text{": add your user to the dialout group (sudo usermod -aG dialout $USER), then log in again.",
             " 的权限：请将您的用户加入 dialout 组（sudo usermod -aG dialout $USER），然后重新登录。"}
            .in(lang);
  } else if (error == QSerialPort::PermissionError || error == QSerialPort::OpenError) {
    // The device is there and this user may use it: another program holds it.
    result.failure.text += "\n" + busyPortHint(device, findPortHolders("/", device), runningPortGrabbers("/"), lang);
  }
#endif
  return result;
}

bool canOpenPort(const std::string& device) {
  QSerialPort::SerialPortError error = QSerialPort::NoError;
  return openPort(device, error) != nullptr;
}

std::vector<SerialPortEntry> listSerialPorts() {
  std::vector<SerialPortEntry> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    SerialPortEntry entry;
#ifdef Q_OS_WIN
    const auto n = portNumberFromName(info.portName().toStdString());
    entry.device = n ? portNameForNumber(*n) : info.portName().toStdString();
#else
    entry.device = info.systemLocation().toStdString();
#endif
    entry.description = info.description().toStdString();
    if (info.hasVendorIdentifier() && info.hasProductIdentifier())
      entry.usbId = QStringLiteral("%1:%2")
                        .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                        .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
                        .toStdString();
    entry.serialNumber = info.serialNumber().toStdString();
#ifdef Q_OS_LINUX
    const UsbPortInfo usb = usbPortInfo("/", entry.device);
    if (!usb.usbId().empty()) entry.usbId = usb.usbId();
    if (!usb.serialNumber.empty()) entry.serialNumber = usb.serialNumber;
    if (!usb.description.empty()) entry.description = usb.description;
    entry.driver = usb.driver;
#endif
    if (!canOpenPort(entry.device)) {
      entry.inaccessible = accessRefused(entry.device);
      entry.busy = !entry.inaccessible;
#ifdef Q_OS_LINUX
      for (const PortProcess& p : entry.busy ? findPortHolders("/", entry.device) : std::vector<PortProcess>{})
        entry.heldBy += (entry.heldBy.empty() ? "" : ", ") + p.name + " (pid " + std::to_string(p.pid) + ")";
#endif
    }
    ports.push_back(std::move(entry));
  }
  std::sort(ports.begin(), ports.end(),
            [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.device < b.device; });
  return ports;
}

std::string loadPortSetting(const std::string& appName) {
  const QVariant value = programSettings(appName).value(QStringLiteral("com"));
  if (!value.isValid()) return defaultPortName();
  bool isNumber = false;
  const unsigned n = value.toUInt(&isNumber);
#ifdef Q_OS_WIN
  // Only the low byte of the stored number counts.
  return isNumber ? portNameForNumber(static_cast<int>(n & 0xFF)) : defaultPortName();
#else
  if (isNumber) return (n & 0xFF) >= 1 ? "/dev/ttyS" + std::to_string((n & 0xFF) - 1) : defaultPortName();
  const std::string path = value.toString().toStdString();
  return path.empty() ? defaultPortName() : path;
#endif
}

void savePortSetting(const std::string& appName, const std::string& device) {
  QSettings settings = programSettings(appName);
#ifdef Q_OS_WIN
  if (const auto n = portNumberFromName(device)) settings.setValue(QStringLiteral("com"), *n);
#else
  settings.setValue(QStringLiteral("com"), QString::fromStdString(device));
#endif
}

}  // namespace radio
