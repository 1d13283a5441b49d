// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/Csv.h"

namespace radio {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

// Passes over one line break (CRLF, LF or a lone CR) at pos.
void skipLineBreak(std::string_view text, std::size_t& pos) {
  if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
  ++pos;
}

}  // namespace

CsvTable readCsv(std::string_view text) {
  CsvTable table;
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  std::size_t pos = 0;
  int line = 1;
  const auto failAt = [&](int at, CsvError error) {
    table.records.clear();
    table.error = error;
    table.errorLine = at;
    return table;
  };
  while (pos < text.size()) {
    // Where a record would start: an empty line or a comment is none.
    if (isLineBreak(text[pos])) {
      skipLineBreak(text, pos);
      ++line;
      continue;
    }
    if (text[pos] == '#') {
      while (pos < text.size() && !isLineBreak(text[pos])) ++pos;
      continue;
    }
    CsvRecord record;
    record.line = line;
    bool recordDone = false;
    while (!recordDone) {
      std::string field;
      if (pos < text.size() && text[pos] == '"') {
        const int opened = line;
        ++pos;
        for (;;) {
          if (pos >= text.size()) return failAt(opened, CsvError::UnclosedQuote);
          const char c = text[pos];
          if (c == '"') {
            if (pos + 1 < text.size() && text[pos + 1] == '"') {
              field.push_back('"');
              pos += 2;
              continue;
            }
            ++pos;
            break;
          }
          if (c == '\r' || c == '\n') {
            const std::size_t start = pos;
            skipLineBreak(text, pos);
            field.append(text.substr(start, pos - start));
            ++line;
            continue;
          }
          field.push_back(c);
          ++pos;
        }
        if (pos < text.size() && text[pos] != ',' && !isLineBreak(text[pos]))
          return failAt(line, CsvError::TextAfterQuote);
      } else {
        while (pos < text.size() && text[pos] != ',' && !isLineBreak(text[pos])) {
          if (text[pos] == '"') return failAt(line, CsvError::QuoteInsideField);
          field.push_back(text[pos++]);
        }
      }
      record.cells.push_back(std::move(field));
      if (pos < text.size() && text[pos] == ',') {
        ++pos;
        continue;
      }
      if (pos < text.size()) {
        skipLineBreak(text, pos);
        ++line;
      }
      recordDone = true;
    }
    table.records.push_back(std::move(record));
  }
  return table;
}

std::string csvField(std::string_view value) {
  bool quote = !value.empty() && (value.front() == ' ' || value.back() == ' ');
  for (char c : value)
    if (c == ',' || c == '"' || c == '\r' || c == '\n') quote = true;
  if (!quote) return std::string(value);
  std::string out = "\"";
  for (char c : value) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string csvLine(const std::vector<std::string>& cells) {
  std::string out;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out.push_back(',');
    std::string field = csvField(cells[i]);
    // A record whose text starts with '#' would be read back as a comment.
    if (i == 0 && !field.empty() && field.front() == '#') field = "\"" + field + "\"";
    out += field;
  }
  out += "\r\n";
  return out;
}

}  // namespace radio
