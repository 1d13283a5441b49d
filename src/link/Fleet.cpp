// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Fleet.h"

#include <algorithm>
#include <ctime>

#include "link/LinkSession.h"
#include "link/TransferEngine.h"
#include "model/Sha256.h"

namespace radio {
namespace {

constexpr int kAutomaticRetries = 2;
// clang-format off
constexpr Text kVerifyDiffers{"verify: the radio differs from the document in %1 places, first: ",
                              "校验：电台与文档有 %1 处不同，第一处："};
constexpr Text kVerifyStopped{"verify stopped: the radio holds the whole write, not verified",
                              "校验已停止：电台已完整写入，但未校验"};
// clang-format on

std::string oneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

}  // namespace

std::string fleetStateText(const FleetPortStatus& status, Language lang) {
  const std::string percent = " " + std::to_string(status.percent) + " %";
  switch (status.state) {
    case FleetState::Opening: return Text{"opening the port", "正在打开端口"}.in(lang);
    case FleetState::Waiting: return Text{"waiting for a radio", "等待电台"}.in(lang);
    case FleetState::Writing: return Text{"writing", "正在写入"}.in(lang) + percent;
    case FleetState::Verifying: return Text{"verifying", "正在校验"}.in(lang) + percent;
    case FleetState::Done: return Text{"done: take the radio off", "完成：请取下电台"}.in(lang);
    case FleetState::Failed:
    case FleetState::PortFailed: return Text{"failed: ", "失败："}.in(lang) + status.reason;
    case FleetState::Ended: return Text{"ended", "已结束"}.in(lang);
  }
  return {};
}

Fleet::Fleet(LinkOpener opener) : opener_(std::move(opener)) {}

Fleet::~Fleet() {
  stopLevel_ = 2;
  wait();
}

bool Fleet::start(FleetOptions options, FleetEvents events, FleetLog* log) {
  if (workers_.started()) return false;
  options_ = std::move(options);
  if (options_.documentDigest.empty()) options_.documentDigest = sha256Hex(options_.image.bytes());
  events_ = std::move(events);
  log_ = log;
  stopLevel_ = 0;
  totals_ = {};
  status_.clear();
  for (std::size_t i = 0; i < options_.ports.size(); ++i) {
    FleetPortStatus status;
    status.index = i;
    status.port = options_.ports[i];
    status_.push_back(status);
  }
  portsLeft_ = static_cast<int>(options_.ports.size());
  if (options_.ports.empty()) {
    if (events_.finished) events_.finished();
    return true;
  }
  return workers_.start(options_.ports.size(), [this](std::size_t index) {
    runPort(index);
    std::lock_guard lock(mutex_);
    if (--portsLeft_ == 0 && events_.finished) events_.finished();
  });
}

void Fleet::stop() {
  int level = stopLevel_;
  while (level < 2 && !stopLevel_.compare_exchange_weak(level, level + 1)) {}
}

void Fleet::wait() { workers_.wait(); }

FleetTotals Fleet::totals() const {
  std::lock_guard lock(mutex_);
  return totals_;
}

bool Fleet::mayStartMore() const {
  if (stopLevel_ > 0) return false;
  std::lock_guard lock(mutex_);
  return options_.count <= 0 || totals_.started < options_.count;
}

int Fleet::claimRadio() {
  std::lock_guard lock(mutex_);
  if (stopLevel_ > 0 || (options_.count > 0 && totals_.started >= options_.count)) return 0;
  return ++totals_.started;
}

void Fleet::setState(std::size_t index, FleetState state, int percent, const std::string& reason) {
  std::lock_guard lock(mutex_);
  FleetPortStatus& status = status_[index];
  if (status.state == state && status.percent == percent && status.reason == reason) return;
  status.state = state;
  status.percent = percent;
  status.reason = reason;
  if (events_.portChanged) events_.portChanged(status);
}

void Fleet::portFailed(std::size_t index, const std::string& reason) {
  {
    std::lock_guard lock(mutex_);
    ++totals_.portsFailed;
  }
  setState(index, FleetState::PortFailed, 0, oneLine(reason));
  FleetRecord line;
  line.time = std::time(nullptr);
  line.port = options_.ports[index];
  line.document = options_.documentDigest;
  line.message = oneLine(reason);
  record(std::move(line));
}

void Fleet::record(FleetRecord line) {
  std::lock_guard lock(mutex_);
  if (log_ && !log_->append(line)) totals_.logFailed = true;
  if (events_.radioEnded) events_.radioEnded(line);
}

void Fleet::runPort(std::size_t index) {
  const Language lang = options_.context.lang;
  setState(index, FleetState::Opening);
  OpenedLink opened = opener_(options_.ports[index], lang);
  if (!opened.link) return portFailed(index, opened.failure.text);
  Link& link = *opened.link;
  for (;;) {
    const auto identification = awaitRadio(index, link);
    if (!identification) return;
    const int number = claimRadio();
    if (number == 0) break;
    writeRadio(index, link, *identification, number);
    if (!mayStartMore()) return;
    if (!awaitTakeOff(index, link)) return;
  }
  setState(index, FleetState::Ended);
}

std::optional<std::vector<Byte>> Fleet::probe(std::size_t index, Link& link, bool& failedPort) {
  const LinkCallbacks quiet;
  LinkSession session(link, options_.context.lang, quiet, LinkSession::Mode::Transfer);
  auto reply = session.probe();
  if (!reply && session.deviceFailed()) {
    failedPort = true;
    portFailed(index, Text{"the port failed", "端口出错"}.in(options_.context.lang));
  }
  return reply;
}

void Fleet::pace(Link& link, std::int64_t startedMs) const {
  const std::int64_t left = options_.probeIntervalMs - (link.clockMs() - startedMs);
  if (left > 0) link.sleepMs(static_cast<int>(left));
}

std::optional<std::vector<Byte>> Fleet::awaitRadio(std::size_t index, Link& link) {
  setState(index, FleetState::Waiting);
  for (;;) {
    if (!mayStartMore()) {
      setState(index, FleetState::Ended);
      return std::nullopt;
    }
    const std::int64_t startedMs = link.clockMs();
    bool failedPort = false;
    if (auto reply = probe(index, link, failedPort)) return reply;
    if (failedPort) return std::nullopt;
    pace(link, startedMs);
  }
}

bool Fleet::awaitTakeOff(std::size_t index, Link& link) {
  std::int64_t lastAnswerMs = link.clockMs();
  while (link.clockMs() - lastAnswerMs < options_.gapMs) {
    if (!mayStartMore()) return false;
    const std::int64_t startedMs = link.clockMs();
    bool failedPort = false;
    if (probe(index, link, failedPort)) lastAnswerMs = link.clockMs();
    if (failedPort) return false;
    pace(link, startedMs);
  }
  return true;
}

void Fleet::writeRadio(std::size_t index, Link& link, const std::vector<Byte>& identification, int number) {
  const Language lang = options_.context.lang;
  const std::int64_t startedMs = link.clockMs();
  setState(index, FleetState::Writing);
  FleetState phase = FleetState::Writing;
  int steps = kWriteProgressSteps;
  LinkCallbacks callbacks;
  callbacks.progress = [&](int position) { setState(index, phase, std::min(100, position * 100 / steps)); };
  callbacks.cancelRequested = [this] { return stopLevel_ >= 2; };
  // Nobody is asked: a lost answer during a wake-up is retried twice, as a
  // technician would, then the radio has failed.
  int retries = kAutomaticRetries;
  callbacks.askRetry = [&retries] { return retries-- > 0; };
  RadioImage image = options_.image;
  LinkResult written = runTransfer(link, TransferDirection::Write, image, lang, callbacks);
  notePartialWrite(written, lang);

  FleetRecord line;
  line.port = options_.ports[index];
  line.radio = number;
  line.identification = identification;
  line.document = options_.documentDigest;
  line.ok = written.ok();
  if (!written.ok()) {
    line.message = written.text.empty() ? linkResult(written.outcome, lang).text : written.text;
  } else if (options_.verify) {
    phase = FleetState::Verifying;
    steps = kReadProgressSteps;
    setState(index, phase);
    const VerifyResult verify = verifyRadio(link, options_.image, options_.context, callbacks);
    line.ok = verify.agrees();
    if (verify.link.outcome == LinkOutcome::Cancelled)
      line.message = kVerifyStopped.in(lang);
    else if (!verify.link.ok())
      line.message = Text{"verify: ", "校验："}.in(lang) + verify.link.text;
    else if (!verify.differences.empty())
      line.message =
          fillText(kVerifyDiffers.in(lang), {std::to_string(verify.differences.size())}) + verify.differences.front();
  }
  line.message = oneLine(line.message);
  line.seconds = static_cast<double>(link.clockMs() - startedMs) / 1000.0;
  line.time = std::time(nullptr);
  {
    std::lock_guard lock(mutex_);
    FleetPortStatus& status = status_[index];
    ++(line.ok ? status.ok : status.failed);
    ++(line.ok ? totals_.ok : totals_.failed);
    if (written.outcome == LinkOutcome::Cancelled || line.message == kVerifyStopped.in(lang)) ++totals_.cut;
  }
  if (line.ok)
    setState(index, FleetState::Done);
  else
    setState(index, FleetState::Failed, 0, line.message);
  record(std::move(line));
}

}  // namespace radio
