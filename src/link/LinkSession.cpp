// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/LinkSession.h"

#include <array>

namespace radio {
namespace {

// STX and "PROGRA", each byte written on its own.
constexpr std::array<Byte, 7> kWakeUp{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
constexpr std::array<Byte, 2> kIdentify{0x4D, 0x02};
constexpr std::uint16_t kBlock = 8;
constexpr std::uint16_t kIdentificationBlock = radioaddr::kIdentification;
constexpr std::size_t kIdentityReplyMax = 8;
constexpr std::size_t kReplyHeader = 4;

}  // namespace

bool LinkSession::attemptWakeUp() {
  link_.purgeAll();
  for (const Byte b : kWakeUp) {
    link_.sleepMs(2);
    if (mode_ == Mode::Transfer) link_.purgeBuffers();
    if (!link_.writeByte(b)) return !(deviceFailed_ = true);
  }
  const ReadResult first = link_.read(1);
  if (first.error) return !(deviceFailed_ = true);
  if (first.bytes.size() == 1 && first.bytes[0] == kAck) return true;
  const ReadResult second = link_.read(1);
  deviceFailed_ = second.error;
  return !second.error && second.bytes.size() == 1 && second.bytes[0] == kAck;
}

std::optional<std::vector<Byte>> LinkSession::probe() {
  deviceFailed_ = false;
  if (!attemptWakeUp()) return std::nullopt;
  link_.sleepMs(1);
  link_.purgeBuffers();
  if (!link_.write(kIdentify)) return std::nullopt;
  ReadResult reply = link_.read(kIdentityReplyMax);
  if (reply.error || reply.bytes.size() < kIdentityReplyMax) return std::nullopt;
  link_.purgeBuffers();
  // No purge after the acknowledge: the radio's own may already be in, and a
  // probe lost to a busy machine would count as a radio taken off.
  if (!link_.writeByte(kAck)) return std::nullopt;
  link_.sleepMs(1);
  if (!expectAck()) return std::nullopt;
  return std::move(reply.bytes);
}

std::optional<LinkOutcome> LinkSession::wake() {
  for (;;) {
    if (mode_ == Mode::Transfer) {
      for (int i = 0; i < 6; ++i) {
        if (cancelRequested()) return LinkOutcome::Cancelled;
        link_.sleepMs(1);
      }
      if (callbacks_.status) callbacks_.status(waitingStatusText(lang_));
    } else if (cancelRequested()) {
      return LinkOutcome::Cancelled;
    }

    if (!attemptWakeUp()) {
      link_.sleepMs(2);
      if (++attempts_ > kWakeAttempts) {
        if (!askRetry()) return LinkOutcome::NoAnswer;
        attempts_ = 1;
      }
      continue;
    }

    link_.sleepMs(1);
    link_.purgeBuffers();
    bool acknowledged = link_.write(kIdentify);
    if (acknowledged) {
      // The identity reply is not examined.
      (void)link_.read(kIdentityReplyMax);
      link_.purgeBuffers();
      acknowledged = link_.writeByte(kAck);
      if (acknowledged) {
        if (mode_ == Mode::Transfer) link_.purgeBuffers();
        link_.sleepMs(1);
        acknowledged = expectAck();
      }
    }
    if (acknowledged) return std::nullopt;
    // The counter still holds the failed wake-up attempts since the start or the
    // last Retry: after many of them the radio is taken to be stuck mid-way.
    if (attempts_ > kIdentifyAttempts) return LinkOutcome::Interrupted;
    ++attempts_;
    if (!askRetry()) return LinkOutcome::NoAnswer;
    attempts_ = 1;
  }
}

std::optional<LinkOutcome> LinkSession::identify(Identity& identity) {
  identity.block.clear();
  for (const std::uint16_t address : {kIdentificationBlock, std::uint16_t(kIdentificationBlock + kBlock)}) {
    link_.purgeBuffers();
    const auto block = request(address, kBlock);
    if (!block) return LinkOutcome::Interrupted;
    if (identity.block.empty()) identity.block = *block;
    link_.sleepMs(1);
    if (!acknowledge(true)) return LinkOutcome::Interrupted;
  }
  return std::nullopt;
}

std::optional<LinkOutcome> LinkSession::readFeatureBit(Identity& identity) {
  link_.purgeBuffers();
  // The radio keeps the channel grid flag where the image does.
  constexpr ImageField kFlag = field::kChannelGridFlag;
  constexpr std::uint16_t kFlagAddress = radioAddressOf(kFlag.offset);
  const auto features = request(kFlagAddress / kBlock * kBlock, kBlock);
  if (!features) return LinkOutcome::Interrupted;
  identity.featureBit = ((*features)[kFlagAddress % kBlock] >> kFlag.lowBit) & 1;
  return std::nullopt;
}

std::optional<std::vector<Byte>> LinkSession::request(std::uint16_t address, std::size_t length,
                                                      int pauseBeforeReplyMs) {
  const std::array<Byte, 4> frame{0x52, static_cast<Byte>(address >> 8), static_cast<Byte>(address & 0xFF),
                                  static_cast<Byte>(length)};
  if (!link_.write(frame)) return std::nullopt;
  if (pauseBeforeReplyMs > 0) link_.sleepMs(pauseBeforeReplyMs);
  ReadResult reply = link_.read(kReplyHeader + length);
  if (reply.error || reply.bytes.size() < kReplyHeader + length) return std::nullopt;
  return std::vector<Byte>(reply.bytes.begin() + kReplyHeader, reply.bytes.end());
}

bool LinkSession::acknowledge(bool purgeFirst) {
  if (purgeFirst) link_.purgeBuffers();
  return link_.writeByte(kAck) && expectAck();
}

bool LinkSession::sendBlock(std::uint16_t address, std::span<const Byte> data) {
  const std::array<Byte, 4> frame{0x57, static_cast<Byte>(address >> 8), static_cast<Byte>(address & 0xFF),
                                  static_cast<Byte>(data.size())};
  if (!link_.write(frame)) return false;
  link_.sleepMs(1);
  return link_.write(data) && expectAck();
}

bool LinkSession::expectAck() {
  const ReadResult r = link_.read(1);
  return !r.error && r.bytes.size() == 1 && r.bytes[0] == kAck;
}

}  // namespace radio
