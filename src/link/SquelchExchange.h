// SPDX-License-Identifier: GPL-3.0-or-later
// The two short exchanges of the Squelch Tuning dialog: the same wake-up
// handshake as a transfer (without status texts), then one four-byte read or
// write of the squelch levels (radioaddr::kSquelch, image addr::kSquelch).
// They block until done; only askRetry of the callbacks is used by the dialog
// (cancelRequested is honoured before each wake-up attempt when set).
//
// Usage:
//   LinkResult r = readSquelch(*link, doc.image(), lang, cb);   // "Read Successfully"
//   LinkResult w = writeSquelch(*link, doc.image(), form.values(), lang, cb);
//   showMessage(r.text);
#pragma once

#include <array>

#include "link/Link.h"
#include "link/LinkResult.h"
#include "link/TransferEngine.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// The four stored squelch bytes in image order: V wide, V narrow, U wide, U narrow.
using SquelchBytes = std::array<Byte, 4>;

// On success copies the radio's four bytes into the image and returns the text
// "Read Successfully". A reply shorter than 8 bytes is an interruption (MessageId::Interrupt)
// and leaves the image unchanged.
[[nodiscard]] LinkResult readSquelch(Link& link, RadioImage& image, Language lang, const LinkCallbacks& callbacks);

// After the handshake stores values into the image (even when the radio then
// fails to acknowledge), sends them, and on the acknowledge returns the text
// "Write Successfully".
[[nodiscard]] LinkResult writeSquelch(Link& link, RadioImage& image, const SquelchBytes& values, Language lang,
                                      const LinkCallbacks& callbacks);

}  // namespace radio
