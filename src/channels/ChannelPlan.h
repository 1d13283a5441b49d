// SPDX-License-Identifier: GPL-3.0-or-later
// Working on a channel plan as a whole: sorting and compacting channels, a block of
// channels filled as a series, text replaced in names, and the priority channel
// kept on its channel whenever channels change places. Sort and compact move whole
// records of the image (bytes the grid does not show travel with their channel);
// fill and replace work on the grid's texts through the commit rules.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelEditing.h"

namespace radio {

inline constexpr int kLastChannel = kChannelRows - 1;  // row 128; row 129 is "Fr"

// The priority channel follows its channel after the records of rows 1..128 moved:
// newRow gives the row the record of row n went to (outside 1..128: it left the
// channels, and the priority channel becomes none). A byte naming no channel
// (none, or above 128) stays as it is.
void followPriorityChannel(RadioImage& image, const std::function<int(int)>& newRow);

// Rows first..last of channels 1..128.
struct ChannelSpan {
  int first = 1;
  int last = kLastChannel;
};
// "A-B" or "N" (1..128, A <= B); nullopt otherwise.
[[nodiscard]] std::optional<ChannelSpan> parseChannelSpan(std::string_view text);

enum class SortKey { Rx, Tx, Name };
// "rx", "tx", "name" (any case).
[[nodiscard]] std::optional<SortKey> sortKeyFromName(std::string_view name);

// Sorts the channels in use of span (a receive or a transmit frequency) by key:
// they take the span's first rows in order, the empty records follow in their
// order. Missing or unreadable keys (a receive-only channel by Tx, an empty name)
// sort after the others; equal keys keep their order; names compare without ASCII
// case, their runs of digits as numbers (PMR2 before PMR10). False when nothing moved.
bool sortChannels(RadioImage& image, ChannelSpan span, SortKey key, Language lang);
// Closes the gaps of span: the channels in use keep their order and take its first
// rows. False when nothing moved.
bool compactChannels(RadioImage& image, ChannelSpan span);

// A signed number of MHz, as a step or an offset ("0.0125", "-7.6"), in 10 Hz
// units; nullopt for anything else (exactness as parseFrequencyText).
[[nodiscard]] std::optional<std::int32_t> parseMegahertz(std::string_view text);

// Fill Series over rows first..last: row k (from 0) gets the receive frequency
// start + k * step, the transmit frequency equal to it or offset from it, and,
// when namePattern is not empty, the name with every "%d" replaced by k + 1.
// An empty row becomes a new channel with the defaults. All or nothing: when any
// row refuses a value (the grid's frequency checks, a name that does not fit) the
// grid stays as it was and every refusal is listed.
struct SeriesPlan {
  std::int32_t start = 0;              // 10 Hz units
  std::int32_t step = 0;               // 10 Hz units, may be negative
  std::optional<std::int32_t> offset;  // Tx = Rx + offset; none: Tx = Rx
  std::string namePattern;
};
[[nodiscard]] PasteResult fillSeries(ChannelGrid& grid, ChannelSpan rows, const SeriesPlan& plan,
                                     const BandLimits& limits, Language lang);

// Whether name holds text (never an empty one); ASCII letters match either case
// unless matchCase.
[[nodiscard]] bool nameHolds(std::string_view name, std::string_view text, bool matchCase);
// The rows (1..129) whose name holds text; ASCII letters match either case unless
// matchCase. Nothing for an empty text.
[[nodiscard]] std::vector<int> findInNames(const ChannelGrid& grid, std::string_view text, bool matchCase);
// Replaces every occurrence of text in the names of rows by replacement. A name the
// replacement would make longer than a name holds is refused (listed, never cut)
// and stays as it was.
[[nodiscard]] PasteResult replaceInNames(ChannelGrid& grid, const std::vector<int>& rows, std::string_view text,
                                         std::string_view replacement, bool matchCase, Language lang);

// Headings of the refusal lists of fill and replace.
[[nodiscard]] const Text& fillReportHeading();
[[nodiscard]] const Text& fillDownReportHeading();
[[nodiscard]] const Text& replaceReportHeading();

}  // namespace radio
