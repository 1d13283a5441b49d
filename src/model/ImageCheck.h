// SPDX-License-Identifier: GPL-3.0-or-later
// Checks an image before it goes to the radio. A damaged document (a file of
// random bytes, a record a misbehaving radio left behind) can lock the radio with
// a password nobody typed or program frequencies it cannot tune; these checks let
// the commands that write refuse such an image unless the user insists.
//
// Usage:
//   const auto problems = writeProblems(image, band.limits, lang);
//   if (!problems.empty() && !force) { list(problems); return; }
#pragma once

#include <string>
#include <vector>

#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// Why an image must not go to the radio unasked: one line for the user per problem
// (the password field is not up to six ASCII digits followed by 0xFF padding; a channel
// in use whose frequency bytes are not decimal digits or lie outside the bands in force).
[[nodiscard]] std::vector<std::string> writeProblems(const RadioImage& image, const BandLimits& bands, Language lang);

// How many frequencies and tones of the channel rows (Fr included) do not decode.
[[nodiscard]] int undecodableChannelValues(const RadioImage& image);

}  // namespace radio
