// SPDX-License-Identifier: GPL-3.0-or-later
// The fleet against one radio: one paced virtual radio written and verified on
// its own, then six radios on three paced virtual radios, each swapped for a new
// one (away 3 s, as a quick technician) when its line is logged. Reports the
// elapsed times, their ratio (ideal: 2 rounds of one radio, plus the swaps), and
// the CPU time of the fleet's workers over the elapsed time. Nothing is asserted.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <deque>
#include <map>

#include "PacedRadio.h"
#include "link/Fleet.h"
#include "link/Verify.h"
#include "link/serial/SerialLink.h"
#include "model/Document.h"

namespace radio {
namespace {

using Clock = std::chrono::steady_clock;

// One radio's write and verify, once measured: the fleet's time is given against it.
double oneRadioSeconds = 0;

double threadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// The serial link of a port, adding its worker's CPU time to a sum when it closes.
class TimedLink : public Link {
 public:
  TimedLink(std::unique_ptr<Link> inner, std::atomic<double>& cpu)
      : inner_(std::move(inner)), cpu_(cpu), start_(threadCpuSeconds()) {}
  ~TimedLink() override { cpu_ = cpu_ + (threadCpuSeconds() - start_); }
  bool write(std::span<const Byte> b) override { return inner_->write(b); }
  ReadResult read(std::size_t n) override { return inner_->read(n); }
  void purgeBuffers() override { inner_->purgeBuffers(); }
  void purgeAll() override { inner_->purgeAll(); }
  void sleepMs(int ms) override { inner_->sleepMs(ms); }

 private:
  std::unique_ptr<Link> inner_;
  std::atomic<double>& cpu_;
  double start_;
};

void ensureApp() {
  static int argc = 1;
  static char name[] = "radioprog-bench";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) static QCoreApplication app(argc, argv);
}

RadioImage document() {
  BandRecord band{};
  return newDocumentImage(band);
}

void BM_OneRadioWriteAndVerifyPaced(benchmark::State& state) {
  ensureApp();
  for (auto _ : state) {
    bench::PacedRadio paced;
    auto opened = openSerialLink(paced.server().devicePath(), Language::English);
    if (!opened.link) return state.SkipWithError("cannot open the pseudo-terminal");
    RadioImage image = document();
    const double cpuStart = threadCpuSeconds();
    const auto start = Clock::now();
    const LinkResult written = runTransfer(*opened.link, TransferDirection::Write, image, Language::English, {});
    const VerifyResult verify = verifyRadio(*opened.link, document(), {}, {});
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    if (!written.ok() || !verify.agrees()) return state.SkipWithError("the write or its verify failed");
    state.SetIterationTime(elapsed);
    state.counters["elapsed_s"] = elapsed;
    state.counters["cpu_pct"] = 100.0 * (threadCpuSeconds() - cpuStart) / elapsed;
    oneRadioSeconds = elapsed;
  }
}

void BM_FleetSixRadiosOnThreePortsPaced(benchmark::State& state) {
  ensureApp();
  for (auto _ : state) {
    std::deque<bench::PacedRadio> radios(3);
    std::map<std::string, bench::PacedRadio*> byPort;
    FleetOptions options;
    for (auto& radio : radios) {
      if (!radio.error().empty()) return state.SkipWithError(radio.error().c_str());
      options.ports.push_back(radio.server().devicePath());
      byPort[radio.server().devicePath()] = &radio;
    }
    options.image = document();
    options.count = 6;
    std::atomic<double> cpu{0};
    Fleet fleet([&cpu](const std::string& port, Language lang) {
      OpenedLink opened = openSerialPort(port, lang);
      if (opened.link) opened.link = std::make_unique<TimedLink>(std::move(opened.link), cpu);
      return opened;
    });
    FleetEvents events;
    events.radioEnded = [&](const FleetRecord& r) { byPort.at(r.port)->swap(std::chrono::milliseconds(3000)); };
    const auto start = Clock::now();
    if (!fleet.start(std::move(options), events, nullptr)) return state.SkipWithError("the fleet did not start");
    fleet.wait();
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    const FleetTotals totals = fleet.totals();
    if (totals.ok != 6) return state.SkipWithError("not every radio was written and verified");
    state.SetIterationTime(elapsed);
    state.counters["elapsed_s"] = elapsed;
    state.counters["workers_cpu_s"] = cpu.load();
    state.counters["workers_cpu_pct"] = 100.0 * cpu.load() / elapsed;
    // Six radios on three ports: two rounds; 2.0 would be no time lost to the swaps.
    if (oneRadioSeconds > 0) state.counters["ratio_to_one_radio"] = elapsed / oneRadioSeconds;
  }
}

BENCHMARK(BM_OneRadioWriteAndVerifyPaced)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_FleetSixRadiosOnThreePortsPaced)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace radio
