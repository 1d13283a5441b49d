// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/ChannelPlan.h"

#include <algorithm>
#include <array>

#include "model/AsciiText.h"
#include "model/CodePage.h"

namespace radio {
namespace {

// clang-format off
constexpr Text kFillHeading{"The series was not filled; these rows refuse it:",
                            "未填充序列；以下行不接受："};
constexpr Text kFillDownHeading{"These rows were left as they were:",
                                "以下行保持原样："};
constexpr Text kReplaceHeading{"These names were left as they were:",
                               "以下名字保持原样："};
// clang-format on

// Puts the records of span in the order of rows (old row numbers, one each) and
// lets the priority channel follow. False when the order is the one they have.
bool reorder(RadioImage& image, ChannelSpan span, const std::vector<int>& rows) {
  bool moved = false;
  for (std::size_t i = 0; i < rows.size(); ++i) moved |= rows[i] != span.first + static_cast<int>(i);
  if (!moved) return false;
  std::vector<std::array<Byte, kRecordSize>> records(rows.size());
  std::array<int, kChannelRows + 1> newRow{};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto rec = image.channel(rows[i]);
    std::copy(rec.begin(), rec.end(), records[i].begin());
    newRow[static_cast<std::size_t>(rows[i])] = span.first + static_cast<int>(i);
  }
  for (std::size_t i = 0; i < rows.size(); ++i)
    std::copy(records[i].begin(), records[i].end(), image.channel(span.first + static_cast<int>(i)).begin());
  followPriorityChannel(image, [&](int n) { return n >= span.first && n <= span.last ? newRow[n] : n; });
  return true;
}

bool validSpan(ChannelSpan span) { return span.first >= 1 && span.first <= span.last && span.last <= kLastChannel; }

// The rows of span in use, then the empty ones, each in row order.
std::pair<std::vector<int>, std::vector<int>> usedAndEmpty(const RadioImage& image, ChannelSpan span) {
  std::vector<int> used;
  std::vector<int> empty;
  for (int r = span.first; r <= span.last; ++r) (channelRecordEmpty(image, r) ? empty : used).push_back(r);
  return {used, empty};
}

// Names in the order a reader expects: runs of digits compare as numbers, so PMR2
// comes before PMR10.
bool namesInOrder(std::string_view a, std::string_view b) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      const std::size_t ia = i;
      const std::size_t jb = j;
      while (i < a.size() && isDigit(a[i])) ++i;
      while (j < b.size() && isDigit(b[j])) ++j;
      std::string_view x = a.substr(ia, i - ia);
      std::string_view y = b.substr(jb, j - jb);
      x.remove_prefix(std::min(x.find_first_not_of('0'), x.size()));
      y.remove_prefix(std::min(y.find_first_not_of('0'), y.size()));
      if (x.size() != y.size()) return x.size() < y.size();
      if (x != y) return x < y;
      continue;
    }
    if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

// A sort key: missing ones after the others.
struct Key {
  bool missing = true;
  std::int32_t value = 0;
  std::string text;  // a name without ASCII case
  bool operator<(const Key& o) const {
    if (missing != o.missing) return !missing;
    if (value != o.value) return value < o.value;
    return namesInOrder(text, o.text);
  }
};

Key frequencyKey(const std::string& text) {
  if (text.empty() || isRawFieldText(text)) return {};
  return {false, parseFrequencyText(text).value, {}};
}

Key sortKeyOf(const RadioImage& image, int row, SortKey key, Language lang) {
  const RowTexts texts = decodeChannel(image.channel(row), lang);
  switch (key) {
    case SortKey::Rx: return frequencyKey(texts[ColRx]);
    case SortKey::Tx: return frequencyKey(texts[ColTx]);
    case SortKey::Name:
      if (texts[ColName].empty()) return {};
      return {false, 0, lowerAscii(texts[ColName])};
  }
  return {};
}

// Every place of text in name (the lowered copies when case does not count; ASCII
// folding keeps every byte where it is).
std::vector<std::size_t> placesOf(const std::string& name, std::string_view text, bool matchCase) {
  std::vector<std::size_t> places;
  if (text.empty()) return places;
  const std::string hay = matchCase ? name : lowerAscii(name);
  const std::string needle = matchCase ? std::string(text) : lowerAscii(text);
  for (std::size_t at = hay.find(needle); at != std::string::npos; at = hay.find(needle, at + needle.size()))
    places.push_back(at);
  return places;
}

}  // namespace

void followPriorityChannel(RadioImage& image, const std::function<int(int)>& newRow) {
  const int current = static_cast<int>(image.field(field::kPriorityChannel));
  if (current < 1 || current > kLastChannel) return;
  const int next = newRow(current);
  image.setField(field::kPriorityChannel, next >= 1 && next <= kLastChannel ? static_cast<unsigned>(next) : 0u);
}

std::optional<ChannelSpan> parseChannelSpan(std::string_view text) {
  const std::size_t dash = text.find('-');
  const int first = rowFromLabel(text.substr(0, dash));
  const int last = dash == std::string_view::npos ? first : rowFromLabel(text.substr(dash + 1));
  const ChannelSpan span{first, last};
  if (!validSpan(span)) return std::nullopt;
  return span;
}

std::optional<SortKey> sortKeyFromName(std::string_view name) {
  const std::string key = lowerAscii(name);
  if (key == "rx") return SortKey::Rx;
  if (key == "tx") return SortKey::Tx;
  if (key == "name") return SortKey::Name;
  return std::nullopt;
}

bool sortChannels(RadioImage& image, ChannelSpan span, SortKey key, Language lang) {
  if (!validSpan(span)) return false;
  auto [used, empty] = usedAndEmpty(image, span);
  std::vector<std::pair<Key, int>> keyed;
  for (int r : used) keyed.emplace_back(sortKeyOf(image, r, key, lang), r);
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<int> rows;
  for (const auto& k : keyed) rows.push_back(k.second);
  rows.insert(rows.end(), empty.begin(), empty.end());
  return reorder(image, span, rows);
}

bool compactChannels(RadioImage& image, ChannelSpan span) {
  if (!validSpan(span)) return false;
  auto [rows, empty] = usedAndEmpty(image, span);
  rows.insert(rows.end(), empty.begin(), empty.end());
  return reorder(image, span, rows);
}

std::optional<std::int32_t> parseMegahertz(std::string_view text) {
  text = trimmed(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (isOffsetText(text)) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::size_t whole = point == std::string_view::npos ? text.size() : point;
  const bool digits = std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  const bool onlyNumber = std::all_of(text.begin(), text.end(), [](char c) { return frequencyEditorAccepts(c); }) &&
                          std::count(text.begin(), text.end(), '.') <= 1;
  // Four digits before the point are far more than any band holds.
  if (!digits || !onlyNumber || whole > 4) return std::nullopt;
  const std::int32_t value = parseFrequencyText(text).value;
  return negative ? -value : value;
}

PasteResult fillSeries(ChannelGrid& grid, ChannelSpan rows, const SeriesPlan& plan, const BandLimits& limits,
                       Language lang) {
  PasteResult result;
  if (!validSpan(rows)) return result;
  ChannelGrid next = grid;
  const auto refuse = [&](int row, int column, std::string text, PasteRefusalReason reason, MessageId message) {
    result.refusals.push_back({row, column, std::move(text), reason, message});
  };
  for (int r = rows.first; r <= rows.last; ++r) {
    const int k = r - rows.first;
    RowTexts row = next.row(r);
    // The sums are taken wide: a long series may run past any frequency.
    const std::int64_t rx = std::int64_t{plan.start} + std::int64_t{k} * plan.step;
    const std::int64_t tx = rx + plan.offset.value_or(0);
    bool refused = false;
    for (const auto& [column, value] : {std::pair{ColRx, rx}, std::pair{ColTx, tx}}) {
      const bool inRange = value > 0 && value < 100'000'000;
      const std::string text = inRange ? formatFrequency(static_cast<std::int32_t>(value)) : std::to_string(value);
      const CommitResult c = inRange ? commitCellEdit(row, column, text, limits, lang)
                                     : CommitResult{row, {MessageId::DataFormat, MessageIcon::Stop}, false, {}};
      if (!c.message.valid()) {
        refuse(r, column, text, PasteRefusalReason::Frequency, c.message.message);
        refused = true;
        break;
      }
      row = c.row;
    }
    if (!plan.namePattern.empty()) {
      std::string name = plan.namePattern;
      for (std::size_t at = name.find("%d"); at != std::string::npos; at = name.find("%d", at))
        name.replace(at, 2, std::to_string(k + 1));
      if (!nameFits(name, lang)) {
        refuse(r, ColName, name, PasteRefusalReason::NameTooLong, MessageId::None);
        refused = true;
      } else if (!refused) {
        const CommitResult c = commitCellEdit(row, ColName, name, limits, lang);
        if (c.message.valid()) {
          row = c.row;
        } else {
          refuse(r, ColName, name, PasteRefusalReason::Frequency, c.message.message);
          refused = true;
        }
      }
    }
    if (refused || row == next.row(r)) continue;
    next.row(r) = row;
    result.changedRows.push_back(r);
  }
  if (!result.refusals.empty()) {
    result.changedRows.clear();
    return result;
  }
  grid = next;
  return result;
}

bool nameHolds(std::string_view name, std::string_view text, bool matchCase) {
  return !placesOf(std::string(name), text, matchCase).empty();
}

std::vector<int> findInNames(const ChannelGrid& grid, std::string_view text, bool matchCase) {
  std::vector<int> rows;
  for (int r = 1; r <= kChannelRows; ++r)
    if (nameHolds(grid.cell(r, ColName), text, matchCase)) rows.push_back(r);
  return rows;
}

PasteResult replaceInNames(ChannelGrid& grid, const std::vector<int>& rows, std::string_view text,
                           std::string_view replacement, bool matchCase, Language lang) {
  PasteResult result;
  for (int r : rows) {
    const std::string& name = grid.cell(r, ColName);
    const std::vector<std::size_t> places = placesOf(name, text, matchCase);
    if (places.empty()) continue;
    std::string renamed;
    std::size_t from = 0;
    for (std::size_t at : places) {
      renamed.append(name, from, at - from).append(replacement);
      from = at + text.size();
    }
    renamed.append(name, from);
    if (!nameFits(renamed, lang)) {
      result.refusals.push_back({r, ColName, renamed, PasteRefusalReason::NameTooLong, MessageId::None});
      continue;
    }
    const CommitResult c = commitCellEdit(grid.row(r), ColName, renamed, {}, lang);
    if (!c.message.valid()) {
      result.refusals.push_back({r, ColName, renamed, PasteRefusalReason::Frequency, c.message.message});
      continue;
    }
    if (c.row == grid.row(r)) continue;
    grid.row(r) = c.row;
    result.changedRows.push_back(r);
  }
  return result;
}

const Text& fillReportHeading() { return kFillHeading; }
const Text& fillDownReportHeading() { return kFillDownHeading; }
const Text& replaceReportHeading() { return kReplaceHeading; }

}  // namespace radio
