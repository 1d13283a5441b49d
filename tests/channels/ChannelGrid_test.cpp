// SPDX-License-Identifier: GPL-3.0-or-later
// The channel grid: refresh from the image, store into it, the commit rules of a
// cell, and the editing of ranges (copy, paste, delete) and of whole channels
// (insert, remove, move).
#include <gtest/gtest.h>

#include <tuple>

#include "channels/ChannelEditing.h"
#include "channels/ChannelGrid.h"
#include "model/Document.h"

namespace radio {
namespace {

const BandLimits kGridLimits{13'600'000, 17'400'000, 40'000'000, 52'000'000};

RowTexts typed(const RowTexts& row, int column, const char* text, Language lang = Language::English) {
  return commitCellEdit(row, column, text, kGridLimits, lang).row;
}

// The image's band record is taken (an absent one as the default), then the
// grid's own record replaces it.
TEST(GridRefresh, BandRecordOfTheImageIsTakenThenReplaced) {
  BandRecord none{};
  RadioImage programmed;
  programmed.setBandRecord({0x13, 0x17, 0x64, 0x35, 0x39, 0x00});
  for (auto [image, taken] : {std::pair{newDocumentImage(none), kDefaultBandRecord},
                              std::pair{programmed, BandRecord{0x13, 0x17, 0x64, 0x35, 0x39, 0x00}}}) {
    ChannelGrid grid;
    BandState band;
    band.record = {0, 0, 0, 0, 0, 0};
    imageToGrid(image, grid, band, Language::English);
    for (int n = 1; n <= kChannelRows; ++n) EXPECT_TRUE(grid.row(n).empty()) << n;
    EXPECT_EQ(band.record, taken);
    EXPECT_EQ(band.limits, kGridLimits);
    EXPECT_EQ(image.bandRecord(), kGridBandRecord);
  }
}

// A record with a receive frequency and no transmit frequency is a receive-only
// channel: every column shows, and its name and flags survive edits of any cell.
TEST(GridRefresh, ReceiveOnlyChannelShowsAndKeepsEveryColumn) {
  RadioImage image;
  auto rec = image.channel(6);
  image.copyIn(5 * kRecordSize, encodeFrequencyField(14'512'500));
  rec[8] = 0x70;  // receive tone 67.0, transmit tone absent
  rec[9] = 0x06;
  rec[16] = 'A';
  rec[13] = 0x3B;  // high, wide, scan, busy lock on carrier, bit 0
  ChannelGrid grid;
  BandState band;
  imageToGrid(image, grid, band, Language::English);
  const RowTexts expected{{"145.12500", "", "67.0", "None", "A", "High", "Wide", "Yes", "Carrier"}};
  EXPECT_EQ(grid.row(6), expected);
  // Any cell edited: the others are stored as they show.
  grid.row(6) = typed(grid.row(6), ColRx, "146");
  grid.row(6) = typed(grid.row(6), ColEncode, "D023N");
  gridToImage(grid, image, band.limits, Language::English);
  EXPECT_EQ(rec[13], 0x3B);
  EXPECT_EQ(rec[16], 'A');
  for (int i = 4; i < 8; ++i) EXPECT_EQ(rec[i], 0xFF) << i;
  RowTexts reread = expected;
  reread[ColRx] = "146.00000";
  reread[ColEncode] = "D023N";
  EXPECT_EQ(decodeChannel(rec, Language::English), reread);
  // A transmit frequency without a receive frequency is no channel in use.
  rec[3] = 0xFF;
  rec[7] = 0x14;
  EXPECT_EQ(decodeChannel(rec, Language::English)[ColName], "");
}

TEST(GridRefresh, ChannelInUseDecodesEveryColumn) {
  RadioImage image;
  auto rec = image.channel(129);
  const Byte bytes[24] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14, 0x23, 0x80, 0x54, 0xC7,
                          0x00, 0x22, 0x00, 0x00, 'R',  'e',  'p',  'e',  'a',  't',  0xFF, 0xFF};
  std::copy(std::begin(bytes), std::end(bytes), rec.begin());
  ChannelGrid grid;
  BandState band;
  imageToGrid(image, grid, band, Language::Chinese);
  const RowTexts expected{{"145.12500", "145.12500", "D023N", "D754I", "Repeat", "高", "窄", "否", "载波"}};
  EXPECT_EQ(grid.row(129), expected);
  EXPECT_EQ(rowLabel(129), "Fr");
}

TEST(GridStore, NewDocumentSavedAtOnce) {
  BandRecord record{};
  RadioImage image = newDocumentImage(record);
  const RadioImage before = image;
  ChannelGrid grid;
  BandState band;
  imageToGrid(image, grid, band, Language::English);
  gridToImage(grid, image, band.limits, Language::English);
  for (int r = 0; r < kChannelRows; ++r)
    for (int i = 0; i < 24; ++i) EXPECT_EQ(image.record(r)[i], i == 13 ? 0x05 : 0xFF) << r << ":" << i;
  EXPECT_EQ(image.at(0x12AB), 0x09);
  EXPECT_EQ(image.bandRecord(), kGridBandRecord);
  for (std::size_t o = 129 * 24; o < kImageSize; ++o) {
    if (o == 0x12AB || (o >= 0x17E8 && o < 0x17EE)) continue;
    ASSERT_EQ(image.at(o), before.at(o)) << std::hex << o;
  }
}

TEST(GridStore, UntouchedBytesAndBitsSurvive) {
  RadioImage image;
  auto rec = image.channel(1);
  const Byte bytes[24] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x60, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF,
                          0x12, 0x3F, 0x34, 0x56, 'A',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  std::copy(std::begin(bytes), std::end(bytes), rec.begin());
  ChannelGrid grid;
  BandState band;
  imageToGrid(image, grid, band, Language::English);
  grid.row(1) = typed(grid.row(1), ColTx, "");  // emptied transmit frequency: receive only
  gridToImage(grid, image, band.limits, Language::English);
  rec = image.channel(1);
  EXPECT_EQ(rec[12], 0x12);
  EXPECT_EQ(rec[14], 0x34);
  EXPECT_EQ(rec[15], 0x56);
  EXPECT_EQ(rec[13], 0x3D);  // flags kept (both busy bits read as QT/DQT), no offset direction
  for (int i = 4; i < 8; ++i) EXPECT_EQ(rec[i], 0xFF) << i;
  EXPECT_EQ(rec[16], 'A');
}

TEST(GridStore, ClearedRowEmptiesItsRecord) {
  RadioImage image;
  ChannelGrid grid;
  BandState band;
  imageToGrid(image, grid, band, Language::English);
  grid.row(3) = typed(grid.row(3), ColRx, "146.5");
  gridToImage(grid, image, band.limits, Language::English);
  grid.row(3) = typed(grid.row(3), ColRx, "");
  EXPECT_TRUE(grid.row(3).empty());
  gridToImage(grid, image, band.limits, Language::English);
  const auto rec = image.channel(3);
  for (int i = 0; i < 24; i += i == 11 ? 5 : 1) EXPECT_EQ(rec[i], 0xFF) << i;  // all but bytes 12-15
}

// Fields a damaged file holds: shown as their bytes, never changed unless typed over.
TEST(GridStore, FieldsThatAreNotDigitPairsSurviveOpenAndSave) {
  struct Case {
    std::size_t offset;
    std::vector<Byte> bytes;
    int column;
    const char* en;
    const char* zh;
  };
  const Case cases[] = {
      {0, {0x00, 0x00, 0x00, 0xFA}, ColRx, "Invalid 000000FA", "无效 000000FA"},
      {4, {0x00, 0x5A, 0x51, 0x14}, ColTx, "Invalid 005A5114", "无效 005A5114"},
      {8, {0xFF, 0x7F}, ColDecode, "Invalid FF7F", "无效 FF7F"},
      {10, {0xFF, 0xBF}, ColEncode, "Invalid FFBF", "无效 FFBF"},
  };
  const Byte channel[24] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x60, 0x51, 0x14, 0x70, 0x06, 0x23, 0x80,
                            0x12, 0xBA, 0x34, 0x56, 'A',  0xFF, 'x',  0x00, 0xFF, 0xFF, 0xFF, 0xFF};
  for (Language lang : {Language::English, Language::Chinese}) {
    for (const Case& c : cases) {
      RadioImage image;
      auto rec = image.channel(5);
      std::copy(std::begin(channel), std::end(channel), rec.begin());
      std::copy(c.bytes.begin(), c.bytes.end(), rec.begin() + static_cast<std::ptrdiff_t>(c.offset));
      const std::vector<Byte> before(rec.begin(), rec.end());
      ChannelGrid grid;
      BandState band;
      imageToGrid(image, grid, band, lang);
      const char* shown = lang == Language::Chinese ? c.zh : c.en;
      EXPECT_EQ(grid.cell(5, c.column), shown);
      // Opened and saved: not one byte changes.
      gridToImage(grid, image, band.limits, lang);
      EXPECT_EQ(std::vector<Byte>(rec.begin(), rec.end()), before) << shown;
      // The editor opened over the cell and left unchanged keeps it.
      const CommitResult same = commitCellEdit(grid.row(5), c.column, shown, kGridLimits, lang);
      EXPECT_TRUE(same.message.valid());
      EXPECT_EQ(same.row, grid.row(5));
      // Another cell of the row edited: the unreadable field keeps its bytes.
      grid.row(5) = typed(grid.row(5), ColName, "B", lang);
      gridToImage(grid, image, band.limits, lang);
      EXPECT_TRUE(std::equal(c.bytes.begin(), c.bytes.end(), rec.begin() + static_cast<std::ptrdiff_t>(c.offset)));
      EXPECT_EQ(rec[13] & 0xC0, 0x80);  // offset direction kept
    }
  }
}

TEST(CellCommit, NewChannelGetsDefaultsAndBothFrequencies) {
  const RowTexts row = typed({}, ColRx, "145.125");
  const RowTexts expected{{"145.12500", "145.12500", "None", "None", "", "High", "Wide", "Yes", "Off"}};
  EXPECT_EQ(row, expected);
  // An existing channel only changes its receive frequency.
  RowTexts changed = typed(row, ColRx, "146");
  EXPECT_EQ(changed[ColRx], "146.00000");
  EXPECT_EQ(changed[ColTx], "145.12500");
}

// A refused receive frequency leaves the row as it was and the editor open:
// with the text when the editor loses focus, empty after Enter.
// A refused frequency, receive or transmit, leaves the row as it was and the
// editor open: with the text when the editor loses focus, empty after Enter.
TEST(CellCommit, RefusedFrequenciesAndNamesLeaveRowAndEditor) {
  const RowTexts row = typed({}, ColRx, "145.125");
  for (const int column : {ColRx, ColTx}) {
    for (const auto& [text, message] :
         {std::pair{"66", MessageId::DataFormat}, std::pair{"0", MessageId::DataFormat},
          std::pair{"145.0025", MessageId::StepValue}, std::pair{"145.00001", MessageId::StepValue},
          std::pair{"300", MessageId::OutOfRange}}) {
      for (const bool enter : {false, true}) {
        const CommitResult r = enter ? commitFrequencyOnEnter(row, column, text, kGridLimits, Language::English)
                                     : commitCellEdit(row, column, text, kGridLimits, Language::English);
        EXPECT_EQ(r.message.message, message) << column << " " << text;
        EXPECT_EQ(r.row, row) << text;  // an off-step value no longer empties the channel
        EXPECT_TRUE(r.editorShown);
        EXPECT_EQ(r.editorText, enter ? "" : text);
      }
    }
    const CommitResult ok = commitFrequencyOnEnter(row, column, "147", kGridLimits, Language::English);
    EXPECT_TRUE(ok.message.valid());
    EXPECT_FALSE(ok.editorShown);
    EXPECT_EQ(ok.row[column], "147.00000");
  }
  // An emptied transmit frequency is no refusal: the channel becomes receive-only.
  const CommitResult cleared = commitFrequencyOnEnter(row, ColTx, "", kGridLimits, Language::English);
  EXPECT_TRUE(cleared.message.valid());
  EXPECT_FALSE(cleared.editorShown);
  RowTexts receiveOnly = row;
  receiveOnly[ColTx] = "";
  EXPECT_EQ(cleared.row, receiveOnly);
  // Four Chinese characters fill the name's 8 bytes; a fifth is refused, not cut.
  EXPECT_EQ(typed(row, ColName, "信道名字", Language::Chinese)[ColName], "信道名字");
  const CommitResult longName = commitCellEdit(row, ColName, "信道名字测", kGridLimits, Language::Chinese);
  EXPECT_EQ(longName.message.message, MessageId::NameTooLong);
  EXPECT_EQ(longName.row, row);
  EXPECT_TRUE(longName.editorShown);
  EXPECT_EQ(longName.editorText, "信道名字测");
  // A character the code page has no code for is refused, not sent as "?".
  EXPECT_EQ(typed(row, ColName, "Café")[ColName], "Café");
  const CommitResult foreign = commitCellEdit(row, ColName, "Caf信", kGridLimits, Language::English);
  EXPECT_EQ(foreign.message.message, MessageId::NameCharacters);
  EXPECT_EQ(foreign.row, row);
}

TEST(CellCommit, NothingCanBeSetOnAnEmptyRow) {
  for (int c = ColTx; c <= ColBusy; ++c) EXPECT_TRUE(typed({}, c, c == ColName ? "X" : "High").empty()) << c;
  EXPECT_EQ(typed(typed({}, ColRx, "145.125"), ColPower, "Low")[ColPower], "Low");
}

// Fields a damaged file holds keep their values when their cells are opened and
// left, or pasted over with what they show: a record without a receive frequency,
// a transmit frequency outside the bands, a receive frequency off the step.
TEST(CellCommit, ACellGivenBackItsOwnTextKeepsItsValue) {
  RowTexts half;
  half[ColTx] = "343.43100";
  half[ColDecode] = "67.0";
  RowTexts odd = typed({}, ColRx, "145.125");
  odd[ColRx] = "145.00250";
  odd[ColTx] = "255.10000";
  for (const RowTexts& row : {half, odd})
    for (int column = ColRx; column <= ColBusy; ++column) {
      const CommitResult r = commitCellEdit(row, column, row[column], kGridLimits, Language::English);
      EXPECT_EQ(r.row, row) << column;
      EXPECT_TRUE(r.message.valid()) << column;
    }
}

TEST(Editors, ListSelectionIgnoresCaseAndRowLabels) {
  const auto& tones = toneList(Language::English);
  EXPECT_EQ(listSelectionForText(tones, "d754i"), 260);
  EXPECT_EQ(listSelectionForText(tones, "67.0"), 1);
  EXPECT_EQ(listSelectionForText(tones, ""), 0);
  const std::pair<const char*, int> labels[] = {{"fR", 129}, {"128", 128}, {"0", 0}, {"129", 0}};
  for (const auto& [label, row] : labels) EXPECT_EQ(rowFromLabel(label), row) << label;
}

TEST(ChannelGrid, RefusalsShownOnce) {
  CellEditSession session;
  session.open("145.00000");
  EXPECT_TRUE(session.refusalToShow("1"));
  EXPECT_FALSE(session.refusalToShow("1")) << "the same refused text is not told twice";
  EXPECT_TRUE(session.refusalToShow("14")) << "a changed text is checked anew";
  session.close();
  session.open("");
  EXPECT_TRUE(session.refusalToShow("14")) << "a new edit starts afresh";
}

constexpr Language kEn = Language::English;

ChannelGrid gridWith(std::initializer_list<std::pair<int, const char*>> channels) {
  ChannelGrid grid;
  for (const auto& [row, rx] : channels) grid.row(row) = commitCellEdit(grid.row(row), ColRx, rx, kGridLimits, kEn).row;
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
  const PasteResult r = pasteCells(grid, {10, ColRx, 10, ColRx}, lowered(fromSheet), kGridLimits, kEn);
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
      pasteCells(grid, {3, ColRx, 3, ColRx}, "146\t146\n999\t150\n150\tabc\n147\t147\tNoSuchTone\n", kGridLimits, kEn);
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
  const PasteResult r = pasteCells(grid, {127, ColBusy, 127, ColBusy}, "Off\tx\ty\nOff\nOff\nOff\n", kGridLimits, kEn);
  EXPECT_EQ(r.droppedRows, 2);
  EXPECT_EQ(r.droppedColumns, 2);
  EXPECT_TRUE(grid.row(kChannelRows).empty());
  EXPECT_NE(pasteReport(r, kEn).find("2 line(s) past the last channel"), std::string::npos);
  EXPECT_TRUE(pasteReport(pasteCells(grid, {1, ColName, 1, ColName}, "", kGridLimits, kEn), kEn).empty());
}

TEST(ChannelPaste, OneTextFillsTheSelectionAndEmptyChannelsStayEmpty) {
  ChannelGrid grid = gridWith({{1, "145"}, {3, "146"}});
  const std::string low = listItemsForColumn(ColPower, kEn)[0];
  const PasteResult r = pasteCells(grid, {1, ColPower, 3, ColPower}, low + "\n", kGridLimits, kEn);
  EXPECT_EQ(r.changedRows, (std::vector<int>{1, 3}));
  EXPECT_EQ(grid.cell(3, ColPower), low);
  EXPECT_TRUE(grid.row(2).empty());
  EXPECT_EQ(setListValue(grid, {1, 2, 3}, ColBandwidth, listItemsForColumn(ColBandwidth, kEn)[1], kGridLimits, kEn),
            (std::vector<int>{1, 3}));
}

TEST(ChannelDelete, WholeRowsEmptyAndCellsOnlyWhereTheyMayBeEmpty) {
  ChannelGrid grid = gridWith({{1, "145"}, {2, "146"}, {3, "147"}});
  grid.cell(1, ColName) = "A";
  EXPECT_EQ(deleteCells(grid, {1, ColName, 1, ColBusy}, kGridLimits, kEn), (std::vector<int>{1}));
  EXPECT_EQ(grid.cell(1, ColName), "");
  EXPECT_EQ(grid.cell(1, ColPower), listItemsForColumn(ColPower, kEn)[1]);  // a list keeps its value
  EXPECT_EQ(deleteCells(grid, {1, ColTx, 1, ColDecode}, kGridLimits, kEn), (std::vector<int>{1}));
  EXPECT_EQ(grid.cell(1, ColTx), "");  // receive only
  EXPECT_EQ(grid.cell(1, ColRx), "145.00000");
  EXPECT_EQ(deleteCells(grid, {2, ColRx, 2, ColRx}, kGridLimits, kEn), (std::vector<int>{2}));
  EXPECT_TRUE(grid.row(2).empty());
  (void)deleteCells(grid, rowsRange(3, 3), kGridLimits, kEn);
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
