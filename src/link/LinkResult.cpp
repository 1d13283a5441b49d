// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/LinkResult.h"

namespace radio {

LinkResult linkResult(LinkOutcome outcome, Language lang) {
  LinkResult r;
  r.outcome = outcome;
  switch (outcome) {
    case LinkOutcome::Completed:
    case LinkOutcome::Cancelled: break;
    case LinkOutcome::PortError: r.message = MessageId::OpenPort; break;
    case LinkOutcome::NoAnswer: r.message = MessageId::CommunicationError; break;
    case LinkOutcome::Interrupted: r.message = MessageId::Interrupt; break;
    case LinkOutcome::BandTypeError: r.text = Text{"Band type error", "频宽类型错误"}.in(lang); break;
    case LinkOutcome::PasswordError:
      // The radio's own wording, in English whatever the language.
      r.text = "Password Error!";
      break;
  }
  // The communication box was the question itself: nothing more is shown after
  // the user chose Cancel in it.
  if (r.message != MessageId::None && outcome != LinkOutcome::NoAnswer) r.text = messageText(r.message, lang);
  return r;
}

}  // namespace radio
