// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/widgets/TransferController.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "features/OptionalFeaturesForm.h"
#include "features/ProductInfoForm.h"
#include "gui/DifferencesDialog.h"
#include "gui/ProgramSettings.h"
#include "model/ImageCheck.h"

namespace radio::gui {

TransferController::TransferController(Document& doc, const AppState& state, QWidget* owner, QObject* parent)
    : QObject(parent), doc_(doc), state_(state), owner_(owner), backupFolder_(backupFolder(systemEnvironment)) {}

TransferController::~TransferController() {
  cancelAndWait();
  // The Process window belongs to the main window; it goes with its controller.
  delete processDlg_.data();
}

bool TransferController::running() const { return runner_ && runner_->running(); }

void TransferController::startRead() { openProcessWindow(JobKind::Read); }

void TransferController::startWrite() {
  emit commitRequested();
  openProcessWindow(JobKind::Write);
}

void TransferController::startVerify() {
  emit commitRequested();
  openProcessWindow(JobKind::Verify);
}

void TransferController::startIdentify() { openProcessWindow(JobKind::Identify); }

void TransferController::openProcessWindow(JobKind kind) {
  kind_ = kind;
  // A window already open keeps its caption; only the job changes.
  if (processDlg_) return;
  QString title;
  switch (kind) {
    case JobKind::Read: title = tr("Read Data"); break;
    case JobKind::Write: title = tr("Write Data"); break;
    case JobKind::Verify: title = tr("Verify"); break;
    case JobKind::Identify: title = tr("Identify Radio"); break;
    case JobKind::SquelchRead:
    case JobKind::SquelchWrite: return;  // the Squelch Tuning window runs these itself
  }
  processDlg_ = new CProcessDlg(title, owner_ ? owner_->window() : nullptr);
  processDlg_->setAttribute(Qt::WA_DeleteOnClose);
  // Start asks for the job once the button's own handling has returned.
  connect(processDlg_, &CProcessDlg::startRequested, this, &TransferController::onStart, Qt::QueuedConnection);
  processDlg_->show();
  processDlg_->raise();
  processDlg_->activateWindow();
}

void TransferController::closeProcessWindow() {
  if (CProcessDlg* dlg = processDlg_.data()) {
    processDlg_.clear();
    dlg->finish();
  }
}

void TransferController::cancel() {
  if (running()) {
    runner_->cancel();
    return;
  }
  if (processDlg_) processDlg_->reject();
}

void TransferController::cancelAndWait() {
  if (runner_) runner_->cancelAndWait();
}

void TransferController::onStart() {
  if (!processDlg_ || running()) return;
  // Cancel came between Start and the job's start: nothing is sent.
  if (processDlg_->cancelled()) return closeProcessWindow();
  // The image gets the window's edits first; it takes no edits until the end.
  emit storeRequested();
  if (kind_ == JobKind::Write && !writeConfirmed()) return closeProcessWindow();
  const ProgramSettings settings(state_.appName);
  Job job;
  job.kind = kind_;
  job.port = settings.port();
  job.image = doc_.image();
  job.context.lang = state_.lang;
  job.context.bandRecord = state_.band.record;
  job.context.models = modelNames(state_.config);
  job.verifyAfterWrite = kind_ == JobKind::Write && settings.value(Setting::VerifyAfterWrite).toBool();
  job.backupFolder = backupFolder_;
  runner_ = std::make_unique<QueuedJobRunner>(linkOpener_ ? linkOpener_ : &openSerialPort);
  connect(runner_.get(), &QueuedJobRunner::progressChanged, processDlg_, &CProcessDlg::setProgress);
  connect(runner_.get(), &QueuedJobRunner::statusChanged, processDlg_, &CProcessDlg::setStatusText);
  connect(runner_.get(), &QueuedJobRunner::retryQuestion, this, &TransferController::onRetryQuestion);
  connect(runner_.get(), &QueuedJobRunner::finished, this, &TransferController::onFinished);
  connect(processDlg_, &CProcessDlg::cancelRequested, runner_.get(), &QueuedJobRunner::cancel);
  runner_->start(std::move(job));
  emit runningChanged(true);
}

// An image that fails the pre-write check (a damaged password field, frequency
// bytes that are not digits or lie outside the bands) goes to the radio only when
// the user says so; Cancel is the default.
bool TransferController::writeConfirmed() {
  const std::vector<std::string> problems = writeProblems(doc_.image(), state_.band.limits, state_.lang);
  if (problems.empty()) return true;
  QStringList lines;
  for (const std::string& line : problems) lines << QString::fromStdString(line);
  MessageRequest request;
  request.caption = QGuiApplication::applicationDisplayName();
  request.text = tr("This document should not go to the radio as it is:") + QLatin1Char('\n') +
                 lines.join(QLatin1Char('\n')) + QLatin1Char('\n') + tr("Write it anyway?");
  request.icon = QMessageBox::Warning;
  request.buttons = QMessageBox::Yes | QMessageBox::Cancel;
  request.defaultButton = QMessageBox::Cancel;
  request.buttonTexts = {{QMessageBox::Yes, tr("Write Anyway")}};
  return showMessage(messageOwner(), request) == QMessageBox::Yes;
}

QWidget* TransferController::messageOwner() const {
  return processDlg_ ? static_cast<QWidget*>(processDlg_) : owner_.data();
}

void TransferController::onRetryQuestion() {
  if (!runner_ || runner_->cancelled()) return;
  MessageRequest request;
  request.caption = QGuiApplication::applicationDisplayName();
  request.text = QString::fromUtf8(messageText(MessageId::CommunicationError, state_.lang));
  request.icon = QMessageBox::Warning;
  request.buttons = QMessageBox::Retry | QMessageBox::Cancel;
  const QMessageBox::StandardButton button = showMessage(messageOwner(), request);
  if (runner_) runner_->answer(button == QMessageBox::Retry);
}

void TransferController::onFinished() {
  const JobResult result = runner_->result();
  // The runner is inside its own signal here: it goes once that has returned.
  runner_.release()->deleteLater();
  const bool isRead = result.kind == JobKind::Read;
  const bool goodRead = result.link.ok() && isRead;
  // A read that did not complete leaves the document as it was; Verify and
  // Identify Radio leave it alone.
  if (const auto radioBit = gridFlagAfterFailedWrite(result, doc_.image()))
    doc_.change(tr("Write").toStdString(),
                [&](RadioImage& image) { image.setFlag(field::kChannelGridFlag, *radioBit); });
  if (!result.link.text.empty()) inform(QString::fromStdString(result.link.text), QMessageBox::Warning);
  if (goodRead) {
    doc_.replaceImage(result.image, tr("Read").toStdString());
    emit imageRead();
  }
  report(result);
  // The window goes; the next command opens a fresh one.
  closeProcessWindow();
  emit runningChanged(false);
  // A good read shows itself in the grid (and its backup in the status bar); a
  // write leaves nothing to see, so it says that it completed.
  if (result.link.ok() && result.kind == JobKind::Write) emit completed(tr("Write completed."));
  if (isRead && result.link.outcome == LinkOutcome::PasswordError) retryReadWithPassword();
}

void TransferController::retryReadWithPassword() {
  const std::optional<QString> typed =
      askDigits(owner_, tr("Password"),
                tr("The radio is protected by a password.\nEnter it (up to six digits) to read the radio again:"),
                static_cast<int>(kPasswordLength));
  if (!typed || passwordError(typed->toStdString())) return;
  doc_.change(tr("Password").toStdString(), [&](RadioImage& image) { storePassword(image, typed->toStdString()); });
  openProcessWindow(JobKind::Read);
  if (processDlg_) processDlg_->startButton()->click();
}

void TransferController::inform(const QString& message, QMessageBox::Icon icon) {
  MessageRequest request;
  request.caption = QGuiApplication::applicationDisplayName();
  request.text = message;
  request.icon = icon;
  (void)showMessage(messageOwner(), request);
}

// What a read's backup, a verify and an identification tell the user once the
// connection has ended.
void TransferController::report(const JobResult& result) {
  if (result.backup && *result.backup) emit backupSaved(QString::fromStdString(result.backup->path.string()));
  if (result.backup && !*result.backup) {
    inform(tr("The radio was read, but its backup could not be saved:") + QLatin1Char('\n') +
               QString::fromStdString(result.backup->error),
           QMessageBox::Warning);
  }
  if (result.info && result.info->identified) {
    QStringList lines;
    for (const std::string& line : describeRadio(*result.info, modelNames(state_.config), state_.lang))
      lines << QString::fromStdString(line);
    inform(lines.join(QLatin1Char('\n')), QMessageBox::Information);
  }
  if (!result.verify) return;
  if (!result.verify->link.ok()) {
    // A verify alone reported its failure as the connection's; after a write it is
    // the verify's own.
    if (result.kind == JobKind::Write && !result.verify->link.text.empty())
      inform(tr("The radio was written, but the verify after it failed:") + QLatin1Char('\n') +
                 QString::fromStdString(result.verify->link.text),
             QMessageBox::Warning);
    return;
  }
  if (result.verify->comparison.same()) {
    inform(tr("Verify: the radio holds the document."), QMessageBox::Information);
    return;
  }
  DifferencesDialog dialog(tr("Verify"), tr("The radio differs from the document (document -> radio):"),
                           result.verify->comparison, tr("Document"), tr("Radio"), state_.lang,
                           owner_ ? owner_->window() : nullptr);
  (void)runDialog(dialog);
}

}  // namespace radio::gui
