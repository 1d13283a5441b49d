// Section selection, page counts, channel page boundaries and the page frame.
#include <gtest/gtest.h>

#include "ReportTestSupport.h"
#include "print/PrintPlan.h"
#include "print/Report.h"

namespace radio::print {
namespace {

using test::cell;
using test::firstRows;
using test::geometry;
using test::gridWithRows;
using test::textAt;

SectionFlags only(std::initializer_list<Section> sections) {
  SectionFlags flags{};
  for (const Section s : sections) flags[static_cast<std::size_t>(s)] = true;
  return flags;
}

std::vector<ReportPage> report(const SectionFlags& sections, const ChannelGrid& grid) {
  static const RadioImage image;
  return buildReport(sections, ReportSource{image, grid, Language::English, "ACME Radio"}, geometry());
}

// The channel headings of a channel page, in block order.
std::vector<std::string> channelHeadings(const ReportPage& page) {
  std::vector<std::string> headings;
  for (int block = 0; block < 6; ++block) {
    const std::string text = cell(page.items, 4, -(4 + 8 * block));
    if (text != "<none>") headings.push_back(text);
  }
  return headings;
}

TEST(PrintPlan, DefaultSelectionWithTwelveChannelsPrintsOptionalThenThreeChannelPages) {
  const ChannelGrid grid = gridWithRows(firstRows(12));
  const auto pages = report(defaultSections(), grid);
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[0].kind, PageKind::Optional);
  const std::vector<std::vector<std::string>> expected = {
      {"Channel 1:", "Channel 2:", "Channel 3:", "Channel 4:", "Channel 5:"},
      {"Channel 6:", "Channel 7:", "Channel 8:", "Channel 9:", "Channel 10:"},
      {"Channel 11:", "Channel 12:"}};
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(pages[static_cast<std::size_t>(i)].kind, PageKind::Channel);
    EXPECT_EQ(pages[static_cast<std::size_t>(i)].channelPage, i);
    EXPECT_EQ(channelHeadings(pages[static_cast<std::size_t>(i)]), expected[static_cast<std::size_t>(i - 1)]);
  }
  const PageGeometry g = geometry();
  for (int i = 0; i < 4; ++i) {
    const auto& items = pages[static_cast<std::size_t>(i)].items;
    EXPECT_EQ(textAt(items, 45 * g.unit(), -36 * g.titleLine), "Page " + std::to_string(i + 1) + " of 4");
    EXPECT_EQ(textAt(items, 10 * g.unit(), -36 * g.titleLine), "ACME Radio");
  }
}

TEST(PrintPlan, NothingSelectedOrNothingToShowGivesNoPages) {
  const ChannelGrid grid = gridWithRows(firstRows(12));
  EXPECT_TRUE(report(SectionFlags{}, grid).empty());
  // Channel Info of a document without channels has no page either.
  EXPECT_TRUE(report(only({Section::Channels}), ChannelGrid{}).empty());
  EXPECT_EQ(report(defaultSections(), ChannelGrid{}).size(), 1u);
}

TEST(PrintPlan, SkippedSectionsShiftTheLayoutNotThePageNumber) {
  const ChannelGrid grid = gridWithRows({2, 4, 6});
  const auto pages = report(only({Section::Msk, Section::Channels}), grid);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].kind, PageKind::Msk);
  EXPECT_EQ(pages[1].kind, PageKind::Channel);
  EXPECT_EQ(pages[1].channelPage, 1);
  EXPECT_EQ(textAt(pages[1].items, 45 * geometry().unit(), -36 * geometry().titleLine), "Page 2 of 2");

  const PrintPlan plan(only({Section::Dtmf, Section::TwoTone, Section::Channels}), 3);
  EXPECT_EQ(plan.totalPages(), 6);
  const PageKind kinds[] = {PageKind::Dtmf,    PageKind::TwoToneDecode, PageKind::TwoToneEncode,
                            PageKind::Channel, PageKind::Channel,       PageKind::Channel};
  for (int page = 1; page <= 6; ++page) EXPECT_EQ(plan.kindOf(page), kinds[page - 1]) << page;
  EXPECT_EQ(plan.absolutePage(2), 4);
  EXPECT_EQ(plan.channelPageOf(4), 1);
  EXPECT_EQ(plan.channelPageOf(3), 0);
}

TEST(PrintPlan, ChannelPagesEndAtEveryFifthProgrammedRow) {
  // Programmed rows with gaps: 3 5 8 9 20 | 21 40 41 77 100 | 128 129
  const ChannelGrid grid = gridWithRows({3, 5, 8, 9, 20, 21, 40, 41, 77, 100, 128, 129});
  EXPECT_EQ(channelPageEnds(grid), (std::vector<int>{0, 20, 100, 129}));
  EXPECT_EQ(channelPageRows(grid, 2), (std::vector<int>{21, 40, 41, 77, 100}));
  EXPECT_EQ(channelPageRows(grid, 3), (std::vector<int>{128, 129}));
  EXPECT_TRUE(channelPageRows(grid, 4).empty());
  // A row counts as programmed by its receive text alone.
  ChannelGrid rxOnly;
  rxOnly.cell(7, ColRx) = "150.00000";
  rxOnly.cell(8, ColTx) = "150.00000";
  EXPECT_EQ(channelPageEnds(rxOnly), (std::vector<int>{0, 129}));
  EXPECT_EQ(channelPageRows(rxOnly, 1), (std::vector<int>{7}));
  // Exactly ten channels: two full pages, no empty third one.
  EXPECT_EQ(channelPageEnds(gridWithRows(firstRows(10))), (std::vector<int>{0, 5, 10}));
}

TEST(PrintPlan, EverySectionInReportOrder) {
  const auto pages = report(SectionFlags{true, true, true, true, true}, gridWithRows(firstRows(6)));
  const PageKind kinds[] = {PageKind::Dtmf,          PageKind::Msk,     PageKind::Optional, PageKind::TwoToneDecode,
                            PageKind::TwoToneEncode, PageKind::Channel, PageKind::Channel};
  ASSERT_EQ(pages.size(), std::size(kinds));
  for (std::size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(pages[i].kind, kinds[i]) << i;
}

TEST(PrintPlan, SectionListsFromTheCommandLine) {
  SectionFlags flags{};
  std::string bad;
  ASSERT_TRUE(parseSectionList("channels, DTMF,2tone", flags, bad));
  EXPECT_EQ(flags, (SectionFlags{true, false, false, true, true}));
  ASSERT_TRUE(parseSectionList("all", flags, bad));
  EXPECT_EQ(flags, (SectionFlags{true, true, true, true, true}));
  ASSERT_TRUE(parseSectionList("", flags, bad));
  EXPECT_EQ(flags, SectionFlags{});
  flags = defaultSections();
  EXPECT_FALSE(parseSectionList("msk,keys", flags, bad));
  EXPECT_EQ(bad, "keys");
  EXPECT_EQ(flags, defaultSections());  // untouched on error
}

}  // namespace
}  // namespace radio::print
