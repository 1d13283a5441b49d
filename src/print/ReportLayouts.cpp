#include "print/ReportLayouts.h"

#include <cstdio>

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
  const Byte flags = image.at(addr::kOptionalFlags);

  page.text(6, -4, Text{"Encode", "编码"}.in(lang));
  const Label encode[] = {
      {-5, {"DTMF Speed:", "DTMF 速率:"}},
      {-6, {"First Digit Delay Time(ms):", "首位数码持续时间 (毫秒):"}},
      {-7, {"First Digit Time(ms):", "首位数码时间 (毫秒):"}},
      {-8, {"* and # Digit Time(ms):", "* 和 # 数码时间 (毫秒):"}},
      {-9, {"Side Tone:", "侧音:"}},
  };
  for (const Label& l : encode) page.text(kLabelX, l.y, l.text.in(lang));
  const Byte speed = image.at(addr::kDtmf);
  page.text(kValueX, -5, number(speed == 0 ? 6 : speed == 1 ? 8 : speed == 2 ? 10 : 15));
  page.text(kValueX, -6, number(image.at(addr::kDtmf + 1) * 50));
  page.text(kValueX, -7, number(image.at(addr::kDtmf + 2) * 50));
  page.text(kValueX, -8, number(image.at(addr::kDtmf + 3) * 50));
  page.text(kValueX, -9, (flags >> 6) & 1 ? "√" : "×");

  page.text(6, -11, Text{"Decode", "解码"}.in(lang));
  const Label decode[] = {
      {-12, {"ID Code:", "身份码:"}},
      {-13, {"Group Code:", "组呼码:"}},
      {-14, {"Stun Activation:", "遥毙激活:"}},
      {-15, {"Stun Code:", "遥毙码:"}},
      {-16, {"Stun Code Response:", "遥毙码回应:"}},
  };
  for (const Label& l : decode) page.text(kLabelX, l.y, l.text.in(lang));
  page.text(kValueX, -12, imageText(image, 0x1320, 11, lang));
  page.text(kValueX, -13, image.at(0x132F) == 0xFF ? std::string("Off") : imageText(image, 0x132F, 1, lang));
  page.text(kValueX, -14, onOff((flags >> 4) & 1, lang));
  page.text(kValueX, -15, imageText(image, 0x1338, 11, lang));
  page.text(
      kValueX, -16,
      (flags >> 5) & 1 ? Text{"Tx inbibit", "禁止发射"}.in(lang) : Text{"Transceiver inhibit", "禁止收发"}.in(lang));

  page.text(6, -18, Text{"CallList", "呼叫列表"}.in(lang));
  page.text(9, -19, Text{"Num", "编号"}.in(lang));
  page.text(21, -19, Text{"FastCallList", "快速呼叫列表"}.in(lang));
  page.line(page.u(8), -page.b(20) + 25, page.u(40), -page.b(20) + 25);
  page.line(page.u(15), 50 - page.b(19), page.u(15), -page.b(29));
  for (int n = 1; n <= 9; ++n) {
    const int y = -page.b(n + 19) - 50;
    page.textAt(page.u(10), y, number(n));
    page.textAt(page.u(18), y, imageText(image, addr::kDtmfCallList + 24 * static_cast<std::size_t>(n - 1), 16, lang));
  }
}

// ---------------------------------------------------------------------------
// MSK: own code and the call list.

void drawMskPage(PageWriter& page, const RadioImage& image, Language lang) {
  drawTitle(page, PageKind::Msk, lang);
  page.text(6, -4, Text{"ID Code:", "身份码:"}.in(lang));
  page.text(15, -4, imageText(image, addr::kMsk, 4, lang));
  page.text(6, -6, Text{"CallList", "呼叫列表"}.in(lang));
  page.text(9, -7, Text{"Num", "编号"}.in(lang));
  page.text(16, -7, Text{"CallList", "呼叫列表"}.in(lang));
  page.line(page.u(8), -page.b(8) + 25, page.u(25), -page.b(8) + 25);
  page.line(page.u(14), 25 - page.b(7), page.u(14), -page.b(17) - 50);
  for (int n = 1; n <= 9; ++n) {
    const int y = -page.b(n + 7) - 25;
    // Entries are packed four to a record behind the own code: n div 4 picks the
    // record, n mod 4 the four-byte slot in it.
    const std::size_t offset = addr::kMsk + 24 * static_cast<std::size_t>(n / 4) + 4 * static_cast<std::size_t>(n % 4);
    page.textAt(page.u(10), y, number(n));
    page.textAt(page.u(17), y, imageText(image, offset, 4, lang));
  }
}

// ---------------------------------------------------------------------------
// Optional features. The bits are those the radio's printout has always used.

void drawOptionalPage(PageWriter& page, const RadioImage& image, Language lang) {
  drawTitle(page, PageKind::Optional, lang);
  constexpr double kLabelX = 9;
  constexpr double kValueX = 30;
  const Byte tot = image.at(0x1260);
  const Byte squelch = image.at(0x1261);
  const Byte vox = image.at(0x1262);
  const Byte step = image.at(0x1263);
  const Byte f64 = image.at(0x1264);
  const Byte f65 = image.at(0x1265);
  const Byte display = image.at(0x1266);
  const Byte flags = image.at(addr::kOptionalFlags);
  const auto bit = [](Byte value, int n) { return ((value >> n) & 1) != 0; };

  struct Line {
    int y;
    Text label;
    std::string value;
  };
  const Text backLight[] = {{"Off", "关"}, {"Auto", "自动"}, {"On", "开"}, {"On", "开"}};
  const Text backColor[] = {{"Purple", "紫色"}, {"Orangle", "橙色"}, {"Blue", "蓝色"}, {"Blue", "蓝色"}};
  const char* displayMode[] = {"1", "2", "3", "4", "5", "5", "5", "5"};
  const Text scanMode[] = {{"To", "时间"}, {"Co", "载波"}, {"Se", "搜索"}, {"Se", "搜索"}};
  const char* steps[] = {"5k", "6.25k", "10k", "12.5k", "25k", "25k", "25k", "25k"};
  const std::string voice = !bit(f64, 2)    ? Text{"Off", "无"}.in(lang)
                            : bit(flags, 1) ? Text{"Chinese", "中文"}.in(lang)
                                            : Text{"English", "英文"}.in(lang);
  const Line lines[] = {
      {-5, {"Back Light:", "背光灯:"}, backLight[(f65 >> 4) & 3].in(lang)},
      {-6, {"Back Light Color:", "背光灯颜色:"}, backColor[(f65 >> 6) & 3].in(lang)},
      {-7, {"Display mode:", "显示模式:"}, displayMode[display & 7]},
      {-8, {"Key lock:", "键盘锁定:"}, bit(f65, 2) ? Text{"Manual", "手动"}.in(lang) : Text{"Auto", "自动"}.in(lang)},
      {-9, {"Priority channel:", "优先信道:"}, number(image.at(0x12A9))},
      {-10, {"Scan mode:", "扫描模式:"}, scanMode[(f64 >> 5) & 3].in(lang)},
      {-11, {"Squelch level:", "静噪电平:"}, number(squelch & 0x0F)},
      {-12, {"Step:", "步进:"}, steps[step & 7]},
      {-13,
       {"Time-out Timer:", "超时定时器:"},
       (tot & 0x0F) == 0 ? Text{"Off", "无"}.in(lang) : number((tot & 0x0F) * 30)},
      {-14, {"Vox Gain Level:", "声控增益电平:"}, (vox & 0x0F) == 0 ? Text{"Off", "关"}.in(lang) : number(vox & 0x0F)},
      {-15, {"Voice annunciation:", "语音报号:"}, voice},
      {-16, {"Frequency Mode:", "频率模式:"}, onOff(bit(flags, 3), lang)},
      {-17, {"MSK Type:", "MSK 类型:"}, bit(image.at(addr::kMskFlags), 0) ? "MSK-II" : "MSK-I"},
      {-18, {"Battery saver:", "电池省电:"}, onOff(bit(flags, 0), lang)},
      {-19, {"Beep tone:", "哔音:"}, onOff(bit(f64, 3), lang)},
      {-20, {"Scrambler:", "扰频器:"}, onOff(bit(f64, 4), lang)},
      {-21, {"Keypad Lock:", "数字功能键锁定:"}, onOff(!bit(flags, 7), lang)},
      {-24, {"Display PTT ID:", "显示 PTT ID:"}, onOff(bit(f64, 7), lang)},
      {-25, {"PTT ID type:", "PTT ID 类型:"}, bit(flags, 2) ? "DTMF" : "MSK"},
      {-26, {"Beginning of Trasmit:", "发射开始:"}, imageText(image, addr::kPttIdBegin, 16, lang)},
      {-27, {"End of transmit:", "发射结束:"}, imageText(image, addr::kPttIdEnd, 16, lang)},
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
  const Text labels[] = {
      {"A Tone (Hz):", "A 音 (Hz):"},
      {"B Tone (Hz):", "B 音 (Hz):"},
      {"The first delay time (s):", "第一音频持续时间 (s):"},
      {"The second delay time (s):", "第二音频持续时间 (s)"},
      {"Long tone delay time (s):", "长音持续时间 (s):"},
      {"Interval time (s):", "音频间隔时间 (s):"},
  };
  for (int e = 1; e <= 8; ++e) {
    const int c = (e - 1) % 2;
    const int r = (e - 1) / 2;
    const std::size_t entry = addr::kTwoToneDecode + 24 * static_cast<std::size_t>(r) + 8 * static_cast<std::size_t>(c);
    page.text(3 + 32 * c, -(4 + 9 * r), "2-Tone " + number(e) + ":");
    const std::string values[] = {
        format("%4.1f", image.be16(entry) / 10.0),   format("%4.1f", image.be16(entry + 2) / 10.0),
        format("%2.1f", image.at(entry + 4) / 10.0), format("%2.1f", image.at(entry + 5) / 10.0),
        format("%2.1f", image.at(entry + 7) / 10.0), format("%2.1f", image.at(entry + 6) / 10.0),
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
  constexpr std::size_t t = addr::kTwoToneTiming;
  const Label labels[] = {
      {-4, {"The first delay time(s):", "第一音频持续时间 (s):"}},
      {-5, {"The second delay time(s):", "第二音频持续时间 (s)"}},
      {-6, {"Long tone delay time(s):", "长音持续时间 (s):"}},
      {-7, {"Tone interval time(s):", "音频间隔时间 (s):"}},
      {-8, {"Txrise delay time(s):", "上升发射延迟时间 (s):"}},
      {-9, {"Short beep tone:", "短哔音:"}},
  };
  for (const Label& l : labels) page.text(6, l.y, l.text.in(lang));
  page.text(30, -4, format("%2.1f", image.at(t) / 10.0));
  page.text(30, -5, format("%2.1f", image.at(t + 1) / 10.0));
  page.text(30, -6, format("%2.1f", image.at(t + 2) / 10.0));
  page.text(30, -7, format("%2.1f", image.be16(t + 3) / 20.0));
  page.text(30, -8, format("%3.2f", image.be16(t + 5) / 20.0));
  page.text(30, -9, (image.at(t + 7) & 1) ? Text{"ON", "开"}.in(lang) : Text{"Off", "关"}.in(lang));

  // The Chinese heads of the tone columns sit 1.5 columns further right.
  const double toneHeadShift = lang == Language::Chinese ? 1.5 : 0.0;
  for (const double half : {0.0, 28.0}) {
    page.text(6 + half, -12, Text{"Num", "编码"}.in(lang));
    page.text(12 + half + toneHeadShift, -12, Text{"Tone Fre1", "音频1"}.in(lang));
    page.text(22 + half + toneHeadShift, -12, Text{"Tone Fre2", "音频2"}.in(lang));
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
    const std::size_t slot = 24 * static_cast<std::size_t>(i / 4) + 4 * static_cast<std::size_t>(i % 4);
    const std::size_t left = addr::kTwoToneEncode + slot;
    const std::size_t right = addr::kTwoToneEncode + 0x60 + slot;
    page.textAt(page.u(7), y, number(i + 1));
    page.textAt(page.u(13), y, tone(left));
    page.textAt(page.u(23), y, tone(left + 2));
    page.textAt(page.u(35), y, number(i + 17));
    page.textAt(page.u(41), y, tone(right));
    page.textAt(page.u(51), y, tone(right + 2));
  }
}

// ---------------------------------------------------------------------------
// Channel pages: up to five channel blocks of eight body lines.

std::string channelPttIdText(const RadioImage& image, int row) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X", image.channel(row)[12]);
  return buf;
}

std::string channelSignalText(const RadioImage& image, int row) {
  char buf[16];
  const auto record = image.channel(row);
  std::snprintf(buf, sizeof buf, "%02X %02X", record[14], record[15]);
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
