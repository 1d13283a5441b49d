// SPDX-License-Identifier: GPL-3.0-or-later
// Identify: the handshake and identification of a transfer, then the two blocks
// that tell the model, the password and the bands, and nothing else: no channel
// is read and nothing is written. Takes well under a second on the wire.
//
// Usage:
//   RadioInfo info = identifyRadio(*link, lang, callbacks);
//   if (info.identified) print(describeRadio(info, models, lang));
//   LinkResult r = info.link;   // BandTypeError when the radio's type is refused
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "link/Link.h"
#include "link/LinkResult.h"
#include "link/TransferEngine.h"

namespace radio {

struct RadioInfo {
  LinkResult link;
  bool identified = false;               // the identification block arrived
  std::vector<Byte> identification;      // the first block of radioaddr::kIdentification
  Byte bandType = 0xFF;                  // radioaddr::kBandType
  bool bandTypeAccepted = false;         // a read or write would go on
  bool featureBit = false;               // the radio's field::kChannelGridFlag
  std::optional<Byte> modelIndex;        // addr::kModelIndex, once the second block arrived
  std::optional<std::string> password;   // radioaddr::kPassword as digits; empty: none set
  std::optional<BandRecord> bandRecord;  // radioaddr::kBandRecord
};

[[nodiscard]] RadioInfo identifyRadio(Link& link, Language lang, const LinkCallbacks& callbacks);

// The lines `info` prints and the Identify Radio window shows: "label: value".
[[nodiscard]] std::vector<std::string> describeRadio(const RadioInfo& info, const std::vector<std::string>& models,
                                                     Language lang);

}  // namespace radio
