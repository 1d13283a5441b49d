#include "link/widgets/TransferRunner.h"

#include <QThread>

#include "link/serial/SerialLink.h"

namespace radio::gui {

OpenedLink openSerialPort(const std::string& device, Language lang) {
  SerialOpenResult opened = openSerialLink(device, lang);
  return {std::move(opened.link), std::move(opened.failure)};
}

TransferRunner::TransferRunner(std::string device, Language lang, LinkOpener opener, QObject* parent)
    : QObject(parent), device_(std::move(device)), lang_(lang), opener_(std::move(opener)) {}

TransferRunner::~TransferRunner() { cancelAndWait(); }

void TransferRunner::start(TransferDirection direction, const RadioImage& image) {
  if (running_) return;
  result_ = Result{direction, {}, image};
  cancel_ = false;
  retry_.reset();
  running_ = true;
  thread_ = QThread::create([this] { run(); });
  connect(thread_, &QThread::finished, this, &TransferRunner::onThreadFinished);
  thread_->start();
}

void TransferRunner::run() {
  // Everything here runs on the worker thread; the link lives and dies here.
  OpenedLink opened = opener_(device_, lang_);
  if (!opened.link) {
    result_.link = opened.failure;
    return;
  }
  LinkCallbacks callbacks;
  callbacks.progress = [this](int position) { emit progressChanged(position); };
  callbacks.status = [this](const std::string& text) { emit statusChanged(QString::fromStdString(text)); };
  callbacks.askRetry = [this] { return askRetry(); };
  callbacks.cancelRequested = [this] { return cancel_.load(); };
  result_.link = runTransfer(*opened.link, result_.direction, result_.image, lang_, callbacks);
}

bool TransferRunner::askRetry() {
  std::unique_lock lock(mutex_);
  retry_.reset();
  if (cancel_) return false;
  emit retryQuestion();
  answered_.wait(lock, [this] { return retry_.has_value() || cancel_.load(); });
  return retry_.value_or(false) && !cancel_;
}

void TransferRunner::answer(QMessageBox::StandardButton button) {
  {
    std::lock_guard lock(mutex_);
    retry_ = button == QMessageBox::Retry;
  }
  answered_.notify_all();
}

void TransferRunner::cancel() {
  {
    std::lock_guard lock(mutex_);
    cancel_ = true;
  }
  answered_.notify_all();
}

void TransferRunner::cancelAndWait() {
  if (!thread_) return;
  cancel();
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  running_ = false;
}

void TransferRunner::onThreadFinished() {
  if (!thread_) return;
  thread_->wait();
  thread_->deleteLater();
  thread_ = nullptr;
  running_ = false;
  emit finished();
}

}  // namespace radio::gui
