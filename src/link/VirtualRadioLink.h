// SPDX-License-Identifier: GPL-3.0-or-later
// An in-process link to a VirtualRadio over a simulated 9600-baud wire (10 bits a
// byte, each direction), with a virtual clock: reads that time out and sleeps
// advance the clock instead of waiting, so protocol tests run in milliseconds
// while every timeout keeps its real length. Every call is recorded in log().
//
// Usage:
//   VirtualRadio radio(memory, faults);
//   VirtualRadioLink link(radio);
//   LinkResult r = runTransfer(link, TransferDirection::Read, image, lang, cb);
//   link.nowUs();   // how long the transfer took on the wire
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "link/Link.h"
#include "link/VirtualRadio.h"

namespace radio {

// Microseconds a byte takes on the wire: 10 bits at 9600 baud.
inline constexpr std::int64_t kWireByteNs = 1'041'667;

class VirtualRadioLink : public Link {
 public:
  struct Event {
    enum Kind { Write, Read, PurgeBuffers, PurgeAll, Sleep } kind;
    std::vector<Byte> bytes;  // written, or received by the read
    std::size_t asked = 0;    // bytes a read asked for; milliseconds of a sleep
    std::int64_t atUs = 0;    // virtual time when the call began
  };

  explicit VirtualRadioLink(VirtualRadio& radio) : radio_(radio) {}

  [[nodiscard]] bool write(std::span<const Byte> bytes) override;
  [[nodiscard]] ReadResult read(std::size_t count) override;
  void purgeBuffers() override;
  void purgeAll() override;
  void sleepMs(int milliseconds) override;
  [[nodiscard]] std::int64_t clockMs() override { return nowNs_ / 1'000'000; }

  [[nodiscard]] std::int64_t nowUs() const { return nowNs_ / 1000; }
  [[nodiscard]] const std::vector<Event>& log() const { return log_; }
  // Every byte the computer wrote, in order.
  [[nodiscard]] std::vector<Byte> sentBytes() const;
  // Calls this before each write (tests use it to raise a cancel flag mid-way).
  std::function<void(const Event&)> beforeWrite;

 private:
  struct Arrival {
    Byte byte;
    std::int64_t atNs;
  };
  void discardArrived();
  void record(Event::Kind kind, std::vector<Byte> bytes, std::size_t asked);

  VirtualRadio& radio_;
  std::int64_t nowNs_ = 0;
  std::int64_t toRadioFreeNs_ = 0;    // when the computer's line is free again
  std::int64_t fromRadioFreeNs_ = 0;  // when the radio's line is free again
  std::deque<Arrival> incoming_;      // the radio's bytes, each with its arrival time
  std::vector<Event> log_;
};

}  // namespace radio
