// SPDX-License-Identifier: GPL-3.0-or-later
// The Squelch Tuning dialog: four lists of calibration values bound to
// SquelchForm, OK storing them into the image, and Read and Write buttons that
// exchange just these four bytes with the radio over the port chosen in Setup.
// An exchange is a job of the job runner, on its own copy of the image; the window
// stays responsive under a busy cursor, its buttons are disabled, and the image
// takes the exchange's squelch bytes when it ends (a write stores the dialog's
// values once the radio has answered the handshake, whether or not the write then
// succeeds).
#pragma once

#include <array>
#include <memory>

#include "features/SquelchForm.h"
#include "features/widgets/FormDialog.h"
#include "gui/AppState.h"
#include "gui/Prompts.h"
#include "link/widgets/QueuedJobRunner.h"

class QComboBox;
class QPushButton;

namespace radio::gui {

class CSquelchTuningDlg : public FormDialog {
  Q_OBJECT

 public:
  CSquelchTuningDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);
  ~CSquelchTuningDlg() override;

  [[nodiscard]] QComboBox* list(int row) const { return lists_.at(static_cast<std::size_t>(row)); }
  [[nodiscard]] QPushButton* readButton() const { return read_; }
  [[nodiscard]] QPushButton* writeButton() const { return write_; }
  [[nodiscard]] bool exchangeRunning() const { return runner_ && runner_->running(); }

  // Tests replace the serial port and answer the message boxes.
  void setLinkOpener(LinkOpener opener) { opener_ = std::move(opener); }

  // The form as the lists hold it now.
  [[nodiscard]] SquelchForm form() const;

  void accept() override;
  void reject() override;

 signals:
  // An exchange has ended and the port is closed.
  void exchangeFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void load() override;
  void startExchange(JobKind kind);
  void answerRetryQuestion();
  void onExchangeFinished();
  void setBusy(bool busy);
  void message(const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok);

  std::array<QComboBox*, kSquelchRows> lists_{};
  QPushButton* read_ = nullptr;
  QPushButton* write_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  LinkOpener opener_;
  std::unique_ptr<QueuedJobRunner> runner_;  // the exchange in progress or the last one
};

}  // namespace radio::gui
