// SPDX-License-Identifier: GPL-3.0-or-later
// The protocol engine (read, write, squelch read and write) against a radio whose
// replies are the fuzzer's bytes. Whatever the replies, the engine ends with one
// of its results within the time its attempts and timeouts allow, never sends a
// frame outside the radio's memory, and changes the document only as its result
// says: a failed read leaves it as it was but for the handshake bit.
//
// Input: byte 0 the operation (bits 0-1: read, write, squelch read, squelch write)
// and the language (bit 2); byte 1 how many times the user answers Retry; byte 2
// the cancel poll that finds Cancel pressed (x 16, 0: never); byte 3 the write
// the device refuses (x 4, 0: none); bytes 4-7 the squelch values to write; then
// the replies (see ScriptedLink.h).
#include <functional>

#include "FuzzInput.h"
#include "ScriptedLink.h"
#include "link/SquelchExchange.h"
#include "link/TransferEngine.h"
#include "model/Document.h"

using namespace radio;

namespace {

// Image bytes that hold radio memory; a read writes no others.
std::array<bool, kImageSize> radioBytes() {
  std::array<bool, kImageSize> mapped{};
  for (std::size_t a = 0; a < kRadioMemorySize; ++a)
    mapped[imageOffsetForRadioAddress(static_cast<std::uint16_t>(a))] = true;
  return mapped;
}
const std::array<bool, kImageSize> kRadioBytes = radioBytes();

// Equal but for the handshake bit (bit 3 of 0x12AB) and the bytes let through.
bool sameBut(const RadioImage& a, const RadioImage& b, const std::function<bool(std::size_t)>& mayChange) {
  for (std::size_t i = 0; i < kImageSize; ++i) {
    Byte diff = a.at(i) ^ b.at(i);
    if (i == addr::kMskFlags) diff &= static_cast<Byte>(~0x08);
    if (diff && !mayChange(i)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  const Byte op = in.byte();
  const Language lang = op & 4 ? Language::Chinese : Language::English;
  int retries = in.byte() % 4;
  const int retriesAllowed = retries;
  const int cancelAt = in.byte() * 16;
  const int writeFailsAt = in.byte() * 4;
  SquelchBytes squelch{};
  for (Byte& b : squelch) b = in.byte();

  int polls = 0;
  int position = 0;
  LinkCallbacks callbacks;
  callbacks.askRetry = [&] { return retries-- > 0; };
  callbacks.cancelRequested = [&] { return ++polls == cancelAt; };
  callbacks.progress = [&](int p) {
    FUZZ_CHECK(p == position + 1 && p <= kProgressRange);
    position = p;
  };

  BandRecord record{};
  const RadioImage before = newDocumentImage(record);
  RadioImage image = before;
  fuzz::ScriptedLink link(in, writeFailsAt);
  LinkResult result;
  switch (op & 3) {
    case 0:
      result = runTransfer(link, TransferDirection::Read, image, lang, callbacks);
      FUZZ_CHECK(sameBut(before, image, [&](std::size_t i) { return result.ok() && kRadioBytes[i]; }));
      if (result.ok()) FUZZ_CHECK(position == kReadProgressSteps);
      break;
    case 1:
      result = runTransfer(link, TransferDirection::Write, image, lang, callbacks);
      FUZZ_CHECK(sameBut(before, image, [](std::size_t) { return false; }));
      if (result.ok()) FUZZ_CHECK(position == kWriteProgressSteps);
      break;
    case 2:
      result = readSquelch(link, image, lang, callbacks);
      FUZZ_CHECK(sameBut(before, image, [&](std::size_t i) {
        return result.ok() && i >= addr::kSquelch && i < addr::kSquelch + squelch.size();
      }));
      break;
    default:
      result = writeSquelch(link, image, squelch, lang, callbacks);
      FUZZ_CHECK(sameBut(before, image, [](std::size_t i) { return i >= addr::kSquelch && i < addr::kSquelch + 4; }));
      break;
  }

  // One of the results, told in a message unless it was a cancel.
  switch (result.outcome) {
    case LinkOutcome::Cancelled: FUZZ_CHECK(result.text.empty()); break;
    case LinkOutcome::Completed:
    case LinkOutcome::PortError:
    case LinkOutcome::NoAnswer:
    case LinkOutcome::BandTypeError:
    case LinkOutcome::PasswordError:
    case LinkOutcome::Interrupted: break;
    default: FUZZ_CHECK(!"an outcome outside the list");
  }
  FUZZ_CHECK(result.outcome != LinkOutcome::PortError);  // the port was open
  if (result.outcome == LinkOutcome::NoAnswer) FUZZ_CHECK(retries < 0);

  // The time allowed: each answered Retry restarts at most 15 wake-up attempts in
  // each of the two handshakes (1.6 s each at worst), and the transfer itself
  // waits at most a read timeout and an acknowledge per block.
  const std::int64_t wakeMs = std::int64_t{retriesAllowed + 1} * 2 * 15 * 1600;
  const std::int64_t transferMs = 520 * (kReadTotalConstantMs + 12 * kReadTotalPerByteMs + 200) + 10'000;
  FUZZ_CHECK(link.nowMs() <= wakeMs + transferMs);
  return 0;
}
