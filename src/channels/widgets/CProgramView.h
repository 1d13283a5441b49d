// The channel grid of a document window: 129 channel rows shown as text, edited in
// place by an editor laid over the current cell, committed when the cell is left.
// The grid holds the edits; storeGrid() writes them into the document's image
// (before saving and before a transfer), refreshFromImage() rebuilds the grid from
// it (first show, and after a read from the radio or another whole-image change).
//
// Read and Write are run by the document window's TransferController; the view
// only commits and stores its edits before a transfer, takes no edits while it
// runs, and refreshes after a read.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "channels/ChannelGrid.h"
#include "gui/CProgramDoc.h"
#include "gui/MessagePrompt.h"

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
  // Commits the open editor, then writes the whole grid into the image.
  void storeGrid();
  // Rebuilds every row from the image (and takes the band record from it).
  void refreshFromImage();
  [[nodiscard]] const ChannelGrid& grid() const { return grid_; }

  // Follows the transfers of the document: commits before, refreshes after.
  void bindTransfers(TransferController& transfers);
  [[nodiscard]] bool transferRunning() const;

  // Replaces the message boxes (tests answer them).
  void setMessagePrompt(MessagePrompt prompt);

  // The grid control and the in-place editors, for the window and for tests.
  [[nodiscard]] QTableWidget* table() const { return table_; }
  [[nodiscard]] QWidget* editorForColumn(int column) const;
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
  void placeEditor(QWidget* editor, int row, int column);
  void applyColumnWidths();
  void mouseWheelOverGrid(int delta);

  [[nodiscard]] QString editorText(int column) const;
  [[nodiscard]] int helpContextForFocus() const;
  [[nodiscard]] bool frequencyKeyPassesFilter(const class QKeyEvent& key) const;
  void showCaution(const Validation& validation);
  [[nodiscard]] QString text(const Text& t) const;

  CProgramDoc& doc_;
  QPointer<CProgramDoc> docGuard_;  // the document may go first when a window closes
  Language lang_;
  ChannelGrid grid_;
  QTableWidget* table_ = nullptr;
  QLineEdit* frequencyEdit_ = nullptr;
  QLineEdit* nameEdit_ = nullptr;
  QComboBox* toneList_ = nullptr;
  QComboBox* powerList_ = nullptr;
  QComboBox* bandwidthList_ = nullptr;
  QComboBox* scanList_ = nullptr;
  QComboBox* busyList_ = nullptr;
  int baseColumnWidth_ = 0;
  int wheelRemainder_ = 0;
  bool filling_ = false;  // the grid is being filled: no cell events
  MessagePrompt prompt_;
  QPointer<TransferController> transfers_;
};

}  // namespace radio::gui
