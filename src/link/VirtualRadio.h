// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's side of the programming protocol, for tests, demonstrations and
// `radioprog-cli simulate`: wake-up, identity reply, 8-byte (or shorter) block
// reads and writes with acknowledges over a 4096-byte memory. It is strict: a
// frame out of order is ignored and recorded in violations(), so a protocol slip
// of the program fails a test instead of passing unnoticed.
//
// Faults reproduce the ways a radio lets a transfer down. A block is named by its
// number K, the block of eight bytes at radio address K*8 (the identification
// blocks are 506 and 507, the feature block read during the handshake is 398,
// the squelch levels are in block 510).
//
// Usage:
//   VirtualRadio radio(defaultRadioMemory(), faults);
//   std::vector<Byte> reply;
//   for (Byte b : bytesFromComputer) radio.receive(b, reply);
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/RadioMemoryMap.h"

namespace radio {

struct RadioFaults {
  bool silent = false;                  // never answers anything
  bool noIdentifyAck = false;           // answers Identify but never its acknowledge
  std::optional<int> bandType;          // the band type byte (radioaddr::kBandType)
  std::optional<std::string> password;  // the radio's password (up to 6 digits)
  std::optional<int> shortReplyBlock;   // the read reply of block K stops short
  std::optional<int> missingAckBlock;   // no acknowledge for block K
  std::optional<int> disconnectBlock;   // the cable goes at the request of block K
  std::optional<int> stuckCell;         // the memory cell at this address keeps its value when written
};

// Parses one fault as the command line writes it: silent, no-identify-ack,
// band:N, password[:DIGITS], short:K, no-ack:K, disconnect:K, stuck:ADDR (a radio
// address, decimal or 0x hexadecimal). Returns an error
// text, or nothing when it was understood.
[[nodiscard]] std::optional<std::string> parseRadioFault(const std::string& text, RadioFaults& faults);

class VirtualRadio {
 public:
  explicit VirtualRadio(const RadioMemory& memory = defaultRadioMemory(), RadioFaults faults = {});

  // One byte from the computer; the radio's answer, if any, is appended to out.
  void receive(Byte b, std::vector<Byte>& out);

  [[nodiscard]] const RadioMemory& memory() const { return memory_; }
  [[nodiscard]] RadioMemory& memory() { return memory_; }
  [[nodiscard]] bool disconnected() const { return disconnected_; }
  [[nodiscard]] const std::vector<std::string>& violations() const { return violations_; }
  // Number of complete wake-up sequences and of blocks read and written.
  [[nodiscard]] int wakeUps() const { return wakeUps_; }
  [[nodiscard]] int blocksRead() const { return blocksRead_; }
  [[nodiscard]] int blocksWritten() const { return blocksWritten_; }

  // The radio is taken off the cable: it hears nothing until a new one comes.
  void takeAway() { away_ = true; }
  // The same radio back on the cable (restarted: its protocol state from the start).
  void putBack() {
    away_ = false;
    state_ = State::Idle;
  }
  [[nodiscard]] bool away() const { return away_; }
  // A new radio on the cable, holding the memory this one started with, with
  // this one's faults or those given, its counters and protocol state from the
  // start. The violations seen so far are kept.
  void replaceWithNew(std::optional<RadioFaults> faults = std::nullopt);
  // 1 for the first radio, counting every replaceWithNew().
  [[nodiscard]] int number() const { return number_; }

  // Called after every write request has been stored (address, length).
  std::function<void(std::uint16_t address, std::size_t length)> onWritten;

 private:
  enum class State { Idle, WokenUp, Identified, Ready };

  void command(Byte b, std::vector<Byte>& out);
  void finishRequest(std::vector<Byte>& out);
  void violation(const std::string& what);
  [[nodiscard]] static int blockOf(std::uint16_t address) { return address / 8; }

  void applyFaults();

  RadioMemory memory_;
  RadioMemory initial_;  // the memory a new radio holds, before its faults
  RadioFaults faults_;
  bool away_ = false;
  int number_ = 1;
  State state_ = State::Idle;
  std::size_t wakeIndex_ = 0;  // wake-up bytes matched so far
  bool identifyStarted_ = false;
  std::vector<Byte> frame_;        // request header and data being collected
  bool readReplied_ = false;       // a read reply awaits the computer's acknowledge
  std::optional<int> replyBlock_;  // the block of the read reply awaiting it
  bool disconnected_ = false;
  std::vector<std::string> violations_;
  int wakeUps_ = 0;
  int blocksRead_ = 0;
  int blocksWritten_ = 0;
};

}  // namespace radio
