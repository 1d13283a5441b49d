// SPDX-License-Identifier: GPL-3.0-or-later
// The channel grid of a document window: 129 channel rows shown as text, edited in
// place by an editor laid over the current cell, committed when the cell is left.
// Each committed edit goes into the document's image at once, as one change;
// storeGrid() commits the open editor and stores the grid (before saving and
// before a transfer). Every other change of the document (undo, redo, a read, an
// import, moved channels) is shown again in the rows it altered.
//
// Read and Write are run by the document window's TransferController; the view
// only commits and stores its edits before a transfer, takes no edits while it
// runs, and takes the band record from the image a read brought.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "channels/ChannelEditing.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelPlan.h"
#include "gui/CProgramDoc.h"
#include "gui/Prompts.h"

class QAction;
class QComboBox;
class QLineEdit;
class QTableWidget;

namespace radio::gui {

class TransferController;

class CProgramView : public QWidget {
  Q_OBJECT

 public:
  CProgramView(CProgramDoc& doc, QWidget* parent = nullptr);
  ~CProgramView() override;

  // Commits the open editor into its cell, as leaving the cell does.
  void commitEdit();
  // Commits the open editor, then writes the whole grid into the image. Every
  // committed cell is in the image already, so the store only rewrites the bytes
  // the grid keeps in its own form: no undo step, and the modified mark stays.
  void storeGrid();
  // Commits the open editor; the image as storeGrid() would leave it, the
  // document untouched (what an import starts from).
  [[nodiscard]] RadioImage storedImage();
  [[nodiscard]] const ChannelGrid& grid() const { return grid_; }

  // Editing like a spreadsheet. Each command commits the open editor first and is
  // one change of the document (one undo step).
  // The selected cells (their bounding rectangle), else the current cell.
  [[nodiscard]] CellRange selectedRange() const;
  void copySelection();
  void cutSelection();
  void pasteClipboard();
  // Pastes tab-separated text at the selection; refusals are listed in one message.
  void pasteText(const QString& text);
  void deleteSelection();
  void insertChannel();
  void removeChannel();
  void moveSelection(int delta);
  // Widens the selection to whole channel rows.
  void selectWholeRows();

  // The channel plan (CProgramViewPlan.cpp); each command commits the open editor
  // first and is one change of the document.
  // The selected channel rows when more than one is selected; nullopt otherwise.
  [[nodiscard]] std::optional<ChannelSpan> selectedSpan() const;
  void sortChannels(SortKey key, ChannelSpan span);
  // Compact Channels: over the selected rows, else over every channel.
  void compactChannels();
  // Fill Down (Ctrl+D); refusals are listed in one message.
  void fillDown();
  // Fills rows as a series: the message listing the refusals (nothing changed),
  // empty when it filled.
  [[nodiscard]] QString fillSeries(ChannelSpan rows, const SeriesPlan& plan);
  // Marks the name cells holding text (none for an empty text); how many there are.
  int highlightNames(const QString& text, bool matchCase);
  // Makes the next row below the current one (round past the end) whose name holds
  // the marked text current; false when none does.
  bool findNextName();
  // Replaces the marked text in the names, of the current row only or of every
  // row: the refusals' message, empty when none; changed counts the names changed.
  [[nodiscard]] QString replaceInNames(const QString& replacement, bool currentOnly, int& changed);

  // Follows the transfers of the document: commits before, refreshes after.
  void bindTransfers(TransferController& transfers);
  [[nodiscard]] bool transferRunning() const;

  // The window's editing commands (undo, clipboard, channel rows), which the
  // grid's context menu offers above its own.
  void setContextActions(QList<QAction*> actions) { contextActions_ = std::move(actions); }

  // The grid control and the in-place editors, for the window and for tests.
  [[nodiscard]] QTableWidget* table() const { return table_; }
  [[nodiscard]] QWidget* editorForColumn(int column) const;
  void fillList(QComboBox* list, int column);
  [[nodiscard]] QWidget* visibleEditor() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildEditors();
  void fillTable();
  void setCellText(int row, int column, const std::string& text);
  void setRowTexts(int row, const RowTexts& texts);

  // The grid's cell events.
  void onCurrentCellChanged(int row, int column, int previousRow, int previousColumn);
  void onCellPressed(int row, int column);
  void showCellEditor();
  // Commits the editor of (row, column); false when the value was refused and the
  // editor stays over that cell.
  bool commitCell(int row, int column);
  void commitFrequencyOnEnter();
  void hideCellEditors();
  void hideEditor(QWidget* editor);
  // Escape: the editor hides without a commit.
  void cancelEdit();
  // Return in a list: commit and enter the next cell, as Tab does.
  void commitAndMoveNext(QWidget* editor);
  void placeEditor(QWidget* editor, int row, int column);
  void applyColumnWidths();
  void mouseWheelOverGrid(int delta);

  [[nodiscard]] QString editorText(int row, int column) const;
  [[nodiscard]] int helpContextForFocus() const;
  [[nodiscard]] bool frequencyKeyPassesFilter(const class QKeyEvent& key) const;
  void showCaution(const Validation& validation);

  // Editing (CProgramViewEditing.cpp).
  void setupEditing();
  // Commits the open editor; false when its value was refused and it stays open.
  bool settleEditor();
  // Keys the editing commands take ahead of the grid and the editors.
  bool editingKeyEvent(QObject* watched, QKeyEvent* key);
  void onRowLabelPressed(int row, int column);
  void onListActivated(int column);
  // Sets one list value on rows, as one change.
  void setListOnRows(const std::vector<int>& rows, int column, const std::string& value);
  // Moves the image's band record into the application's band state (the first
  // show, and an image read from the radio); the grid takes the rows with it.
  void takeBandRecord();
  // Shows again the rows a change of the document altered; an editor open over
  // the grid goes only when a row changed.
  void showChangedRows();
  // Writes the grid into the image as one change named label.
  void storeRows(const QString& label, ChangeKind kind = ChangeKind::Edit);
  // Takes next as the grid, stored as one change named label.
  void applyGrid(const ChannelGrid& next, const QString& label);
  // Stores the grid and edits the channel records in the image, as one change.
  void moveRecords(const QString& label, const std::function<void(RadioImage&)>& edit);
  void showContextMenu(const QPoint& pos);
  // The context menu's "Set Power" and the like, with their letters.
  [[nodiscard]] QString setListMenuText(int column) const;
  // A list entry as a menu item with a letter of its own, its first letter
  // (entries of one list start differently) or else its number.
  [[nodiscard]] static QString withMnemonic(const QString& item, int number);
  [[nodiscard]] std::vector<int> selectedRows() const;

  CProgramDoc& doc_;
  QPointer<CProgramDoc> docGuard_;  // the document may go first when a window closes
  Language lang_;
  ChannelGrid grid_;
  QTableWidget* table_ = nullptr;
  // The in-place editor of each column, none for column 0; the receive and
  // transmit columns share the frequency editor, the two tone columns one list.
  std::array<QWidget*, kGridColumns> editors_{};
  QLineEdit* frequencyEdit_ = nullptr;
  QLineEdit* nameEdit_ = nullptr;
  int baseColumnWidth_ = 0;
  int wheelRemainder_ = 0;
  bool filling_ = false;    // the grid is being filled: no cell events
  bool ownChange_ = false;  // the change under way is the grid's own: nothing to show
  int rowAnchor_ = -1;      // the row number clicked last (Shift+click extends from it)
  CellEditSession session_;
  QPointer<TransferController> transfers_;
  QList<QAction*> contextActions_;
  // The text Find marks in the names, and whether its case counts.
  std::string marked_;
  bool markCase_ = false;
};

}  // namespace radio::gui
