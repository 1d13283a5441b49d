// SPDX-License-Identifier: GPL-3.0-or-later
// The byte link between the program and a radio. The protocol engine and the
// squelch exchanges talk only to this interface, so they run unchanged over the
// real serial port (serial/SerialLink.h) and over the in-process virtual radio
// (VirtualRadioLink.h), whose clock is virtual.
//
// Usage:
//   ReadResult r = link.read(12);          // waits at most 90 + 100*12 ms
//   if (r.error) ...                       // the device failed (unplugged, ...)
//   else if (r.bytes.size() < 12) ...      // timed out: fewer bytes arrived
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/RadioImage.h"

namespace radio {

// Read timeouts of a connection: a read of N bytes returns after at most
// kReadTotalConstantMs + kReadTotalPerByteMs * N, or as soon as kReadGapMs pass
// after a byte without the next one. Writes of N bytes take at most
// kWriteTotalConstantMs + kWriteTotalPerByteMs * N.
inline constexpr int kReadGapMs = 30;
inline constexpr int kReadTotalConstantMs = 90;
inline constexpr int kReadTotalPerByteMs = 100;
inline constexpr int kWriteTotalConstantMs = 50;
inline constexpr int kWriteTotalPerByteMs = 50;

struct ReadResult {
  std::vector<Byte> bytes;  // what arrived, possibly fewer than asked
  bool error = false;       // the device failed; a timeout is not an error
};

class Link {
 public:
  virtual ~Link() = default;

  // Sends the bytes in one write. False when the device refused them.
  [[nodiscard]] virtual bool write(std::span<const Byte> bytes) = 0;
  // Reads up to count bytes within the timeouts above.
  [[nodiscard]] virtual ReadResult read(std::size_t count) = 0;
  // Discards everything received and not yet read. Bytes already written are
  // never discarded: the purge waits until they have gone out.
  virtual void purgeBuffers() = 0;
  // The same, and also abandons a read or write still pending (none is, as the
  // link is used blocking).
  virtual void purgeAll() = 0;
  virtual void sleepMs(int milliseconds) = 0;
  // The link's clock in milliseconds: the steady clock, or a virtual link's own,
  // so that waits measured by it pass as its sleeps do.
  [[nodiscard]] virtual std::int64_t clockMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }

  // Convenience for a single byte.
  [[nodiscard]] bool writeByte(Byte b) { return write(std::span<const Byte>(&b, 1)); }
};

}  // namespace radio
