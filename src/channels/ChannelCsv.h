// SPDX-License-Identifier: GPL-3.0-or-later
// Channel lists in and out in the common CSV exchange layout of radio programmers:
// one row per channel, columns found by name (Location, Name, Frequency, Duplex,
// Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode,
// Mode, TStep, Skip, Power, ...), plus our own BusyLock column. A row goes into the
// image only when the channel grid would accept it; every other row is reported.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelGrid.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

inline constexpr int kCsvChannels = 128;  // channels a list can fill (the Fr row is not one)
// A channel list is small; a file far larger is not one and is not read.
inline constexpr std::uintmax_t kMaxChannelListBytes = std::uintmax_t{16} << 20;

struct CsvImportOptions {
  Language lang = Language::English;  // code page of the names and language of the report
  // The bands the grid checks against (136-174 MHz and 400-520 MHz).
  BandLimits limits = bandLimitsFromRecord(kGridBandRecord);
  // 0: each row goes to the channel its Location names. N: the rows that can be
  // imported go to channels N, N+1, ... in file order.
  int at = 0;
};

// One line of an import's report: "line K: location L NAME: message".
struct CsvReportLine {
  int line = 0;          // physical line of the file, from 1
  std::string location;  // the row's Location cell as written
  std::string name;      // the row's Name cell as written
  std::string message;   // in the language of the import
  // Refused because its Location names no channel 1-128 (many shared lists start
  // at Location 0): placing the rows in file order would take it.
  bool locationOutside = false;
  [[nodiscard]] std::string text(Language lang) const;
};

// A row an import takes: where it comes from and the channel it goes to, with the
// channel's texts as the grid will show them.
struct CsvPlacedRow {
  int line = 0;
  std::string location;  // the row's Location cell as written
  int channel = 0;
  RowTexts texts;  // in the language of the import
};

struct CsvImportResult {
  std::string error;                   // the file was refused as a whole (one line); empty when read
  RadioImage image;                    // the image with the imported channels; the given one when refused
  std::vector<int> channels;           // channels written, in file order
  std::vector<CsvPlacedRow> placed;    // the same with their rows and texts
  std::vector<CsvReportLine> skipped;  // rows that did not go in, with the reason
  std::vector<CsvReportLine> notes;    // rows that went in with a change (a cut name)
  [[nodiscard]] bool readable() const { return error.empty(); }
  [[nodiscard]] int imported() const { return static_cast<int>(channels.size()); }
  // Whether some row was refused for a Location outside 1-128: the rows then fit
  // better in file order.
  [[nodiscard]] bool locationsOutside() const;
};

// Imports the CSV text into a copy of image. Works on text and image alone (no
// files), so any input can be fed to it; the given image is never changed.
[[nodiscard]] CsvImportResult importChannelsCsv(std::string_view text, const RadioImage& image,
                                                const CsvImportOptions& options = {});

struct CsvExportResult {
  std::string text;                // the CSV file, UTF-8, CRLF line ends
  int channels = 0;                // rows written
  std::vector<std::string> notes;  // channels whose values other programs may refuse
};

// Channels 1-128 that have a receive frequency, in channel order. Names are read
// in the language's code page.
[[nodiscard]] CsvExportResult exportChannelsCsv(const RadioImage& image, Language lang);

// The header the export writes.
[[nodiscard]] const std::vector<std::string>& csvExportHeader();

}  // namespace radio
