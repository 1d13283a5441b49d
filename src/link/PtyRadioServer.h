// SPDX-License-Identifier: GPL-3.0-or-later
// Serves a VirtualRadio on a pseudo-terminal, so the program (or any other) can
// open it as a serial port. Paced, every byte in either direction takes the time
// of a 9600-baud wire (10 bits a byte); unpaced, the radio answers after a short
// turnaround only. The server waits in the kernel between bytes; it never spins.
//
// Usage:
//   PtyRadioServer server(radio, /*paced=*/true);
//   if (!server.open(error)) ...
//   std::cout << server.devicePath() << '\n';
//   server.serve(stopFlag);   // until stopFlag is set or the radio disconnects
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "link/VirtualRadio.h"

namespace radio {

class PtyRadioServer {
 public:
  // Time an unpaced radio takes before it answers a request.
  static constexpr std::int64_t kTurnaroundNs = 2'000'000;
  // How early a paced radio wakes before its next byte is due.
  static constexpr std::int64_t kWakeEarlyNs = 100'000;

  PtyRadioServer(VirtualRadio& radio, bool paced) : radio_(radio), paced_(paced) {}
  ~PtyRadioServer();
  PtyRadioServer(const PtyRadioServer&) = delete;
  PtyRadioServer& operator=(const PtyRadioServer&) = delete;

  // Creates the pseudo-terminal; false with a reason when the system refuses.
  [[nodiscard]] bool open(std::string& error);
  // The device path the program opens (/dev/pts/N).
  [[nodiscard]] const std::string& devicePath() const { return path_; }

  // The program's turns: from the moment the last byte of an answer was handed
  // to the terminal to the moment the program's next byte arrived. Prescribed
  // pauses of the program fall inside them too.
  // lateNs: how much later than its time on the wire the last byte of each
  // answer went out, summed; the serving thread's own wake-up latency.
  struct Turns {
    std::int64_t totalNs = 0;
    int count = 0;
    std::int64_t lateNs = 0;
  };
  [[nodiscard]] Turns turns() const { return {turnsNs_.load(), turnCount_.load(), lateNs_.load()}; }

  // Called on each turn of serve(), at least every 50 ms and never while a byte
  // is being handed over: where a simulation takes its radio away or brings a
  // new one (VirtualRadio::takeAway, replaceWithNew).
  std::function<void()> onTurn;

  enum class End { Stopped, Disconnected, Failed };
  // Serves until stop is set (seen within 50 ms), the radio disconnects (the
  // pseudo-terminal is then hung up) or the terminal fails.
  End serve(const std::atomic<bool>& stop);

 private:
  struct Timed {
    Byte byte;
    std::int64_t atNs;
  };
  void close();
  bool readFromComputer(std::int64_t now);
  void process(std::int64_t now);
  void sendDue(std::int64_t now);

  VirtualRadio& radio_;
  bool paced_;
  int master_ = -1;
  int slave_ = -1;  // held open so the terminal survives the program closing it
  std::string path_;
  std::deque<Timed> toRadio_;    // bytes on the way in, with the time they are complete
  std::deque<Timed> fromRadio_;  // bytes on the way out, with the time to hand them over
  std::int64_t toRadioFreeNs_ = 0;
  std::int64_t fromRadioFreeNs_ = 0;
  std::int64_t answerEndNs_ = -1;  // when the last answer went out; -1: none pending
  std::atomic<std::int64_t> turnsNs_{0};
  std::atomic<int> turnCount_{0};
  std::atomic<std::int64_t> lateNs_{0};
};

}  // namespace radio
