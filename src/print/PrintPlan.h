// SPDX-License-Identifier: GPL-3.0-or-later
// Which sections a print job holds and which page shows what: the six sections in
// print order, their page counts, the channel page boundaries and the page
// arithmetic that maps a page of the job to its layout.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "channels/ChannelGrid.h"
#include "model/Language.h"
#include "print/ReportPage.h"

namespace radio::print {

enum class Section : int { Dtmf = 0, Msk = 1, Optional = 2, TwoTone = 3, Channels = 4, Table = 5 };
inline constexpr int kSectionCount = 6;
inline constexpr int kChannelsPerPage = 5;
// Lines of the channel table on one page: a full grid (129 rows) takes four pages.
inline constexpr int kTableRowsPerPage = 36;

using SectionFlags = std::array<bool, kSectionCount>;
using SectionPages = std::array<int, kSectionCount>;

// The sections checked when the PrintList window opens: Optional and Channel Info.
[[nodiscard]] constexpr SectionFlags defaultSections() { return {false, false, true, false, true, false}; }

// The PrintList check box texts, in section order.
[[nodiscard]] const char* sectionCheckText(Section section);
// Names for the command line ("dtmf", "msk", "optional", "2tone", "channels", "table").
[[nodiscard]] const char* sectionKey(Section section);
// Parses a comma-separated list of section names; false with the offending name in
// bad when one is unknown. An empty list selects nothing.
[[nodiscard]] bool parseSectionList(const std::string& list, SectionFlags& out, std::string& bad);

// The channel page boundaries from the grid: entry 0 is 0, entry k the grid row
// that ends channel page k (the row of every fifth programmed channel; 129 for the
// last, partly filled page). Programmed means the receive text is not empty. The
// list has one entry per page plus entry 0, so all 26 pages of a full grid have a
// boundary.
[[nodiscard]] std::vector<int> channelPageEnds(const ChannelGrid& grid);
// Programmed channels divided by five, rounded up.
[[nodiscard]] int channelPageCount(const ChannelGrid& grid);
// The grid rows that channel page k (1-based) prints, at most five.
[[nodiscard]] std::vector<int> channelPageRows(const ChannelGrid& grid, int page);
// Programmed channels divided by the table lines of a page, rounded up.
[[nodiscard]] int tablePageCount(const ChannelGrid& grid);
// The grid rows that channel table page k (1-based) lists, in row order.
[[nodiscard]] std::vector<int> tablePageRows(const ChannelGrid& grid, int page);

class PrintPlan {
 public:
  // pages: 1, 1, 1, 2, the channel page count and the table page count.
  PrintPlan(const SectionFlags& selected, int channelPages, int tablePages = 0);

  [[nodiscard]] const SectionFlags& selected() const { return selected_; }
  [[nodiscard]] const SectionPages& sectionPages() const { return pages_; }
  // Sum of the pages of the selected sections.
  [[nodiscard]] int totalPages() const;
  // Selected pages that come before the channel pages.
  [[nodiscard]] int pagesBeforeChannels() const;
  // The page number the job's page would have if every section were printed: the
  // page plus the pages of the sections skipped before its own section.
  [[nodiscard]] int absolutePage(int page) const;
  [[nodiscard]] PageKind kindOf(int page) const;
  // For a channel page of the job: which channel page (1-based) it is; else 0.
  [[nodiscard]] int channelPageOf(int page) const;
  // For a channel table page of the job: which table page (1-based) it is; else 0.
  [[nodiscard]] int tablePageOf(int page) const;

 private:
  SectionFlags selected_;
  SectionPages pages_;
};

}  // namespace radio::print
