// SPDX-License-Identifier: GPL-3.0-or-later
// Comma-separated values as RFC 4180 defines them: fields separated by commas,
// records by CRLF or LF, a field in double quotes may hold commas, line breaks and
// doubled quotes. The reader is strict about quoting and reports where it fails.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace radio {

struct CsvRecord {
  int line = 0;  // physical line (from 1) where the record starts
  std::vector<std::string> cells;
};

// Why a text could not be read.
enum class CsvError {
  None,
  UnclosedQuote,    // a quoted field runs to the end of the text
  TextAfterQuote,   // a closing quote is followed by something other than a comma or line end
  QuoteInsideField  // a quote inside a field that does not start with one
};

struct CsvTable {
  std::vector<CsvRecord> records;
  CsvError error = CsvError::None;
  int errorLine = 0;  // physical line of the error
  [[nodiscard]] bool ok() const { return error == CsvError::None; }
};

// Reads every record. A UTF-8 byte-order mark at the start is passed over. Lines
// that are empty or start with '#' (where a record would start) are no records.
// A quote inside an unquoted field, text after a closing quote and a quoted field
// that never closes make the whole text unreadable.
[[nodiscard]] CsvTable readCsv(std::string_view text);

// One field as written: quoted when it holds a comma, a quote, a line break or
// leading or trailing blanks.
[[nodiscard]] std::string csvField(std::string_view value);
// One record with its CRLF.
[[nodiscard]] std::string csvLine(const std::vector<std::string>& cells);

}  // namespace radio
