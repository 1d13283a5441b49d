// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintPlan.h"

#include <algorithm>

#include "model/AsciiText.h"

namespace radio::print {

namespace {

constexpr const char* kCheckTexts[kSectionCount] = {"DTMF",   "MSK",          "Optional",
                                                    "2-Tone", "Channel Info", "Channel Table"};
constexpr const char* kKeys[kSectionCount] = {"dtmf", "msk", "optional", "2tone", "channels", "table"};
// Pages of the fixed sections; the 2-Tone section is the decode page and then the
// encode page.
constexpr int kFixedPages[4] = {1, 1, 1, 2};
// Absolute pages 1..5 are the fixed layouts; the channel pages follow, then the
// table pages.
constexpr int kFirstChannelAbsolutePage = 6;

bool programmed(const ChannelGrid& grid, int row) { return !grid.cell(row, ColRx).empty(); }

}  // namespace

const char* sectionCheckText(Section section) { return kCheckTexts[static_cast<int>(section)]; }
const char* sectionKey(Section section) { return kKeys[static_cast<int>(section)]; }

bool parseSectionList(const std::string& list, SectionFlags& out, std::string& bad) {
  SectionFlags flags{};
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string name = lowerAscii(trimmed(std::string_view(list).substr(start, comma - start)));
    start = comma + 1;
    if (name.empty()) continue;
    // A few spellings people are likely to type are understood too.
    int index = -1;
    for (int i = 0; i < kSectionCount; ++i)
      if (name == kKeys[i]) index = i;
    if (name == "2-tone" || name == "twotone") index = static_cast<int>(Section::TwoTone);
    if (name == "channel" || name == "channel-info") index = static_cast<int>(Section::Channels);
    if (name == "channel-table") index = static_cast<int>(Section::Table);
    if (name == "all") {
      flags.fill(true);
      continue;
    }
    if (index < 0) {
      bad = name;
      return false;
    }
    flags[static_cast<std::size_t>(index)] = true;
  }
  out = flags;
  return true;
}

std::vector<int> channelPageEnds(const ChannelGrid& grid) {
  std::vector<int> ends{0};
  int counted = 0;
  for (int row = 1; row <= kChannelRows; ++row) {
    if (!programmed(grid, row)) continue;
    ++counted;
    if (counted % kChannelsPerPage == 0) ends.push_back(row);
  }
  if (counted % kChannelsPerPage != 0) ends.push_back(kChannelRows);
  return ends;
}

int channelPageCount(const ChannelGrid& grid) { return static_cast<int>(channelPageEnds(grid).size()) - 1; }

std::vector<int> channelPageRows(const ChannelGrid& grid, int page) {
  const std::vector<int> ends = channelPageEnds(grid);
  std::vector<int> rows;
  if (page < 1 || page >= static_cast<int>(ends.size())) return rows;
  for (int row = ends[static_cast<std::size_t>(page - 1)] + 1; row <= ends[static_cast<std::size_t>(page)]; ++row)
    if (programmed(grid, row)) rows.push_back(row);
  return rows;
}

int tablePageCount(const ChannelGrid& grid) {
  int programmedRows = 0;
  for (int row = 1; row <= kChannelRows; ++row) programmedRows += programmed(grid, row) ? 1 : 0;
  return (programmedRows + kTableRowsPerPage - 1) / kTableRowsPerPage;
}

std::vector<int> tablePageRows(const ChannelGrid& grid, int page) {
  std::vector<int> rows;
  const int first = (page - 1) * kTableRowsPerPage;
  int counted = 0;
  for (int row = 1; row <= kChannelRows && page >= 1; ++row) {
    if (!programmed(grid, row)) continue;
    if (counted >= first && counted < first + kTableRowsPerPage) rows.push_back(row);
    ++counted;
  }
  return rows;
}

PrintPlan::PrintPlan(const SectionFlags& selected, int channelPages, int tablePages) : selected_(selected) {
  for (int i = 0; i < 4; ++i) pages_[static_cast<std::size_t>(i)] = kFixedPages[i];
  pages_[static_cast<std::size_t>(Section::Channels)] = std::max(0, channelPages);
  pages_[static_cast<std::size_t>(Section::Table)] = std::max(0, tablePages);
}

int PrintPlan::totalPages() const {
  int total = 0;
  for (int i = 0; i < kSectionCount; ++i)
    if (selected_[static_cast<std::size_t>(i)]) total += pages_[static_cast<std::size_t>(i)];
  return total;
}

int PrintPlan::pagesBeforeChannels() const {
  int before = 0;
  for (int i = 0; i < static_cast<int>(Section::Channels); ++i)
    if (selected_[static_cast<std::size_t>(i)]) before += pages_[static_cast<std::size_t>(i)];
  return before;
}

int PrintPlan::absolutePage(int page) const {
  int selectedSum = 0;
  int skippedSum = 0;
  for (int i = 0; i < kSectionCount; ++i) {
    const auto s = static_cast<std::size_t>(i);
    if (selected_[s]) {
      selectedSum += pages_[s];
    } else {
      skippedSum += pages_[s];
    }
    if (selectedSum >= page) break;
  }
  return page + skippedSum;
}

PageKind PrintPlan::kindOf(int page) const {
  const int g = absolutePage(page);
  if (g >= kFirstChannelAbsolutePage + pages_[static_cast<std::size_t>(Section::Channels)]) return PageKind::Table;
  if (g >= kFirstChannelAbsolutePage) return PageKind::Channel;
  return static_cast<PageKind>(std::max(g, 1));
}

int PrintPlan::channelPageOf(int page) const {
  if (kindOf(page) != PageKind::Channel) return 0;
  return absolutePage(page) - (kFirstChannelAbsolutePage - 1);
}

int PrintPlan::tablePageOf(int page) const {
  if (kindOf(page) != PageKind::Table) return 0;
  return absolutePage(page) - (kFirstChannelAbsolutePage - 1) - pages_[static_cast<std::size_t>(Section::Channels)];
}

}  // namespace radio::print
