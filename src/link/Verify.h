// SPDX-License-Identifier: GPL-3.0-or-later
// Verify: reads the radio (the handshake and blocks of a read; nothing is written)
// and compares what it holds with what a write of a document would have left in
// it: the areas a write sends, with the radio's own channel grid flag that the
// handshake takes, and band type 03.
//
// Usage (the link is open; document is the image as a write would send it, the
// grid already stored into it):
//   VerifyResult v = verifyRadio(*link, document, ctx, callbacks);
//   if (!v.link.ok()) ...            // the link's own failure
//   else if (v.differences.empty())  // the radio holds the document
//   else for (auto& line : v.differences) print(line);
#pragma once

#include <string>
#include <vector>

#include "compare/ImageDiff.h"
#include "features/SettingsSections.h"
#include "link/Link.h"
#include "link/LinkResult.h"
#include "link/TransferEngine.h"

namespace radio {

struct VerifyResult {
  LinkResult link;
  ImageComparison comparison;            // document -> radio
  std::vector<std::string> differences;  // as diffImages prints them, document -> radio
  RadioImage expected;                   // what a write of the document leaves
  RadioImage radio;                      // the same with what the radio holds in the written areas
  [[nodiscard]] bool agrees() const { return link.ok() && differences.empty(); }
};

// The image a write of document leaves in a radio whose channel grid flag is
// radioBit, as a read of that radio would fill it in the written areas.
[[nodiscard]] RadioImage imageAfterWrite(const RadioImage& document, bool radioBit);

// What the radio holds in the areas a write sends, laid over expected.
[[nodiscard]] RadioImage writtenAreasOf(const RadioImage& read, const RadioImage& expected);

[[nodiscard]] VerifyResult verifyRadio(Link& link, const RadioImage& document, const SectionContext& ctx,
                                       const LinkCallbacks& callbacks);

}  // namespace radio
