// SPDX-License-Identifier: GPL-3.0-or-later
// A link whose replies come from a script: the fuzzer's bytes, or a session with
// the virtual radio recorded by make_link_seeds. Each read takes one byte N from
// the script and then N bytes as the reply (0xFF instead: the device failed); a
// shorter reply than asked for, or an exhausted script, is a timeout. The clock is
// virtual: reads advance it by the time the bytes take or by the full timeout,
// sleeps by their length.
//
// Every frame the program sends is checked: a read or write request stays within
// the radio's 4096 bytes and a write request's data follows it at its length.
#pragma once

#include <optional>

#include "FuzzInput.h"
#include "link/Link.h"
#include "link/RadioMemoryMap.h"

namespace radio::fuzz {

inline constexpr Byte kDeviceFails = 0xFF;

class ScriptedLink : public Link {
 public:
  // writeFailsAt: the number of the write (from 1) the device refuses; 0 for none.
  ScriptedLink(FuzzInput& script, int writeFailsAt) : script_(script), writeFailsAt_(writeFailsAt) {}

  [[nodiscard]] bool write(std::span<const Byte> bytes) override {
    checkFrame(bytes);
    nowMs_ += static_cast<std::int64_t>(bytes.size());
    return ++writes_ != writeFailsAt_;
  }

  [[nodiscard]] ReadResult read(std::size_t count) override {
    FUZZ_CHECK(count >= 1 && count <= 12);
    const std::int64_t timeoutMs = kReadTotalConstantMs + kReadTotalPerByteMs * static_cast<std::int64_t>(count);
    if (script_.empty()) {
      nowMs_ += timeoutMs;
      return {};
    }
    const Byte n = script_.byte();
    if (n == kDeviceFails) return {{}, true};
    const auto reply = script_.bytes(std::min<std::size_t>(n, count));
    nowMs_ += reply.size() < count ? timeoutMs : static_cast<std::int64_t>(reply.size());
    return {{reply.begin(), reply.end()}, false};
  }

  void purgeBuffers() override {}
  void purgeAll() override {}
  void sleepMs(int milliseconds) override {
    FUZZ_CHECK(milliseconds >= 0 && milliseconds <= 1000);
    nowMs_ += milliseconds;
  }

  [[nodiscard]] std::int64_t nowMs() const { return nowMs_; }

 private:
  void checkFrame(std::span<const Byte> bytes) {
    if (dataLength_) {
      FUZZ_CHECK(bytes.size() == *dataLength_);
      dataLength_.reset();
      return;
    }
    if (bytes.size() == 4 && (bytes[0] == 'R' || bytes[0] == 'W')) {
      const std::size_t address = bytes[1] * 256u + bytes[2];
      const std::size_t length = bytes[3];
      FUZZ_CHECK(length >= 1 && address + length <= kRadioMemorySize);
      if (bytes[0] == 'W') dataLength_ = length;
      return;
    }
    FUZZ_CHECK(bytes.size() <= 2);  // wake-up bytes, Identify, acknowledges
  }

  FuzzInput& script_;
  int writeFailsAt_;
  int writes_ = 0;
  std::int64_t nowMs_ = 0;
  std::optional<std::size_t> dataLength_;
};

}  // namespace radio::fuzz
