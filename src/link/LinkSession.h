// SPDX-License-Identifier: GPL-3.0-or-later
// The frames and the wake-up handshake shared by the transfer and the squelch
// exchanges: one object per connection, over an open link.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "link/Link.h"
#include "link/LinkResult.h"
#include "link/TransferEngine.h"

namespace radio {

class LinkSession {
 public:
  // A transfer checks for cancellation and shows its status before each wake-up
  // attempt and purges before every wake-up byte; a squelch exchange does neither.
  enum class Mode { Transfer, Squelch };

  static constexpr Byte kAck = 0x06;
  static constexpr int kWakeAttempts = 15;
  // After Identify goes unanswered, more failed attempts than this interrupt.
  static constexpr int kIdentifyAttempts = 5;

  LinkSession(Link& link, Language lang, const LinkCallbacks& callbacks, Mode mode)
      : link_(link), lang_(lang), callbacks_(callbacks), mode_(mode) {}

  // Wake-up attempts until the radio acknowledges Identify; asks Retry/Cancel
  // after 15 unanswered attempts. The attempt counter runs on across calls.
  [[nodiscard]] std::optional<LinkOutcome> wake();

  // One quiet look for a radio: a single wake-up attempt, Identify and its
  // acknowledge, never a question or a status text. The radio's 8-byte identify
  // reply when it answered all of it; nothing otherwise (deviceFailed() then says
  // whether the port itself failed).
  [[nodiscard]] std::optional<std::vector<Byte>> probe();
  [[nodiscard]] bool deviceFailed() const { return deviceFailed_; }

  // What the identification steps learn of the radio.
  struct Identity {
    std::vector<Byte> block;  // the first block of the identification row
    bool featureBit = false;  // the radio's field::kChannelGridFlag
    [[nodiscard]] Byte bandType() const { return block.at(radioaddr::kBandType - radioaddr::kIdentification); }
  };
  // The identification after the first wake-up: the two blocks of the
  // identification row (radioaddr::kIdentification), each
  // acknowledged. Interrupted when a reply or acknowledge is missing; the band
  // type is the caller's to check before readFeatureBit().
  [[nodiscard]] std::optional<LinkOutcome> identify(Identity& identity);
  // Then the block holding the channel grid flag, without an acknowledge.
  [[nodiscard]] std::optional<LinkOutcome> readFeatureBit(Identity& identity);

  // Sends a read request and returns the data bytes of a complete reply (the
  // four leading bytes dropped); none when the reply failed or was short.
  [[nodiscard]] std::optional<std::vector<Byte>> request(std::uint16_t address, std::size_t length,
                                                         int pauseBeforeReplyMs = 0);
  // Sends 06 (after a buffer purge when purgeFirst) and expects 06 back.
  [[nodiscard]] bool acknowledge(bool purgeFirst);
  // Sends a write request, pauses 1 ms, sends the data and expects 06 back.
  [[nodiscard]] bool sendBlock(std::uint16_t address, std::span<const Byte> data);
  // Reads one byte; true when it arrived and is 06.
  [[nodiscard]] bool expectAck();

  [[nodiscard]] bool cancelRequested() const { return callbacks_.cancelRequested && callbacks_.cancelRequested(); }
  [[nodiscard]] Language lang() const { return lang_; }

 private:
  [[nodiscard]] bool attemptWakeUp();
  [[nodiscard]] bool askRetry() const { return callbacks_.askRetry && callbacks_.askRetry(); }

  Link& link_;
  Language lang_;
  const LinkCallbacks& callbacks_;
  Mode mode_;
  int attempts_ = 1;
  bool deviceFailed_ = false;
};

}  // namespace radio
