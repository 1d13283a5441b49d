#include "link/widgets/TransferController.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "features/OptionalFeaturesForm.h"
#include "gui/CDifferencesDlg.h"

namespace radio::gui {

namespace {

// The labels of the document changes a transfer makes.
constexpr Text kReadLabel{"Read", "读取"};
constexpr Text kWriteLabel{"Write", "写入"};

}  // namespace

TransferController::TransferController(Document& doc, Language lang, QWidget* owner, QObject* parent)
    : QObject(parent), doc_(doc), lang_(lang), owner_(owner), backupFolder_(backupFolder(systemEnvironment)) {
  context_.lang = lang;
}

TransferController::~TransferController() {
  cancelAndWait();
  // The Process window belongs to the main window; it goes with its controller.
  delete processDlg_.data();
}

QString TransferController::text(const Text& t) const { return QString::fromUtf8(t.in(lang_)); }

bool TransferController::running() const { return transfer_ && transfer_->running(); }

void TransferController::startRead() { openProcessWindow(TransferRunner::Job::Read); }

void TransferController::startWrite() {
  emit commitRequested();
  openProcessWindow(TransferRunner::Job::Write);
}

void TransferController::startVerify() {
  emit commitRequested();
  openProcessWindow(TransferRunner::Job::Verify);
}

void TransferController::startIdentify() { openProcessWindow(TransferRunner::Job::Identify); }

void TransferController::openProcessWindow(TransferRunner::Job job) {
  job_ = job;
  // A window already open keeps its caption; only the job changes.
  if (processDlg_) return;
  QString title;
  switch (job) {
    case TransferRunner::Job::Read: title = text({"Read Data", "读数据"}); break;
    case TransferRunner::Job::Write: title = text({"Write Data", "写数据"}); break;
    case TransferRunner::Job::Verify: title = text({"Verify", "校验"}); break;
    case TransferRunner::Job::Identify: title = text({"Identify Radio", "识别电台"}); break;
  }
  processDlg_ = new CProcessDlg(title, owner_ ? owner_->window() : nullptr);
  processDlg_->setAttribute(Qt::WA_DeleteOnClose);
  // Start asks for the transfer once the button's own handling has returned.
  connect(processDlg_, &CProcessDlg::startRequested, this, &TransferController::onStart, Qt::QueuedConnection);
  processDlg_->show();
  processDlg_->raise();
  processDlg_->activateWindow();
}

void TransferController::cancel() {
  if (running()) {
    transfer_->cancel();
    return;
  }
  if (processDlg_) processDlg_->reject();
}

void TransferController::cancelAndWait() {
  if (transfer_) transfer_->cancelAndWait();
}

void TransferController::onStart() {
  if (!processDlg_ || running()) return;
  if (processDlg_->cancelled()) {
    // Cancel came between Start and the transfer's start: nothing is sent.
    CProcessDlg* dlg = processDlg_.data();
    processDlg_.clear();
    dlg->finish();
    return;
  }
  // The image gets the window's edits first; it takes no edits until the end.
  emit storeRequested();
  const std::string device = portName_ ? portName_() : std::string();
  transfer_ = std::make_unique<TransferRunner>(device, lang_, linkOpener_ ? linkOpener_ : &openSerialPort);
  connect(transfer_.get(), &TransferRunner::progressChanged, processDlg_, &CProcessDlg::setProgress);
  connect(transfer_.get(), &TransferRunner::statusChanged, processDlg_, &CProcessDlg::setStatusText);
  connect(transfer_.get(), &TransferRunner::retryQuestion, this, &TransferController::onRetryQuestion);
  connect(transfer_.get(), &TransferRunner::finished, this, &TransferController::onFinished);
  connect(processDlg_, &CProcessDlg::cancelRequested, transfer_.get(), &TransferRunner::cancel);
  TransferRunner::Options options;
  options.verifyAfterWrite = job_ == TransferRunner::Job::Write && verifyAfterWrite_ && verifyAfterWrite_();
  options.backupFolder = backupFolder_;
  options.context = context_;
  options.context.lang = lang_;
  transfer_->start(job_, doc_.image(), std::move(options));
  emit runningChanged(true);
}

QWidget* TransferController::messageOwner() const {
  return processDlg_ ? static_cast<QWidget*>(processDlg_) : owner_.data();
}

void TransferController::onRetryQuestion() {
  if (!transfer_ || transfer_->cancelled()) return;
  MessageRequest request;
  request.caption = QGuiApplication::applicationDisplayName();
  request.text = QString::fromUtf8(messageText(MessageId::CommunicationError, lang_));
  request.icon = QMessageBox::Warning;
  request.buttons = QMessageBox::Retry | QMessageBox::Cancel;
  const QMessageBox::StandardButton button = showMessage(messageOwner(), request);
  if (transfer_) transfer_->answer(button);
}

void TransferController::onFinished() {
  const TransferRunner::Result result = transfer_->result();
  // The runner is inside its own signal here: it goes once that has returned.
  transfer_.release()->deleteLater();
  const bool isRead = result.job == TransferRunner::Job::Read;
  const bool goodRead = result.link.ok() && isRead;
  // The handshake of a read or a write takes the channel grid flag from the radio,
  // whatever came after it (a good read brings it with the whole image). Verify and
  // Identify Radio leave the document alone.
  if (!goodRead && (isRead || result.job == TransferRunner::Job::Write)) {
    const bool radioBit = result.image.flag(field::kChannelGridFlag);
    doc_.change((isRead ? kReadLabel : kWriteLabel).in(lang_),
                [&](RadioImage& image) { image.setFlag(field::kChannelGridFlag, radioBit); });
  }
  if (!result.link.text.empty()) inform(QString::fromStdString(result.link.text), QMessageBox::Warning);
  if (goodRead) {
    doc_.replaceImage(result.image, kReadLabel.in(lang_));
    emit imageRead();
  }
  report(result);
  // The window goes; the next command opens a fresh one.
  if (CProcessDlg* dlg = processDlg_.data()) {
    processDlg_.clear();
    dlg->finish();
  }
  emit runningChanged(false);
  // A good read shows itself in the grid (and its backup in the status bar); a
  // write leaves nothing to see, so it says that it completed.
  if (result.link.ok() && result.job == TransferRunner::Job::Write)
    emit completed(text({"Write completed.", "写入完成。"}));
  if (isRead && result.link.outcome == LinkOutcome::PasswordError) retryReadWithPassword();
}

void TransferController::retryReadWithPassword() {
  const std::optional<QString> typed =
      askDigits(owner_, text({"Password", "密码"}),
                text({"The radio is protected by a password.\nEnter it (up to six digits) to read the radio again:",
                      "电台设有密码。\n请输入密码（最多六位数字）后重新读取："}),
                static_cast<int>(kPasswordLength));
  if (!typed || passwordError(typed->toStdString())) return;
  doc_.change(text({"Password", "密码"}).toStdString(),
              [&](RadioImage& image) { storePassword(image, typed->toStdString()); });
  openProcessWindow(TransferRunner::Job::Read);
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
void TransferController::report(const TransferRunner::Result& result) {
  if (result.backup && *result.backup) emit backupSaved(QString::fromStdString(result.backup->path.string()));
  if (result.backup && !*result.backup) {
    inform(text({"The radio was read, but its backup could not be saved:", "已读取电台数据，但无法保存备份："}) +
               QLatin1Char('\n') + QString::fromStdString(result.backup->error),
           QMessageBox::Warning);
  }
  if (result.info && result.info->identified) {
    QStringList lines;
    for (const std::string& line : describeRadio(*result.info, context_.models, lang_))
      lines << QString::fromStdString(line);
    inform(lines.join(QLatin1Char('\n')), QMessageBox::Information);
  }
  if (!result.verify) return;
  if (!result.verify->link.ok()) {
    // A verify alone reported its failure as the connection's; after a write it is
    // the verify's own.
    if (result.job == TransferRunner::Job::Write && !result.verify->link.text.empty())
      inform(text({"The radio was written, but the verify after it failed:", "已写入电台，但写入后的校验失败："}) +
                 QLatin1Char('\n') + QString::fromStdString(result.verify->link.text),
             QMessageBox::Warning);
    return;
  }
  if (result.verify->differences.empty()) {
    inform(text({"Verify: the radio holds the document.", "校验：电台数据与文档一致。"}), QMessageBox::Information);
    return;
  }
  CDifferencesDlg dialog(
      text({"Verify", "校验"}),
      text({"The radio differs from the document (document -> radio):", "电台数据与文档不一致（文档 -> 电台）："}),
      result.verify->differences, owner_ ? owner_->window() : nullptr);
  (void)runDialog(dialog);
}

}  // namespace radio::gui
