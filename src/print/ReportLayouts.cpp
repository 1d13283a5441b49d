// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/ReportLayouts.h"

#include <array>
#include <cstdio>
#include <span>

#include "features/DtmfCallListForm.h"
#include "features/DtmfDecodeForm.h"
#include "features/DtmfEncodeForm.h"
#include "features/MskForm.h"
#include "features/OptionalFeaturesForm.h"
#include "features/TwoToneDecodeForm.h"

namespace radio::print {

namespace {

// One label line of a layout: body line y, label text in both languages.
struct Label {
  int y;
  Text text;
};

const Text kOnOff[2] = {{"Off", "关"}, {"On", "开"}};

std::string number(int value) { return std::to_string(value); }

std::string onOff(bool on, Language lang) { return kOnOff[on ? 1 : 0].in(lang); }

// The lines of a form's fields, one body line each from line y down: the page's
// label and the value, which is the printout's own reading of the field where it
// has one and otherwise what the dialog shows (a check box as On or Off).
template <class Rows, class Form>
void fieldLines(PageWriter& page, const Rows& rows, const Form& form, const RadioImage& image, Language lang,
                double labelX, double valueX, int y) {
  for (const FormField<Form>& row : rows) {
    std::string value = row.info->printedAs ? row.info->printedAs(image, lang)
                        : row.check         ? onOff(form.*row.check, lang)
                                            : form.*row.text;
    page.text(labelX, y, row.info->printed.in(lang));
    page.text(valueX, y--, std::move(value));
  }
}

void drawTitle(PageWriter& page, PageKind kind, Language lang) {
  const PageGeometry& g = page.geometry();
  page.textAt(6 * g.unit(), -g.titleLine, pageTitle(kind, lang), FontRole::Title);
}

}  // namespace

void PageWriter::text(double x, int y, std::string s) { textAt(u(x), b(y), std::move(s)); }

void PageWriter::textAt(int x, int y, std::string s, FontRole font) {
  PageItem item;
  item.kind = PageItem::Kind::Text;
  item.font = font;
  item.x = x;
  item.y = y;
  item.text = std::move(s);
  items_.push_back(std::move(item));
}

void PageWriter::line(int x1, int y1, int x2, int y2) {
  PageItem item;
  item.kind = PageItem::Kind::Line;
  item.x = x1;
  item.y = y1;
  item.x2 = x2;
  item.y2 = y2;
  items_.push_back(std::move(item));
}

// Code n of a run of code slots, read as imageText reads.
std::string imageCode(const RadioImage& image, CodeSlots run, int n, Language lang) {
  return imageText(image, run.offset(static_cast<std::size_t>(n)), run.length, lang);
}

const char* pageTitle(PageKind kind, Language lang) {
  switch (kind) {
    case PageKind::Dtmf: return "DTMF";
    case PageKind::Msk: return "MSK";
    case PageKind::Optional: return Text{"Optional", "可选功能"}.in(lang);
    case PageKind::TwoToneDecode: return Text{"2-Tone Decode", "2-Tone 解码"}.in(lang);
    case PageKind::TwoToneEncode: return Text{"2-Tone Encode", "2-Tone 编码"}.in(lang);
    case PageKind::Channel: return Text{"Channel Infomation", "信道信息"}.in(lang);
    case PageKind::Table: return Text{"Channel Table", "信道列表"}.in(lang);
  }
  return "";
}

// ---------------------------------------------------------------------------
// DTMF: encode timing, own identity and stun settings, the fast call list.

void drawDtmfPage(PageWriter& page, const RadioImage& image, Language lang) {
  drawTitle(page, PageKind::Dtmf, lang);
  constexpr double kLabelX = 9;
  constexpr double kValueX = 40;
  page.text(6, -4, Text{"Encode", "编码"}.in(lang));
  fieldLines(page, kDtmfEncodeRows, loadDtmfEncode(image), image, lang, kLabelX, kValueX, -5);
  page.text(6, -11, Text{"Decode", "解码"}.in(lang));
  fieldLines(page, kDtmfDecodeRows, loadDtmfDecode(image, lang), image, lang, kLabelX, kValueX, -12);

  page.text(6, -18, Text{"CallList", "呼叫列表"}.in(lang));
  page.text(9, -19, Text{"Num", "编号"}.in(lang));
  page.text(21, -19, kDtmfCallField.printed.in(lang));
  page.line(page.u(8), -page.b(20) + 25, page.u(40), -page.b(20) + 25);
  page.line(page.u(15), 50 - page.b(19), page.u(15), -page.b(29));
  for (int n = 1; n <= 9; ++n) {
    const int y = -page.b(n + 19) - 50;
    page.textAt(page.u(10), y, number(n));
    page.textAt(page.u(18), y, imageCode(image, addr::kDtmfCalls, n - 1, lang));
  }
}

// ---------------------------------------------------------------------------
// MSK: own code and the call list.

void drawMskPage(PageWriter& page, const RadioImage& image, Language lang) {
  drawTitle(page, PageKind::Msk, lang);
  page.text(6, -4, kMskIdField.printed.in(lang));
  page.text(15, -4, imageCode(image, addr::kMskCodes, 0, lang));
  page.text(6, -6, Text{"CallList", "呼叫列表"}.in(lang));
  page.text(9, -7, Text{"Num", "编号"}.in(lang));
  page.text(16, -7, kMskCallField.printed.in(lang));
  page.line(page.u(8), -page.b(8) + 25, page.u(25), -page.b(8) + 25);
  page.line(page.u(14), 25 - page.b(7), page.u(14), -page.b(17) - 50);
  for (int n = 1; n <= 9; ++n) {
    const int y = -page.b(n + 7) - 25;
    page.textAt(page.u(10), y, number(n));
    page.textAt(page.u(17), y, imageCode(image, addr::kMskCodes, n, lang));
  }
}

// ---------------------------------------------------------------------------
// Optional features. Every line the Optional Features dialog also shows prints
// the dialog's value in the dialog's words, read through its form; the other
// lines keep the printout's own readings (field::printout).

void drawOptionalPage(PageWriter& page, const RadioImage& image, Language lang) {
  drawTitle(page, PageKind::Optional, lang);
  constexpr double kLabelX = 9;
  constexpr double kValueX = 30;
  const OptionalFeaturesForm form = loadOptionalFeatures(image);
  const auto flag = [&](ImageField f) { return image.flag(f); };

  struct Line {
    int y;
    Text label;
    std::string value;
  };
  const auto shared = [&](int y, OptionalList list) {
    return Line{y, optionalListInfo(list).printed, optionalListText(form, list, lang)};
  };
  const std::string voice = !flag(field::printout::kVoice)         ? Text{"Off", "无"}.in(lang)
                            : flag(field::printout::kVoiceChinese) ? Text{"Chinese", "中文"}.in(lang)
                                                                   : Text{"English", "英文"}.in(lang);
  const Line lines[] = {
      shared(-5, OptionalList::BackLight),
      shared(-6, OptionalList::BackLightColor),
      shared(-7, OptionalList::DisplayMode),
      shared(-8, OptionalList::KeyLock),
      shared(-9, OptionalList::Priority),
      shared(-10, OptionalList::ScanMode),
      shared(-11, OptionalList::Squelch),
      shared(-12, OptionalList::Step),
      shared(-13, OptionalList::Tot),
      shared(-14, OptionalList::Vox),
      {-15, {"Voice annunciation:", "语音报号:"}, voice},
      {-16, {"Frequency Mode:", "频率模式:"}, onOff(flag(field::printout::kFrequencyMode), lang)},
      shared(-17, OptionalList::MskType),
      shared(-18, OptionalList::BatterySaver),
      shared(-19, OptionalList::Beep),
      {-20, {"Scrambler:", "扰频器:"}, onOff(flag(field::printout::kScrambler), lang)},
      // A check box in the dialog; its state in the page's words.
      {-21, optionalCheckInfo(OptionalCheck::KeypadLock).printed, onOff(form[OptionalCheck::KeypadLock], lang)},
      {-24, {"Display PTT ID:", "显示 PTT ID:"}, onOff(flag(field::printout::kDisplayPttId), lang)},
      {-25, {"PTT ID type:", "PTT ID 类型:"}, flag(field::printout::kPttIdDtmf) ? "DTMF" : "MSK"},
      {-26, {"Beginning of Trasmit:", "发射开始:"}, imageText(image, addr::kPttIdBegin, addr::kPttIdLength, lang)},
      {-27, {"End of transmit:", "发射结束:"}, imageText(image, addr::kPttIdEnd, addr::kPttIdLength, lang)},
  };
  page.text(6, -4, Text{"Function", "功能"}.in(lang));
  page.text(6, -23, "PTT ID");
  for (const Line& l : lines) {
    page.text(kLabelX, l.y, l.label.in(lang));
    page.text(kValueX, l.y, l.value);
  }
}

// ---------------------------------------------------------------------------
// 2-Tone decode: eight entries in two columns of four.

void drawTwoToneDecodePage(PageWriter& page, const RadioImage& image, Language lang) {
  drawTitle(page, PageKind::TwoToneDecode, lang);
  std::array<FormField<TwoToneDecodeForm>, kTwoToneDecodeRows.size()> rows{};
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = kTwoToneDecodeRows.at(kTwoToneDecodePrintedOrder[i]);
  for (int e = 1; e <= kTwoToneDecodeEntries; ++e) {
    const int c = (e - 1) % 2;
    const int r = (e - 1) / 2;
    page.text(3 + 32 * c, -(4 + 9 * r), "2-Tone " + number(e) + ":");
    fieldLines(page, rows, loadTwoToneDecode(image, e), image, lang, 4 + 32 * c, 26 + 32 * c, -(5 + 9 * r));
  }
}

// ---------------------------------------------------------------------------
// 2-Tone encode: timing, then the 32 tone pairs in two halves of sixteen.

void drawTwoToneEncodePage(PageWriter& page, const RadioImage& image, Language lang) {
  drawTitle(page, PageKind::TwoToneEncode, lang);
  fieldLines(page, std::span(kTwoToneEncodeRows).first(6), loadTwoToneEncode(image), image, lang, 6, 30, -4);

  // The Chinese heads of the tone columns sit 1.5 columns further right.
  const double toneHeadShift = lang == Language::Chinese ? 1.5 : 0.0;
  for (const double half : {0.0, 28.0}) {
    page.text(6 + half, -12, Text{"Num", "编码"}.in(lang));
    page.text(12 + half + toneHeadShift, -12, kTwoToneToneFields[0].printed.in(lang));
    page.text(22 + half + toneHeadShift, -12, kTwoToneToneFields[1].printed.in(lang));
  }
  const int ruleY = 15 - page.b(13);
  page.line(page.u(6) - 25, ruleY, page.u(30), ruleY);
  page.line(page.u(34) - 25, ruleY, page.u(58), ruleY);
  for (const int x : {11, 39}) page.line(page.u(x), 25 - page.b(12), page.u(x), -page.b(29) - 25);

  for (int i = 0; i < 16; ++i) {
    const int y = -page.b(i + 13) - 25;
    page.textAt(page.u(7), y, number(i + 1));
    page.textAt(page.u(13), y, printout::twoToneEncodeTone(image, i, 0));
    page.textAt(page.u(23), y, printout::twoToneEncodeTone(image, i, 1));
    page.textAt(page.u(35), y, number(i + 17));
    page.textAt(page.u(41), y, printout::twoToneEncodeTone(image, i + 16, 0));
    page.textAt(page.u(51), y, printout::twoToneEncodeTone(image, i + 16, 1));
  }
}

// ---------------------------------------------------------------------------
// Channel pages: up to five channel blocks of eight body lines.

std::string channelPttIdText(const RadioImage& image, int row) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X", image.channel(row)[chan::kPttId]);
  return buf;
}

std::string channelSignalText(const RadioImage& image, int row) {
  char buf[16];
  const auto record = image.channel(row);
  std::snprintf(buf, sizeof buf, "%02X %02X", record[chan::kSignal], record[chan::kSignal + 1]);
  return buf;
}

void drawChannelPage(PageWriter& page, const RadioImage& image, const ChannelGrid& grid, const std::vector<int>& rows,
                     Language lang) {
  drawTitle(page, PageKind::Channel, lang);
  int block = 0;
  for (const int row : rows) {
    if (block >= 5) break;
    if (row < 1 || row > kChannelRows || grid.cell(row, ColRx).empty()) continue;
    const int o = 8 * block++;
    const RowTexts& cells = grid.row(row);
    const std::string label = row == kChannelRows ? std::string("FR") : number(row);
    page.text(4, -(4 + o), std::string(Text{"Channel ", "信道 "}.in(lang)) + label + ":");
    const Label left[] = {
        {-(5 + o), {"Receive Frequency:", "接收频率:"}}, {-(6 + o), {"Transceive Frequency:", "发射频率:"}},
        {-(7 + o), {"QT/DQT Decode:", "QT/DQT 解码:"}},  {-(8 + o), {"QT/DQT Encode:", "QT/DQT 编码:"}},
        {-(9 + o), {"Channel Name:", "信道名字:"}},      {-(10 + o), {"Transmit Power:", "发射功率:"}},
    };
    const int leftColumns[] = {ColRx, ColTx, ColDecode, ColEncode, ColName, ColPower};
    for (int i = 0; i < 6; ++i) {
      page.text(5, left[i].y, left[i].text.in(lang));
      page.text(24, left[i].y, cells[leftColumns[i]]);
    }
    const std::string busy = cells[ColBusy] == "QT/DQT Tone" ? std::string("QT/DQT") : cells[ColBusy];
    page.text(40, -(5 + o), Text{"Wide/Narrow:", "宽/窄:"}.in(lang));
    page.text(55, -(5 + o), cells[ColBandwidth]);
    page.text(40, -(6 + o), Text{"Scan Add:", "扫描添加:"}.in(lang));
    page.text(55, -(6 + o), cells[ColScan]);
    page.text(40, -(7 + o), "PTT ID:");
    page.text(55, -(7 + o), channelPttIdText(image, row));
    page.text(40, -(8 + o), Text{"Busy Lock:", "繁忙锁定:"}.in(lang));
    page.text(55, -(8 + o), busy);
    page.text(40, -(9 + o), Text{"Optional Singal:", "可选信号:"}.in(lang));
    page.text(55, -(9 + o), channelSignalText(image, row));
  }
}

// ---------------------------------------------------------------------------
// Channel table: one line per programmed channel with the grid's columns.

void drawTablePage(PageWriter& page, const ChannelGrid& grid, const std::vector<int>& rows, Language lang) {
  drawTitle(page, PageKind::Table, lang);
  struct TableColumn {
    int column;  // grid column; 0 for the row label
    double x;
    Text head;
  };
  static constexpr TableColumn kColumns[] = {
      {0, 4, {"CH", "信道"}},
      {ColRx, 8, {"Rx", "接收"}},
      {ColTx, 16, {"Tx", "发射"}},
      {ColDecode, 24, {"Dec", "解码"}},
      {ColEncode, 29, {"Enc", "编码"}},
      {ColName, 34, {"Name", "名字"}},
      {ColPower, 42, {"Power", "功率"}},
      {ColBandwidth, 46.5, {"W/N", "宽/窄"}},
      {ColScan, 51.5, {"Scan", "扫描"}},
      {ColBusy, 56, {"Busy", "繁忙"}},
  };
  for (const TableColumn& c : kColumns) page.text(c.x, -4, c.head.in(lang));
  page.line(page.u(4), 25 - page.b(5), page.u(61), 25 - page.b(5));
  int y = -5;
  for (const int row : rows) {
    if (row < 1 || row > kChannelRows || grid.cell(row, ColRx).empty()) continue;
    const RowTexts& cells = grid.row(row);
    for (const TableColumn& c : kColumns) page.text(c.x, y, c.column == 0 ? rowLabel(row) : cells[c.column]);
    --y;
  }
}

}  // namespace radio::print
