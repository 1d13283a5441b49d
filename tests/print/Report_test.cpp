// SPDX-License-Identifier: GPL-3.0-or-later
// The report: section selection, page counts, channel page boundaries and the
// page frame; then the page layouts against crafted images, where each value
// prints and every value rule, in both languages where the texts differ.
#include <gtest/gtest.h>

#include "channels/ChannelGrid.h"
#include "features/OptionalFeaturesForm.h"
#include "model/Document.h"
#include "print/PrintPlan.h"
#include "print/Report.h"
#include "print/ReportLayouts.h"

namespace radio::print {
namespace {

// A letter-sized printable area: U = 174, T = 386, B = 308 twips.
PageGeometry geometry() { return PageGeometry::nominal(11520, 15120); }

// A grid whose listed rows hold a programmed channel.
ChannelGrid gridWithRows(const std::vector<int>& rows) {
  ChannelGrid grid;
  for (const int row : rows) {
    grid.cell(row, ColRx) = "145.12500";
    grid.cell(row, ColTx) = "145.12500";
  }
  return grid;
}

std::vector<int> firstRows(int count) {
  std::vector<int> rows;
  for (int i = 1; i <= count; ++i) rows.push_back(i);
  return rows;
}

// The text drawn with its cell's top-left corner at (x, y) twips; "<none>" when
// nothing is drawn there.
std::string textAt(const std::vector<PageItem>& items, int x, int y) {
  for (const auto& item : items)
    if (item.kind == PageItem::Kind::Text && item.x == x && item.y == y) return item.text;
  return "<none>";
}

// The same at (x columns, y body lines) of the test geometry.
std::string cell(const std::vector<PageItem>& items, double x, int y) {
  const PageGeometry g = geometry();
  return textAt(items, static_cast<int>(x * g.unit()), y * g.bodyLine);
}

// ---- Print plan -------------------------------------------------------------

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
  EXPECT_EQ(textAt(pages[3].items, 45 * g.unit(), -36 * g.titleLine), "Page 4 of 4");
  EXPECT_EQ(textAt(pages[3].items, 10 * g.unit(), -36 * g.titleLine), "ACME Radio");
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
  // Every section, in report order; the table pages come last.
  const PrintPlan all(SectionFlags{true, true, true, true, true, true}, 2, 2);
  const PageKind order[] = {PageKind::Dtmf,          PageKind::Msk,           PageKind::Optional,
                            PageKind::TwoToneDecode, PageKind::TwoToneEncode, PageKind::Channel,
                            PageKind::Channel,       PageKind::Table,         PageKind::Table};
  for (int page = 1; page <= 9; ++page) EXPECT_EQ(all.kindOf(page), order[page - 1]) << page;
  EXPECT_EQ(all.tablePageOf(9), 2);
  EXPECT_EQ(all.channelPageOf(8), 0);
  // The table after skipped channel pages.
  EXPECT_EQ(PrintPlan(only({Section::Optional, Section::Table}), 3, 2).tablePageOf(3), 2);
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

TEST(PrintPlan, SectionListsFromTheCommandLine) {
  SectionFlags flags{};
  std::string bad;
  ASSERT_TRUE(parseSectionList("channels, DTMF,2tone", flags, bad));
  EXPECT_EQ(flags, (SectionFlags{true, false, false, true, true}));
  ASSERT_TRUE(parseSectionList("all", flags, bad));
  EXPECT_EQ(flags, (SectionFlags{true, true, true, true, true, true}));
  ASSERT_TRUE(parseSectionList("table", flags, bad));
  EXPECT_EQ(flags, only({Section::Table}));
  ASSERT_TRUE(parseSectionList("", flags, bad));
  EXPECT_EQ(flags, SectionFlags{});
  flags = defaultSections();
  EXPECT_FALSE(parseSectionList("msk,keys", flags, bad));
  EXPECT_EQ(bad, "keys");
  EXPECT_EQ(flags, defaultSections());  // untouched on error
}

TEST(ChannelTable, FullGridFitsOnFourPagesWithEveryChannelOnceInRowOrder) {
  ChannelGrid grid;
  for (int row = 1; row <= kChannelRows; ++row) {
    grid.cell(row, ColRx) = formatFrequency(43000000 + row * 2500);
    grid.cell(row, ColTx) = formatFrequency(44000000 + row * 2500);
    grid.cell(row, ColName) = "N" + std::to_string(row);
  }
  static const RadioImage image;
  for (const Language lang : {Language::English, Language::Chinese}) {
    const auto pages = buildReport(only({Section::Table}), ReportSource{image, grid, lang, "Owner"}, geometry());
    ASSERT_EQ(pages.size(), 4u);
    // Each row's label, frequencies and name, in one line per row, pages in order.
    int expectedRow = 1;
    for (const ReportPage& page : pages) {
      EXPECT_EQ(page.kind, PageKind::Table);
      EXPECT_EQ(cell(page.items, 4, -4), lang == Language::English ? "CH" : "信道");
      EXPECT_EQ(page.items[3].text, lang == Language::English ? "Channel Table" : "信道列表");
      for (int y = -5; cell(page.items, 4, y) != "<none>"; --y, ++expectedRow) {
        EXPECT_EQ(cell(page.items, 4, y), rowLabel(expectedRow));
        EXPECT_EQ(cell(page.items, 8, y), grid.cell(expectedRow, ColRx));
        EXPECT_EQ(cell(page.items, 16, y), grid.cell(expectedRow, ColTx));
        EXPECT_EQ(cell(page.items, 34, y), grid.cell(expectedRow, ColName));
        // Above the rule over the footer.
        EXPECT_GT(y * geometry().bodyLine, geometry().titleLine / 2 - 36 * geometry().titleLine);
      }
    }
    EXPECT_EQ(expectedRow, kChannelRows + 1);
  }
  // Sparse rows: only programmed channels take lines, in row order.
  const ChannelGrid sparse = gridWithRows({9, 3, 120});
  EXPECT_EQ(tablePageCount(sparse), 1);
  EXPECT_EQ(tablePageRows(sparse, 1), (std::vector<int>{3, 9, 120}));
  EXPECT_EQ(tablePageCount(ChannelGrid{}), 0);
}

// ---- Page layouts -----------------------------------------------------------

constexpr Language En = Language::English;
constexpr Language Zh = Language::Chinese;

using Draw = void (*)(PageWriter&, const RadioImage&, Language);

// The items one page layout draws for an image.
std::vector<PageItem> drawn(Draw draw, const RadioImage& image, Language lang = En) {
  PageWriter writer(geometry());
  draw(writer, image, lang);
  return writer.items();
}
std::vector<PageItem> dtmf(const RadioImage& image, Language lang = En) { return drawn(drawDtmfPage, image, lang); }
std::vector<PageItem> optional(const RadioImage& image, Language lang = En) {
  return drawn(drawOptionalPage, image, lang);
}
std::vector<PageItem> encode(const RadioImage& image, Language lang = En) {
  return drawn(drawTwoToneEncodePage, image, lang);
}

void putText(RadioImage& image, std::size_t offset, const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) image.set(offset + i, static_cast<Byte>(text[i]));
}

TEST(ImageText, EndsAtFFOrZeroAndShowsUndecodableBytesAsQuestionMarks) {
  RadioImage image;
  putText(image, 0x1320, "12345");
  EXPECT_EQ(imageText(image, 0x1320, 11, En), "12345");
  EXPECT_EQ(imageText(image, 0x1320, 3, En), "123");
  image.set(0x1322, 0x00);
  EXPECT_EQ(imageText(image, 0x1320, 11, En), "12");
  putText(image, 0x1338, "A\x01#");
  EXPECT_EQ(imageText(image, 0x1338, 11, En), "A?#");
  // GBK in Chinese, the ANSI code page in English.
  putText(image, 0x1380, "\xD6\xD0");
  EXPECT_EQ(imageText(image, 0x1380, 16, Zh), "中");
  EXPECT_EQ(imageText(image, 0x1380, 16, En), "ÖÐ");
  // A GBK lead byte without its trail byte is no character.
  putText(image, 0x1398, "7\xD6");
  EXPECT_EQ(imageText(image, 0x1398, 16, Zh), "7?");
}

TEST(DtmfLayout, EncodeAndDecodeValues) {
  struct Case {
    std::vector<std::pair<std::size_t, Byte>> bytes;
    int y;
    const char* en;
    const char* zh;
  };
  const Case cases[] = {
      {{{0x1308, 0xFF}}, -5, "15", "15"},
      {{{0x1309, 3}}, -6, "150", "150"},
      {{{0x130B, 0xFF}}, -8, "12750", "12750"},
      {{{0x12A8, 0x40}}, -9, "√", "√"},
      {{{0x12A8, 0xBF}}, -9, "×", "×"},
      {{{0x12A8, 0x30}}, -13, "Off", "Off"},
      {{{0x132F, '#'}}, -13, "#", "#"},
      {{{0x12A8, 0x30}}, -14, "On", "开"},
      {{{0x12A8, 0x00}}, -14, "Off", "关"},
      {{{0x12A8, 0x30}}, -16, "Tx inbibit", "禁止发射"},
      {{{0x12A8, 0x00}}, -16, "Transceiver inhibit", "禁止收发"},
  };
  for (const Case& c : cases) {
    RadioImage image;
    for (const auto& [offset, value] : c.bytes) image.set(offset, value);
    EXPECT_EQ(cell(dtmf(image), 40, c.y), c.en) << c.y << " " << c.en;
    EXPECT_EQ(cell(dtmf(image, Zh), 40, c.y), c.zh) << c.y << " " << c.zh;
  }
  RadioImage image;
  putText(image, 0x1320, "12345678901");
  putText(image, 0x1338, "999");
  const auto items = dtmf(image);
  EXPECT_EQ(cell(items, 40, -12), "12345678901");
  EXPECT_EQ(cell(items, 40, -15), "999");
}

TEST(DtmfLayout, FastCallListEntries) {
  RadioImage image;
  putText(image, 0x1380, "1234567890123456");  // all 16 bytes
  putText(image, 0x1380 + 24 * 8, "*#0");      // entry 9
  const auto items = dtmf(image);
  const int u = geometry().unit();
  const int b = geometry().bodyLine;
  EXPECT_EQ(textAt(items, 18 * u, -20 * b - 50), "1234567890123456");
  EXPECT_EQ(textAt(items, 10 * u, -28 * b - 50), "9");
  EXPECT_EQ(textAt(items, 18 * u, -28 * b - 50), "*#0");
  EXPECT_EQ(textAt(items, 18 * u, -21 * b - 50), "");
}

TEST(MskLayout, OwnCodeAndCallListSlots) {
  RadioImage image;
  putText(image, 0x12C0, "1234");
  putText(image, 0x12C4, "0001");  // entry 1
  putText(image, 0x12CC, "0003");  // entry 3
  putText(image, 0x12D8, "04");    // entry 4: first slot of the next record
  putText(image, 0x12F4, "0009");  // entry 9
  const auto items = drawn(drawMskPage, image);
  const int u = geometry().unit();
  const int b = geometry().bodyLine;
  EXPECT_EQ(cell(items, 15, -4), "1234");
  const std::pair<int, const char*> slots[] = {{8, "0001"}, {10, "0003"}, {11, "04"}, {16, "0009"}};
  for (const auto& [line, text] : slots) EXPECT_EQ(textAt(items, 17 * u, -line * b - 25), text) << line;
}

// The lines no dialog shows keep the printout's own readings.
TEST(OptionalLayout, PageOnlyValueRules) {
  struct Case {
    std::size_t offset;
    Byte value;
    int y;
    const char* en;
    const char* zh;
  };
  const Case cases[] = {
      {0x12A8, 0x08, -16, "On", "开"},     {0x12A8, 0xF7, -16, "Off", "关"},  {0x1264, 0x10, -20, "On", "开"},
      {0x1264, 0xEF, -20, "Off", "关"},    {0x1264, 0x80, -24, "On", "开"},   {0x1264, 0x7F, -24, "Off", "关"},
      {0x12A8, 0x04, -25, "DTMF", "DTMF"}, {0x12A8, 0xFB, -25, "MSK", "MSK"},
  };
  for (const auto& c : cases) {
    RadioImage image;
    image.set(c.offset, c.value);
    EXPECT_EQ(cell(optional(image), 30, c.y), c.en) << std::hex << c.offset << " " << int(c.value);
    EXPECT_EQ(cell(optional(image, Zh), 30, c.y), c.zh) << std::hex << c.offset << " " << int(c.value);
  }
  RadioImage image;
  putText(image, 0x1278, "123ABC");
  putText(image, 0x1290, "0123456789ABCDEF");
  EXPECT_EQ(cell(optional(image), 30, -26), "123ABC");
  EXPECT_EQ(cell(optional(image), 30, -27), "0123456789ABCDEF");
}

// Every line the Optional Features dialog also shows prints what the dialog
// (and `get optional`) shows, over images with varied settings.
TEST(OptionalLayout, SharedLinesAgreeWithTheDialog) {
  struct Shared {
    int y;
    OptionalList list;
  };
  const Shared shared[] = {
      {-5, OptionalList::BackLight}, {-6, OptionalList::BackLightColor}, {-7, OptionalList::DisplayMode},
      {-8, OptionalList::KeyLock},   {-9, OptionalList::Priority},       {-10, OptionalList::ScanMode},
      {-11, OptionalList::Squelch},  {-12, OptionalList::Step},          {-13, OptionalList::Tot},
      {-14, OptionalList::Vox},      {-17, OptionalList::MskType},       {-18, OptionalList::BatterySaver},
      {-19, OptionalList::Beep},
  };
  std::vector<RadioImage> images(5);
  BandRecord band{};
  images[1] = newDocumentImage(band);
  // Every list at its second-to-last entry, then at its second entry.
  for (const int pick : {-2, 1}) {
    OptionalFeaturesForm form = loadOptionalFeatures(images[1]);
    for (int i = 0; i < kOptionalListCount; ++i) {
      const auto list = static_cast<OptionalList>(i);
      const int n = static_cast<int>(optionalListItems(list, En).size());
      form[list] = pick < 0 ? n + pick : pick;
    }
    form[OptionalCheck::KeypadLock] = pick < 0;
    storeOptionalFeatures(form, images[pick < 0 ? 2 : 3]);
  }
  // Bytes no dialog would store.
  for (std::size_t i = 0; i < kImageSize; ++i) images[4].set(i, static_cast<Byte>(i * 37 + 11));

  for (const RadioImage& image : images) {
    const OptionalFeaturesForm form = loadOptionalFeatures(image);
    for (const Language lang : {En, Zh}) {
      const auto page = optional(image, lang);
      for (const Shared& s : shared) {
        const auto items = optionalListItems(s.list, lang);
        EXPECT_EQ(cell(page, 30, s.y), items.at(static_cast<std::size_t>(form[s.list]))) << s.y;
      }
      EXPECT_EQ(cell(page, 30, -21), (form[OptionalCheck::KeypadLock] ? Text{"On", "开"} : Text{"Off", "关"}).in(lang));
    }
  }
}

TEST(OptionalLayout, VoiceAnnunciationNeedsItsSwitchBeforeTheLanguage) {
  RadioImage image;
  image.set(0x1264, 0x00);
  image.set(0x12A8, 0x02);
  EXPECT_EQ(cell(optional(image), 30, -15), "Off");
  EXPECT_EQ(cell(optional(image, Zh), 30, -15), "无");
  image.set(0x1264, 0x04);
  EXPECT_EQ(cell(optional(image), 30, -15), "Chinese");
  image.set(0x12A8, 0x00);
  EXPECT_EQ(cell(optional(image), 30, -15), "English");
}

TEST(TwoToneDecodeLayout, EntriesInTwoColumnsWithTheirFields) {
  RadioImage image;
  // Entry 4: group 1, right column -> 0x15C0 + 24 + 8.
  const std::size_t e4 = 0x15C0 + 24 + 8;
  image.setBe16(e4, 3000);
  image.setBe16(e4 + 2, 12);
  image.set(e4 + 4, 5);
  image.set(e4 + 5, 25);
  image.set(e4 + 6, 7);   // interval
  image.set(e4 + 7, 30);  // long tone
  const auto items = drawn(drawTwoToneDecodePage, image);
  EXPECT_EQ(cell(items, 35, -13), "2-Tone 4:");
  const std::pair<int, const char*> values[] = {{-14, "300.0"}, {-15, " 1.2"}, {-16, "0.5"},
                                                {-17, "2.5"},   {-18, "3.0"},  {-19, "0.7"}};
  for (const auto& [y, text] : values) EXPECT_EQ(cell(items, 58, y), text) << y;
  // Erased bytes print as they are.
  EXPECT_EQ(cell(items, 26, -5), "6553.5");
  EXPECT_EQ(cell(items, 26, -7), "25.5");
}

TEST(TwoToneEncodeLayout, TimingFormatsAndToneTableHalves) {
  RadioImage image;
  image.set(0x1620, 15);
  image.set(0x1621, 0);
  image.set(0x1622, 100);
  image.setBe16(0x1623, 30);  // 1.5 s
  image.setBe16(0x1625, 7);   // 0.35 s
  image.set(0x1627, 0x01);
  image.setBe16(0x1500, 6700);                // tone 1, first
  image.setBe16(0x1502, 10000);               // tone 1, second
  image.setBe16(0x1500 + 24 * 3 + 12, 2500);  // tone 16 (i = 15)
  image.setBe16(0x1560, 4444);                // tone 17
  image.set(0x1562, 0xFF);                    // its second tone is empty
  const auto items = encode(image);
  const std::pair<int, const char*> timing[] = {{-4, "1.5"}, {-5, "0.0"},  {-6, "10.0"},
                                                {-7, "1.5"}, {-8, "0.35"}, {-9, "ON"}};
  for (const auto& [y, text] : timing) EXPECT_EQ(cell(items, 30, y), text) << y;
  EXPECT_EQ(cell(encode(image, Zh), 30, -9), "开");
  image.set(0x1627, 0xFE);
  EXPECT_EQ(cell(encode(image), 30, -9), "Off");

  const int u = geometry().unit();
  const auto row = [&](int i) { return -(i + 13) * geometry().bodyLine - 25; };
  const std::tuple<int, int, const char*> table[] = {
      {13, row(0), "670.0"}, {23, row(0), "1000.0"}, {13, row(15), "250.0"}, {35, row(0), "17"},
      {41, row(0), "444.4"}, {51, row(0), ""},       {35, row(15), "32"},    {41, row(15), ""},
  };
  for (const auto& [x, y, text] : table) EXPECT_EQ(textAt(items, x * u, y), text) << x << " " << y;
}

TEST(ChannelLayout, BlocksPrintTheGridTexts) {
  RadioImage image;
  image.channel(129)[12] = 0x05;
  image.channel(129)[14] = 0x12;
  image.channel(129)[15] = 0xAB;
  ChannelGrid grid;
  grid.row(129) = RowTexts{{"446.00625", "446.00625", "67.0", "D023N", "PMR", "Low", "Narrow", "No", "QT/DQT Tone"}};
  grid.row(3) = RowTexts{{"145.00000", "", "None", "", "", "", "", "", ""}};
  PageWriter writer(geometry());
  drawChannelPage(writer, image, grid, {3, 129}, En);
  const auto& items = writer.items();
  EXPECT_EQ(cell(items, 4, -4), "Channel 3:");
  EXPECT_EQ(cell(items, 24, -5), "145.00000");
  EXPECT_EQ(cell(items, 24, -6), "");
  EXPECT_EQ(cell(items, 55, -7), "FF");
  EXPECT_EQ(cell(items, 4, -12), "Channel FR:");
  const std::tuple<int, int, const char*> values[] = {
      {24, -13, "446.00625"}, {24, -14, "446.00625"}, {24, -15, "67.0"},   {24, -16, "D023N"},
      {24, -17, "PMR"},       {24, -18, "Low"},       {55, -13, "Narrow"}, {55, -14, "No"},
      {55, -15, "05"},        {55, -16, "QT/DQT"},    {55, -17, "12 AB"},
  };
  for (const auto& [x, y, text] : values) EXPECT_EQ(cell(items, x, y), text) << x << " " << y;
  PageWriter zh(geometry());
  drawChannelPage(zh, image, grid, {129}, Zh);
  EXPECT_EQ(cell(zh.items(), 4, -4), "信道 FR:");
}

}  // namespace
}  // namespace radio::print
