#include "print/ReportLayouts.h"

#include <cstdio>

#include "features/DtmfCallListForm.h"
#include "features/DtmfDecodeForm.h"
#include "features/DtmfEncodeForm.h"
#include "features/MskForm.h"
#include "features/OptionalFeaturesForm.h"
#include "features/TwoToneDecodeForm.h"
#include "model/CodePage.h"

namespace radio::print {

namespace {

// One label line of a layout: body line y, label text in both languages.
struct Label {
  int y;
  Text text;
};

const Text kOnOff[2] = {{"Off", "关"}, {"On", "开"}};

std::string format(const char* pattern, double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, pattern, value);
  return buf;
}

std::string number(int value) { return std::to_string(value); }

std::string onOff(bool on, Language lang) { return kOnOff[on ? 1 : 0].in(lang); }

void drawTitle(PageWriter& page, PageKind kind, Language lang) {
  const PageGeometry& g = page.geometry();
  page.textAt(6 * g.unit(), -g.titleLine, pageTitle(kind, lang), FontRole::Title);
}

// Replaces what the code page could not decode (kept as private-use characters)
// and control characters by "?", so that nothing unprintable reaches the page.
std::string printable(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 4;
    len = std::min(len, utf8.size() - i);
    unsigned cp = len == 1 ? c : len == 2 ? (c & 0x1Fu) : len == 3 ? (c & 0x0Fu) : (c & 0x07u);
    for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    if (cp < 0x20 || cp == 0x7F || (cp >= 0xE000 && cp <= 0xF8FF)) {
      out += '?';
    } else {
      out.append(utf8, i, len);
    }
    i += len;
  }
  return out;
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

std::string imageText(const RadioImage& image, std::size_t offset, std::size_t maxLength, Language lang) {
  std::string bytes;
  for (std::size_t i = 0; i < maxLength && offset + i < kImageSize; ++i) {
    const Byte b = image.at(offset + i);
    // The texts end at 0xFF; a zero byte ends them as well, as in a C string.
    if (b == 0xFF || b == 0x00) break;
    bytes += static_cast<char>(b);
  }
  return printable(decodeCodePage(bytes, lang));
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
  for (int i = 0; i < 5; ++i)
    page.text(kLabelX, -5 - i, kDtmfEncodeFields[static_cast<std::size_t>(i)].printed.in(lang));
  // The sheet reads the whole speed and time bytes, as the radio holds them; the
  // DTMF dialog reads bits 0-1 and bits 0-4 (field::kDtmfSpeed, kDtmfFirstDelay...).
  const Byte speed = image.at(addr::kDtmfSpeed);
  page.text(kValueX, -5, number(speed == 0 ? 6 : speed == 1 ? 8 : speed == 2 ? 10 : 15));
  page.text(kValueX, -6, number(image.at(addr::kDtmfFirstDelay) * 50));
  page.text(kValueX, -7, number(image.at(addr::kDtmfFirstTime) * 50));
  page.text(kValueX, -8, number(image.at(addr::kDtmfStarHashTime) * 50));
  page.text(kValueX, -9, image.flag(field::kDtmfSideTone) ? "√" : "×");

  page.text(6, -11, Text{"Decode", "解码"}.in(lang));
  for (int i = 0; i < 5; ++i)
    page.text(kLabelX, -12 - i, kDtmfDecodeFields[static_cast<std::size_t>(i)].printed.in(lang));
  // The codes print one byte beyond the dialog's ten.
  constexpr std::size_t kPrintedCode = addr::kDtmfCodeLength + 1;
  page.text(kValueX, -12, imageText(image, addr::kDtmfIdCode, kPrintedCode, lang));
  page.text(
      kValueX, -13,
      image.at(addr::kDtmfGroupCode) == 0xFF ? std::string("Off") : imageText(image, addr::kDtmfGroupCode, 1, lang));
  page.text(kValueX, -14, onOff(image.flag(field::kDtmfStunActivation), lang));
  page.text(kValueX, -15, imageText(image, addr::kDtmfStunCode, kPrintedCode, lang));
  page.text(kValueX, -16,
            image.flag(field::kDtmfStunType) ? Text{"Tx inbibit", "禁止发射"}.in(lang)
                                             : Text{"Transceiver inhibit", "禁止收发"}.in(lang));

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
  const auto shown = [&](OptionalList list) {
    const auto items = optionalListItems(list, lang);
    const int index = form[list];
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)]
                                                                : std::string();
  };
  const auto flag = [&](ImageField f) { return image.flag(f); };

  struct Line {
    int y;
    Text label;
    std::string value;
  };
  const auto shared = [&](int y, OptionalList list) { return Line{y, optionalListInfo(list).printed, shown(list)}; };
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
  // The page prints the long delay before the interval.
  const auto& f = kTwoToneDecodeFields;
  const Text labels[] = {f[0].printed, f[1].printed, f[2].printed, f[3].printed, f[5].printed, f[4].printed};
  for (int e = 1; e <= 8; ++e) {
    const int c = (e - 1) % 2;
    const int r = (e - 1) / 2;
    const std::size_t entry = twoToneDecodeOffset(e);
    page.text(3 + 32 * c, -(4 + 9 * r), "2-Tone " + number(e) + ":");
    using namespace decodeEntry;
    const std::string values[] = {
        format("%4.1f", image.be16(entry + kATone) / 10.0),    format("%4.1f", image.be16(entry + kBTone) / 10.0),
        format("%2.1f", image.at(entry + kFirstDelay) / 10.0), format("%2.1f", image.at(entry + kSecondDelay) / 10.0),
        format("%2.1f", image.at(entry + kLongDelay) / 10.0),  format("%2.1f", image.at(entry + kInterval) / 10.0),
    };
    for (int i = 0; i < 6; ++i) {
      const int y = -(5 + i + 9 * r);
      page.text(4 + 32 * c, y, labels[i].in(lang));
      page.text(26 + 32 * c, y, values[i]);
    }
  }
}

// ---------------------------------------------------------------------------
// 2-Tone encode: timing, then the 32 tone pairs in two halves of sixteen.

void drawTwoToneEncodePage(PageWriter& page, const RadioImage& image, Language lang) {
  drawTitle(page, PageKind::TwoToneEncode, lang);
  for (int i = 0; i < 6; ++i) page.text(6, -4 - i, kTwoToneTimingFields[static_cast<std::size_t>(i)].printed.in(lang));
  page.text(30, -4, format("%2.1f", image.at(addr::kTwoToneFirstDelay) / 10.0));
  page.text(30, -5, format("%2.1f", image.at(addr::kTwoToneSecondDelay) / 10.0));
  page.text(30, -6, format("%2.1f", image.at(addr::kTwoToneLongDelay) / 10.0));
  page.text(30, -7, format("%2.1f", image.be16(addr::kTwoToneInterval) / 20.0));
  page.text(30, -8, format("%3.2f", image.be16(addr::kTwoToneTxRise) / 20.0));
  // The printout reads bit 0 of the short beep byte; the dialog, any set bit.
  const bool shortBeep = image.at(addr::kTwoToneShortBeep) & 1;
  page.text(30, -9, shortBeep ? Text{"ON", "开"}.in(lang) : Text{"Off", "关"}.in(lang));

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

  const auto tone = [&](std::size_t offset) {
    return image.at(offset) == 0xFF ? std::string() : format("%4.1f", image.be16(offset) / 10.0);
  };
  for (int i = 0; i < 16; ++i) {
    const int y = -page.b(i + 13) - 25;
    page.textAt(page.u(7), y, number(i + 1));
    page.textAt(page.u(13), y, tone(twoToneEncodeOffset(i, 0)));
    page.textAt(page.u(23), y, tone(twoToneEncodeOffset(i, 1)));
    page.textAt(page.u(35), y, number(i + 17));
    page.textAt(page.u(41), y, tone(twoToneEncodeOffset(i + 16, 0)));
    page.textAt(page.u(51), y, tone(twoToneEncodeOffset(i + 16, 1)));
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

}  // namespace radio::print
