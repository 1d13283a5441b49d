// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/VirtualRadio.h"

#include <array>
#include <cstdio>
#include <stdexcept>

namespace radio {
namespace {

constexpr std::array<Byte, 7> kWakeUp{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
constexpr Byte kAck = 0x06;
constexpr Byte kRead = 0x52;
constexpr Byte kWrite = 0x57;

std::string hex(Byte b) {
  char s[8];
  std::snprintf(s, sizeof s, "%02X", b);
  return s;
}

std::optional<int> number(const std::string& text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::optional<std::string> parseRadioFault(const std::string& text, RadioFaults& faults) {
  const auto colon = text.find(':');
  const std::string kind = text.substr(0, colon);
  const std::optional<std::string> arg =
      colon == std::string::npos ? std::nullopt : std::optional<std::string>(text.substr(colon + 1));
  if (kind == "silent" && !arg) {
    faults.silent = true;
  } else if (kind == "no-identify-ack" && !arg) {
    faults.noIdentifyAck = true;
  } else if (kind == "password") {
    const std::string digits = arg.value_or("123456");
    if (digits.empty() || digits.size() > 6 || !number(digits)) return "password takes up to 6 digits";
    faults.password = digits;
  } else if (kind == "stuck") {
    std::size_t used = 0;
    long value = -1;
    try {
      value = arg ? std::stol(*arg, &used, 0) : -1;
    } catch (const std::exception&) {
      value = -1;
    }
    if (!arg || used != arg->size() || value < 0 || value >= static_cast<long>(kRadioMemorySize))
      return "stuck takes a radio address from 0 to 0x0FFF";
    faults.stuckCell = static_cast<int>(value);
  } else if (kind == "band" || kind == "short" || kind == "no-ack" || kind == "disconnect") {
    const int value = arg ? number(*arg).value_or(-1) : -1;
    const int limit = kind == "band" ? 255 : static_cast<int>(kRadioMemorySize / 8) - 1;
    if (value < 0 || value > limit) return kind + " takes a number from 0 to " + std::to_string(limit);
    if (kind == "band") faults.bandType = value;
    if (kind == "short") faults.shortReplyBlock = value;
    if (kind == "no-ack") faults.missingAckBlock = value;
    if (kind == "disconnect") faults.disconnectBlock = value;
  } else {
    return "unknown fault '" + text + "'";
  }
  return std::nullopt;
}

VirtualRadio::VirtualRadio(const RadioMemory& memory, RadioFaults faults)
    : memory_(memory), initial_(memory), faults_(std::move(faults)) {
  applyFaults();
}

void VirtualRadio::applyFaults() {
  memory_ = initial_;
  if (faults_.bandType) memory_[radioaddr::kBandType] = static_cast<Byte>(*faults_.bandType);
  if (faults_.password) {
    for (std::size_t i = 0; i < addr::kPasswordLength; ++i)
      memory_[radioaddr::kPassword + i] =
          i < faults_.password->size() ? static_cast<Byte>((*faults_.password)[i]) : 0xFF;
  }
}

void VirtualRadio::replaceWithNew(std::optional<RadioFaults> faults) {
  if (faults) faults_ = std::move(*faults);
  applyFaults();
  state_ = State::Idle;
  wakeIndex_ = 0;
  identifyStarted_ = false;
  frame_.clear();
  readReplied_ = false;
  replyBlock_.reset();
  disconnected_ = false;
  away_ = false;
  wakeUps_ = blocksRead_ = blocksWritten_ = 0;
  ++number_;
}

void VirtualRadio::violation(const std::string& what) {
  if (violations_.size() < 100) violations_.push_back(what);
}

void VirtualRadio::receive(Byte b, std::vector<Byte>& out) {
  if (disconnected_ || away_ || faults_.silent) return;

  // A request being collected takes every byte, whatever its value.
  if (!frame_.empty()) {
    frame_.push_back(b);
    finishRequest(out);
    return;
  }
  // The second byte of Identify is 02, like the first of the wake-up.
  if (state_ == State::WokenUp && identifyStarted_ && b == 0x02) {
    identifyStarted_ = false;
    state_ = State::Identified;
    for (std::size_t i = 0; i < 8; ++i) out.push_back(memory_[radioaddr::kIdentification + i]);
    return;
  }
  // The wake-up sequence starts over at STX in any other state: a second
  // handshake, or a new connection after an interrupted one.
  if (b == kWakeUp[0]) {
    wakeIndex_ = 1;
    state_ = State::Idle;
    readReplied_ = false;
    identifyStarted_ = false;
    return;
  }
  if (wakeIndex_ > 0) {
    if (b == kWakeUp[wakeIndex_]) {
      if (++wakeIndex_ == kWakeUp.size()) {
        wakeIndex_ = 0;
        ++wakeUps_;
        state_ = State::WokenUp;
        out.push_back(kAck);
      }
    } else {
      violation("broken wake-up sequence at byte " + hex(b));
      wakeIndex_ = 0;
    }
    return;
  }
  switch (state_) {
    case State::Idle:
      // Line noise before a wake-up is ignored, as a radio in normal operation would.
      return;
    case State::WokenUp:
      if (!identifyStarted_ && b == 0x4D) {
        identifyStarted_ = true;
      } else {
        violation("expected Identify after the wake-up, got " + hex(b));
        state_ = State::Idle;
      }
      return;
    case State::Identified:
      if (b == kAck) {
        state_ = State::Ready;
        if (!faults_.noIdentifyAck) out.push_back(kAck);
      } else {
        violation("expected the acknowledge of Identify, got " + hex(b));
        state_ = State::Idle;
      }
      return;
    case State::Ready: command(b, out); return;
  }
}

void VirtualRadio::command(Byte b, std::vector<Byte>& out) {
  if (b == kAck) {
    if (!readReplied_) {
      violation("acknowledge without a read reply to confirm");
      return;
    }
    readReplied_ = false;
    if (!(replyBlock_ && faults_.missingAckBlock == replyBlock_)) out.push_back(kAck);
    return;
  }
  if (b == kRead || b == kWrite) {
    readReplied_ = false;
    frame_.push_back(b);
    return;
  }
  violation("unknown command " + hex(b));
}

void VirtualRadio::finishRequest(std::vector<Byte>& out) {
  if (frame_.size() < 4) return;
  const std::uint16_t address = static_cast<std::uint16_t>(frame_[1] << 8 | frame_[2]);
  const std::size_t length = frame_[3];
  const bool write = frame_[0] == kWrite;
  if (write && frame_.size() < 4 + length) return;
  const std::vector<Byte> frame = std::move(frame_);
  frame_.clear();

  if (length == 0 || address + length > kRadioMemorySize) {
    violation("request outside the memory: address " + std::to_string(address) + ", length " + std::to_string(length));
    return;
  }
  const int block = blockOf(address);
  if (faults_.disconnectBlock == block) {
    disconnected_ = true;
    return;
  }
  if (write) {
    for (std::size_t i = 0; i < length; ++i)
      if (faults_.stuckCell != static_cast<int>(address + i)) memory_[address + i] = frame[4 + i];
    ++blocksWritten_;
    if (onWritten) onWritten(address, length);
    if (faults_.missingAckBlock != block) out.push_back(kAck);
    return;
  }
  ++blocksRead_;
  std::vector<Byte> reply{kWrite, frame[1], frame[2], frame[3]};
  for (std::size_t i = 0; i < length; ++i) reply.push_back(memory_[address + i]);
  if (faults_.shortReplyBlock == block) reply.resize(reply.size() / 2);
  out.insert(out.end(), reply.begin(), reply.end());
  readReplied_ = true;
  replyBlock_ = block;
}

}  // namespace radio
