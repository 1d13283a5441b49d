// SPDX-License-Identifier: GPL-3.0-or-later
// The job runner as a window uses it: the runner's events, called on its worker
// thread, arrive on the user-interface thread as queued signals, and finished()
// comes once the worker has ended, so the window reads result() at once. The
// object must live on the user-interface thread.
//
// Usage:
//   auto* runner = new QueuedJobRunner(&openSerialPort, this);
//   connect(runner, &QueuedJobRunner::progressChanged, dlg, &CProcessDlg::setProgress);
//   connect(runner, &QueuedJobRunner::retryQuestion, this, [=] { runner->answer(askUser()); });
//   connect(runner, &QueuedJobRunner::finished, this, [=] { use(runner->result()); });
//   runner->start(std::move(job));
#pragma once

#include <QObject>
#include <QString>

#include "link/JobRunner.h"
#include "link/serial/SerialLink.h"

namespace radio::gui {

class QueuedJobRunner : public QObject {
  Q_OBJECT

 public:
  explicit QueuedJobRunner(LinkOpener opener = &openSerialPort, QObject* parent = nullptr);
  // Cancels a running job and waits for its worker.
  ~QueuedJobRunner() override;

  // Starts the job unless one is running.
  void start(Job job);
  [[nodiscard]] bool running() const { return running_; }
  [[nodiscard]] bool cancelled() const { return runner_.cancelled(); }
  // The result, once finished() has been emitted.
  [[nodiscard]] const JobResult& result() const { return runner_.result(); }

  // Answers the pending question: Retry starts another wake-up round.
  void answer(bool retry) { runner_.answer(retry); }
  // Ends the job at its next check point (a pending question counts as Cancel).
  void cancel() { runner_.cancel(); }
  // Cancels and waits until the worker has ended; finished() is not emitted.
  void cancelAndWait();

 signals:
  void progressChanged(int position);
  void statusChanged(const QString& text);
  // The communication box (Retry/Cancel) is due; answer() it.
  void retryQuestion();
  // The job has ended and the port is closed.
  void finished();

 private:
  void onWorkerFinished(int number);

  JobRunner runner_;
  bool running_ = false;
  int jobNumber_ = 0;  // the job started last
};

}  // namespace radio::gui
