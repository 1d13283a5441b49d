// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/widgets/QueuedJobRunner.h"

namespace radio::gui {

QueuedJobRunner::QueuedJobRunner(LinkOpener opener, QObject* parent) : QObject(parent), runner_(std::move(opener)) {}

QueuedJobRunner::~QueuedJobRunner() { cancelAndWait(); }

void QueuedJobRunner::start(Job job) {
  if (running_) return;
  // Signals emitted on the worker reach receivers on this thread queued, in order;
  // the end is posted to this object, so it is dropped if the object goes first.
  JobEvents events;
  events.progress = [this](int position) { emit progressChanged(position); };
  events.status = [this](const std::string& text) { emit statusChanged(QString::fromStdString(text)); };
  events.question = [this] { emit retryQuestion(); };
  const int number = ++jobNumber_;
  events.finished = [this, number] {
    QMetaObject::invokeMethod(
        this, [this, number] { onWorkerFinished(number); }, Qt::QueuedConnection);
  };
  running_ = runner_.start(std::move(job), std::move(events));
}

void QueuedJobRunner::cancelAndWait() {
  runner_.cancel();
  runner_.wait();
  running_ = false;
}

void QueuedJobRunner::onWorkerFinished(int number) {
  // The end of a job waited for already (cancelAndWait) is not this job's.
  if (!running_ || number != jobNumber_) return;
  runner_.wait();
  running_ = false;
  emit finished();
}

}  // namespace radio::gui
