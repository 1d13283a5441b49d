// SPDX-License-Identifier: GPL-3.0-or-later
// Full read and full write against the paced virtual radio on a pseudo-terminal,
// through the real serial port code. Reports the elapsed time over the wire
// bound (every byte at 10 bits a byte at 9600 baud, both directions, plus the
// pauses the protocol prescribes), the transfer thread's CPU time over the
// elapsed time, and the program-side time per round trip: from the moment the
// radio's answer is complete on the terminal to the moment the program's next
// byte arrives there, less the pauses the protocol prescribes in between.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <thread>

#include "PacedRadio.h"
#include "link/PtyRadioServer.h"
#include "link/TransferEngine.h"
#include "link/VirtualRadioLink.h"
#include "link/serial/SerialLink.h"
#include "model/Document.h"

namespace radio {
namespace {

// Counts what goes over the wire and the pauses taken, around the real link.
class CountingLink : public Link {
 public:
  explicit CountingLink(Link& inner) : inner_(inner) {}
  bool write(std::span<const Byte> b) override {
    bytes += static_cast<std::int64_t>(b.size());
    afterRead_ = false;
    return inner_.write(b);
  }
  ReadResult read(std::size_t n) override {
    ReadResult r = inner_.read(n);
    bytes += static_cast<std::int64_t>(r.bytes.size());
    afterRead_ = true;
    return r;
  }
  void purgeBuffers() override {
    const auto start = std::chrono::steady_clock::now();
    inner_.purgeBuffers();
    purgeMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  void purgeAll() override { inner_.purgeAll(); }
  void sleepMs(int ms) override {
    pausesMs += ms;
    if (afterRead_) turnPausesMs += ms;
    const auto start = std::chrono::steady_clock::now();
    inner_.sleepMs(ms);
    oversleepMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() - ms;
  }
  double purgeMs = 0;      // time spent purging
  double oversleepMs = 0;  // time the pauses took beyond their length
  std::int64_t bytes = 0;
  std::int64_t pausesMs = 0;
  std::int64_t turnPausesMs = 0;  // pauses between an answer and the next byte sent

 private:
  Link& inner_;
  bool afterRead_ = false;
};

double threadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void fullTransfer(benchmark::State& state, TransferDirection direction) {
  static int argc = 1;
  static char name[] = "radioprog-bench";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) static QCoreApplication app(argc, argv);

  for (auto _ : state) {
    bench::PacedRadio paced;
    if (!paced.error().empty()) {
      state.SkipWithError(paced.error().c_str());
      return;
    }
    PtyRadioServer& server = paced.server();
    auto opened = openSerialLink(server.devicePath(), Language::English);
    if (!opened.link) {
      state.SkipWithError("cannot open the pseudo-terminal");
      return;
    }
    CountingLink link(*opened.link);
    BandRecord band{};
    RadioImage image = newDocumentImage(band);

    const double cpuStart = threadCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const LinkResult result = runTransfer(link, direction, image, Language::English, {});
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = threadCpuSeconds() - cpuStart;

    opened.link.reset();
    paced.stop();
    if (!result.ok()) {
      state.SkipWithError("the transfer failed");
      return;
    }
    const double bound = static_cast<double>(link.bytes) * static_cast<double>(kWireByteNs) * 1e-9 +
                         static_cast<double>(link.pausesMs) * 1e-3;
    state.SetIterationTime(elapsed);
    state.counters["elapsed_s"] = elapsed;
    state.counters["bound_s"] = bound;
    state.counters["ratio"] = elapsed / bound;
    state.counters["cpu_pct"] = 100.0 * cpu / elapsed;
    state.counters["wire_bytes"] = static_cast<double>(link.bytes);
    const PtyRadioServer::Turns turns = server.turns();
    if (turns.count > 0) {
      state.counters["round_trips"] = turns.count;
      state.counters["purge_ms_per_round_trip"] = link.purgeMs / turns.count;
      state.counters["oversleep_ms_per_round_trip"] = link.oversleepMs / turns.count;
      // The virtual radio's share of the time beyond the wire bound, not the program's.
      state.counters["radio_late_ms_per_round_trip"] = static_cast<double>(turns.lateNs) * 1e-6 / turns.count;
      state.counters["program_ms_per_round_trip"] =
          (static_cast<double>(turns.totalNs) * 1e-6 - static_cast<double>(link.turnPausesMs)) / turns.count;
    }
  }
}

// The floor the terminal itself sets: one byte there and back through a bare
// pseudo-terminal pair, answered at once by a thread that waits in poll() like
// the virtual radio does. The program-side time above includes this twice per
// round trip (its answer's way in, its own byte's way out) minus nothing.
double ptyRoundTripMs() {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return -1;
  const int slave = ::open(ptsname(master), O_RDWR | O_NOCTTY);
  termios tio{};
  tcgetattr(slave, &tio);
  cfmakeraw(&tio);
  tcsetattr(slave, TCSANOW, &tio);
  constexpr int kRounds = 500;
  std::thread echo([&] {
    for (int i = 0; i < kRounds; ++i) {
      pollfd p{master, POLLIN, 0};
      if (poll(&p, 1, 1000) <= 0) break;
      char c;
      if (::read(master, &c, 1) == 1) (void)!::write(master, &c, 1);
    }
  });
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i) {
    char c = 0x52;
    (void)!::write(slave, &c, 1);
    pollfd p{slave, POLLIN, 0};
    if (poll(&p, 1, 1000) <= 0) break;
    (void)!::read(slave, &c, 1);
  }
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  echo.join();
  ::close(slave);
  ::close(master);
  return ms / kRounds;
}

void BM_PtyRoundTrip(benchmark::State& state) {
  for (auto _ : state) state.counters["pty_ms_per_round_trip"] = ptyRoundTripMs();
}
BENCHMARK(BM_PtyRoundTrip)->Iterations(1);

void BM_FullReadPaced(benchmark::State& state) { fullTransfer(state, TransferDirection::Read); }
void BM_FullWritePaced(benchmark::State& state) { fullTransfer(state, TransferDirection::Write); }

BENCHMARK(BM_FullReadPaced)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_FullWritePaced)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace radio
