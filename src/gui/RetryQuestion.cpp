#include "gui/RetryQuestion.h"

namespace radio::gui {

void RetryQuestion::reset() {
  cancel_ = false;
  retry_.reset();
}

bool RetryQuestion::ask(const std::function<void()>& post) {
  std::unique_lock lock(mutex_);
  retry_.reset();
  if (cancel_) return false;
  post();
  answered_.wait(lock, [this] { return retry_.has_value() || cancel_.load(); });
  return retry_.value_or(false) && !cancel_;
}

void RetryQuestion::answer(bool retry) {
  {
    std::lock_guard lock(mutex_);
    retry_ = retry;
  }
  answered_.notify_all();
}

void RetryQuestion::cancel() {
  {
    std::lock_guard lock(mutex_);
    cancel_ = true;
  }
  answered_.notify_all();
}

}  // namespace radio::gui
