// The Squelch Tuning dialog: four lists of calibration values bound to
// SquelchForm, OK storing them into the image, and Read and Write buttons that
// exchange just these four bytes with the radio. An exchange runs on a worker
// thread with its own copy of the image; the window stays responsive under a busy
// cursor, its buttons are disabled, and the image takes the exchange's squelch
// bytes when it ends (a write stores the dialog's values once the radio has
// answered the handshake, whether or not the write then succeeds).
#pragma once

#include <array>

#include "features/SquelchForm.h"
#include "features/widgets/CFormDlg.h"
#include "gui/AppState.h"
#include "gui/Prompts.h"
#include "gui/RetryQuestion.h"
#include "link/LinkResult.h"
#include "link/widgets/TransferRunner.h"

class QComboBox;
class QPushButton;
class QThread;

namespace radio::gui {

class CSquelchTuningDlg : public CFormDlg {
  Q_OBJECT

 public:
  CSquelchTuningDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);
  ~CSquelchTuningDlg() override;

  [[nodiscard]] QComboBox* list(int row) const { return lists_.at(static_cast<std::size_t>(row)); }
  [[nodiscard]] QPushButton* readButton() const { return read_; }
  [[nodiscard]] QPushButton* writeButton() const { return write_; }
  [[nodiscard]] bool exchangeRunning() const { return thread_ != nullptr; }

  // Tests replace the serial port and answer the message boxes.
  void setLinkOpener(LinkOpener opener) { opener_ = std::move(opener); }

  // The form as the lists hold it now.
  [[nodiscard]] SquelchForm form() const;

  void accept() override;
  void reject() override;

 signals:
  // The radio did not answer the wake-up; asks Retry or Cancel (worker thread).
  void retryQuestion();
  // An exchange has ended and the port is closed.
  void exchangeFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class Exchange { Read, Write };

  void load() override;
  void startExchange(Exchange kind);
  void runExchange();  // on the worker thread
  void answerRetryQuestion();
  void onThreadFinished();
  void setBusy(bool busy);
  void message(const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok);

  std::array<QComboBox*, kSquelchRows> lists_{};
  QPushButton* read_ = nullptr;
  QPushButton* write_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  LinkOpener opener_;

  // The exchange in progress: its kind, the image copy it works on, the squelch
  // bytes to write and its result. Only the worker touches them while it runs.
  QThread* thread_ = nullptr;
  Exchange kind_ = Exchange::Read;
  RadioImage work_;
  std::array<Byte, kSquelchRows> values_{};
  LinkResult result_;
  std::string device_;
  RetryQuestion question_;
};

}  // namespace radio::gui
