// SPDX-License-Identifier: GPL-3.0-or-later
// The programming transfer: wake-up handshake, identification, then the read of
// the radio's 4096 bytes into the image or the write of the image into the radio.
// It runs on any thread (the application runs it on a worker thread) and owns no
// window: progress, status texts and the Retry/Cancel question travel through
// LinkCallbacks, which are called on the engine's thread.
//
// Usage (the link is open; the caller has stored the grid into the image):
//   LinkCallbacks cb;
//   cb.progress = [&](int pos) { emit progressChanged(pos); };      // 1..191 / 1..189
//   cb.status = [&](const std::string& s) { emit statusChanged(s); };
//   cb.askRetry = [&] { return askUserRetry(messageText(MessageId::CommunicationError, lang)); };
//   cb.cancelRequested = [&] { return cancelFlag.load(); };
//   LinkResult r = runTransfer(*link, TransferDirection::Read, doc.image(), lang, cb);
//
// A read fills the image only when the whole read succeeded; whatever the
// outcome, field::kChannelGridFlag already holds the radio's value once the
// handshake got that far. A write changes nothing in the image but that bit.
#pragma once

#include <functional>
#include <string>

#include "link/Link.h"
#include "link/LinkResult.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

enum class TransferDirection { Read, Write };

// The progress range of the Process window; a read takes every step, a write ends
// two short of it.
inline constexpr int kProgressRange = 191;
inline constexpr int kReadProgressSteps = 191;
inline constexpr int kWriteProgressSteps = 189;

struct LinkCallbacks {
  // The progress bar advanced to position (the status text then says it too,
  // progressStatusText).
  std::function<void(int position)> progress;
  // The status text of the Process window changed.
  std::function<void(const std::string& text)> status;
  // The communication box (61449, Retry and Cancel): true for Retry. When unset
  // the answer is Cancel.
  std::function<bool()> askRetry;
  // Polled where the window stays responsive (six times before each wake-up
  // attempt, five times after each row): true ends the transfer silently.
  std::function<bool()> cancelRequested;
};

// Band types 1, 2, 4 and 5 stop a transfer with "Band type error".
[[nodiscard]] bool bandTypeRefused(Byte type);

// The status text of a progress step: the step and the total of the direction,
// "Reading 32/191", "Writing 5/189".
[[nodiscard]] std::string progressStatusText(TransferDirection direction, int position, Language lang);

// The status text shown while waiting for the radio's answer to the wake-up.
[[nodiscard]] std::string waitingStatusText(Language lang);

[[nodiscard]] LinkResult runTransfer(Link& link, TransferDirection direction, RadioImage& image, Language lang,
                                     const LinkCallbacks& callbacks);

}  // namespace radio
