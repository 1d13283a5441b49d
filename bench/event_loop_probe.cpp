// How long the application's event loop goes unanswered while it reads a radio:
// the main window with a new document runs Program > Read against the paced
// virtual radio on a pseudo-terminal, through the real serial port code, while a
// 1 ms timer on the user-interface thread notes every gap between its firings.
// Reported: the longest gap beyond the timer's own period while the transfer
// runs, and in the 300 ms after it (the document taking the image, the grid
// refreshing, the Process window going), and how many gaps passed 50 ms. On a
// shared machine a gap may be the scheduler's rather than ours, so the CPU time
// the user-interface thread itself spent within the longest gap is reported
// beside it (busy_in_longest_ms), and the largest it spent between any two
// firings (max_busy_ms).
//
// Runs on Qt's offscreen platform unless a display or a platform is given
// (xvfb-run shows the cost of a real X server's painting).
#include <benchmark/benchmark.h>

#include <time.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "PacedRadio.h"
#include "app/StartupConfig.h"
#include "gui/AppState.h"
#include "gui/ProgramSettings.h"
#include "gui/Prompts.h"
#include "link/PtyRadioServer.h"
#include "link/widgets/TransferController.h"
#include "shell/widgets/CChildFrame.h"
#include "shell/widgets/CMainFrame.h"

namespace radio::gui {
namespace {

constexpr int kProbeMs = 1;
constexpr int kAfterMs = 300;
constexpr double kTargetMs = 50;

qint64 threadCpuNs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return qint64{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

// The gaps between the firings of a fast timer on the user-interface thread.
class EventLoopProbe {
 public:
  EventLoopProbe() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kProbeMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
  }
  void start() {
    clock_.start();
    last_ = 0;
    lastCpu_ = threadCpuNs();
    timer_.start();
  }
  // From now on the gaps count as after the transfer.
  void markEnd() { ended_ = true; }
  double maxDuringMs() const { return static_cast<double>(maxDuringNs_) * 1e-6; }
  double maxAfterMs() const { return static_cast<double>(maxAfterNs_) * 1e-6; }
  int overTarget() const { return overTarget_; }
  double maxBusyMs() const { return static_cast<double>(maxBusyNs_) * 1e-6; }
  double busyInLongestMs() const { return static_cast<double>(busyInLongestNs_) * 1e-6; }

 private:
  void tick() {
    const qint64 now = clock_.nsecsElapsed();
    const qint64 cpu = threadCpuNs();
    const qint64 busy = cpu - lastCpu_;
    maxBusyNs_ = std::max(maxBusyNs_, busy);
    lastCpu_ = cpu;
    const qint64 late = std::max<qint64>(0, now - last_ - qint64{kProbeMs} * 1'000'000);
    last_ = now;
    qint64& max = ended_ ? maxAfterNs_ : maxDuringNs_;
    if (late > std::max(maxDuringNs_, maxAfterNs_)) busyInLongestNs_ = busy;
    if (late > max) {
      max = late;
      // RADIOPROG_PROBE_TRACE=1 tells when each new longest gap ended.
      if (std::getenv("RADIOPROG_PROBE_TRACE"))
        std::fprintf(stderr, "gap %.1f ms at %.1f ms\n", static_cast<double>(late) * 1e-6,
                     static_cast<double>(now) * 1e-6);
    }
    if (static_cast<double>(late) * 1e-6 > kTargetMs) ++overTarget_;
  }

  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0;
  qint64 maxDuringNs_ = 0;
  qint64 maxAfterNs_ = 0;
  qint64 lastCpu_ = 0;
  qint64 maxBusyNs_ = 0;
  qint64 busyInLongestNs_ = 0;
  int overTarget_ = 0;
  bool ended_ = false;
};

void BM_EventLoopDuringReadPaced(benchmark::State& state) {
  for (auto _ : state) {
    bench::PacedRadio paced;
    if (!paced.error().empty()) {
      state.SkipWithError(paced.error().c_str());
      return;
    }

    AppState app;
    app.appName = "radioprog-bench";
    ProgramSettings(app.appName).setPort(paced.server().devicePath());
    StartupConfig config;
    config.appName = app.appName;
    CMainFrame window(app, config);
    window.resize(1280, 800);
    window.show();
    window.fileNew();
    TransferController& transfers = window.activeChildFrame()->transfers();
    // A message ends the run instead of waiting for a user.
    std::string message;
    const ScopedPrompts answers([&](QWidget*, const MessageRequest& request) {
      message = request.text.toStdString();
      return request.buttons & QMessageBox::Retry ? QMessageBox::Cancel : QMessageBox::Ok;
    });
    transfers.startRead();
    // The windows are laid out and painted for the first time before Start.
    {
      QEventLoop settle;
      QTimer::singleShot(500, &settle, &QEventLoop::quit);
      settle.exec();
    }

    EventLoopProbe probe;
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&transfers, &TransferController::runningChanged, &loop, [&](bool running) {
      if (running) return;
      ok = true;
      probe.markEnd();
      QTimer::singleShot(kAfterMs, &loop, &QEventLoop::quit);
    });
    QTimer::singleShot(60'000, &loop, &QEventLoop::quit);
    probe.start();
    const auto started = std::chrono::steady_clock::now();
    transfers.processWindow()->startButton()->click();
    loop.exec();
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    paced.stop();
    if (!ok || !message.empty()) {
      state.SkipWithError(message.empty() ? "the read did not end" : message.c_str());
      return;
    }
    state.SetIterationTime(elapsed);
    state.counters["max_unanswered_ms_during_read"] = probe.maxDuringMs();
    state.counters["max_unanswered_ms_after_read"] = probe.maxAfterMs();
    state.counters["gaps_over_50ms"] = probe.overTarget();
    state.counters["max_busy_ms"] = probe.maxBusyMs();
    state.counters["busy_in_longest_ms"] = probe.busyInLongestMs();
  }
}
BENCHMARK(BM_EventLoopDuringReadPaced)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace radio::gui

int main(int argc, char** argv) {
  // Nothing of the user's is touched: settings and backups go to a folder of our own.
  QTemporaryDir home;
  setenv("XDG_CONFIG_HOME", qPrintable(home.filePath("config")), 1);
  setenv("XDG_DATA_HOME", qPrintable(home.filePath("data")), 1);
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
