// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/ChannelEditing.h"

#include <algorithm>

#include "channels/ChannelPlan.h"
#include "model/AsciiText.h"

namespace radio {
namespace {

// The first count UTF-8 characters of s (what an editor with that limit takes).
std::string firstCharacters(std::string_view s, int count) {
  std::size_t i = 0;
  for (int n = 0; n < count && i < s.size(); ++n) {
    ++i;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
  }
  return std::string(s.substr(0, i));
}

// What the column's editor would hand to the commit for a pasted text, or a refusal.
struct EditorInput {
  std::string text;
  bool refused = false;
  PasteRefusalReason reason = PasteRefusalReason::NotInList;
};

EditorInput editorInputFor(const RowTexts& row, int column, std::string_view pasted, Language lang) {
  const std::string_view t = trimmed(pasted);
  switch (editorForColumn(column)) {
    case EditorKind::Frequency:
      // The frequency editor lets through nine digits and points (a transmit
      // offset's sign first), nothing else.
      if (!frequencyEditorTakes(column, t)) return {std::string(t), true, PasteRefusalReason::NotAFrequency};
      return {std::string(t)};
    case EditorKind::Name: return {firstCharacters(pasted, kNameEditLimit)};
    case EditorKind::ToneList:
    case EditorKind::FlagList: {
      // A list only offers its items; an empty channel shows empty texts.
      if (t.empty() && row[ColRx].empty() && row[ColTx].empty()) return {std::string()};
      const std::string key = lowerAscii(t);
      for (const std::string& item : listItemsForColumn(column, lang))
        if (lowerAscii(trimmed(item)) == key) return {item};
      return {std::string(t), true, PasteRefusalReason::NotInList};
    }
    case EditorKind::None: break;
  }
  return {std::string(t), true, PasteRefusalReason::NotInList};
}

// Commits cells (starting at column first) into row; refusals are appended and the
// row is then left as it was. True when the row changed.
bool pasteRow(ChannelGrid& grid, int rowNumber, int first, const std::vector<std::string>& cells,
              const BandLimits& limits, Language lang, std::vector<PasteRefusal>& refusals) {
  RowTexts row = grid.row(rowNumber);
  const std::size_t before = refusals.size();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int column = first + static_cast<int>(i);
    const EditorInput input = editorInputFor(row, column, cells[i], lang);
    if (input.refused) {
      refusals.push_back({rowNumber, column, cells[i], input.reason, MessageId::None});
      continue;
    }
    const CommitResult r = commitCellEdit(row, column, input.text, limits, lang);
    if (!r.message.valid()) {
      refusals.push_back({rowNumber, column, cells[i], PasteRefusalReason::Frequency, r.message.message});
      continue;
    }
    row = r.row;
  }
  if (refusals.size() != before || row == grid.row(rowNumber)) return false;
  grid.row(rowNumber) = row;
  return true;
}

void blankRecord(RadioImage& image, int row) {
  auto rec = image.channel(row);
  std::fill(rec.begin(), rec.end(), Byte{0xFF});
}

void copyRecord(RadioImage& image, int from, int to) {
  const auto src = image.channel(from);
  std::vector<Byte> bytes(src.begin(), src.end());
  std::copy(bytes.begin(), bytes.end(), image.channel(to).begin());
}

}  // namespace

std::vector<std::vector<std::string>> splitTabText(std::string_view text) {
  std::vector<std::vector<std::string>> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
      const std::size_t tab = line.find('\t', start);
      cells.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    lines.push_back(std::move(cells));
  }
  return lines;
}

std::string copyCells(const ChannelGrid& grid, const CellRange& range) {
  std::string out;
  for (int r = range.top; r <= range.bottom; ++r) {
    for (int c = range.left; c <= range.right; ++c) {
      if (c != range.left) out += '\t';
      // A tab or line end inside a cell (a name read from a damaged file) would
      // move the cells after it into other columns or rows when pasted back.
      for (char ch : grid.cell(r, c)) out += ch == '\t' || ch == '\r' || ch == '\n' ? ' ' : ch;
    }
    out += '\n';
  }
  return out;
}

PasteResult pasteCells(ChannelGrid& grid, const CellRange& target, std::string_view text, const BandLimits& limits,
                       Language lang) {
  PasteResult result;
  std::vector<std::vector<std::string>> lines = splitTabText(text);
  if (lines.empty()) lines.push_back({std::string()});  // an empty clipboard text is one empty cell
  const bool fill = lines.size() == 1 && lines[0].size() == 1 && (target.rows() > 1 || target.columns() > 1);
  if (fill) {
    const std::vector<std::string> cells(static_cast<std::size_t>(target.columns()), lines[0][0]);
    for (int r = target.top; r <= target.bottom; ++r)
      if (pasteRow(grid, r, target.left, cells, limits, lang, result.refusals)) result.changedRows.push_back(r);
    return result;
  }
  const int lastRow = target.top == kChannelRows ? kChannelRows : kLastChannel;
  const int room = ColBusy - target.left + 1;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int r = target.top + static_cast<int>(i);
    if (r > lastRow) {
      result.droppedRows = static_cast<int>(lines.size() - i);
      break;
    }
    std::vector<std::string>& cells = lines[i];
    if (static_cast<int>(cells.size()) > room) {
      result.droppedColumns += static_cast<int>(cells.size()) - room;
      cells.resize(static_cast<std::size_t>(room));
    }
    if (pasteRow(grid, r, target.left, cells, limits, lang, result.refusals)) result.changedRows.push_back(r);
  }
  return result;
}

std::string pasteReport(const PasteResult& result, Language lang, const Text* heading) {
  static constexpr Text kPasteHeading{"These pasted rows were left as they were:", "以下粘贴的行保持原样："};
  const bool zh = lang == Language::Chinese;
  std::string out;
  if (!result.refusals.empty()) out += std::string((heading ? heading : &kPasteHeading)->in(lang)) + "\n";
  for (const PasteRefusal& r : result.refusals) {
    std::string why;
    switch (r.reason) {
      case PasteRefusalReason::Frequency: why = messageText(r.message, lang); break;
      case PasteRefusalReason::NotAFrequency: why = zh ? "不是频率" : "not a frequency"; break;
      case PasteRefusalReason::NotInList: why = zh ? "不在列表中" : "not in the list"; break;
      case PasteRefusalReason::NameTooLong:
        why = zh ? "超出信道名字的长度（7 个字符，GBK 8 字节）" : "longer than a name holds (7 characters, 8 bytes)";
        break;
    }
    const std::string header = columnHeader(r.column, lang);
    out += (zh ? "信道 " : "Channel ") + rowLabel(r.row) + ", " + std::string(trimmed(header)) + " \"" + r.text +
           "\": " + why + "\n";
  }
  if (result.droppedRows > 0)
    out += zh ? std::to_string(result.droppedRows) + " 行超出最后一个信道，未粘贴。\n"
              : std::to_string(result.droppedRows) + " line(s) past the last channel were not pasted.\n";
  if (result.droppedColumns > 0)
    out += zh ? std::to_string(result.droppedColumns) + " 个单元格超出最后一列，未粘贴。\n"
              : std::to_string(result.droppedColumns) + " cell(s) past the last column were not pasted.\n";
  return out;
}

PasteResult fillDown(ChannelGrid& grid, const CellRange& range, const BandLimits& limits, Language lang) {
  PasteResult result;
  std::vector<std::string> cells;
  for (int c = range.left; c <= range.right; ++c) cells.push_back(grid.cell(range.top, c));
  for (int r = range.top + 1; r <= std::min(range.bottom, kLastChannel); ++r)
    if (pasteRow(grid, r, range.left, cells, limits, lang, result.refusals)) result.changedRows.push_back(r);
  return result;
}

std::vector<int> deleteCells(ChannelGrid& grid, const CellRange& range, const BandLimits& limits, Language lang) {
  std::vector<int> changed;
  for (int r = range.top; r <= range.bottom; ++r) {
    RowTexts row = grid.row(r);
    if (range.wholeRows() || range.left == ColRx) {
      row = RowTexts{};  // an emptied receive frequency empties its channel
    } else {
      // A cleared transmit frequency leaves a receive-only channel.
      for (const int column : {ColTx, ColName})
        if (column >= range.left && column <= range.right) row = commitCellEdit(row, column, "", limits, lang).row;
    }
    if (!(row == grid.row(r))) {
      grid.row(r) = row;
      changed.push_back(r);
    }
  }
  return changed;
}

std::vector<int> setListValue(ChannelGrid& grid, const std::vector<int>& rows, int column, std::string_view text,
                              const BandLimits& limits, Language lang) {
  std::vector<int> changed;
  const EditorKind kind = editorForColumn(column);
  if (kind != EditorKind::ToneList && kind != EditorKind::FlagList) return changed;
  for (int r : rows) {
    const CommitResult result = commitCellEdit(grid.row(r), column, text, limits, lang);
    if (result.message.valid() && !(result.row == grid.row(r))) {
      grid.row(r) = result.row;
      changed.push_back(r);
    }
  }
  return changed;
}

bool channelRecordEmpty(const RadioImage& image, int row) {
  const auto rec = image.channel(row);
  return isEmptyFrequencyByte(rec[chan::kRx + 3]) && isEmptyFrequencyByte(rec[chan::kTx + 3]);
}

bool insertChannels(RadioImage& image, int row, int count) {
  if (row < 1 || row > kLastChannel || count < 1) return false;
  count = std::min(count, kLastChannel - row + 1);
  for (int r = kLastChannel - count + 1; r <= kLastChannel; ++r)
    if (!channelRecordEmpty(image, r)) return false;
  for (int r = kLastChannel; r >= row + count; --r) copyRecord(image, r - count, r);
  for (int r = row; r < row + count; ++r) blankRecord(image, r);
  followPriorityChannel(image, [&](int n) { return n >= row ? n + count : n; });
  return true;
}

void removeChannels(RadioImage& image, int row, int count) {
  if (row < 1 || row > kLastChannel || count < 1) return;
  count = std::min(count, kLastChannel - row + 1);
  for (int r = row; r + count <= kLastChannel; ++r) copyRecord(image, r + count, r);
  for (int r = kLastChannel - count + 1; r <= kLastChannel; ++r) blankRecord(image, r);
  followPriorityChannel(image, [&](int n) { return n < row ? n : n >= row + count ? n - count : 0; });
}

bool moveChannels(RadioImage& image, int first, int last, int delta) {
  if (first > last || first < 1 || last > kLastChannel || (delta != 1 && delta != -1)) return false;
  if (delta < 0 ? first == 1 : last == kLastChannel) return false;
  // The neighbour goes round to the other end of the block.
  const int neighbour = delta < 0 ? first - 1 : last + 1;
  const auto src = image.channel(neighbour);
  const std::vector<Byte> saved(src.begin(), src.end());
  if (delta < 0) {
    for (int r = first; r <= last; ++r) copyRecord(image, r, r - 1);
    std::copy(saved.begin(), saved.end(), image.channel(last).begin());
  } else {
    for (int r = last; r >= first; --r) copyRecord(image, r, r + 1);
    std::copy(saved.begin(), saved.end(), image.channel(first).begin());
  }
  followPriorityChannel(image, [&](int n) {
    if (n >= first && n <= last) return n + delta;
    return n == neighbour ? (delta < 0 ? last : first) : n;
  });
  return true;
}

}  // namespace radio
