// SPDX-License-Identifier: GPL-3.0-or-later
// A document window: one CProgramDoc, the channel grid that shows it and the
// controller of its transfers to and from the radio. Closing
// the window (its close box, File Close) only hides it; the document and the grid
// stay alive until the window is destroyed on purpose (File New, program end).
#pragma once

#include <QMdiSubWindow>

#include "gui/AppState.h"

namespace radio::gui {

class CProgramDoc;
class CProgramView;
class TransferController;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  // The size a new document window opens with.
  static constexpr int kInitialWidth = 1095;
  static constexpr int kInitialHeight = 650;

  // The window with its document; the grid comes with showDocument().
  explicit CChildFrame(AppState& state, QWidget* parent = nullptr);
  ~CChildFrame() override;

  [[nodiscard]] CProgramDoc& document() { return *doc_; }
  // Builds the grid over the document once the document holds its image (new or
  // opened), as the grid takes the band record from the image it first shows.
  void createView();
  [[nodiscard]] CProgramView& view() const { return *view_; }
  // Read and Write of this window's document (there once the grid is).
  [[nodiscard]] TransferController& transfers() const { return *transfers_; }

  [[nodiscard]] bool transferRunning() const;
  // Stops a running transfer and waits until its worker has finished.
  void cancelTransfer();

  // Closes the window for good: the document and its grid go with it.
  void destroyFrame();

  // The document's file name, or the title of a document never saved; an
  // untitled copy of a backup is "<name> (backup copy)".
  [[nodiscard]] QString documentName() const;
  // The caption: the title and the file name ("Channel Information - radio.dat");
  // "*" marks unsaved changes.
  void updateTitle();

 signals:
  // A transfer of this window's document started or ended.
  void transferStateChanged(bool running);
  // The window was shown or closed (hidden).
  void shownChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  CProgramDoc* doc_ = nullptr;
  CProgramView* view_ = nullptr;
  TransferController* transfers_ = nullptr;
  AppState& state_;
  bool destroying_ = false;
};

}  // namespace radio::gui
