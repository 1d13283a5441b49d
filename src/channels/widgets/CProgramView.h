// The channel grid of a document window: 129 channel rows shown as text, edited in
// place by an editor laid over the current cell, committed when the cell is left.
// The grid holds the edits; storeGrid() writes them into the document's image
// (before saving and before a transfer), refreshFromImage() rebuilds the grid from
// it (first show, and after a read from the radio or another whole-image change).
//
// The view also runs the Read and Write transfers: startRead()/startWrite() open
// the "Process" window; its Start button runs the transfer on a worker thread.
// While a transfer runs, transferRunning() is true and the grid takes no edits;
// the window holding the view calls cancelTransfer() before it closes and waits
// for transferStateChanged(false) (destroying the view also waits for the worker).
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "channels/ChannelGrid.h"
#include "gui/CProgramDoc.h"
#include "gui/MessagePrompt.h"
#include "link/widgets/CProcessDlg.h"
#include "link/widgets/TransferRunner.h"

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace radio::gui {

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

  // Open the "Process" window for a read from / a write to the radio.
  void startRead();
  void startWrite();
  [[nodiscard]] bool transferRunning() const;
  // Asks a running transfer to stop at its next check and answers a pending
  // Retry/Cancel question with Cancel; closes a Process window not yet started.
  void cancelTransfer();

  // Replaces the message boxes (tests answer them).
  void setMessagePrompt(MessagePrompt prompt);
  // Replaces how a transfer opens its link (tests use the in-process virtual radio).
  void setLinkOpener(LinkOpener opener);

  // The grid control and the in-place editors, for the window and for tests.
  [[nodiscard]] QTableWidget* table() const { return table_; }
  [[nodiscard]] QWidget* editorForColumn(int column) const;
  [[nodiscard]] QWidget* visibleEditor() const;
  [[nodiscard]] CProcessDlg* processWindow() const { return processDlg_; }

 signals:
  void transferStateChanged(bool running);

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

  // Transfers.
  void openProcessWindow(bool writeMode);
  void onRadioTransfer();
  void onRetryQuestion();
  void onTransferFinished();
  [[nodiscard]] QWidget* messageOwner();

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

  QPointer<CProcessDlg> processDlg_;
  bool writeMode_ = false;
  std::unique_ptr<TransferRunner> transfer_;
  LinkOpener linkOpener_;
};

}  // namespace radio::gui
