// The Retry/Cancel question a radio exchange on a worker thread puts to the
// window's thread. The worker's ask() blocks until the window answers or the
// exchange is cancelled; once cancelled, a question is answered Cancel at once and
// the exchange stops at its next check (cancelled()).
//
// Usage:
//   question.reset();                                            // before the worker starts
//   callbacks.askRetry = [this] { return question_.ask([this] { emit retryQuestion(); }); };
//   callbacks.cancelRequested = [this] { return question_.cancelled(); };
//   question.answer(button == QMessageBox::Retry);              // on the window's thread
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

namespace radio::gui {

class RetryQuestion {
 public:
  // A new exchange: not cancelled, no answer pending. Only while no worker runs.
  void reset();
  // On the worker: puts the question through post (which must not wait for the
  // answer) and waits; true for Retry, false for Cancel or a cancelled exchange.
  [[nodiscard]] bool ask(const std::function<void()>& post);
  void answer(bool retry);
  // Answers a pending question with Cancel and every later one at once.
  void cancel();
  [[nodiscard]] bool cancelled() const { return cancel_; }

 private:
  std::atomic<bool> cancel_{false};
  std::mutex mutex_;
  std::condition_variable answered_;
  std::optional<bool> retry_;  // the answer to the pending question
};

}  // namespace radio::gui
