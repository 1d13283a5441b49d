// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/JobRunner.h"

#include <ctime>
#include <thread>
#include <vector>

namespace radio {
namespace {

// clang-format off
constexpr Text kNoPort{"No serial port is chosen. Choose the port of the programming cable in Setup > Com Setup.",
                       "未选择串口。请在“设置 > 端口设置”中选择编程线所接的串口。"};
constexpr Text kPartialWrite{"The radio holds a partial write: write the document again.",
                             "电台只写入了一部分数据，请重新写入。"};
constexpr Text kWriteCancelled{"Write cancelled.",
                               "写入已取消。"};
constexpr Text kVerifying{"Verifying ",
                          "正在校验 "};
// clang-format on

}  // namespace

// After the interruption's own message or after "Write cancelled.".
void notePartialWrite(LinkResult& result, Language lang) {
  if (!result.partialWrite) return;
  std::string text = result.text.empty() ? std::string(kWriteCancelled.in(lang)) : result.text;
  result.text = text + "\n" + kPartialWrite.in(lang);
}

std::optional<bool> gridFlagAfterFailedWrite(const JobResult& result, const RadioImage& document) {
  if (result.kind != JobKind::Write || result.link.ok()) return std::nullopt;
  const bool radioBit = result.image.flag(field::kChannelGridFlag);
  if (radioBit == document.flag(field::kChannelGridFlag)) return std::nullopt;
  return radioBit;
}

LinkResult noPortChosen(Language lang) {
  LinkResult result;
  result.outcome = LinkOutcome::PortError;
  result.text = kNoPort.in(lang);
  return result;
}

struct JobRunner::Worker {
  std::thread thread;
};

JobRunner::JobRunner(LinkOpener opener) : opener_(std::move(opener)), worker_(std::make_unique<Worker>()) {}

JobRunner::~JobRunner() {
  cancel();
  wait();
}

bool JobRunner::started() const { return worker_->thread.joinable(); }

bool JobRunner::start(Job job, JobEvents events) {
  if (started()) return false;
  job_ = std::move(job);
  events_ = std::move(events);
  result_ = JobResult{};
  result_.kind = job_.kind;
  result_.image = job_.image;
  cancel_ = false;
  retry_.reset();
  worker_->thread = std::thread([this] { run(); });
  return true;
}

void JobRunner::wait() {
  if (started()) worker_->thread.join();
}

void JobRunner::answer(bool retry) {
  {
    std::lock_guard lock(mutex_);
    retry_ = retry;
  }
  answered_.notify_all();
}

void JobRunner::cancel() {
  {
    std::lock_guard lock(mutex_);
    cancel_ = true;
  }
  answered_.notify_all();
}

// On the worker: puts the question and waits for answer() or cancel().
bool JobRunner::ask() {
  {
    std::lock_guard lock(mutex_);
    retry_.reset();
    if (cancel_) return false;
  }
  // Outside the lock: the question may be answered before it returns.
  if (events_.question) events_.question();
  std::unique_lock lock(mutex_);
  answered_.wait(lock, [this] { return retry_.has_value() || cancel_.load(); });
  return retry_.value_or(false) && !cancel_;
}

LinkCallbacks JobRunner::callbacks() {
  LinkCallbacks callbacks;
  callbacks.progress = events_.progress;
  callbacks.status = events_.status;
  callbacks.askRetry = [this] { return ask(); };
  callbacks.cancelRequested = [this] { return cancel_.load(); };
  return callbacks;
}

// A verify counts its blocks in the status text as "Verifying n/191"; the
// engine's own texts (the wake-up's) pass, its "Reading n/191" do not.
LinkCallbacks JobRunner::verifyCallbacks() {
  LinkCallbacks verify = callbacks();
  const Language lang = job_.context.lang;
  auto position = std::make_shared<int>(0);
  verify.progress = [this, lang, position](int reached) {
    *position = reached;
    if (events_.progress) events_.progress(reached);
    if (events_.status)
      events_.status(kVerifying.in(lang) + std::to_string(reached) + "/" + std::to_string(kReadProgressSteps));
  };
  verify.status = [this, lang, position](const std::string& text) {
    if (events_.status && text != progressStatusText(TransferDirection::Read, *position, lang)) events_.status(text);
  };
  return verify;
}

void JobRunner::run() {
  // The link lives and dies on this thread; finished comes after it is closed.
  const Language lang = job_.context.lang;
  if (job_.port.empty()) {
    result_.link = noPortChosen(lang);
  } else if (OpenedLink opened = opener_(job_.port, lang); !opened.link) {
    result_.link = opened.failure;
  } else {
    switch (job_.kind) {
      case JobKind::Read:
      case JobKind::Write: transfer(*opened.link); break;
      case JobKind::Verify:
        result_.verify = verifyRadio(*opened.link, job_.image, job_.context, verifyCallbacks());
        result_.link = result_.verify->link;
        break;
      case JobKind::Identify:
        result_.info = identifyRadio(*opened.link, lang, callbacks());
        result_.link = result_.info->link;
        break;
      case JobKind::SquelchRead: result_.link = readSquelch(*opened.link, result_.image, lang, callbacks()); break;
      case JobKind::SquelchWrite:
        result_.link = writeSquelch(*opened.link, result_.image, job_.squelch, lang, callbacks());
        break;
    }
  }
  if (events_.finished) events_.finished();
}

void JobRunner::transfer(Link& link) {
  const Language lang = job_.context.lang;
  const bool reading = job_.kind == JobKind::Read;
  result_.link =
      runTransfer(link, reading ? TransferDirection::Read : TransferDirection::Write, result_.image, lang, callbacks());
  if (!result_.link.ok()) {
    notePartialWrite(result_.link, lang);
    return;
  }
  if (reading && !job_.backupFolder.empty()) {
    // The image as read, before the document or the grid touches it.
    result_.backup = saveBackup(result_.image, job_.backupFolder, backupModelName(result_.image, job_.context.models),
                                std::time(nullptr));
  }
  if (!reading && job_.verifyAfterWrite) {
    if (events_.progress) events_.progress(0);
    // The write's own result stays in link; the verify's is in verify->link.
    result_.verify = verifyRadio(link, job_.image, job_.context, verifyCallbacks());
  }
}

struct WorkerGroup::Workers {
  std::vector<std::thread> threads;
  std::function<void(std::size_t)> work;
};

WorkerGroup::WorkerGroup() : workers_(std::make_unique<Workers>()) {}

WorkerGroup::~WorkerGroup() { wait(); }

bool WorkerGroup::started() const { return !workers_->threads.empty(); }

bool WorkerGroup::start(std::size_t count, std::function<void(std::size_t index)> work) {
  if (started()) return false;
  workers_->work = std::move(work);
  for (std::size_t i = 0; i < count; ++i) workers_->threads.emplace_back([this, i] { workers_->work(i); });
  return true;
}

void WorkerGroup::wait() {
  for (std::thread& thread : workers_->threads) thread.join();
  workers_->threads.clear();
}

}  // namespace radio
