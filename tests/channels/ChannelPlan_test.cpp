// SPDX-License-Identifier: GPL-3.0-or-later
// Working on a channel plan: transmit offsets, sort and compact with the priority
// channel following, fill down and fill series, find and replace in names.
#include <gtest/gtest.h>

#include "TestImages.h"
#include "channels/ChannelPlan.h"

namespace radio {
namespace {

const BandLimits kLimits{13'600'000, 17'400'000, 40'000'000, 52'000'000};
constexpr Language kEn = Language::English;

RowTexts channelOn(const char* rx) { return commitCellEdit({}, ColRx, rx, kLimits, kEn).row; }

TEST(TransmitOffset, CountsFromTheReceiveFrequencyAndPassesTheTransmitChecks) {
  struct Case {
    const char* rx;
    const char* typed;
    const char* tx;  // the cell afterwards ("" when refused)
    MessageId refusal;
  };
  const Case cases[] = {
      {"438.5", "-7.6", "430.90000", MessageId::None},   {"145.5", "+0.6", "146.10000", MessageId::None},
      {"173.4", "+0.6", "174.00000", MessageId::None},  // the band's last frequency
      {"173.5", "+0.6", "", MessageId::OutOfRange},      {"136", "-0.005", "", MessageId::OutOfRange},
      {"400.6", "-0.6", "400.00000", MessageId::None},   {"145.5", "+0.003", "", MessageId::StepValue},
      {"145.5", "-145", "", MessageId::DataFormat},      {"145.5", "+", "", MessageId::DataFormat},
      {"", "+0.6", "", MessageId::OffsetWithoutReceive},
  };
  for (const Case& c : cases) {
    const RowTexts row = *c.rx ? channelOn(c.rx) : RowTexts{};
    const CommitResult r = commitCellEdit(row, ColTx, c.typed, kLimits, kEn);
    EXPECT_EQ(r.message.message, c.refusal) << c.rx << " " << c.typed;
    EXPECT_EQ(r.row[ColTx], c.refusal == MessageId::None ? c.tx : row[ColTx]) << c.rx << " " << c.typed;
  }
  // A receive text holding bytes, not a frequency, gives nothing to count from.
  EXPECT_EQ(applyOffset("Invalid 000000FA", "+1").refusal, MessageId::OffsetWithoutReceive);
  // Only the transmit column takes the sign, and only in front; paste goes by the same rule.
  EXPECT_TRUE(frequencyEditorTakes(ColTx, "-7.6"));
  EXPECT_FALSE(frequencyEditorTakes(ColRx, "-7.6"));
  EXPECT_FALSE(frequencyEditorTakes(ColTx, "7.6-"));
  ChannelGrid grid;
  grid.row(1) = channelOn("438.5");
  const PasteResult pasted = pasteCells(grid, {1, ColTx, 2, ColTx}, "-7.6\n-7.6\n", kLimits, kEn);
  EXPECT_EQ(grid.cell(1, ColTx), "430.90000");
  ASSERT_EQ(pasted.refusals.size(), 1u);
  EXPECT_EQ(pasted.refusals[0].message, MessageId::OffsetWithoutReceive);
}

// Channels 2, 5 and 9 in use (147, 145 with a byte the grid does not show, 146);
// the priority channel is 5.
RadioImage sparsePlan() {
  RadioImage image = test::newDocument();
  test::putChannel(image, 2, "147", "Zulu");
  test::putChannel(image, 5, "145", "alpha10");
  test::putChannel(image, 9, "146", "Alpha9");
  test::putChannel(image, kChannelRows, "440", "FR");
  image.channel(5)[12] = 0x5A;
  image.setField(field::kPriorityChannel, 5);
  return image;
}

std::string nameAt(const RadioImage& image, int row) { return decodeChannel(image.channel(row), kEn)[ColName]; }

TEST(SortChannels, WholeRecordsMoveToTheFirstRowsAndThePriorityChannelFollows) {
  RadioImage image = sparsePlan();
  const RadioImage before = image;
  ASSERT_TRUE(sortChannels(image, {}, SortKey::Rx, kEn));
  EXPECT_EQ(std::vector<std::string>({nameAt(image, 1), nameAt(image, 2), nameAt(image, 3)}),
            (std::vector<std::string>{"alpha10", "Alpha9", "Zulu"}));
  const auto moved = image.channel(1);
  const auto original = before.channel(5);
  EXPECT_TRUE(std::equal(moved.begin(), moved.end(), original.begin()));  // byte 12 travelled too
  EXPECT_EQ(image.field(field::kPriorityChannel), 1u);
  EXPECT_TRUE(channelRecordEmpty(image, 4));
  EXPECT_EQ(nameAt(image, kChannelRows), "FR");
  EXPECT_FALSE(sortChannels(image, {}, SortKey::Rx, kEn));  // in order: nothing moves

  // Names without case, digits as numbers; a receive-only channel sorts last by Tx.
  ASSERT_TRUE(sortChannels(image, {}, SortKey::Name, kEn));
  EXPECT_EQ(nameAt(image, 1), "Alpha9");
  EXPECT_EQ(nameAt(image, 2), "alpha10");
  EXPECT_EQ(image.field(field::kPriorityChannel), 2u);
  image.channel(1)[chan::kTx + 3] = 0xFF;
  ASSERT_TRUE(sortChannels(image, {}, SortKey::Tx, kEn));
  EXPECT_EQ(nameAt(image, 3), "Alpha9");

  // Only the span moves; compact keeps the order.
  image = sparsePlan();
  ASSERT_TRUE(compactChannels(image, {3, 10}));
  EXPECT_EQ(nameAt(image, 2), "Zulu");
  EXPECT_EQ(nameAt(image, 3), "alpha10");
  EXPECT_EQ(nameAt(image, 4), "Alpha9");
  EXPECT_EQ(image.field(field::kPriorityChannel), 3u);
  EXPECT_FALSE(compactChannels(image, {3, 10}));
  EXPECT_FALSE(parseChannelSpan("0-5") || parseChannelSpan("5-3") || parseChannelSpan("1-Fr"));
  EXPECT_EQ(parseChannelSpan("7")->last, 7);
}

TEST(PriorityChannel, FollowsInsertRemoveAndMoveAndBecomesNoneWhenRemoved) {
  struct Case {
    const char* what;
    std::function<void(RadioImage&)> edit;
    unsigned priority;
  };
  const Case cases[] = {
      {"insert above", [](RadioImage& i) { (void)insertChannels(i, 2, 3); }, 8},
      {"insert below", [](RadioImage& i) { (void)insertChannels(i, 6, 1); }, 5},
      {"remove above", [](RadioImage& i) { removeChannels(i, 1, 2); }, 3},
      {"remove it", [](RadioImage& i) { removeChannels(i, 4, 2); }, 0},
      {"move it up", [](RadioImage& i) { (void)moveChannels(i, 5, 6, -1); }, 4},
      {"move the neighbour", [](RadioImage& i) { (void)moveChannels(i, 2, 4, 1); }, 2},
  };
  for (const Case& c : cases) {
    RadioImage image = sparsePlan();
    c.edit(image);
    EXPECT_EQ(image.field(field::kPriorityChannel), c.priority) << c.what;
  }
  // None, and a byte naming no channel, stay as they are.
  for (unsigned stored : {0u, 200u}) {
    RadioImage image = sparsePlan();
    image.setField(field::kPriorityChannel, stored);
    removeChannels(image, 1, 10);
    EXPECT_EQ(image.field(field::kPriorityChannel), stored);
  }
}

TEST(FillSeries, FillsEveryRowOrNothing) {
  ChannelGrid grid;
  grid.row(3) = channelOn("150");
  grid.cell(3, ColName) = "OLD";
  const SeriesPlan pmr{*parseMegahertz("446.00625"), *parseMegahertz("0.0125"), std::nullopt, "PMR%d"};
  PasteResult r = fillSeries(grid, {1, 16}, pmr, kLimits, kEn);
  EXPECT_EQ(r.changedRows.size(), 16u);
  EXPECT_EQ(grid.row(16)[ColRx], "446.19375");
  EXPECT_EQ(grid.row(16)[ColTx], "446.19375");
  EXPECT_EQ(grid.row(16)[ColName], "PMR16");
  EXPECT_EQ(grid.row(3)[ColTx], "446.03125");  // a channel in use takes both frequencies
  EXPECT_EQ(parseMegahertz("-7.6"), -760'000);
  EXPECT_FALSE(parseMegahertz("7.6.1") || parseMegahertz("+") || parseMegahertz("12345"));

  // Repeater pairs with an offset and a count down.
  r = fillSeries(grid, {20, 21}, {43'900'000, -2'500, -760'000, ""}, kLimits, kEn);
  EXPECT_EQ(grid.row(21)[ColRx], "438.97500");
  EXPECT_EQ(grid.row(21)[ColTx], "431.37500");

  // Past the band, off the step, a name that does not fit: every refusal listed, nothing changed.
  const ChannelGrid before = grid;
  r = fillSeries(grid, {30, 33}, {51'998'750, 1'250, std::nullopt, "CHANNEL%d"}, kLimits, kEn);
  EXPECT_TRUE(r.changedRows.empty());
  EXPECT_EQ(grid, before);
  ASSERT_EQ(r.refusals.size(), 6u);  // four names, rows 32 and 33 past 520 MHz
  EXPECT_EQ(r.refusals[0].reason, PasteRefusalReason::NameTooLong);
  EXPECT_EQ(r.refusals[2].message, MessageId::OutOfRange);
  EXPECT_NE(pasteReport(r, kEn, &fillReportHeading()).find("Channel 32, Rx Frequency \"520.01250\""),
            std::string::npos);
  r = fillSeries(grid, {30, 30}, {14'500'300, 0, std::nullopt, ""}, kLimits, kEn);
  EXPECT_EQ(r.refusals.at(0).message, MessageId::StepValue);
}

TEST(FillDown, CopiesTheFirstRowThroughTheCommitRules) {
  ChannelGrid grid;
  grid.row(1) = channelOn("145.5");
  grid.cell(1, ColTx) = "145.00000";
  grid.cell(1, ColName) = "RPT";
  grid.row(3) = channelOn("440");
  // Rx and Tx into rows 2-3; name only into rows 4-5, empty channels stay empty.
  PasteResult r = fillDown(grid, {1, ColRx, 3, ColTx}, kLimits, kEn);
  EXPECT_EQ(r.changedRows, (std::vector<int>{2, 3}));
  EXPECT_EQ(grid.cell(2, ColTx), "145.00000");
  EXPECT_EQ(grid.cell(3, ColRx), "145.50000");
  r = fillDown(grid, {3, ColName, 5, ColName}, kLimits, kEn);
  EXPECT_TRUE(r.changedRows.empty());
  EXPECT_TRUE(grid.row(4).empty());
  // A value the rules refuse (read from a file outside the bands) leaves the row and is listed.
  grid.cell(1, ColTx) = "300.00000";
  r = fillDown(grid, {1, ColTx, 3, ColTx}, kLimits, kEn);
  EXPECT_EQ(grid.cell(2, ColTx), "145.00000");
  EXPECT_TRUE(r.changedRows.empty());
  ASSERT_EQ(r.refusals.size(), 2u);
  EXPECT_EQ(r.refusals[1].message, MessageId::OutOfRange);
}

TEST(ReplaceInNames, ReplacesEveryPlaceAndRefusesNamesThatWouldNotFitOrShowAsQuestionMarks) {
  ChannelGrid grid;
  for (int r : {1, 2, 3, kChannelRows}) grid.row(r) = channelOn("145");
  grid.cell(1, ColName) = "pmr1";
  grid.cell(2, ColName) = "PMR-PMR";
  grid.cell(3, ColName) = "PMR1234";
  grid.cell(kChannelRows, ColName) = "Pmr";
  EXPECT_EQ(findInNames(grid, "PMR", true), (std::vector<int>{2, 3}));
  const std::vector<int> rows = findInNames(grid, "PMR", false);
  EXPECT_EQ(rows, (std::vector<int>{1, 2, 3, kChannelRows}));
  const PasteResult r = replaceInNames(grid, rows, "pmr", "CH", false, kEn);
  EXPECT_EQ(r.changedRows, rows);
  EXPECT_EQ(grid.cell(2, ColName), "CH-CH");
  EXPECT_EQ(grid.cell(kChannelRows, ColName), "CH");
  EXPECT_TRUE(r.refusals.empty());
  // Seven characters, but also eight bytes in GBK.
  const PasteResult longer = replaceInNames(grid, {1, 2, 3}, "CH", "信道", true, Language::Chinese);
  EXPECT_EQ(grid.cell(1, ColName), "信道1");
  ASSERT_EQ(longer.refusals.size(), 1u);  // 信道-信道 is 9 bytes
  EXPECT_EQ(longer.refusals[0].row, 2);
  EXPECT_EQ(grid.cell(2, ColName), "CH-CH");
  EXPECT_FALSE(replaceInNames(grid, {3}, "1234", "123456", true, kEn).refusals.empty());
  // In English a Chinese character would reach the radio as "?": refused, listed.
  const PasteResult foreign = replaceInNames(grid, {2}, "CH", "信", true, kEn);
  ASSERT_EQ(foreign.refusals.size(), 1u);
  EXPECT_EQ(foreign.refusals[0].message, MessageId::NameCharacters);
  EXPECT_EQ(grid.cell(2, ColName), "CH-CH");
  EXPECT_TRUE(nameFits("中文中文", Language::Chinese));
}

}  // namespace
}  // namespace radio
