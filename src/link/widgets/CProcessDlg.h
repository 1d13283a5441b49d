// SPDX-License-Identifier: GPL-3.0-or-later
// The "Process" window of a Read or Write: Start, a progress bar, the status text
// and Cancel. It is modeless; Start asks the view to run the transfer
// (startRequested), after which Cancel only asks the transfer to stop
// (cancelRequested) and the window stays until the view calls finish().
#pragma once

#include <QDialog>
#include <QString>

#include "gui/Prompts.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace radio::gui {

class CProcessDlg : public QDialog {
  Q_OBJECT

 public:
  CProcessDlg(const QString& title, QWidget* parent = nullptr);

  [[nodiscard]] bool started() const { return started_; }
  [[nodiscard]] bool cancelled() const { return cancelled_; }
  [[nodiscard]] QPushButton* startButton() const { return startButton_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancelButton_; }
  [[nodiscard]] QProgressBar* progressBar() const { return progress_; }
  [[nodiscard]] QString statusText() const;

  // The transfer moved the progress bar to position; the status text that says
  // the step ("Reading 32/191") comes with setStatusText.
  void setProgress(int position);
  void setStatusText(const QString& text);
  // The transfer has ended: the window goes away.
  void finish();

  void reject() override;

 signals:
  void startRequested();
  void cancelRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void onStart();

  QPushButton* startButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  bool started_ = false;
  bool cancelled_ = false;
  bool finishing_ = false;
};

}  // namespace radio::gui
