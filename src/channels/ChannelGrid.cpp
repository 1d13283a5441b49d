// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/ChannelGrid.h"

#include <algorithm>
#include <cctype>

#include "model/CodePage.h"

namespace radio {
namespace {

constexpr std::array<ColumnInfo, kGridColumns> kColumns = {{
    {"", {"CH", "信道"}, 0.5, EditorKind::None},
    {"rx", {"Rx Frequency", "接收频率"}, 1.06, EditorKind::Frequency, 1127, 2127},
    {"tx", {"Tx Frequency", "发射频率"}, 1.06, EditorKind::Frequency, 1127, 2128},
    {"dec", {"QT/DQT Dec", "QT/DQT解码"}, 1.1, EditorKind::ToneList, 1132, 2132},
    {"enc", {"QT/DQT Enc", "QT/DQT编码"}, 1.1, EditorKind::ToneList, 1132, 2133},
    {"name", {"Chnnel Name", "信道名字"}, 1.08, EditorKind::Name, 1126, 1126},
    {"power", {"Power", "功率"}, 0.7, EditorKind::FlagList, 1129, 1129},
    {"wn", {" W/N ", "宽/窄"}, 0.86, EditorKind::FlagList, 1128, 1128},
    {"scan", {"Scan Add", "扫描添加"}, 0.8, EditorKind::FlagList, 1134, 1134},
    {"busy", {"Busy Lock", "繁忙锁定"}, 1.05, EditorKind::FlagList, 1130, 1130},
}};

FlagField flagOfColumn(int column) {
  switch (column) {
    case ColPower: return FlagField::Power;
    case ColBandwidth: return FlagField::Bandwidth;
    case ColScan: return FlagField::Scan;
    default: return FlagField::BusyLock;
  }
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

RowTexts emptyRow() { return {}; }

// A frequency cell into its four bytes: the frequency, the bytes of a raw-field
// text, or, for an empty cell, 0xFF in all four.
void storeFrequencyCell(std::string_view text, std::span<Byte> field) {
  if (parseRawFieldText(text, field)) return;
  const std::int32_t value = parseFrequencyText(text).value;
  if (value == 0) {
    std::fill(field.begin(), field.end(), Byte{0xFF});
    return;
  }
  const auto bytes = encodeFrequencyField(value);
  std::copy(bytes.begin(), bytes.end(), field.begin());
}

CommitResult commitReceive(const RowTexts& row, std::string_view editorText, const BandLimits& limits, Language lang) {
  CommitResult r{row, {}, false, {}};
  if (editorText.empty()) {
    r.row = emptyRow();
    return r;
  }
  const ParsedFrequency parsed = parseFrequencyText(editorText);
  r.message = validateReceiveFrequency(parsed.value, limits);
  if (!r.message.valid()) {
    // The cell and the editor stay as they are, whatever the refusal.
    r.editorShown = true;
    r.editorText = std::string(editorText);
    return r;
  }
  if (!row[ColRx].empty()) {
    r.row[ColRx] = parsed.text;
  } else {
    r.row[ColRx] = parsed.text;
    r.row[ColTx] = parsed.text;
    const auto defaults = newChannelDefaults(lang);
    for (int c = ColDecode; c <= ColBusy; ++c) r.row[c] = defaults[static_cast<std::size_t>(c - ColDecode)];
  }
  return r;
}

// An empty transmit text makes the channel receive-only; any other text passes the
// receive frequency's checks, and a refused one leaves the cell and the editor.
CommitResult commitTransmit(const RowTexts& row, std::string_view editorText, const BandLimits& limits) {
  CommitResult r{row, {}, false, {}};
  if (!isOffsetText(editorText) && (!rowTakesValue(row, ColTx) || editorText.empty())) {
    r.row[ColTx].clear();
    return r;
  }
  ParsedFrequency parsed = parseFrequencyText(editorText);
  if (isOffsetText(editorText)) {
    const OffsetFrequency offset = applyOffset(row[ColRx], editorText);
    parsed = {offset.value, formatFrequency(offset.value)};
    if (offset.refusal != MessageId::None) r.message = {offset.refusal, MessageIcon::Exclamation};
  }
  if (r.message.valid()) r.message = validateTransmitFrequency(parsed.value, limits);
  if (!r.message.valid()) {
    r.editorShown = true;
    r.editorText = std::string(editorText);
    return r;
  }
  r.row[ColTx] = parsed.text;
  return r;
}

}  // namespace

MessageId nameRefusal(std::string_view name, Language lang) {
  const std::string bytes = encodeCodePage(name, lang);
  if (utf8Length(name) > static_cast<std::size_t>(kNameEditLimit) || bytes.size() > chan::kNameSize)
    return MessageId::NameTooLong;
  // A character without a code comes back as "?".
  if (decodeCodePage(bytes, lang) != name) return MessageId::NameCharacters;
  return MessageId::None;
}

bool nameFits(std::string_view name, Language lang) { return nameRefusal(name, lang) != MessageId::NameTooLong; }

bool frequencyEditorTakes(int column, std::string_view text) {
  if (text.size() > static_cast<std::size_t>(kFrequencyEditLimit)) return false;
  if (column == ColTx && isOffsetText(text)) text.remove_prefix(1);
  return std::all_of(text.begin(), text.end(), [](char c) { return frequencyEditorAccepts(c); });
}

OffsetFrequency applyOffset(std::string_view rxText, std::string_view offsetText) {
  if (!isOffsetText(offsetText)) return {0, MessageId::DataFormat};
  const std::string_view magnitude = offsetText.substr(1);
  const bool number = std::any_of(magnitude.begin(), magnitude.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
                      std::all_of(magnitude.begin(), magnitude.end(), [](char c) { return frequencyEditorAccepts(c); });
  if (!number) return {0, MessageId::DataFormat};
  // A raw-field text ("Invalid ...") holds bytes, not a frequency to count from.
  const std::int32_t rx = isRawFieldText(rxText) ? 0 : parseFrequencyText(rxText).value;
  if (rx <= 0) return {0, MessageId::OffsetWithoutReceive};
  // An offset past 600 MHz is refused by the range check; clamp so the sum cannot overflow.
  const std::int32_t delta = std::min(parseFrequencyText(magnitude).value, 100'000'000);
  return {offsetText.front() == '-' ? rx - delta : rx + delta, MessageId::None};
}

bool RowTexts::empty() const {
  return std::all_of(cells.begin(), cells.end(), [](const std::string& s) { return s.empty(); });
}

std::string rowLabel(int row) { return row == kChannelRows ? "Fr" : std::to_string(row); }

int rowFromLabel(std::string_view label) {
  if (label.size() == 2 && std::tolower(static_cast<unsigned char>(label[0])) == 'f' &&
      std::tolower(static_cast<unsigned char>(label[1])) == 'r')
    return kChannelRows;
  if (label.empty() || label.size() > 3) return 0;
  int n = 0;
  for (char c : label) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n >= 1 && n < kChannelRows ? n : 0;
}

const ColumnInfo& columnInfo(int column) { return kColumns.at(static_cast<std::size_t>(column)); }

int columnForKey(std::string_view key) {
  for (int c = ColRx; c < kGridColumns; ++c)
    if (key == columnInfo(c).key) return c;
  return 0;
}

std::string columnHeader(int column, Language lang) { return columnInfo(column).header.in(lang); }

RowTexts decodeChannel(std::span<const Byte> rec, Language lang) {
  RowTexts row;
  if (!isEmptyFrequencyByte(rec[chan::kRx + 3])) row[ColRx] = frequencyFieldText(rec.subspan(chan::kRx, 4), lang);
  if (!isEmptyFrequencyByte(rec[chan::kTx + 3])) row[ColTx] = frequencyFieldText(rec.subspan(chan::kTx, 4), lang);
  // A receive-only channel shows its name and flags like any other.
  const bool inUse = isChannelInUse(rec);
  row[ColDecode] = decodeToneField(rec[chan::kRxTone], rec[chan::kRxTone + 1], inUse, lang);
  row[ColEncode] = decodeToneField(rec[chan::kTxTone], rec[chan::kTxTone + 1], inUse, lang);
  if (inUse) {
    std::string name;
    for (std::size_t i = 0; i < chan::kNameSize && rec[chan::kName + i] != 0xFF; ++i)
      name.push_back(static_cast<char>(rec[chan::kName + i]));
    row[ColName] = decodeCodePage(name, lang);
    const Byte flags = rec[chan::kFlags];
    row[ColPower] = decodeFlag(FlagField::Power, flags, lang);
    row[ColBandwidth] = decodeFlag(FlagField::Bandwidth, flags, lang);
    row[ColScan] = decodeFlag(FlagField::Scan, flags, lang);
    row[ColBusy] = decodeFlag(FlagField::BusyLock, flags, lang);
  }
  return row;
}

void encodeChannel(const RowTexts& row, std::span<Byte> rec, Language lang) {
  storeFrequencyCell(row[ColRx], rec.subspan(chan::kRx, 4));
  storeFrequencyCell(row[ColTx], rec.subspan(chan::kTx, 4));
  const ToneBytes dec = encodeToneField(row[ColDecode]);
  rec[chan::kRxTone] = dec.low;
  rec[chan::kRxTone + 1] = dec.high;
  const ToneBytes enc = encodeToneField(row[ColEncode]);
  rec[chan::kTxTone] = enc.low;
  rec[chan::kTxTone + 1] = enc.high;
  const std::string name = encodeCodePage(row[ColName], lang, chan::kNameSize);
  for (std::size_t i = 0; i < chan::kNameSize; ++i)
    rec[chan::kName + i] = i < name.size() ? static_cast<Byte>(name[i]) : Byte{0xFF};
  Byte flags = rec[chan::kFlags];
  flags = encodeFlag(FlagField::Power, row[ColPower], flags);
  flags = encodeFlag(FlagField::Bandwidth, row[ColBandwidth], flags);
  flags = encodeFlag(FlagField::Scan, row[ColScan], flags);
  flags = encodeFlag(FlagField::BusyLock, row[ColBusy], flags);
  flags = encodeOffsetDirection(row[ColRx], row[ColTx], flags);
  rec[chan::kFlags] = flags;
}

void imageToGrid(RadioImage& image, ChannelGrid& grid, BandState& band, Language lang) {
  for (int n = 1; n <= kChannelRows; ++n) grid.row(n) = decodeChannel(image.channel(n), lang);
  band.record = normalisedBandRecord(image.bandRecord());
  image.setBandRecord(kGridBandRecord);
  band.limits = bandLimitsFromRecord(kGridBandRecord);
}

void gridToImage(const ChannelGrid& grid, RadioImage& image, const BandLimits& limits, Language lang) {
  image.setBandRecord(bandRecordFromLimits(limits));
  // A channel that shows what its record holds was not edited: its bytes stay
  // exactly as they are (bytes the texts do not show, such as a name's bytes after
  // its end or a "no tone" written as 0x00, included). Empty rows are written out
  // in full, as a new document's are.
  for (int n = 1; n <= kChannelRows; ++n) {
    const RowTexts& row = grid.row(n);
    if (row.empty() || row != decodeChannel(image.channel(n), lang)) encodeChannel(row, image.channel(n), lang);
  }
  image.setFlag(field::kChannelGridFlag, true);
}

EditorKind editorForColumn(int column) {
  return column >= 0 && column < kGridColumns ? columnInfo(column).editor : EditorKind::None;
}

std::vector<std::string> listItemsForColumn(int column, Language lang) {
  switch (editorForColumn(column)) {
    case EditorKind::ToneList: return toneList(lang);
    case EditorKind::FlagList: return flagListItems(flagOfColumn(column), lang);
    default: return {};
  }
}

int listSelectionForText(const std::vector<std::string>& items, std::string_view cellText) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (startsWithIgnoringCase(items[i], cellText)) return static_cast<int>(i);
  return 0;
}

bool rowTakesValue(const RowTexts& row, int column) {
  if (column == ColRx) return true;
  if (column == ColTx) return !row[ColRx].empty();
  return column >= ColDecode && column <= ColBusy && !(row[ColRx].empty() && row[ColTx].empty());
}

CommitResult commitCellEdit(const RowTexts& row, int column, std::string_view editorText, const BandLimits& limits,
                            Language lang) {
  CommitResult r{row, {}, false, {}};
  // A cell showing a field it cannot read keeps its bytes when its own text comes
  // back from the editor (the editor was opened and left without a change).
  // A cell keeps its value when its own text comes back from the editor (opened
  // and left without a change, or pasted over with what it shows), whatever the
  // rules would make of that text: a field a damaged file holds (bytes that are
  // no value, a transmit frequency outside the bands, a record without a receive
  // frequency) is never changed by a look at it.
  if (column >= ColRx && column <= ColBusy && editorText == row[column]) return r;
  if (column == ColRx) return commitReceive(row, editorText, limits, lang);
  if (column == ColTx) return commitTransmit(row, editorText, limits);
  if (column < ColDecode || column > ColBusy) return r;
  // A name the record cannot hold whole, or only with "?" for a character, is
  // refused, never cut or replaced: the editor stays with it, for the user to mend.
  if (column == ColName && rowTakesValue(row, column)) {
    if (const MessageId refusal = nameRefusal(editorText, lang); refusal != MessageId::None) {
      r.message = {refusal, MessageIcon::Exclamation};
      r.editorShown = true;
      r.editorText = std::string(editorText);
      return r;
    }
  }
  // Nothing can be set on an empty row.
  r.row[column] = rowTakesValue(row, column) ? std::string(editorText) : std::string();
  return r;
}

CommitResult commitFrequencyOnEnter(const RowTexts& row, int column, std::string_view editorText,
                                    const BandLimits& limits, Language lang) {
  CommitResult r = commitCellEdit(row, column, editorText, limits, lang);
  if (!r.message.valid()) {
    r.row = row;
    r.editorShown = true;
    r.editorText.clear();
  }
  return r;
}

EditorAction editorKeyAction(EditorKind editor, EditorKey key) {
  if (editor == EditorKind::None) return EditorAction::PassOn;
  switch (key) {
    case EditorKey::Escape: return EditorAction::Cancel;
    case EditorKey::Return:
      if (editor == EditorKind::Frequency) return EditorAction::CommitOnEnter;
      return EditorAction::CommitAndMoveNext;
    case EditorKey::Other: break;
  }
  return EditorAction::PassOn;
}

void CellEditSession::open(std::string_view cellText) {
  open_ = true;
  original_ = std::string(cellText);
  refused_.reset();
}

void CellEditSession::close() {
  open_ = false;
  original_.clear();
  refused_.reset();
}

bool CellEditSession::refusalToShow(std::string_view editorText) {
  if (refused_ && *refused_ == editorText) return false;
  refused_ = std::string(editorText);
  return true;
}

}  // namespace radio
