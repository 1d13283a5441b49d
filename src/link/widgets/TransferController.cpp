#include "link/widgets/TransferController.h"

#include <QGuiApplication>
#include <QWidget>

namespace radio::gui {

namespace {

// The labels of the document changes a transfer makes.
constexpr Text kReadLabel{"Read", "读取"};
constexpr Text kWriteLabel{"Write", "写入"};

}  // namespace

TransferController::TransferController(Document& doc, Language lang, QWidget* owner, QObject* parent)
    : QObject(parent), doc_(doc), lang_(lang), owner_(owner), prompt_(&showMessageBox) {}

TransferController::~TransferController() {
  cancelAndWait();
  // The Process window belongs to the main window; it goes with its controller.
  delete processDlg_.data();
}

QString TransferController::text(const Text& t) const { return QString::fromUtf8(t.in(lang_)); }

void TransferController::setMessagePrompt(MessagePrompt prompt) {
  prompt_ = prompt ? std::move(prompt) : MessagePrompt(&showMessageBox);
  if (processDlg_) processDlg_->setMessagePrompt(prompt_);
}

bool TransferController::running() const { return transfer_ && transfer_->running(); }

void TransferController::startRead() { openProcessWindow(false); }

void TransferController::startWrite() {
  emit commitRequested();
  openProcessWindow(true);
}

void TransferController::openProcessWindow(bool writeMode) {
  writeMode_ = writeMode;
  // A window already open keeps its caption; only the direction changes.
  if (processDlg_) return;
  const QString title = writeMode ? text({"Write Data", "写数据"}) : text({"Read Data", "读数据"});
  processDlg_ = new CProcessDlg(title, lang_, owner_ ? owner_->window() : nullptr);
  processDlg_->setAttribute(Qt::WA_DeleteOnClose);
  processDlg_->setMessagePrompt(prompt_);
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
  transfer_->start(writeMode_ ? TransferDirection::Write : TransferDirection::Read, doc_.image());
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
  const QMessageBox::StandardButton button = prompt_(messageOwner(), request);
  if (transfer_) transfer_->answer(button);
}

void TransferController::onFinished() {
  const TransferRunner::Result result = transfer_->result();
  // The runner is inside its own signal here: it goes once that has returned.
  transfer_.release()->deleteLater();
  const bool goodRead = result.link.ok() && result.direction == TransferDirection::Read;
  // The handshake takes the channel grid flag from the radio, whatever came after it (a
  // good read brings it with the whole image).
  if (!goodRead) {
    const bool radioBit = result.image.flag(field::kChannelGridFlag);
    doc_.change((result.direction == TransferDirection::Read ? kReadLabel : kWriteLabel).in(lang_),
                [&](RadioImage& image) { image.setFlag(field::kChannelGridFlag, radioBit); });
  }
  if (!result.link.text.empty()) {
    MessageRequest request;
    request.caption = QGuiApplication::applicationDisplayName();
    request.text = QString::fromStdString(result.link.text);
    request.icon = QMessageBox::Warning;
    (void)prompt_(messageOwner(), request);
  }
  if (goodRead) {
    doc_.replaceImage(result.image, kReadLabel.in(lang_));
    emit imageRead();
  }
  // The window goes; the next Read or Write opens a fresh one.
  if (CProcessDlg* dlg = processDlg_.data()) {
    processDlg_.clear();
    dlg->finish();
  }
  emit runningChanged(false);
}

}  // namespace radio::gui
