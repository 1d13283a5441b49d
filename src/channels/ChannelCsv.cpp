// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/ChannelCsv.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "channels/ChannelGrid.h"
#include "channels/Csv.h"
#include "model/AsciiText.h"
#include "model/ChannelCodec.h"
#include "model/CodePage.h"

namespace radio {
namespace {

// The columns an import reads or an export writes, in the order of the export.
enum Field : int {
  FLocation,
  FName,
  FFrequency,
  FDuplex,
  FOffset,
  FTone,
  FRToneFreq,
  FCToneFreq,
  FDtcsCode,
  FDtcsPolarity,
  FRxDtcsCode,
  FCrossMode,
  FMode,
  FTStep,
  FSkip,
  FPower,
  FComment,
  FUrCall,
  FRpt1Call,
  FRpt2Call,
  FDvCode,
  FBusyLock,
  kFieldCount
};

constexpr std::array<const char*, kFieldCount> kFieldNames = {
    "Location", "Name",         "Frequency",  "Duplex",    "Offset", "Tone",    "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",   "TStep",   "Skip",      "Power",
    "Comment",  "URCALL",       "RPT1CALL",   "RPT2CALL",  "DVCODE", "BusyLock"};

// Texts of the report and of a refused file.
namespace msg {
// clang-format off
constexpr Text kLine{"line %1: %2",
                     "第 %1 行：%2"};
constexpr Text kUnclosedQuote{"a quoted field is not closed",
                              "引号中的字段没有结束"};
constexpr Text kTextAfterQuote{"text follows a closing quote",
                               "结束引号后还有文字"};
constexpr Text kQuoteInsideField{"a quote inside a field that does not start with one",
                                 "未以引号开始的字段中有引号"};
constexpr Text kNoHeader{"the file has no header line",
                         "文件没有标题行"};
constexpr Text kHeaderNotUtf8{"the header is not UTF-8 text",
                              "标题行不是 UTF-8 文本"};
constexpr Text kMissingColumn{"the header has no %1 column",
                              "标题行没有 %1 列"};
constexpr Text kDuplicateColumn{"the header names the %1 column twice",
                                "标题行中 %1 列出现了两次"};

constexpr Text kNotUtf8{"the row is not UTF-8 text",
                        "该行不是 UTF-8 文本"};
constexpr Text kLocationNotNumber{"the location is not a channel number",
                                  "位置不是信道号"};
constexpr Text kNoSuchChannel{"there is no channel %1 (1-128)",
                              "没有信道 %1（1-128）"};
constexpr Text kChannelTaken{"channel %1 already comes from line %2",
                             "信道 %1 已由第 %2 行导入"};
constexpr Text kNoFrequency{"no receive frequency",
                            "没有接收频率"};
constexpr Text kFrequencyNotNumber{"receive frequency '%1' is not a number",
                                   "接收频率“%1”不是数字"};
constexpr Text kRxDataFormat{"receive frequency %1 is outside 67-600 MHz",
                             "接收频率 %1 超出 67-600 MHz"};
constexpr Text kRxStep{"receive frequency %1 is not on a 5 kHz or 6.25 kHz step",
                       "接收频率 %1 不在 5 kHz 或 6.25 kHz 步进上"};
constexpr Text kRxBand{"receive frequency %1 is outside the bands %2",
                       "接收频率 %1 超出频段 %2"};
constexpr Text kDuplex{"duplex '%1' is not empty, +, -, split or off",
                       "双工“%1”不是空、+、-、split 或 off"};
constexpr Text kOffsetNotNumber{"offset '%1' is not a number",
                                "偏移“%1”不是数字"};
constexpr Text kTxBand{"transmit frequency %1 is outside the bands %2",
                       "发射频率 %1 超出频段 %2"};
constexpr Text kTxStep{"transmit frequency %1 is not on a 5 kHz or 6.25 kHz step",
                       "发射频率 %1 不在 5 kHz 或 6.25 kHz 步进上"};
constexpr Text kToneMode{"tone mode '%1' is not known",
                         "亚音模式“%1”无法识别"};
constexpr Text kReverse{"tone mode %1 (reverse squelch) has no equivalent in the radio",
                        "亚音模式 %1（反向静噪）在电台中没有对应功能"};
constexpr Text kCrossMode{"cross mode '%1' is not known",
                          "交叉模式“%1”无法识别"};
constexpr Text kCtcss{"CTCSS tone '%1' is not in the radio's tone list",
                      "CTCSS 亚音“%1”不在电台的亚音列表中"};
constexpr Text kDcs{"DCS code '%1' is not in the radio's code list",
                    "DCS 码“%1”不在电台的数字亚音列表中"};
constexpr Text kPolarity{"DCS polarity '%1' is not NN, NR, RN or RR",
                         "DCS 极性“%1”不是 NN、NR、RN 或 RR"};
constexpr Text kMode{"mode '%1' is not FM or NFM",
                     "模式“%1”不是 FM 或 NFM"};
constexpr Text kPower{"power '%1' is neither watts nor High or Low",
                      "功率“%1”既不是瓦数也不是 High 或 Low"};
constexpr Text kSkip{"skip '%1' is not empty, S or P",
                     "跳过“%1”不是空、S 或 P"};
constexpr Text kBusy{"busy lock '%1' is not Off, Carrier or QT/DQT",
                     "繁忙锁定“%1”不是 Off、Carrier 或 QT/DQT"};
constexpr Text kNoChannelLeft{"no channel left after 128",
                              "128 之后没有空余信道"};

constexpr Text kNameCut{"name cut to '%1'",
                        "名字截为“%1”"};
constexpr Text kNameDropped{"%1 character(s) the code page cannot hold dropped from the name",
                            "名字中代码页无法存储的 %1 个字符已删除"};
constexpr Text kToneNotListed{"channel %1: tone %2 is not in the tone list; other programs may refuse it",
                              "信道 %1：亚音 %2 不在亚音列表中，其他程序可能不接受"};
constexpr Text kNotAFrequency{"channel %1: a frequency shows as '%2' (bytes that are no frequency); the channel is left out",
                              "信道 %1：频率显示为“%2”（字节不是频率），未导出该信道"};
// clang-format on
}  // namespace msg

// A value of the file as a report shows it: on one line, without control
// characters (which could steer a terminal), and not longer than a line.
std::string shown(std::string_view value) {
  constexpr std::size_t kMaxChars = 40;
  std::string out = utf8Left(value, kMaxChars);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  if (out.size() < value.size()) out += "...";
  return out;
}

// A text with %1, %2, ... replaced by the arguments: values of the file as
// shown(), texts of our own (asShown false) whole.
std::string fill(const Text& text, Language lang, std::initializer_list<std::string_view> args, bool asShown = true) {
  std::string out;
  const std::string_view pattern = text.in(lang);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (n < args.size()) out += asShown ? shown(*(args.begin() + n)) : std::string(*(args.begin() + n));
      ++i;
      continue;
    }
    out.push_back(pattern[i]);
  }
  return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits with at most one decimal point and at least one digit ("146.52", "5", ".6").
bool isDecimal(std::string_view s) {
  bool digit = false, point = false;
  for (char c : s) {
    if (isDigit(c)) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

// A decimal text as an integer count of 10^-decimals exactly; false when it is
// not a decimal, too large, or has non-zero digits beyond the decimals.
bool parseFixed(std::string_view s, int decimals, std::int64_t& out) {
  if (!isDecimal(s)) return false;
  const std::size_t point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : s.substr(point + 1);
  std::int64_t value = 0;
  int significant = 0;
  for (char c : whole) {
    value = value * 10 + (c - '0');
    if (value != 0 && ++significant > 12) return false;
  }
  for (int i = 0; i < decimals; ++i)
    value =
        value * 10 + (static_cast<std::size_t>(i) < fraction.size() ? fraction[static_cast<std::size_t>(i)] - '0' : 0);
  for (std::size_t i = static_cast<std::size_t>(decimals); i < fraction.size(); ++i)
    if (fraction[i] != '0') return false;
  out = value;
  return true;
}

// A frequency in units of 10 Hz as MHz with six decimals ("146.520000").
std::string mhz6(std::int64_t value) {
  const bool negative = value < 0;
  if (negative) value = -value;
  std::string fraction = std::to_string(value % 100000);
  fraction.insert(0, 5 - fraction.size(), '0');
  return (negative ? "-" : "") + std::to_string(value / 100000) + "." + fraction + "0";
}

// Indexes into the tone list: 0 None, 1-50 CTCSS, 51-155 DCS normal, 156-260 DCS inverted.
constexpr int kFirstDcsNormal = 51;
constexpr int kFirstDcsInverted = 156;

// The CTCSS tone of a text such as "88.5" or "100", as a tone-list index; -1 when not listed.
int ctcssIndex(std::string_view text) {
  static const std::vector<std::int64_t> tenths = [] {
    std::vector<std::int64_t> t(kFirstDcsNormal, -1);
    const auto& list = toneList(Language::English);
    for (int i = 1; i < kFirstDcsNormal; ++i)
      parseFixed(list[static_cast<std::size_t>(i)], 1, t[static_cast<std::size_t>(i)]);
    return t;
  }();
  std::int64_t value = 0;
  if (!parseFixed(text, 1, value)) return -1;
  for (int i = 1; i < kFirstDcsNormal; ++i)
    if (tenths[static_cast<std::size_t>(i)] == value) return i;
  return -1;
}

// The DCS code of a text such as "023" or "23" with a polarity letter (N, or R for
// reversed), as a tone-list index; -1 when not listed.
int dcsIndex(std::string_view text, char polarity) {
  if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), isDigit)) return -1;
  int code = 0;
  for (char c : text) code = code * 10 + (c - '0');
  const auto& codes = dcsCodes();
  const auto it = std::find(codes.begin(), codes.end(), code);
  if (it == codes.end()) return -1;
  const int offset = static_cast<int>(it - codes.begin());
  return (polarity == 'R' ? kFirstDcsInverted : kFirstDcsNormal) + offset;
}

// The cells of one data row, found through the header's columns.
class RowCells {
 public:
  RowCells(const CsvRecord& record, const std::array<int, kFieldCount>& columns) : record_(record), columns_(columns) {}
  [[nodiscard]] bool present(Field f) const {
    const int c = columns_[static_cast<std::size_t>(f)];
    return c >= 0 && static_cast<std::size_t>(c) < record_.cells.size();
  }
  // The cell as written; empty when the column or the cell is missing.
  [[nodiscard]] std::string_view raw(Field f) const {
    return present(f) ? std::string_view(record_.cells[static_cast<std::size_t>(columns_[static_cast<std::size_t>(f)])])
                      : std::string_view();
  }
  // The cell without surrounding blanks; the default when it is empty or missing.
  [[nodiscard]] std::string_view value(Field f, std::string_view fallback = {}) const {
    const std::string_view v = trimmed(raw(f));
    return v.empty() ? fallback : v;
  }

 private:
  const CsvRecord& record_;
  const std::array<int, kFieldCount>& columns_;
};

// A row that goes in: the grid's texts of the channel and what was changed on the way.
struct ImportedRow {
  RowTexts texts;
  std::vector<std::string> notes;
};

struct RowOutcome {
  std::optional<ImportedRow> row;
  std::string reason;  // why the row is skipped when !row
};

RowOutcome skip(std::string reason) { return {std::nullopt, std::move(reason)}; }

// The receive and transmit tones of a row as tone-list indexes, or the reason they cannot be.
struct Tones {
  int rx = 0;
  int tx = 0;
  std::string reason;
};

Tones readTones(const RowCells& row, Language lang) {
  Tones t;
  const std::string mode(row.value(FTone));
  const std::string_view polarity = row.value(FDtcsPolarity, "NN");
  const auto ctcss = [&](Field f, int& out) {
    const std::string_view text = row.value(f, "88.5");
    out = ctcssIndex(text);
    if (out < 0) t.reason = fill(msg::kCtcss, lang, {text});
    return out >= 0;
  };
  // which: 0 for the transmit letter of the polarity, 1 for the receive one.
  const auto dcs = [&](Field f, std::size_t which, int& out) {
    std::string p = lowerAscii(polarity);
    if (p.size() != 2 || (p[0] != 'n' && p[0] != 'r') || (p[1] != 'n' && p[1] != 'r')) {
      t.reason = fill(msg::kPolarity, lang, {polarity});
      return false;
    }
    const std::string_view text = row.value(f, "023");
    out = dcsIndex(text, p[which] == 'r' ? 'R' : 'N');
    if (out < 0) t.reason = fill(msg::kDcs, lang, {text});
    return out >= 0;
  };
  const std::string kind = lowerAscii(mode);
  if (kind.empty()) return t;
  if (kind == "tone") {
    ctcss(FRToneFreq, t.tx);
  } else if (kind == "tsql") {
    if (ctcss(FCToneFreq, t.rx)) t.tx = t.rx;
  } else if (kind == "dtcs") {
    if (dcs(FDtcsCode, 0, t.tx)) dcs(FDtcsCode, 1, t.rx);
  } else if (kind == "tsql-r" || kind == "dtcs-r") {
    t.reason = fill(msg::kReverse, lang, {mode});
  } else if (kind == "cross") {
    const std::string_view crossText = row.value(FCrossMode, "Tone->Tone");
    const std::string cross = lowerAscii(crossText);
    const auto arrow = cross.find("->");
    const std::string txKind = arrow == std::string::npos ? std::string() : cross.substr(0, arrow);
    const std::string rxKind = arrow == std::string::npos ? std::string() : cross.substr(arrow + 2);
    const auto known = [](const std::string& k) { return k.empty() || k == "tone" || k == "dtcs"; };
    if (arrow == std::string::npos || !known(txKind) || !known(rxKind) || (txKind.empty() && rxKind.empty())) {
      t.reason = fill(msg::kCrossMode, lang, {crossText});
      return t;
    }
    if (txKind == "tone" && !ctcss(FRToneFreq, t.tx)) return t;
    if (txKind == "dtcs" && !dcs(FDtcsCode, 0, t.tx)) return t;
    if (rxKind == "tone") ctcss(FCToneFreq, t.rx);
    if (rxKind == "dtcs") dcs(FRxDtcsCode, 1, t.rx);
  } else {
    t.reason = fill(msg::kToneMode, lang, {mode});
  }
  return t;
}

// The grid's texts for one data row, with the grid's checks.
RowOutcome readRow(const RowCells& row, const CsvImportOptions& options) {
  const Language lang = options.lang;
  const BandLimits& limits = options.limits;

  // A mode the radio does not have rules the row out whatever its frequency.
  const std::string mode = lowerAscii(row.value(FMode, "FM"));
  if (mode != "fm" && mode != "nfm") return skip(fill(msg::kMode, lang, {row.value(FMode)}));

  const std::string_view rxText = row.value(FFrequency);
  if (rxText.empty()) return skip(msg::kNoFrequency.in(lang));
  if (!isDecimal(rxText)) return skip(fill(msg::kFrequencyNotNumber, lang, {rxText}));
  // More than four digits before the point is far outside any band; the grid's
  // reading of the text is kept for everything else.
  const std::size_t digitsBeforePoint = rxText.find('.') == std::string_view::npos ? rxText.size() : rxText.find('.');
  const std::int32_t rx = digitsBeforePoint > 4 ? 0 : parseFrequencyText(rxText).value;
  const Validation check = validateReceiveFrequency(rx, limits);
  switch (check.message) {
    case MessageId::DataFormat: return skip(fill(msg::kRxDataFormat, lang, {rxText}));
    case MessageId::StepValue: return skip(fill(msg::kRxStep, lang, {rxText}));
    case MessageId::OutOfRange: return skip(fill(msg::kRxBand, lang, {rxText, bandsText(limits, lang)}));
    default: break;
  }

  // Transmit frequency from Duplex and Offset; 0 for receive only.
  const std::string duplex = lowerAscii(row.value(FDuplex));
  const std::string_view offsetText = row.value(FOffset, "0");
  std::int64_t tx = rx;
  if (duplex == "+" || duplex == "-" || duplex == "split") {
    const std::size_t point = offsetText.find('.');
    if (!isDecimal(offsetText) || (point == std::string_view::npos ? offsetText.size() : point) > 4)
      return skip(fill(msg::kOffsetNotNumber, lang, {offsetText}));
    const std::int64_t offset = parseFrequencyText(offsetText).value;
    tx = duplex == "+" ? rx + offset : duplex == "-" ? rx - offset : offset;
    // Refused as the grid refuses a typed one: never replaced by another.
    const MessageId refusal = tx <= 0 || tx > INT32_MAX
                                  ? MessageId::OutOfRange
                                  : validateTransmitFrequency(static_cast<std::int32_t>(tx), limits).message;
    if (refusal == MessageId::StepValue) return skip(fill(msg::kTxStep, lang, {mhz6(tx)}));
    if (refusal != MessageId::None) return skip(fill(msg::kTxBand, lang, {mhz6(tx), bandsText(limits, lang)}));
  } else if (duplex == "off") {
    tx = 0;
  } else if (!duplex.empty()) {
    return skip(fill(msg::kDuplex, lang, {row.value(FDuplex)}));
  }

  const Tones tones = readTones(row, lang);
  if (!tones.reason.empty()) return skip(tones.reason);

  const std::string_view powerText = row.value(FPower);
  bool high = true;
  if (!powerText.empty()) {
    const std::string p = lowerAscii(powerText);
    if (p == "high" || p == "low") {
      high = p == "high";
    } else {
      const std::string_view watts = trimmed(std::string_view(p).substr(0, p.size() - (p.back() == 'w' ? 1 : 0)));
      if (!isDecimal(watts)) return skip(fill(msg::kPower, lang, {powerText}));
      high = atofText(watts) >= 3.0;
    }
  }

  const std::string scan = lowerAscii(row.value(FSkip));
  if (!scan.empty() && scan != "s" && scan != "p") return skip(fill(msg::kSkip, lang, {row.value(FSkip)}));

  const std::string busy = lowerAscii(row.value(FBusyLock, "Off"));
  if (busy != "off" && busy != "carrier" && busy != "qt/dqt")
    return skip(fill(msg::kBusy, lang, {row.value(FBusyLock)}));

  ImportedRow out;
  RowTexts& texts = out.texts;
  const auto& tonesText = toneList(Language::English);
  texts[ColRx] = formatFrequency(rx);
  texts[ColTx] = tx == 0 ? std::string() : formatFrequency(static_cast<std::int32_t>(tx));
  texts[ColDecode] = tonesText[static_cast<std::size_t>(tones.rx)];
  texts[ColEncode] = tonesText[static_cast<std::size_t>(tones.tx)];
  texts[ColPower] = high ? "High" : "Low";
  texts[ColBandwidth] = mode == "fm" ? "Wide" : "Narrow";
  texts[ColScan] = scan == "s" ? "No" : "Yes";
  texts[ColBusy] = busy == "off" ? "Off" : busy == "carrier" ? "Carrier" : "QT/DQT";

  // The name as the grid's name cell holds it.
  std::size_t dropped = 0;
  const std::string storable = storableCharacters(row.raw(FName), lang, dropped);
  if (dropped > 0) out.notes.push_back(fill(msg::kNameDropped, lang, {std::to_string(dropped)}));
  texts[ColName] = fitCodePage(storable, lang, kNameEditLimit, chan::kNameSize);
  if (texts[ColName] != storable) out.notes.push_back(fill(msg::kNameCut, lang, {texts[ColName]}));
  return {std::move(out), {}};
}

bool blankRecord(const CsvRecord& record) {
  return std::all_of(record.cells.begin(), record.cells.end(), [](const std::string& c) { return trimmed(c).empty(); });
}

bool utf8Record(const CsvRecord& record) {
  return std::all_of(record.cells.begin(), record.cells.end(), [](const std::string& c) { return isUtf8(c); });
}

// A tone of a record, read through the grid's decoding.
struct ExportTone {
  enum Kind { None, Ctcss, Dcs } kind = None;
  std::string ctcss;    // "88.5"
  std::string code;     // "023"
  char polarity = 'N';  // N or R
  bool listed = true;
  std::string text;  // as the grid shows it
};

ExportTone exportTone(Byte low, Byte high) {
  ExportTone t;
  t.text = decodeToneField(low, high, true, Language::English);
  if (t.text == toneList(Language::English)[0]) return t;
  if (!t.text.empty() && t.text.front() == 'D') {
    t.kind = ExportTone::Dcs;
    std::string digits;
    for (char c : t.text)
      if (isDigit(c)) digits.push_back(c);
    while (digits.size() < 3) digits.insert(digits.begin(), '0');
    t.code = digits;
    t.polarity = t.text.back() == 'I' ? 'R' : 'N';
    t.listed = dcsIndex(digits, t.polarity) >= 0;
  } else {
    t.kind = ExportTone::Ctcss;
    t.ctcss = t.text;
    t.listed = ctcssIndex(t.text) >= 0;
  }
  return t;
}

}  // namespace

std::string CsvReportLine::text(Language lang) const {
  std::string where = (lang == Language::Chinese ? "位置 " : "location ") + (location.empty() ? "-" : shown(location));
  if (!name.empty()) where += " " + shown(name);
  return (lang == Language::Chinese ? "第 " + std::to_string(line) + " 行：" + where + "：" + message
                                    : "line " + std::to_string(line) + ": " + where + ": " + message);
}

bool CsvImportResult::locationsOutside() const {
  return std::any_of(skipped.begin(), skipped.end(), [](const CsvReportLine& l) { return l.locationOutside; });
}

const std::vector<std::string>& csvExportHeader() {
  static const std::vector<std::string> header(kFieldNames.begin(), kFieldNames.end());
  return header;
}

CsvImportResult importChannelsCsv(std::string_view text, const RadioImage& image, const CsvImportOptions& options) {
  const Language lang = options.lang;
  CsvImportResult result;
  result.image = image;
  if (options.at < 0 || options.at > kCsvChannels) {
    result.error = fill(msg::kNoSuchChannel, lang, {std::to_string(options.at)});
    return result;
  }
  const CsvTable table = readCsv(text);
  if (!table.ok()) {
    const Text* why = table.error == CsvError::UnclosedQuote    ? &msg::kUnclosedQuote
                      : table.error == CsvError::TextAfterQuote ? &msg::kTextAfterQuote
                                                                : &msg::kQuoteInsideField;
    result.error = fill(msg::kLine, lang, {std::to_string(table.errorLine), why->in(lang)}, false);
    return result;
  }
  if (table.records.empty()) {
    result.error = msg::kNoHeader.in(lang);
    return result;
  }
  const CsvRecord& header = table.records.front();
  if (!utf8Record(header)) {
    result.error = msg::kHeaderNotUtf8.in(lang);
    return result;
  }
  std::array<int, kFieldCount> columns;
  columns.fill(-1);
  for (std::size_t c = 0; c < header.cells.size(); ++c) {
    const std::string name = lowerAscii(trimmed(header.cells[c]));
    for (int f = 0; f < kFieldCount; ++f) {
      if (name != lowerAscii(kFieldNames[static_cast<std::size_t>(f)])) continue;
      if (columns[static_cast<std::size_t>(f)] >= 0) {
        result.error = fill(msg::kDuplicateColumn, lang, {kFieldNames[static_cast<std::size_t>(f)]});
        return result;
      }
      columns[static_cast<std::size_t>(f)] = static_cast<int>(c);
    }
  }
  for (const Field required : {FLocation, FFrequency}) {
    if (columns[required] < 0) {
      result.error = fill(msg::kMissingColumn, lang, {kFieldNames[required]});
      return result;
    }
  }

  std::map<int, int> lineOfChannel;  // channels imported so far, with their line
  int next = options.at;
  for (std::size_t r = 1; r < table.records.size(); ++r) {
    const CsvRecord& record = table.records[r];
    if (blankRecord(record)) continue;
    const RowCells row(record, columns);
    CsvReportLine report{record.line, std::string(row.value(FLocation)), std::string(row.raw(FName)), {}};
    const auto skipRow = [&](std::string reason) {
      report.message = std::move(reason);
      result.skipped.push_back(report);
    };
    if (!utf8Record(record)) {
      // Nothing of the row is shown as it is not text.
      report.location = isUtf8(report.location) ? report.location : std::string();
      report.name = isUtf8(report.name) ? report.name : std::string();
      skipRow(msg::kNotUtf8.in(lang));
      continue;
    }
    int channel = 0;
    if (options.at == 0) {
      std::int64_t location = 0;
      if (!parseFixed(report.location, 0, location) || report.location.find('.') != std::string::npos) {
        skipRow(msg::kLocationNotNumber.in(lang));
        continue;
      }
      if (location < 1 || location > kCsvChannels) {
        report.locationOutside = true;
        skipRow(fill(msg::kNoSuchChannel, lang, {std::to_string(location)}));
        continue;
      }
      channel = static_cast<int>(location);
    }
    RowOutcome outcome = readRow(row, options);
    if (!outcome.row) {
      skipRow(std::move(outcome.reason));
      continue;
    }
    if (options.at != 0) {
      if (next > kCsvChannels) {
        skipRow(msg::kNoChannelLeft.in(lang));
        continue;
      }
      channel = next++;
    } else if (const auto taken = lineOfChannel.find(channel); taken != lineOfChannel.end()) {
      skipRow(fill(msg::kChannelTaken, lang, {std::to_string(channel), std::to_string(taken->second)}));
      continue;
    }
    lineOfChannel[channel] = record.line;
    encodeChannel(outcome.row->texts, result.image.channel(channel), lang);
    result.channels.push_back(channel);
    result.placed.push_back(
        {record.line, report.location, channel, decodeChannel(result.image.channel(channel), lang)});
    for (std::string& note : outcome.row->notes) {
      report.message = std::move(note);
      result.notes.push_back(report);
    }
  }
  return result;
}

CsvExportResult exportChannelsCsv(const RadioImage& image, Language lang) {
  CsvExportResult result;
  result.text = csvLine(csvExportHeader());
  const BandLimits bands = bandLimitsFromRecord(kGridBandRecord);
  const auto bandOf = [&](std::int32_t f) {
    return f >= bands.low1 && f <= bands.high1 ? 1 : f >= bands.low2 && f <= bands.high2 ? 2 : 0;
  };
  for (int n = 1; n <= kCsvChannels; ++n) {
    const auto rec = image.channel(n);
    if (isEmptyFrequencyByte(rec[chan::kRx + 3])) continue;
    // A frequency that is not digit pairs has no value to write; a wrong one would
    // travel on silently.
    std::string unreadable;
    for (const std::size_t at : {chan::kRx, chan::kTx}) {
      const auto field = rec.subspan(at, 4);
      const bool present = at == chan::kRx || !isEmptyFrequencyByte(rec[chan::kTx + 3]);
      if (unreadable.empty() && present && !std::all_of(field.begin(), field.end(), isDigitPair))
        unreadable = rawFieldText(field, lang);
    }
    if (!unreadable.empty()) {
      result.notes.push_back(fill(msg::kNotAFrequency, lang, {std::to_string(n), unreadable}));
      continue;
    }
    std::vector<std::string> cells(kFieldCount);
    const std::int32_t rx = decodeFrequencyField(rec.subspan(chan::kRx, 4));
    cells[FLocation] = std::to_string(n);
    std::string nameBytes;
    for (std::size_t i = 0; i < chan::kNameSize && rec[chan::kName + i] != 0xFF; ++i)
      nameBytes.push_back(static_cast<char>(rec[chan::kName + i]));
    cells[FName] = decodeCodePage(nameBytes, lang);
    cells[FFrequency] = mhz6(rx);

    cells[FOffset] = mhz6(0);
    if (isEmptyFrequencyByte(rec[chan::kTx + 3])) {
      cells[FDuplex] = "off";
    } else if (const std::int32_t tx = decodeFrequencyField(rec.subspan(chan::kTx, 4)); tx != rx) {
      if (bandOf(rx) != 0 && bandOf(rx) == bandOf(tx)) {
        cells[FDuplex] = tx > rx ? "+" : "-";
        cells[FOffset] = mhz6(tx > rx ? std::int64_t{tx} - rx : std::int64_t{rx} - tx);
      } else {
        cells[FDuplex] = "split";
        cells[FOffset] = mhz6(tx);
      }
    }

    // The simplest tone mode that says it; the unused columns keep the usual defaults.
    const ExportTone txTone = exportTone(rec[chan::kTxTone], rec[chan::kTxTone + 1]);
    const ExportTone rxTone = exportTone(rec[chan::kRxTone], rec[chan::kRxTone + 1]);
    for (const ExportTone* t : {&txTone, &rxTone})
      if (!t->listed) result.notes.push_back(fill(msg::kToneNotListed, lang, {std::to_string(n), t->text}));
    using K = ExportTone::Kind;
    cells[FRToneFreq] = txTone.kind == K::Ctcss ? txTone.ctcss : "88.5";
    cells[FCToneFreq] = rxTone.kind == K::Ctcss ? rxTone.ctcss : "88.5";
    cells[FDtcsCode] = txTone.kind == K::Dcs ? txTone.code : rxTone.kind == K::Dcs ? rxTone.code : "023";
    cells[FRxDtcsCode] = rxTone.kind == K::Dcs ? rxTone.code : cells[FDtcsCode];
    cells[FDtcsPolarity] =
        std::string{txTone.kind == K::Dcs ? txTone.polarity : 'N', rxTone.kind == K::Dcs ? rxTone.polarity : 'N'};
    cells[FCrossMode] = "Tone->Tone";
    if (txTone.kind == K::None && rxTone.kind == K::None) {
      cells[FTone] = "";
    } else if (txTone.kind == K::Ctcss && rxTone.kind == K::None) {
      cells[FTone] = "Tone";
    } else if (txTone.kind == K::Ctcss && rxTone.kind == K::Ctcss && txTone.ctcss == rxTone.ctcss) {
      cells[FTone] = "TSQL";
      cells[FRToneFreq] = txTone.ctcss;  // for readers that take the TSQL tone from here
    } else if (txTone.kind == K::Dcs && rxTone.kind == K::Dcs && txTone.code == rxTone.code) {
      cells[FTone] = "DTCS";
    } else {
      static constexpr std::array<const char*, 3> kKind = {"", "Tone", "DTCS"};
      cells[FTone] = "Cross";
      cells[FCrossMode] = std::string(kKind[txTone.kind]) + "->" + kKind[rxTone.kind];
    }

    const Byte flags = rec[chan::kFlags];
    cells[FMode] = decodeFlag(FlagField::Bandwidth, flags, Language::English) == "Wide" ? "FM" : "NFM";
    cells[FTStep] = rx % 500 == 0 ? "5.00" : "6.25";
    cells[FSkip] = decodeFlag(FlagField::Scan, flags, Language::English) == "Yes" ? "" : "S";
    cells[FPower] = decodeFlag(FlagField::Power, flags, Language::English) == "High" ? "5.0W" : "1.0W";
    cells[FBusyLock] = decodeFlag(FlagField::BusyLock, flags, Language::English);
    result.text += csvLine(cells);
    ++result.channels;
  }
  return result;
}

}  // namespace radio
