#include "link/widgets/TransferRunner.h"

#include <QThread>
#include <ctime>
#include <memory>

#include "link/serial/SerialLink.h"

namespace radio::gui {

OpenedLink openSerialPort(const std::string& device, Language lang) {
  SerialOpenResult opened = openSerialLink(device, lang);
  return {std::move(opened.link), std::move(opened.failure)};
}

TransferRunner::TransferRunner(std::string device, Language lang, LinkOpener opener, QObject* parent)
    : QObject(parent), device_(std::move(device)), lang_(lang), opener_(std::move(opener)) {}

TransferRunner::~TransferRunner() { cancelAndWait(); }

void TransferRunner::start(Job job, const RadioImage& image, Options options) {
  if (running_) return;
  result_ = Result{};
  result_.job = job;
  result_.image = image;
  options_ = std::move(options);
  question_.reset();
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
  callbacks.askRetry = [this] { return question_.ask([this] { emit retryQuestion(); }); };
  callbacks.cancelRequested = [this] { return question_.cancelled(); };
  switch (result_.job) {
    case Job::Verify:
      result_.verify = verifyRadio(*opened.link, result_.image, options_.context, verifyCallbacks(callbacks));
      result_.link = result_.verify->link;
      return;
    case Job::Identify:
      result_.info = identifyRadio(*opened.link, lang_, callbacks);
      result_.link = result_.info->link;
      return;
    case Job::Read:
    case Job::Write: break;
  }
  const RadioImage sent = result_.image;
  const TransferDirection direction = result_.job == Job::Read ? TransferDirection::Read : TransferDirection::Write;
  result_.link = runTransfer(*opened.link, direction, result_.image, lang_, callbacks);
  if (!result_.link.ok()) return;
  if (result_.job == Job::Read && !options_.backupFolder.empty()) {
    // The image as read, before the document or the grid touches it.
    result_.backup = saveBackup(result_.image, options_.backupFolder,
                                backupModelName(result_.image, options_.context.models), std::time(nullptr));
  }
  if (result_.job == Job::Write && options_.verifyAfterWrite) {
    emit progressChanged(0);
    // The write's own result stays in link; the verify's is in verify->link.
    result_.verify = verifyRadio(*opened.link, sent, options_.context, verifyCallbacks(callbacks));
  }
}

// A verify counts its blocks in the status text as "Verifying n/191"; the
// engine's own texts (the wake-up's) pass, its "Reading n/191" do not.
LinkCallbacks TransferRunner::verifyCallbacks(const LinkCallbacks& callbacks) {
  const QString verifying =
      lang_ == Language::Chinese ? QStringLiteral("正在校验 %1/%2") : QStringLiteral("Verifying %1/%2");
  LinkCallbacks verify = callbacks;
  auto position = std::make_shared<int>(0);
  verify.progress = [this, verifying, position](int reached) {
    *position = reached;
    emit progressChanged(reached);
    emit statusChanged(verifying.arg(reached).arg(kReadProgressSteps));
  };
  verify.status = [this, position](const std::string& text) {
    if (text != progressStatusText(TransferDirection::Read, *position, lang_))
      emit statusChanged(QString::fromStdString(text));
  };
  return verify;
}

void TransferRunner::answer(QMessageBox::StandardButton button) { question_.answer(button == QMessageBox::Retry); }

void TransferRunner::cancel() { question_.cancel(); }

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
