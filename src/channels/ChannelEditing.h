// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the channel grid like a spreadsheet: tab-separated copy and paste, delete,
// inserting, removing and moving channels, one list value set on many rows. Pasted
// texts pass the same commit rules as typing into a cell; channel moves work on the
// image's records so that every byte of a channel travels with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelGrid.h"

namespace radio {

// A rectangle of grid cells, inclusive: rows 1..129, columns ColRx..ColBusy.
struct CellRange {
  int top = 1;
  int left = ColRx;
  int bottom = 1;
  int right = ColRx;
  [[nodiscard]] bool wholeRows() const { return left == ColRx && right == ColBusy; }
  [[nodiscard]] int rows() const { return bottom - top + 1; }
  [[nodiscard]] int columns() const { return right - left + 1; }
};

// Lines of tab-separated cells; "\r\n" and "\n" end lines, a final line end adds no row.
[[nodiscard]] std::vector<std::vector<std::string>> splitTabText(std::string_view text);

// The selected cells as shown, one line per row, cells separated by tabs, each line
// ending in "\n"; a tab or line end inside a cell is copied as a blank.
[[nodiscard]] std::string copyCells(const ChannelGrid& grid, const CellRange& range);

// Why a pasted cell was refused.
enum class PasteRefusalReason { Frequency, NotAFrequency, NotInList, NameTooLong };

struct PasteRefusal {
  int row = 0;
  int column = 0;
  std::string text;
  PasteRefusalReason reason = PasteRefusalReason::Frequency;
  MessageId message = MessageId::None;  // for Frequency: the grid's own refusal
};

struct PasteResult {
  std::vector<int> changedRows;
  std::vector<PasteRefusal> refusals;  // every refused cell; its row was left as it was
  int droppedRows = 0;                 // lines past row 128 (or past "Fr")
  int droppedColumns = 0;              // cells past the last column, counted per line
};

// Pastes text at the top-left cell of target: lines downwards, cells rightwards.
// A single cell pasted over a target of several cells fills every one of them.
// Each row takes its cells in column order through commitCellEdit; a row with a
// refused cell keeps its texts. Paste from rows 1..128 stops at row 128; "Fr" takes
// only a paste that starts on it.
[[nodiscard]] PasteResult pasteCells(ChannelGrid& grid, const CellRange& target, std::string_view text,
                                     const BandLimits& limits, Language lang);

// The message listing what a paste refused or dropped, one line each; empty when
// it took everything. heading (the paste's own when null) opens the list of refusals.
[[nodiscard]] std::string pasteReport(const PasteResult& result, Language lang, const Text* heading = nullptr);

// Fill Down: the cells of range's first row into the same columns of the rows below
// it, each row through the commit rules as a paste; a row with a refused cell stays
// as it was and the refusal is listed. "Fr" takes nothing from above.
[[nodiscard]] PasteResult fillDown(ChannelGrid& grid, const CellRange& range, const BandLimits& limits, Language lang);

// Delete: whole rows become empty channels; otherwise the cells whose value may be
// empty (a receive frequency, which empties its channel as typing does, a transmit
// frequency, which leaves a receive-only channel, and the name) are emptied.
// Returns the rows that changed.
std::vector<int> deleteCells(ChannelGrid& grid, const CellRange& range, const BandLimits& limits, Language lang);

// Sets one list text (power, W/N, scan, busy lock, tones) on each of rows through
// the commit rules; empty channels stay empty. Returns the rows that changed.
std::vector<int> setListValue(ChannelGrid& grid, const std::vector<int>& rows, int column, std::string_view text,
                              const BandLimits& limits, Language lang);

// True when the channel record holds neither a receive nor a transmit frequency.
[[nodiscard]] bool channelRecordEmpty(const RadioImage& image, int row);

// Channel rows 1..128 of the image; row "Fr" never takes part. A channel that comes
// into being by a shift is an empty record (every byte 0xFF). The priority channel
// of the optional features follows its channel; a removed one becomes none.
// Inserts count empty channels at row, shifting those below down; refused (false,
// nothing changed) when any of the last count channels is in use.
[[nodiscard]] bool insertChannels(RadioImage& image, int row, int count);
// Removes count channels from row, shifting those below up; the last ones become empty.
void removeChannels(RadioImage& image, int row, int count);
// Moves channels first..last one row up (delta -1) or down (+1), the neighbour
// taking their place; false, nothing changed, at the edge of rows 1..128.
[[nodiscard]] bool moveChannels(RadioImage& image, int first, int last, int delta);

}  // namespace radio
