// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial/SerialLink.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QString>
#include <algorithm>
#include <chrono>
#include <thread>

#include "app/PortName.h"
#include "link/PortDiagnostics.h"

#ifdef Q_OS_UNIX
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "link/MonotonicTime.h"
#endif
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#endif

namespace radio {
namespace {

using Clock = std::chrono::steady_clock;

#ifdef Q_OS_UNIX
// The last stretch of each pause waited out on the clock: about the system's
// usual wake-up latency, a tenth of the protocol's shortest pause.
constexpr std::int64_t kPauseSpinNs = 100'000;
#endif

constexpr qint64 kInputQueueSize = 1024;

class SerialPortLink : public Link {
 public:
  explicit SerialPortLink(std::unique_ptr<QSerialPort> port) : port_(std::move(port)) {}

#ifdef Q_OS_UNIX
  // On Unix the descriptor Qt opened and configured is used directly: a read
  // waits in poll() and wakes as each byte of a reply arrives, so it ends the
  // moment the reply is complete, with no fixed sleep and no extra copying.
  bool write(std::span<const Byte> bytes) override {
    const int fd = handle();
    const auto deadline =
        Clock::now() +
        std::chrono::milliseconds(kWriteTotalConstantMs + kWriteTotalPerByteMs * static_cast<int>(bytes.size()));
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n > 0) {
        done += static_cast<std::size_t>(n);
        continue;
      }
      if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
      if (!waitFor(fd, POLLOUT, deadline)) return false;
    }
    return true;
  }

  ReadResult read(std::size_t count) override {
    ReadResult result;
    const int fd = handle();
    const auto deadline = Clock::now() + std::chrono::milliseconds(kReadTotalConstantMs + kReadTotalPerByteMs * count);
    auto until = deadline;
    while (result.bytes.size() < count) {
      Byte buffer[64];
      const std::size_t want = std::min(sizeof buffer, count - result.bytes.size());
      const ssize_t n = ::read(fd, buffer, want);
      if (n > 0) {
        result.bytes.insert(result.bytes.end(), buffer, buffer + n);
        // The gap between two bytes counts only once the first byte is in.
        until = std::min(deadline, Clock::now() + std::chrono::milliseconds(kReadGapMs));
        continue;
      }
      // EIO and the like: the device has gone (a cable pulled). No byte (0 or
      // EAGAIN, depending on the line settings): wait for one; a hang-up shows
      // in the wait.
      if (n < 0 && errno != EAGAIN && errno != EINTR) {
        result.error = true;
        break;
      }
      if (!waitFor(fd, POLLIN, until)) {
        result.error = hungUp_;
        break;
      }
    }
    return result;
  }
#else
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
#endif

  void purgeBuffers() override { purge(); }
  void purgeAll() override { purge(); }

  void sleepMs(int milliseconds) override {
#ifdef Q_OS_LINUX
    // The protocol's pauses are 1 and 2 ms; the default timer slack would add
    // a twentieth to each. The slack is the calling thread's.
    thread_local const bool tight = prctl(PR_SET_TIMERSLACK, 1000UL, 0UL, 0UL, 0UL) == 0;
    (void)tight;
#endif
#ifdef Q_OS_UNIX
    // An absolute deadline: an interrupted sleep resumes without drifting. A
    // sleep wakes late by the system's wake-up latency (tens of microseconds,
    // more under load), and a transfer has hundreds of these pauses: the thread
    // sleeps until shortly before the deadline and waits out the rest on the clock.
    const std::int64_t deadline = monotonicNs() + static_cast<std::int64_t>(milliseconds) * 1'000'000;
    const timespec until = timespecOf(deadline - kPauseSpinNs);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {}
    while (monotonicNs() < deadline) {}
#else
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
#endif
  }

 private:
  [[nodiscard]] bool failed() const {
    const auto e = port_->error();
    return e != QSerialPort::NoError && e != QSerialPort::TimeoutError;
  }

#ifdef Q_OS_UNIX
  [[nodiscard]] int handle() const { return static_cast<int>(port_->handle()); }

  // Waits until fd is ready for events or until the deadline; false on timeout
  // or when the device hung up (hungUp_ then tells which).
  bool waitFor(int fd, short events, Clock::time_point until) {
    for (;;) {
      const auto left = until - Clock::now();
      if (left <= Clock::duration::zero()) return false;
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
      const timespec timeout = timespecOf(ns);
      pollfd p{fd, events, 0};
      const int ready = ::ppoll(&p, 1, &timeout, nullptr);
      if (ready < 0) {
        if (errno == EINTR) continue;
        hungUp_ = true;
        return false;
      }
      if (ready == 0) continue;
      if (p.revents & events) return true;
      if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) {
        hungUp_ = true;
        return false;
      }
    }
  }

  bool hungUp_ = false;
#endif

  // Received bytes are discarded; bytes already written are let out first, as a
  // transmit flush would throw away a request the radio has not read yet.
  void purge() {
#ifdef Q_OS_UNIX
    tcdrain(handle());
    tcflush(handle(), TCIFLUSH);
#else
    while (port_->bytesToWrite() > 0)
      if (!port_->waitForBytesWritten(kWriteTotalConstantMs + kWriteTotalPerByteMs * 8)) break;
    port_->clear(QSerialPort::Input);
    port_->clearError();
#endif
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

// Opens the device; on failure gives the error and the system's reason
// ("Permission denied").
std::unique_ptr<QSerialPort> openPort(const std::string& device, QSerialPort::SerialPortError* error = nullptr,
                                      std::string* reason = nullptr) {
  auto port = std::make_unique<QSerialPort>();
  port->setPortName(QString::fromStdString(device));
  port->setReadBufferSize(kInputQueueSize);
  // Exclusive open: Qt locks the device and (on Unix) sets TIOCEXCL.
  if (!port->open(QIODevice::ReadWrite)) {
    if (error) *error = port->error();
    if (reason) *reason = port->errorString().toStdString();
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

}  // namespace

SerialOpenResult openSerialLink(const std::string& device, Language lang) {
  // The port is opened and used on a job's worker, a thread Qt did not start:
  // it gets the event dispatcher the port's notifiers ask for (they are never
  // served: the link waits on the port itself), so Qt has nothing to warn of.
  if (!QAbstractEventDispatcher::instance()) QEventLoop dispatcherMaker;
  SerialOpenResult result;
  QSerialPort::SerialPortError error = QSerialPort::NoError;
  std::string reason;
  auto port = openPort(device, &error, &reason);
  if (port) {
    requestLowLatency(*port);
    result.link = std::make_unique<SerialPortLink>(std::move(port));
    return result;
  }
  result.failure = linkResult(LinkOutcome::PortError, lang);
  // Which port it was and what the system said, so the user knows what to mend.
  result.failure.text += "\n" + (device.empty() ? Text{"(no port chosen)", "（未选择端口）"}.in(lang) : device) + ": " +
                         (reason.empty() ? Text{"unknown error", "未知错误"}.in(lang) : reason);
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

OpenedLink openSerialPort(const std::string& device, Language lang) {
  SerialOpenResult opened = openSerialLink(device, lang);
  return {std::move(opened.link), std::move(opened.failure)};
}

bool canOpenPort(const std::string& device) { return openPort(device) != nullptr; }

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

}  // namespace radio
