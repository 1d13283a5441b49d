// SPDX-License-Identifier: GPL-3.0-or-later
// fleet write: one document into many radios, one worker per port, every radio
// verified and logged.
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <mutex>

#include "cli/Cli.h"
#include "link/Fleet.h"
#include "link/serial/SerialLink.h"
#include "model/ImageCheck.h"
#include "model/Sha256.h"

namespace radio::cli {
namespace {

std::atomic<int> interrupts{0};

extern "C" void onFleetInterrupt(int) { interrupts.fetch_add(1); }

// A number of the option within [low, high]; false when it is not one.
bool numberOption(const Args& args, const std::string& option, double low, double high, double& value) {
  const auto text = args.value(option);
  if (!text) return true;
  try {
    std::size_t used = 0;
    value = std::stod(*text, &used);
    return used == text->size() && value >= low && value <= high;
  } catch (const std::exception&) {
    return false;
  }
}

std::string secondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", seconds);
  return text;
}

// "/dev/ttyUSB0: radio 3 ok, 17.9 s", a failure with its reason, a port that failed.
std::string radioLine(const FleetRecord& r, Language lang) {
  if (r.radio == 0) return r.port + Text{": failed: ", "：失败："}.in(lang) + r.message;
  std::string line = r.port + Text{": radio ", "：电台 "}.in(lang) + std::to_string(r.radio) + " " +
                     (r.ok ? Text{"ok", "成功"} : Text{"failed", "失败"}).in(lang) + ", " + secondsText(r.seconds) +
                     Text{" s", " 秒"}.in(lang);
  if (!r.ok) line += ": " + r.message;
  return line;
}

// The image as the channel view sends it (the grid stored into it), or the exit
// code when the check before a write refuses it.
std::optional<int> prepareImage(RadioImage& image, bool force, Language lang) {
  BandState band;
  band.record = initialBandRecord();
  storeLikeTheView(image, band, lang);
  const auto problems = writeProblems(image, band.limits, lang);
  for (const std::string& problem : problems) std::cerr << problem << '\n';
  if (problems.empty() || force) return std::nullopt;
  return fail(Text{"fleet: the document was not sent to any radio; fix it, or send it anyway with --force",
                   "批量写入：文档未发送到任何电台；请先修正，或使用 --force 仍然发送"}
                  .in(lang),
              kExitDamaged);
}

int runFleet(const std::vector<std::string>& argv) {
  const Args args(argv, {"--port", "--count", "--log", "--gap", "--lang"}, {"--no-verify", "--force"});
  if (!args.ok()) return usage("fleet", args.error());
  if (const auto extra = extraArgument("fleet", args, 2)) return *extra;
  const auto& pos = args.positional();
  if (pos.size() != 2 || pos[0] != "write") return usage("fleet", "give write and one FILE.dat");
  Language lang = Language::English;
  if (!languageOption(args, lang)) return kExitUsage;
  FleetOptions options;
  options.ports = args.values("--port");
  if (options.ports.empty()) return usage("fleet", "give each serial port with --port DEVICE");
  double count = 0;
  double gap = 2;
  if (!numberOption(args, "--count", 1, 1e6, count) || count != static_cast<int>(count))
    return usage("fleet", "--count takes a number of radios, 1 or more");
  if (!numberOption(args, "--gap", 0, 3600, gap)) return usage("fleet", "--gap takes seconds, 0 to 3600");
  options.count = static_cast<int>(count);
  options.gapMs = static_cast<int>(gap * 1000);
  options.verify = !args.has("--no-verify");
  options.context = sectionContext(lang);

  const auto doc = openDocument(pos[1], lang);
  if (!doc) return kExitFailure;
  // The log names the document as its file holds it; the radios get it as the view sends it.
  options.image = doc->image();
  options.documentDigest = sha256Hex(options.image.bytes());
  if (const auto refused = prepareImage(options.image, args.has("--force"), lang)) return *refused;

  const std::filesystem::path logPath = args.value("--log")
                                            ? std::filesystem::path(*args.value("--log"))
                                            : defaultFleetLogPath(systemEnvironment, std::time(nullptr));
  FleetLog log;
  std::string error;
  if (logPath.empty()) return fail("fleet: no folder for the log is known; give one with --log FILE.csv");
  if (!log.open(logPath, error)) return fail(error);
  std::cout << Text{"log: ", "日志："}.in(lang) << logPath.string() << std::endl;

  ensureCoreApplication();
  struct sigaction action {};
  action.sa_handler = onFleetInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);

  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  FleetEvents events;
  events.radioEnded = [lang](const FleetRecord& r) { std::cout << radioLine(r, lang) << std::endl; };
  events.finished = [&] {
    std::lock_guard lock(mutex);
    done = true;
    ended.notify_all();
  };
  Fleet fleet(&openSerialPort);
  (void)fleet.start(std::move(options), std::move(events), &log);
  // Ctrl+C: the first lets the radios being written finish, the second cuts them.
  int seen = 0;
  {
    std::unique_lock lock(mutex);
    while (!ended.wait_for(lock, std::chrono::milliseconds(100), [&] { return done; })) {
      for (; seen < interrupts.load(); ++seen) {
        fleet.stop();
        std::cerr << (fleet.stopLevel() == 1
                          ? Text{"fleet: stopping once the radios being written are verified; Ctrl+C again cuts them",
                                 "批量写入：正在写入的电台校验后停止；再按 Ctrl+C 立即中断"}
                          : Text{"fleet: cutting the writes", "批量写入：正在中断写入"})
                         .in(lang)
                  << std::endl;
      }
    }
  }
  fleet.wait();
  const FleetTotals t = fleet.totals();
  const int ports = static_cast<int>(args.values("--port").size());
  std::cout << filled(Text{"%1 radios: ", "%1 台电台："}, lang, std::to_string(t.ok + t.failed))
            << filled(Text{"%1 ok, %2 failed", "%1 台成功，%2 台失败"}, lang, std::to_string(t.ok),
                      std::to_string(t.failed))
            << (t.portsFailed > 0
                    ? filled(Text{", %1 ports failed", "，%1 个端口失败"}, lang, std::to_string(t.portsFailed))
                    : std::string())
            << Text{"; log: ", "；日志："}.in(lang) << logPath.string() << std::endl;
  if (t.portsFailed == ports && t.started == 0) return kExitPort;
  if (t.cut > 0) return kExitCancelled;  // a second Ctrl+C cut a write
  if (t.logFailed)
    return fail(Text{"fleet: the log could not be written: ", "批量写入：无法写入日志："}.in(lang) + logPath.string());
  if (t.failed > 0 || t.portsFailed > 0) return kExitPartly;
  return kExitOk;
}

}  // namespace

Command fleetCommand() {
  return {"fleet", "write one document into many radios on several ports",
          "Usage: radioprog-cli fleet write FILE.dat --port DEVICE [--port DEVICE ...] [--count N]\n"
          "                                [--log FILE.csv] [--no-verify] [--gap SECONDS] [--force]\n"
          "                                [--lang en|zh]\n"
          "Programs radios one after another on each port, all ports at once. Each port\n"
          "waits for a radio (a quiet wake-up and identify about every half second),\n"
          "writes FILE.dat as 'write' sends it, reads it back and compares it (unless\n"
          "--no-verify), logs the radio, then waits until the radio has been taken off:\n"
          "until no radio has answered for --gap seconds (default 2), so a radio left on\n"
          "the cable is never written twice. A failure of one radio or one port never\n"
          "stops the others.\n"
          "--count N  start N radios in all, over every port; default: no limit (stop with\n"
          "           Ctrl+C).\n"
          "--log      the log, one CSV line per radio, written as each radio ends:\n"
          "           time,port,radio,result,identification,seconds,document,message\n"
          "           default $XDG_DATA_HOME/radioprog/fleet/YYYY-MM-DD_HHMMSS.csv (else\n"
          "           ~/.local/share/...); its path is printed first.\n"
          "The document is checked once before the first radio as 'write' checks it\n"
          "(exit 16 unless --force). A line per radio on stdout\n"
          "('/dev/ttyUSB0: radio 3 ok, 17.9 s'), a summary at the end.\n"
          "Ctrl+C lets the radios being written finish and verify, then ends; a second\n"
          "Ctrl+C cuts them (each logged as holding a partial write).\n"
          "Exit codes: 0 every radio ok, 1 file error, 2 usage, 3 some radio or port\n"
          "failed, 10 no port could be opened, 15 a second Ctrl+C cut a write, 16 the\n"
          "document fails the check before a write.\n",
          runFleet};
}

}  // namespace radio::cli
