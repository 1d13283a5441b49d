// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PtyRadioServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "link/MonotonicTime.h"
#include "link/VirtualRadioLink.h"

namespace radio {

PtyRadioServer::~PtyRadioServer() { close(); }

void PtyRadioServer::close() {
  if (master_ >= 0) ::close(master_);
  if (slave_ >= 0) ::close(slave_);
  master_ = slave_ = -1;
}

bool PtyRadioServer::open(std::string& error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    close();
    return false;
  }
  const char* name = ptsname(master_);
  if (!name) {
    error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
    close();
    return false;
  }
  path_ = name;
  slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (slave_ < 0) {
    error = "cannot open " + path_ + ": " + std::strerror(errno);
    close();
    return false;
  }
  // A raw line from the start: no echo, no translation, whatever the program
  // sets later.
  termios tio{};
  if (tcgetattr(slave_, &tio) == 0) {
    cfmakeraw(&tio);
    cfsetspeed(&tio, B9600);
    tcsetattr(slave_, TCSANOW, &tio);
  }
  return true;
}

bool PtyRadioServer::readFromComputer(std::int64_t now) {
  Byte buffer[256];
  for (;;) {
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n > 0) {
      if (answerEndNs_ >= 0) {
        turnsNs_ += monotonicNs() - answerEndNs_;
        ++turnCount_;
        answerEndNs_ = -1;
      }
      for (ssize_t i = 0; i < n; ++i) {
        const std::int64_t complete = paced_ ? std::max(now, toRadioFreeNs_) + kWireByteNs : now;
        toRadioFreeNs_ = complete;
        toRadio_.push_back({buffer[i], complete});
      }
      continue;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return true;
    // EIO: no program has the terminal open at the moment; nothing to read.
    return n < 0 && errno == EIO;
  }
}

void PtyRadioServer::process(std::int64_t now) {
  std::vector<Byte> answer;
  while (!toRadio_.empty() && toRadio_.front().atNs <= now && !radio_.disconnected()) {
    const Timed in = toRadio_.front();
    toRadio_.pop_front();
    answer.clear();
    radio_.receive(in.byte, answer);
    for (std::size_t i = 0; i < answer.size(); ++i) {
      std::int64_t at;
      if (paced_) {
        at = std::max(in.atNs, fromRadioFreeNs_) + kWireByteNs;
      } else {
        at = std::max(in.atNs + kTurnaroundNs, fromRadioFreeNs_);
      }
      fromRadioFreeNs_ = at;
      fromRadio_.push_back({answer[i], at});
    }
  }
}

void PtyRadioServer::sendDue(std::int64_t now) {
  Byte buffer[256];
  std::size_t n = 0;
  std::int64_t lastAt = 0;
  while (!fromRadio_.empty() && fromRadio_.front().atNs <= now && n < sizeof buffer) {
    buffer[n++] = fromRadio_.front().byte;
    lastAt = fromRadio_.front().atNs;
    fromRadio_.pop_front();
  }
  // A full terminal buffer means nobody reads: those bytes are lost, as on a wire.
  if (n > 0) {
    (void)!::write(master_, buffer, n);
    answerEndNs_ = fromRadio_.empty() ? monotonicNs() : -1;
    if (answerEndNs_ >= 0) lateNs_ += answerEndNs_ - lastAt;
  }
}

PtyRadioServer::End PtyRadioServer::serve(const std::atomic<bool>& stop) {
  if (master_ < 0) return End::Failed;
  // Waits of a millisecond must end on time for the pacing to hold (the slack
  // belongs to the thread that serves).
  prctl(PR_SET_TIMERSLACK, 1000UL, 0UL, 0UL, 0UL);
  while (!stop.load()) {
    std::int64_t now = monotonicNs();
    if (!readFromComputer(now)) return End::Failed;
    process(now);
    if (radio_.disconnected()) {
      // The cable is gone: hang the terminal up so the program sees the device fail.
      close();
      return End::Disconnected;
    }
    sendDue(now);
    if (onTurn) onTurn();

    std::int64_t waitNs = 50'000'000;
    if (!toRadio_.empty()) waitNs = std::min(waitNs, toRadio_.front().atNs - now);
    if (!fromRadio_.empty()) waitNs = std::min(waitNs, fromRadio_.front().atNs - now);
    // A wire sends each byte on time: paced, the thread wakes a little before the
    // next byte is due and waits out the rest awake, as the wake-up itself is late.
    if (paced_) waitNs -= kWakeEarlyNs;
    waitNs = std::max<std::int64_t>(waitNs, 0);
    pollfd fd{master_, POLLIN, 0};
    const timespec timeout = timespecOf(waitNs);
    const int ready = ppoll(&fd, 1, &timeout, nullptr);
    if (ready < 0 && errno != EINTR) return End::Failed;
    if (ready > 0 && (fd.revents & (POLLHUP | POLLERR)) && !(fd.revents & POLLIN)) {
      // No program holds the terminal (cannot happen while slave_ is open);
      // wait instead of spinning.
      const timespec pause{0, 10'000'000};
      nanosleep(&pause, nullptr);
    }
  }
  return End::Stopped;
}

}  // namespace radio
