// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/VirtualRadioLink.h"

#include <algorithm>

namespace radio {
namespace {
constexpr std::int64_t kMsNs = 1'000'000;
}

void VirtualRadioLink::record(Event::Kind kind, std::vector<Byte> bytes, std::size_t asked) {
  log_.push_back(Event{kind, std::move(bytes), asked, nowUs()});
}

bool VirtualRadioLink::write(std::span<const Byte> bytes) {
  if (beforeWrite) beforeWrite(Event{Event::Write, {bytes.begin(), bytes.end()}, 0, nowUs()});
  record(Event::Write, {bytes.begin(), bytes.end()}, 0);
  if (radio_.disconnected()) return false;
  std::vector<Byte> answer;
  for (const Byte b : bytes) {
    // The radio takes each byte when its stop bit is in, and answers at once.
    const std::int64_t receivedNs = std::max(nowNs_, toRadioFreeNs_) + kWireByteNs;
    toRadioFreeNs_ = receivedNs;
    answer.clear();
    radio_.receive(b, answer);
    for (const Byte a : answer) {
      fromRadioFreeNs_ = std::max(receivedNs, fromRadioFreeNs_) + kWireByteNs;
      incoming_.push_back({a, fromRadioFreeNs_});
    }
  }
  return true;
}

ReadResult VirtualRadioLink::read(std::size_t count) {
  record(Event::Read, {}, count);
  ReadResult result;
  if (radio_.disconnected() && incoming_.empty()) {
    result.error = true;
    log_.back().bytes = result.bytes;
    return result;
  }
  const std::int64_t deadline =
      nowNs_ + (kReadTotalConstantMs + kReadTotalPerByteMs * static_cast<std::int64_t>(count)) * kMsNs;
  std::int64_t last = 0;
  while (result.bytes.size() < count && !incoming_.empty()) {
    const Arrival next = incoming_.front();
    const std::int64_t at = std::max(next.atNs, nowNs_);
    if (at > deadline) break;
    if (!result.bytes.empty() && at - last > kReadGapMs * kMsNs) break;
    incoming_.pop_front();
    result.bytes.push_back(next.byte);
    last = at;
    nowNs_ = at;
  }
  if (result.bytes.size() < count) {
    // Timed out: the whole total time without a byte, else the gap after the last.
    nowNs_ = result.bytes.empty() ? deadline : std::min(deadline, last + kReadGapMs * kMsNs);
  }
  log_.back().bytes = result.bytes;
  return result;
}

void VirtualRadioLink::discardArrived() {
  while (!incoming_.empty() && incoming_.front().atNs <= nowNs_) incoming_.pop_front();
}

void VirtualRadioLink::purgeBuffers() {
  record(Event::PurgeBuffers, {}, 0);
  discardArrived();
}

void VirtualRadioLink::purgeAll() {
  record(Event::PurgeAll, {}, 0);
  discardArrived();
}

void VirtualRadioLink::sleepMs(int milliseconds) {
  record(Event::Sleep, {}, static_cast<std::size_t>(milliseconds));
  nowNs_ += milliseconds * kMsNs;
}

std::vector<Byte> VirtualRadioLink::sentBytes() const {
  std::vector<Byte> all;
  for (const Event& e : log_)
    if (e.kind == Event::Write) all.insert(all.end(), e.bytes.begin(), e.bytes.end());
  return all;
}

}  // namespace radio
