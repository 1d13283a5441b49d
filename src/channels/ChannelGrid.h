// SPDX-License-Identifier: GPL-3.0-or-later
// The text model behind the channel grid: 129 rows of nine cell texts, the exchange
// with the image and the rules by which a cell edit is committed. The grid widget
// only shows these texts and binds its editors to these functions.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/BandState.h"
#include "model/ChannelCodec.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// Grid columns; column 0 holds the row labels.
enum Column : int { ColRx = 1, ColTx, ColDecode, ColEncode, ColName, ColPower, ColBandwidth, ColScan, ColBusy };
inline constexpr int kGridColumns = 10;
inline constexpr int kNameEditLimit = 7;       // characters the name editor takes
inline constexpr int kFrequencyEditLimit = 9;  // characters the frequency editor takes

// The editor a column uses.
enum class EditorKind { None, Frequency, Name, ToneList, FlagList };

// One grid column as every surface names it: the field key of `edit` and `diff`,
// the header in both languages, the width, the editor, and the help ids. The
// receive and transmit columns share the frequency editor, the two tone columns
// the tone list; F1 in a shared editor answers for the column it is shown in.
struct ColumnInfo {
  const char* key;       // "rx" ... "busy"; "" for column 0
  Text header;           // the grid's column header
  double widthFactor;    // width as a factor of the grid's initial column-0 width
  EditorKind editor;     // the in-place editor of the column's cells
  int editorHelpId = 0;  // help id of that editor; 0 when the column has none
  int helpId = 0;        // help context of F1 in that editor
};

// Help id of the grid itself (F1 with no editor open).
inline constexpr int kChannelGridHelpId = 1022;

// Columns 0..9.
[[nodiscard]] const ColumnInfo& columnInfo(int column);
// The column whose key is key ("rx" ... "busy"); 0 when none is.
[[nodiscard]] int columnForKey(std::string_view key);

// Texts of columns 1..9 of one row (index 0 is column 1).
struct RowTexts {
  std::array<std::string, 9> cells;
  [[nodiscard]] std::string& operator[](int column) { return cells.at(static_cast<std::size_t>(column - 1)); }
  [[nodiscard]] const std::string& operator[](int column) const {
    return cells.at(static_cast<std::size_t>(column - 1));
  }
  [[nodiscard]] bool empty() const;
  bool operator==(const RowTexts&) const = default;
};

class ChannelGrid {
 public:
  [[nodiscard]] RowTexts& row(int n) { return rows_.at(static_cast<std::size_t>(n - 1)); }
  [[nodiscard]] const RowTexts& row(int n) const { return rows_.at(static_cast<std::size_t>(n - 1)); }
  [[nodiscard]] std::string& cell(int n, int column) { return row(n)[column]; }
  [[nodiscard]] const std::string& cell(int n, int column) const { return row(n)[column]; }
  bool operator==(const ChannelGrid&) const = default;

 private:
  // Every row starts empty. (No {} initialiser: clang 14 crashes evaluating one
  // of this size.)
  std::array<RowTexts, kChannelRows> rows_;
};

// "1" ... "128", and "Fr" for row 129.
[[nodiscard]] std::string rowLabel(int row);
// Row number for a label as the grid shows it ("1".."128", "Fr" in any case); 0
// when it names no row (row 129 is only ever called "Fr").
[[nodiscard]] int rowFromLabel(std::string_view label);
// Column headers 0..9 in the language.
[[nodiscard]] std::string columnHeader(int column, Language lang);

// Fills every row from the image; then takes the image's band record into
// band.record (the default replacing an absent one), writes the grid's band
// record 13 17 64 40 52 00 into the image and sets band.limits from it.
void imageToGrid(RadioImage& image, ChannelGrid& grid, BandState& band, Language lang);

// Stores every row into the image: the band record from the limits, frequencies
// (an empty one as four 0xFF bytes), tones, name, flags; bytes 12, 14, 15 and bit 0 of byte 13 are kept. A channel
// whose texts are what its record shows keeps its record unchanged. Sets
// field::kChannelGridFlag.
void gridToImage(const ChannelGrid& grid, RadioImage& image, const BandLimits& limits, Language lang);

// One row decoded from its record / encoded into it (used by the two above).
[[nodiscard]] RowTexts decodeChannel(std::span<const Byte> record, Language lang);
void encodeChannel(const RowTexts& row, std::span<Byte> record, Language lang);

// Whether a name fits a channel: at most 7 characters and 8 bytes in the code page
// of the language (GBK: a Chinese character takes two).
[[nodiscard]] bool nameFits(std::string_view name, Language lang);
// Why a channel cannot take a name: NameTooLong (as nameFits), NameCharacters (a
// character the code page has no code for, which the radio would get as "?"), or
// None.
[[nodiscard]] MessageId nameRefusal(std::string_view name, Language lang);

// The editor a column uses and the texts of its list.
[[nodiscard]] EditorKind editorForColumn(int column);
[[nodiscard]] std::vector<std::string> listItemsForColumn(int column, Language lang);
// The item a list shows when it opens over a cell: the first that begins with the
// cell text (ignoring case), else item 0.
[[nodiscard]] int listSelectionForText(const std::vector<std::string>& items, std::string_view cellText);

// The outcome of committing an editor's text into its cell.
struct CommitResult {
  RowTexts row;              // the row's texts afterwards
  Validation message;        // a box to show (caption "Caution"), or none
  bool editorShown = false;  // the editor stays over the cell
  std::string editorText;    // the editor's text afterwards when it stays
};

// Whether the row takes a value in the column: the receive frequency always, the
// transmit frequency once there is a receive frequency, the other columns once
// the row holds a frequency. A commit into a column that takes nothing leaves the
// row as it was.
[[nodiscard]] bool rowTakesValue(const RowTexts& row, int column);

// Leaving the cell (or before a transfer or a save) with its editor shown. A receive
// or transmit frequency outside 67-600 MHz, off the 5 kHz and 6.25 kHz steps or
// outside the bands is refused with its message: the cell keeps its value and the
// editor stays. An empty receive text empties the row; an empty transmit text
// leaves a receive-only channel. A transmit text starting with + or - is an offset
// in MHz from the row's receive frequency (-7.6 on 438.50000 gives 430.90000); the
// result passes the transmit checks, and a row without a readable receive
// frequency refuses it (MessageId::OffsetWithoutReceive). A name the record cannot
// hold whole is refused the same way, never cut or given "?" (nameRefusal).
[[nodiscard]] CommitResult commitCellEdit(const RowTexts& row, int column, std::string_view editorText,
                                          const BandLimits& limits, Language lang);
// Enter in the frequency editor: on each of the three refusals the editor is
// emptied and stays shown; otherwise as commitCellEdit.
[[nodiscard]] CommitResult commitFrequencyOnEnter(const RowTexts& row, int column, std::string_view editorText,
                                                  const BandLimits& limits, Language lang);

// What a key pressed in a cell's editor does.
enum class EditorKey { Escape, Return, Other };
enum class EditorAction {
  PassOn,             // the editor handles it
  Cancel,             // the editor hides without a commit: the cell keeps its text
  CommitOnEnter,      // commitFrequencyOnEnter
  CommitAndMoveNext,  // as Tab: commit the cell and move to the next one
};
// Return commits every editor: the frequency editor in place, the others as Tab
// does; Escape cancels every editor.
[[nodiscard]] EditorAction editorKeyAction(EditorKind editor, EditorKey key);

// The in-place edit of one cell as the view drives it. A refused value shows its
// message once: leaving the cell again with the same text keeps the editor over
// the cell without repeating the box; a changed text is checked anew.
//
//   session.open(cellText);                       // the editor is shown over a cell
//   if (!result.message.valid() && session.refusalToShow(typed)) showBox(...);
//   session.close();                              // committed, cancelled or hidden
class CellEditSession {
 public:
  void open(std::string_view cellText);
  void close();
  [[nodiscard]] bool isOpen() const { return open_; }
  // The cell's text when the editor opened (Escape puts it back).
  [[nodiscard]] const std::string& originalText() const { return original_; }
  // A commit of editorText was refused: true when its message is to be shown.
  [[nodiscard]] bool refusalToShow(std::string_view editorText);

 private:
  bool open_ = false;
  std::string original_;
  std::optional<std::string> refused_;  // the text whose refusal was shown last
};

// Keys the frequency editor lets through besides editing keys: digits and ".".
[[nodiscard]] constexpr bool frequencyEditorAccepts(char c) { return (c >= '0' && c <= '9') || c == '.'; }
// An offset from the receive frequency: a transmit text starting with + or -.
[[nodiscard]] constexpr bool isOffsetText(std::string_view text) {
  return !text.empty() && (text.front() == '+' || text.front() == '-');
}
// Whether the frequency editor of column can hold text: at most nine characters,
// digits and points, and in the transmit column one leading + or -.
[[nodiscard]] bool frequencyEditorTakes(int column, std::string_view text);
// The transmit frequency an offset text gives on a receive text (10 Hz units), or
// a refusal: DataFormat for an offset that is no number, OffsetWithoutReceive when
// the receive text holds no frequency. The value is not checked against the bands.
struct OffsetFrequency {
  std::int32_t value = 0;
  MessageId refusal = MessageId::None;
};
[[nodiscard]] OffsetFrequency applyOffset(std::string_view rxText, std::string_view offsetText);

}  // namespace radio
