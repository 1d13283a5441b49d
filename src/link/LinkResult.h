// SPDX-License-Identifier: GPL-3.0-or-later
// How a connection with the radio ended, and what the user is told about it.
//
// Usage (the caller shows text when it is not empty, with an OK button):
//   LinkResult r = runTransfer(link, TransferDirection::Read, copy, lang, callbacks);
//   if (!r.text.empty()) showMessage(r.text);
//   if (r.ok()) ...
#pragma once

#include <string>

#include "model/Language.h"

namespace radio {

enum class LinkOutcome {
  Completed,      // every step succeeded
  PortError,      // the port could not be opened (MessageId::OpenPort)
  NoAnswer,       // the user chose Cancel in the communication box (MessageId::CommunicationError)
  BandTypeError,  // the radio's band type is refused ("Band type error")
  PasswordError,  // the radio's password differs from the image's ("Password Error!")
  Interrupted,    // a reply or an acknowledge was missing (MessageId::Interrupt)
  Cancelled,      // the cancel flag was seen at a check point; nothing is shown
};

struct LinkResult {
  LinkOutcome outcome = LinkOutcome::Completed;
  MessageId message = MessageId::None;  // the string-table message, when it is one
  std::string text;                     // what to show at the end; empty: nothing
  // A write stopped after it had begun sending blocks: the radio holds part of it.
  bool partialWrite = false;

  [[nodiscard]] bool ok() const { return outcome == LinkOutcome::Completed; }
};

// The result of each outcome with its message in the language.
[[nodiscard]] LinkResult linkResult(LinkOutcome outcome, Language lang);

}  // namespace radio
