#include "channels/ChannelEditing.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

const BandLimits kLimits{13'600'000, 17'400'000, 40'000'000, 52'000'000};
constexpr Language kEn = Language::English;

ChannelGrid gridWith(std::initializer_list<std::pair<int, const char*>> channels) {
  ChannelGrid grid;
  for (const auto& [row, rx] : channels) grid.row(row) = commitCellEdit(grid.row(row), ColRx, rx, kLimits, kEn).row;
  return grid;
}

std::string lowered(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

CellRange rowsRange(int top, int bottom) { return {top, ColRx, bottom, ColBusy}; }

TEST(ChannelPaste, CopiedRowsPasteBackAsTheSameChannels) {
  ChannelGrid grid = gridWith({{1, "145.125"}, {2, "440.5"}});
  grid.cell(1, ColName) = "ALPHA";
  grid.cell(2, ColPower) = listItemsForColumn(ColPower, kEn)[0];
  const std::string text = copyCells(grid, rowsRange(1, 2));

  // Spreadsheets hand back "\r\n" line ends and other letter case in the lists.
  std::string fromSheet;
  for (char c : text) fromSheet += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const PasteResult r = pasteCells(grid, {10, ColRx, 10, ColRx}, lowered(fromSheet), kLimits, kEn);
  EXPECT_TRUE(r.refusals.empty());
  EXPECT_EQ(r.changedRows, (std::vector<int>{10, 11}));
  EXPECT_EQ(grid.row(10)[ColRx], grid.row(1)[ColRx]);
  EXPECT_EQ(grid.row(10)[ColName], "alpha");  // names keep what was pasted
  EXPECT_EQ(grid.row(11), grid.row(2));
}

TEST(ChannelPaste, RefusedRowIsLeftAsItWasAndEveryRefusalIsReported) {
  ChannelGrid grid = gridWith({{4, "145.125"}});
  const ChannelGrid before = grid;
  const PasteResult r =
      pasteCells(grid, {3, ColRx, 3, ColRx}, "146\t146\n999\t150\n150\tabc\n147\t147\tNoSuchTone\n", kLimits, kEn);
  EXPECT_EQ(r.changedRows, (std::vector<int>{3}));
  EXPECT_EQ(grid.row(4), before.row(4));
  EXPECT_TRUE(grid.row(5).empty());
  EXPECT_TRUE(grid.row(6).empty());
  ASSERT_EQ(r.refusals.size(), 3u);
  EXPECT_EQ(r.refusals[0].reason, PasteRefusalReason::Frequency);
  EXPECT_EQ(r.refusals[2].reason, PasteRefusalReason::NotInList);
  const std::string report = pasteReport(r, kEn);
  for (const char* line : {"Channel 4, Rx Frequency \"999\"", "Channel 5, Tx Frequency \"abc\": not a frequency",
                           "Channel 6, QT/DQT Dec \"NoSuchTone\": not in the list"})
    EXPECT_NE(report.find(line), std::string::npos) << report;
  EXPECT_FALSE(pasteReport(r, Language::Chinese).empty());
}

TEST(ChannelPaste, ExcessPastTheLastChannelAndColumnIsDroppedWithANote) {
  ChannelGrid grid;
  const PasteResult r = pasteCells(grid, {127, ColBusy, 127, ColBusy}, "Off\tx\ty\nOff\nOff\nOff\n", kLimits, kEn);
  EXPECT_EQ(r.droppedRows, 2);
  EXPECT_EQ(r.droppedColumns, 2);
  EXPECT_TRUE(grid.row(kChannelRows).empty());
  EXPECT_NE(pasteReport(r, kEn).find("2 line(s) past the last channel"), std::string::npos);
  EXPECT_TRUE(pasteReport(pasteCells(grid, {1, ColName, 1, ColName}, "", kLimits, kEn), kEn).empty());
}

TEST(ChannelPaste, OneTextFillsTheSelectionAndEmptyChannelsStayEmpty) {
  ChannelGrid grid = gridWith({{1, "145"}, {3, "146"}});
  const std::string low = listItemsForColumn(ColPower, kEn)[0];
  const PasteResult r = pasteCells(grid, {1, ColPower, 3, ColPower}, low + "\n", kLimits, kEn);
  EXPECT_EQ(r.changedRows, (std::vector<int>{1, 3}));
  EXPECT_EQ(grid.cell(3, ColPower), low);
  EXPECT_TRUE(grid.row(2).empty());
  EXPECT_EQ(setListValue(grid, {1, 2, 3}, ColBandwidth, listItemsForColumn(ColBandwidth, kEn)[1], kLimits, kEn),
            (std::vector<int>{1, 3}));
}

TEST(ChannelDelete, WholeRowsEmptyAndCellsOnlyWhereTheyMayBeEmpty) {
  ChannelGrid grid = gridWith({{1, "145"}, {2, "146"}, {3, "147"}});
  grid.cell(1, ColName) = "A";
  EXPECT_EQ(deleteCells(grid, {1, ColName, 1, ColBusy}, kLimits, kEn), (std::vector<int>{1}));
  EXPECT_EQ(grid.cell(1, ColName), "");
  EXPECT_EQ(grid.cell(1, ColPower), listItemsForColumn(ColPower, kEn)[1]);  // a list keeps its value
  EXPECT_EQ(deleteCells(grid, {2, ColRx, 2, ColRx}, kLimits, kEn), (std::vector<int>{2}));
  EXPECT_TRUE(grid.row(2).empty());
  (void)deleteCells(grid, rowsRange(3, 3), kLimits, kEn);
  EXPECT_TRUE(grid.row(3).empty());
}

TEST(ChannelRows, InsertRemoveAndMoveCarryWholeRecordsAndNeverTouchFr) {
  RadioImage image;
  for (int r : {1, 2, 3, kChannelRows}) image.channel(r)[chan::kRx + 3] = static_cast<Byte>(0x10 + r);
  image.channel(2)[12] = 0x5A;  // a byte the grid does not show
  const auto top = [&](int r) { return image.channel(r)[chan::kRx + 3]; };

  ASSERT_TRUE(insertChannels(image, 2, 2));
  EXPECT_EQ(top(1), 0x11);
  EXPECT_TRUE(channelRecordEmpty(image, 2) && channelRecordEmpty(image, 3));
  EXPECT_EQ(top(4), 0x12);
  EXPECT_EQ(image.channel(4)[12], 0x5A);

  ASSERT_TRUE(moveChannels(image, 4, 5, -1));
  EXPECT_EQ(top(3), 0x12);
  EXPECT_TRUE(channelRecordEmpty(image, 5));
  EXPECT_FALSE(moveChannels(image, 1, 1, -1));
  EXPECT_FALSE(moveChannels(image, 128, 128, 1));

  removeChannels(image, 1, 2);
  EXPECT_EQ(top(1), 0x12);
  EXPECT_EQ(top(2), 0x13);

  image.channel(128)[chan::kTx + 3] = 0x14;
  const RadioImage before = image;
  EXPECT_FALSE(insertChannels(image, 1, 1));
  EXPECT_EQ(image, before);
  removeChannels(image, 128, 1);
  EXPECT_TRUE(channelRecordEmpty(image, 128));
  EXPECT_EQ(top(kChannelRows), 0x10 + kChannelRows);
}

}  // namespace
}  // namespace radio
