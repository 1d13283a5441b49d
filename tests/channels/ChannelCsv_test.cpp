// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/ChannelCsv.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "channels/ChannelGrid.h"
#include "channels/Csv.h"

namespace radio {
namespace {

std::string fixture(const std::string& name) {
  std::ifstream in(std::string(RADIOPROG_SOURCE_DIR) + "/tests/channels/csv/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

CsvImportResult import(const std::string& text, Language lang = Language::English, int at = 0) {
  CsvImportOptions options;
  options.lang = lang;
  options.at = at;
  return importChannelsCsv(text, RadioImage{}, options);
}

RowTexts channel(const CsvImportResult& r, int n) { return decodeChannel(r.image.channel(n), Language::English); }

// The export's cells of channel rows, by header name.
std::vector<std::map<std::string, std::string>> exportedRows(const RadioImage& image) {
  const CsvTable table = readCsv(exportChannelsCsv(image, Language::English).text);
  std::vector<std::map<std::string, std::string>> rows;
  for (std::size_t r = 1; r < table.records.size(); ++r) {
    std::map<std::string, std::string> row;
    for (std::size_t c = 0; c < table.records[0].cells.size(); ++c)
      row[table.records[0].cells[c]] = table.records[r].cells.at(c);
    rows.push_back(row);
  }
  return rows;
}

TEST(CsvReader, QuotingCommentsAndLineCounting) {
  const CsvTable t = readCsv("\xEF\xBB\xBF# note\r\na,b\r\n\r\n\"x, \"\"y\"\"\",\"two\nlines\"\n#c\n1,\n");
  ASSERT_TRUE(t.ok());
  ASSERT_EQ(t.records.size(), 3u);
  EXPECT_EQ(t.records[0].line, 2);
  EXPECT_EQ(t.records[1].cells, (std::vector<std::string>{"x, \"y\"", "two\nlines"}));
  EXPECT_EQ(t.records[1].line, 4);
  EXPECT_EQ(t.records[2].line, 7);
  EXPECT_EQ(t.records[2].cells, (std::vector<std::string>{"1", ""}));

  struct Bad {
    const char* text;
    CsvError error;
    int line;
  };
  for (const Bad& b :
       {Bad{"a\n\"open,1\n2\n", CsvError::UnclosedQuote, 2}, Bad{"a\n\"x\"y\n", CsvError::TextAfterQuote, 2},
        Bad{"a\nx\"y\n", CsvError::QuoteInsideField, 2}}) {
    const CsvTable bad = readCsv(b.text);
    EXPECT_EQ(bad.error, b.error) << b.text;
    EXPECT_EQ(bad.errorLine, b.line) << b.text;
  }
  EXPECT_EQ(csvLine({"#1", "a,b", "say \"hi\"", " x", "plain"}), "\"#1\",\"a,b\",\"say \"\"hi\"\"\",\" x\",plain\r\n");
}

// Every tone mode and cross mode, imported and exported again.
TEST(CsvTones, EachModeBothWays) {
  struct Case {
    const char* cells;  // Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode
    const char* dec;    // receive tone the grid shows
    const char* enc;    // transmit tone
  };
  const Case cases[] = {
      {",88.5,88.5,023,NN,023,Tone->Tone", "None", "None"},
      {"Tone,100.0,88.5,023,NN,023,Tone->Tone", "None", "100.0"},
      {"TSQL,88.5,123.0,023,NN,023,Tone->Tone", "123.0", "123.0"},
      {"DTCS,88.5,88.5,754,RN,023,Tone->Tone", "D754N", "D754I"},
      {"DTCS,88.5,88.5,754,NR,023,Tone->Tone", "D754I", "D754N"},
      {"Cross,67.0,254.1,023,NN,023,Tone->Tone", "254.1", "67.0"},
      {"Cross,67.0,88.5,115,NR,115,Tone->DTCS", "D115I", "67.0"},
      {"Cross,88.5,71.9,115,RN,115,DTCS->Tone", "71.9", "D115I"},
      {"Cross,88.5,71.9,023,NN,023,->Tone", "71.9", "None"},
      {"Cross,88.5,88.5,411,NN,411,->DTCS", "D411N", "None"},
      {"Cross,88.5,88.5,411,RN,411,DTCS->", "None", "D411I"},
      {"Cross,88.5,88.5,023,RR,754,DTCS->DTCS", "D754I", "D023I"},
  };
  std::string csv = "Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode\n";
  int n = 0;
  for (const Case& c : cases) csv += std::to_string(++n) + ",146.520000," + c.cells + "\n";
  const CsvImportResult r = import(csv);
  ASSERT_TRUE(r.readable()) << r.error;
  EXPECT_TRUE(r.skipped.empty());
  const auto exported = exportedRows(r.image);
  ASSERT_EQ(exported.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const RowTexts row = channel(r, static_cast<int>(i) + 1);
    EXPECT_EQ(row[ColDecode], cases[i].dec) << cases[i].cells;
    EXPECT_EQ(row[ColEncode], cases[i].enc) << cases[i].cells;
    // The export says the same in the same mode.
    const std::string cells = cases[i].cells;
    const std::string mode = cells.substr(0, cells.find(','));
    EXPECT_EQ(exported[i].at("Tone"), mode) << cells;
    if (mode == "Cross") {
      EXPECT_EQ(exported[i].at("CrossMode"), cells.substr(cells.rfind(',') + 1)) << cells;
    }
  }
}

TEST(CsvDuplex, EachKindBothWays) {
  struct Case {
    const char* row;  // Frequency,Duplex,Offset
    const char* tx;   // transmit frequency the grid shows
    const char* duplex;
    const char* offset;  // as exported
  };
  const Case cases[] = {
      {"146.520000,,0.000000", "146.52000", "", "0.000000"},
      {"146.520000,+,0.600000", "147.12000", "+", "0.600000"},
      {"146.520000,-,0.600000", "145.92000", "-", "0.600000"},
      {"146.520000,split,446.000000", "446.00000", "split", "446.000000"},
      {"146.520000,off,0.000000", "", "off", "0.000000"},
      {"446.006250,+,5", "451.00625", "+", "5.000000"},
      {"146.520000,split,147.000000", "147.00000", "+", "0.480000"},  // within a band: said as an offset
  };
  std::string csv = "Location,Frequency,Duplex,Offset\n";
  int n = 0;
  for (const Case& c : cases) csv += std::to_string(++n) + "," + c.row + "\n";
  const CsvImportResult r = import(csv);
  ASSERT_TRUE(r.skipped.empty());
  const auto exported = exportedRows(r.image);
  ASSERT_EQ(exported.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto rec = r.image.channel(static_cast<int>(i) + 1);
    const std::string tx = isEmptyFrequencyByte(rec[chan::kTx + 3])
                               ? std::string()
                               : formatFrequency(decodeFrequencyField(rec.subspan(chan::kTx, 4)));
    EXPECT_EQ(tx, cases[i].tx) << cases[i].row;
    EXPECT_EQ(exported[i].at("Duplex"), cases[i].duplex) << cases[i].row;
    EXPECT_EQ(exported[i].at("Offset"), cases[i].offset) << cases[i].row;
  }
  EXPECT_EQ(exported[4].at("TStep"), "5.00");
  EXPECT_EQ(exported[5].at("TStep"), "6.25");
}

TEST(CsvFlags, PowerModeSkipAndBusyLock) {
  struct Case {
    const char* cells;  // Mode,Skip,Power,BusyLock
    const char* power;
    const char* width;
    const char* scan;
    const char* busy;
  };
  const Case cases[] = {
      {"FM,,5.0W,Off", "High", "Wide", "Yes", "Off"},
      {"NFM,S,1.0W,Carrier", "Low", "Narrow", "No", "Carrier"},
      {"fm,P,50W,QT/DQT", "High", "Wide", "Yes", "QT/DQT"},
      {",,2,", "Low", "Wide", "Yes", "Off"},
      {"FM,,3,", "High", "Wide", "Yes", "Off"},
      {"FM,,2.9 W,", "Low", "Wide", "Yes", "Off"},
      {"FM,,low,", "Low", "Wide", "Yes", "Off"},
      {"FM,,,", "High", "Wide", "Yes", "Off"},
  };
  std::string csv = "Location,Frequency,Mode,Skip,Power,BusyLock\n";
  int n = 0;
  for (const Case& c : cases) csv += std::to_string(++n) + ",146.52," + c.cells + "\n";
  const CsvImportResult r = import(csv);
  ASSERT_TRUE(r.skipped.empty());
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const RowTexts row = channel(r, static_cast<int>(i) + 1);
    EXPECT_EQ(row[ColPower], cases[i].power) << cases[i].cells;
    EXPECT_EQ(row[ColBandwidth], cases[i].width) << cases[i].cells;
    EXPECT_EQ(row[ColScan], cases[i].scan) << cases[i].cells;
    EXPECT_EQ(row[ColBusy], cases[i].busy) << cases[i].cells;
  }
}

TEST(CsvImport, EverySkipReasonIsReportedOnItsLine) {
  struct Case {
    const char*
        row;  // Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,DtcsCode,DtcsPolarity,Mode,Power,Skip,BusyLock
    const char* reason;
  };
  const Case cases[] = {
      {"x,A,146.52,,,,,,,,,,", "the location is not a channel number"},
      {"129,A,146.52,,,,,,,,,,", "there is no channel 129 (1-128)"},
      {"3,A,,,,,,,,,,,", "no receive frequency"},
      {"3,A,abc,,,,,,,,,,", "receive frequency 'abc' is not a number"},
      {"3,A,66.99375,,,,,,,,,,", "receive frequency 66.99375 is outside 67-600 MHz"},
      {"3,A,145.0025,,,,,,,,,,", "receive frequency 145.0025 is not on a 5 kHz or 6.25 kHz step"},
      {"3,A,300,,,,,,,,,,", "receive frequency 300 is outside the bands 136-174 MHz, 400-520 MHz"},
      {"3,A,146.52,x,,,,,,,,,", "duplex 'x' is not empty, +, -, split or off"},
      {"3,A,140,-,10,,,,,,,,", "transmit frequency 130.000000 is outside the bands 136-174 MHz, 400-520 MHz"},
      {"3,A,146.52,split,146.52001,,,,,,,,", "transmit frequency 146.520010 is not on a 5 kHz or 6.25 kHz step"},
      {"3,A,146.52,,,Foo,,,,,,,", "tone mode 'Foo' is not known"},
      {"3,A,146.52,,,TSQL-R,,,,,,,", "tone mode TSQL-R (reverse squelch) has no equivalent in the radio"},
      {"3,A,146.52,,,Tone,69.4,,,,,,", "CTCSS tone '69.4' is not in the radio's tone list"},
      {"3,A,146.52,,,DTCS,,017,,,,,", "DCS code '017' is not in the radio's code list"},
      {"3,A,146.52,,,DTCS,,023,NX,,,,", "DCS polarity 'NX' is not NN, NR, RN or RR"},
      {"3,A,118.1,,,,,,,AM,,,", "mode 'AM' is not FM or NFM"},
      {"3,A,146.52,,,,,,,,Mid,,", "power 'Mid' is neither watts nor High or Low"},
      {"3,A,146.52,,,,,,,,,X,", "skip 'X' is not empty, S or P"},
      {"3,A,146.52,,,,,,,,,,Sometimes", "busy lock 'Sometimes' is not Off, Carrier or QT/DQT"},
      {"3,A,146.52,,,,,,,,,,", ""},  // goes in
      {"3,B,146.55,,,,,,,,,,", "channel 3 already comes from line 21"},
      {"4,\xFF,146.55,,,,,,,,,,", "the row is not UTF-8 text"},
  };
  std::string csv =
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,DtcsCode,DtcsPolarity,Mode,Power,Skip,BusyLock\n";
  for (const Case& c : cases) csv += std::string(c.row) + "\n";
  const CsvImportResult r = import(csv);
  ASSERT_TRUE(r.readable()) << r.error;
  EXPECT_EQ(r.channels, std::vector<int>{3});
  std::size_t k = 0;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    if (*cases[i].reason == '\0') continue;
    ASSERT_LT(k, r.skipped.size());
    const CsvReportLine& line = r.skipped[k++];
    EXPECT_EQ(line.line, static_cast<int>(i) + 2);
    EXPECT_EQ(line.message.rfind(cases[i].reason, 0), 0u) << line.message;
  }
  EXPECT_EQ(k, r.skipped.size());
  EXPECT_EQ(r.skipped[1].text(Language::English), "line 3: location 129 A: there is no channel 129 (1-128)");
  EXPECT_EQ(import("Location,Frequency\n129,146.52\n", Language::Chinese).skipped.at(0).text(Language::Chinese),
            "第 2 行：位置 129：没有信道 129（1-128）");
}

// A list numbered from Location 0 loses its first row by Location, and says so;
// in file order every row is placed, with what its channel will show.
TEST(CsvImport, PlacementOfAListFromLocationZero) {
  const std::string text = "Location,Name,Frequency,Duplex,Offset\n0,A,438.5,-,7.6\n1,B,145.5,,\n";
  const CsvImportResult byLocation = import(text);
  EXPECT_TRUE(byLocation.locationsOutside());
  ASSERT_EQ(byLocation.placed.size(), 1u);
  EXPECT_EQ(byLocation.placed[0].channel, 1);
  const CsvImportResult inOrder = import(text, Language::Chinese, 1);
  ASSERT_EQ(inOrder.placed.size(), 2u);
  EXPECT_EQ(inOrder.placed[0].texts[ColTx], "430.90000");
  EXPECT_EQ(inOrder.placed[1].texts[ColPower], "高");
}

TEST(CsvImport, ColumnsByNameInAnyOrderWithDefaults) {
  const CsvImportResult r = import(fixture("mixed.csv"));
  ASSERT_TRUE(r.readable()) << r.error;
  EXPECT_EQ(r.channels, (std::vector<int>{10, 11}));
  EXPECT_EQ(channel(r, 10),
            (RowTexts{{"146.94000", "146.94000", "None", "None", "Club, N", "High", "Wide", "Yes", "Off"}}));
  const RowTexts b = channel(r, 11);
  EXPECT_EQ(b[ColName], "Say \"hi");
  EXPECT_EQ(b[ColBandwidth], "Narrow");
  EXPECT_EQ(b[ColPower], "Low");
  EXPECT_EQ(r.skipped.size(), 2u);
  EXPECT_EQ(r.notes.size(), 2u);
}

TEST(CsvImport, RefusedFilesLeaveTheImageAsItWas) {
  RadioImage before;
  before.set(5, 0x42);
  const char* files[][2] = {
      {"# only a comment\n", "the file has no header line"},
      {"Name,Frequency\nA,146.52\n", "the header has no Location column"},
      {"Location,Name\n1,A\n", "the header has no Frequency column"},
      {"Location,Frequency,frequency\n1,146.52,146.52\n", "the header names the Frequency column twice"},
      {"Location,Name,Frequency\n1,\"Open,146.52\n2,B,146.55\n", "line 2: a quoted field is not closed"},
      {"Location,Name,Frequency\n1,Op\"en,146.52\n", "line 2: a quote inside a field that does not start with one"},
      // Read, but no row goes in: not a byte of the image is rewritten.
      {"Location,Frequency\n1,300\n2,146.52001\n", ""},
  };
  for (const auto& f : files) {
    const CsvImportResult r = importChannelsCsv(f[0], before);
    EXPECT_EQ(r.error, f[1]) << f[0];
    EXPECT_EQ(r.image, before);
    EXPECT_TRUE(r.channels.empty());
  }
  EXPECT_EQ(importChannelsCsv("Location,Frequency\n1,146.52\n", before, {Language::English, {}, -1}).error,
            "there is no channel -1 (1-128)");
  EXPECT_EQ(importChannelsCsv(fixture("malformed.csv"), before, {Language::Chinese}).error,
            "第 2 行：引号中的字段没有结束");
}

TEST(CsvImport, AtPlacesImportableRowsInFileOrder) {
  const std::string csv = "Location,Frequency,Mode\n9,146.52,FM\n9,146.53,AM\n1,146.54,FM\n1,146.55,FM\n";
  const CsvImportResult r = import(csv, Language::English, 127);
  EXPECT_EQ(r.channels, (std::vector<int>{127, 128}));
  EXPECT_EQ(channel(r, 128)[ColRx], "146.54000");
  ASSERT_EQ(r.skipped.size(), 2u);
  EXPECT_EQ(r.skipped[0].line, 3);
  EXPECT_EQ(r.skipped[1].text(Language::English), "line 5: location 1: no channel left after 128");
}

TEST(CsvImport, ReportLinesStayOnOneLineWithoutControlCharacters) {
  const std::string longName(100, 'x');
  const CsvImportResult r =
      import("Location,Name,Frequency,Mode\n1,\"A\r\nB\x1b[2J\",146.52,AM\n2," + longName + ",1,\x1b\n");
  ASSERT_EQ(r.skipped.size(), 2u);
  EXPECT_EQ(r.skipped[0].text(Language::English), "line 2: location 1 A??B?[2J: mode 'AM' is not FM or NFM");
  const std::string second = r.skipped[1].text(Language::English);
  EXPECT_EQ(second, "line 4: location 2 " + std::string(40, 'x') + "...: mode '?' is not FM or NFM");
}

TEST(CsvImport, NamesAreCutAndCleanedForTheCodePage) {
  struct Case {
    Language lang;
    const char* name;
    const char* stored;
    std::size_t notes;
  };
  const Case cases[] = {
      {Language::English, "ABCDEFGH", "ABCDEFG", 1},
      {Language::English, "Café", "Café", 0},  // é is in the code page
      {Language::English, "中AB", "AB", 1},    // 中 is not
      {Language::Chinese, "中文频道名", "中文频道", 1},
      {Language::Chinese, "AB中文CDE", "AB中文CD", 1},  // 8 bytes, not 7 characters
  };
  for (const Case& c : cases) {
    const CsvImportResult r = import(std::string("Location,Frequency,Name\n1,146.52,") + c.name + "\n", c.lang);
    ASSERT_EQ(r.channels.size(), 1u) << c.name;
    EXPECT_EQ(decodeChannel(r.image.channel(1), c.lang)[ColName], c.stored) << c.name;
    EXPECT_EQ(r.notes.size(), c.notes) << c.name;
  }
}

TEST(CsvExport, ChannelWithAnUnreadableFrequencyIsLeftOutWithANote) {
  RadioImage image;
  const Byte good[8] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14};
  std::copy(std::begin(good), std::end(good), image.channel(1).begin());
  std::copy(std::begin(good), std::end(good), image.channel(2).begin());
  image.channel(2)[3] = 0xFA;  // 145.125 with a receive byte that is no digit pair
  const CsvExportResult r = exportChannelsCsv(image, Language::English);
  EXPECT_EQ(r.channels, 1);
  ASSERT_EQ(r.notes.size(), 1u);
  EXPECT_EQ(
      r.notes[0],
      "channel 2: a frequency shows as 'Invalid 002551FA' (bytes that are no frequency); the channel is left out");
}

TEST(CsvRoundTrip, ExportThenImportGivesTheSameChannels) {
  CsvImportResult first = import(fixture("published.csv"));
  ASSERT_EQ(first.imported(), 7);
  ASSERT_TRUE(first.skipped.empty());
  // A name of the other code page's reach, and a channel left alone.
  first.image.channel(1)[chan::kName] = 0xE9;
  const RadioImage untouched = first.image;
  const std::string text = exportChannelsCsv(first.image, Language::English).text;
  const CsvImportResult second = importChannelsCsv(text, untouched);
  EXPECT_TRUE(second.skipped.empty());
  EXPECT_TRUE(second.notes.empty());
  EXPECT_EQ(second.image, untouched);
  EXPECT_EQ(exportChannelsCsv(second.image, Language::English).text, text);
}

}  // namespace
}  // namespace radio
