// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CSquelchTuningDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "gui/HelpHook.h"
#include "gui/ProgramSettings.h"

namespace radio::gui {
namespace {
constexpr int kReadId = 1140;
constexpr int kWriteId = 1141;
}  // namespace

CSquelchTuningDlg::CSquelchTuningDlg(RadioImage& image, AppState& state, QWidget* parent)
    : FormDialog(image, state, tr("Squelch Tuning"), windowhelp::kSquelchTuning.id, parent), opener_(&openSerialPort) {
  auto* grid = new QGridLayout;
  QStringList items;
  for (const std::string& item : squelchListItems()) items << QString::fromStdString(item);
  for (int row = 0; row < kSquelchRows; ++row) {
    auto* combo = new QComboBox(this);
    combo->addItems(items);
    combo->setMaxVisibleItems(20);
    setHelpId(combo, kSquelchFields[static_cast<std::size_t>(row)].helpId);
    lists_[static_cast<std::size_t>(row)] = combo;
    auto* label =
        new QLabel(QString::fromUtf8(kSquelchFields[static_cast<std::size_t>(row)].label.in(state_.lang)), this);
    label->setBuddy(combo);
    grid->addWidget(label, row, 0);
    grid->addWidget(combo, row, 1);
  }

  read_ = new QPushButton(tr("Read"), this);
  setHelpId(read_, kReadId);
  write_ = new QPushButton(tr("Write"), this);
  setHelpId(write_, kWriteId);
  ok_ = new QPushButton(tr("OK"), this);
  setHelpId(ok_, 1);
  ok_->setDefault(true);
  cancel_ = new QPushButton(tr("Cancel"), this);
  setHelpId(cancel_, 2);
  connect(read_, &QPushButton::clicked, this, [this] { startExchange(JobKind::SquelchRead); });
  connect(write_, &QPushButton::clicked, this, [this] { startExchange(JobKind::SquelchWrite); });
  connect(ok_, &QPushButton::clicked, this, &CSquelchTuningDlg::accept);
  connect(cancel_, &QPushButton::clicked, this, &CSquelchTuningDlg::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(read_);
  buttons->addWidget(write_);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  load();
}

CSquelchTuningDlg::~CSquelchTuningDlg() {
  if (!exchangeRunning()) return;
  // Closing the application mid-exchange: the worker stops at its next check and
  // a pending question counts as Cancel. The exchange's bytes are dropped.
  runner_->cancelAndWait();
  QApplication::restoreOverrideCursor();
}

void CSquelchTuningDlg::load() {
  const SquelchForm form = loadSquelch(image_);
  for (std::size_t row = 0; row < lists_.size(); ++row) {
    const auto& shown = form.shown[row];
    lists_[row]->setCurrentIndex(shown ? lists_[row]->findText(QString::number(*shown)) : -1);
  }
}

SquelchForm CSquelchTuningDlg::form() const {
  SquelchForm form;
  for (std::size_t row = 0; row < lists_.size(); ++row) {
    const QString text = lists_[row]->currentText();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!text.isEmpty() && ok) form.shown[row] = value;
  }
  return form;
}

void CSquelchTuningDlg::closeEvent(QCloseEvent* event) {
  if (exchangeRunning()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void CSquelchTuningDlg::accept() {
  if (exchangeRunning()) return;
  storeSquelch(form(), image_);
  QDialog::accept();
}

void CSquelchTuningDlg::reject() {
  // Escape during an exchange does not close the window under the worker.
  if (exchangeRunning()) return;
  QDialog::reject();
}

void CSquelchTuningDlg::startExchange(JobKind kind) {
  if (exchangeRunning()) return;
  Job job;
  job.kind = kind;
  job.port = ProgramSettings(state_.appName).port();
  job.image = image_;
  job.context.lang = state_.lang;
  RadioImage shown = image_;
  storeSquelch(form(), shown);
  job.squelch = squelchBytes(shown);
  runner_ = std::make_unique<QueuedJobRunner>(opener_);
  // The question is answered on this thread, the answer handed to the worker.
  connect(runner_.get(), &QueuedJobRunner::retryQuestion, this, &CSquelchTuningDlg::answerRetryQuestion);
  connect(runner_.get(), &QueuedJobRunner::finished, this, &CSquelchTuningDlg::onExchangeFinished);
  setBusy(true);
  runner_->start(std::move(job));
}

void CSquelchTuningDlg::answerRetryQuestion() {
  const auto button = showMessage(this, {QApplication::applicationDisplayName(),
                                         QString::fromUtf8(messageText(MessageId::CommunicationError, state_.lang)),
                                         QMessageBox::Warning, QMessageBox::Retry | QMessageBox::Cancel});
  if (runner_) runner_->answer(button == QMessageBox::Retry);
}

void CSquelchTuningDlg::onExchangeFinished() {
  const JobResult& result = runner_->result();
  // The exchange's copy differs from the image only in the squelch bytes: those
  // read from the radio, or those a write stored after the handshake.
  setSquelchBytes(image_, squelchBytes(result.image));
  setBusy(false);
  if (!result.link.text.empty()) message(QString::fromStdString(result.link.text));
  if (result.kind == JobKind::SquelchRead && result.link.ok()) load();
  emit exchangeFinished();
}

void CSquelchTuningDlg::setBusy(bool busy) {
  for (QWidget* w : std::initializer_list<QWidget*>{read_, write_, ok_, cancel_}) w->setEnabled(!busy);
  for (QComboBox* combo : lists_) combo->setEnabled(!busy);
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void CSquelchTuningDlg::message(const QString& text, QMessageBox::StandardButtons buttons) {
  showMessage(this, {QApplication::applicationDisplayName(), text, QMessageBox::NoIcon, buttons});
}

}  // namespace radio::gui
