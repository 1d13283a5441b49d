// SPDX-License-Identifier: GPL-3.0-or-later
// Any text pasted over any range of a grid decoded from any channel records, in
// both languages. A paste changes only rows from the target's top down to where
// its lines or its fill end, never the columns left of the target, never a row it
// refused a cell of, and "Fr" only from a paste that starts on it; pasting what
// was just copied from the same range changes nothing.
#include <algorithm>

#include "FuzzInput.h"
#include "channels/ChannelEditing.h"
#include "model/CodePage.h"

using namespace radio;

namespace {
const BandLimits kLimits{13'600'000, 17'400'000, 40'000'000, 52'000'000};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  const Language lang = in.flag() ? Language::Chinese : Language::English;

  // A few records of any bytes on any rows; the other rows are empty channels.
  RadioImage image;
  for (int records = in.pick(5); records > 0; --records) {
    const int row = 1 + in.pick(kChannelRows);
    const auto given = in.bytes(kRecordSize);
    std::copy(given.begin(), given.end(), image.channel(row).begin());
  }
  ChannelGrid grid;
  for (int n = 1; n <= kChannelRows; ++n) grid.row(n) = decodeChannel(image.channel(n), lang);

  CellRange target;
  target.top = 1 + in.pick(kChannelRows);
  target.bottom = std::min(kChannelRows, target.top + in.pick(4));
  target.left = ColRx + in.pick(ColBusy);
  target.right = std::min<int>(ColBusy, target.left + in.pick(ColBusy));

  // Copy and paste over the same range changes nothing but the tabs and line
  // ends inside cells, which are copied as blanks, and names longer than the
  // name editor takes, which it cuts.
  {
    ChannelGrid same = grid;
    (void)pasteCells(same, target, copyCells(grid, target), kLimits, lang);
    for (int n = 1; n <= kChannelRows; ++n)
      for (int c = ColRx; c <= ColBusy; ++c) {
        const std::string& text = grid.cell(n, c);
        if (text.find_first_of("\t\r\n") != std::string::npos) continue;
        if (c == ColName && utf8Length(text) > static_cast<std::size_t>(kNameEditLimit)) continue;
        FUZZ_CHECK(same.cell(n, c) == text);
      }
  }

  const auto bytes = in.rest();
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const ChannelGrid before = grid;
  const PasteResult r = pasteCells(grid, target, text, kLimits, lang);

  const auto lines = splitTabText(text);
  const bool fill =
      lines.size() <= 1 && (lines.empty() || lines[0].size() == 1) && (target.rows() > 1 || target.columns() > 1);
  const int lastRow = target.top == kChannelRows ? kChannelRows : kChannelRows - 1;
  const int lastPasted =
      fill ? target.bottom : std::min(lastRow, target.top + std::max<int>(1, static_cast<int>(lines.size())) - 1);
  FUZZ_CHECK(std::is_sorted(r.changedRows.begin(), r.changedRows.end()));
  FUZZ_CHECK(std::adjacent_find(r.changedRows.begin(), r.changedRows.end()) == r.changedRows.end());
  for (int n = 1; n <= kChannelRows; ++n) {
    const bool changed = std::binary_search(r.changedRows.begin(), r.changedRows.end(), n);
    FUZZ_CHECK(changed == !(grid.row(n) == before.row(n)));
    if (!changed) continue;
    FUZZ_CHECK(n >= target.top && n <= lastPasted);
    for (int c = ColRx; c < target.left; ++c) FUZZ_CHECK(grid.cell(n, c) == before.cell(n, c));
  }
  for (const PasteRefusal& refusal : r.refusals) {
    FUZZ_CHECK(refusal.row >= target.top && refusal.row <= lastPasted);
    FUZZ_CHECK(!std::binary_search(r.changedRows.begin(), r.changedRows.end(), refusal.row));
  }
  const bool reported = !r.refusals.empty() || r.droppedRows > 0 || r.droppedColumns > 0;
  FUZZ_CHECK(pasteReport(r, lang).empty() == !reported);

  // Stored into the image, a row the paste left alone keeps its record.
  RadioImage stored = image;
  gridToImage(grid, stored, kLimits, lang);
  for (int n = 1; n <= kChannelRows; ++n)
    if (!std::binary_search(r.changedRows.begin(), r.changedRows.end(), n) && !before.row(n).empty())
      FUZZ_CHECK(std::equal(stored.channel(n).begin(), stored.channel(n).end(), image.channel(n).begin()));
  return 0;
}
