// SPDX-License-Identifier: GPL-3.0-or-later
// simulate: the virtual radio on a pseudo-terminal, standing for one radio or for
// a row of them taken off and put on in turn.
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>

#include "cli/Cli.h"
#include "link/MonotonicTime.h"
#include "link/PtyRadioServer.h"
#include "link/VirtualRadio.h"
#include "model/Document.h"

namespace radio::cli {
namespace {

std::atomic<bool> stopRequested{false};

extern "C" void onStop(int) { stopRequested = true; }

std::atomic<bool> swapRequested{false};

extern "C" void onSwap(int) { swapRequested = true; }

// A 4096-byte memory dump, or a 6144-byte document whose radio bytes are taken.
bool loadMemory(const std::string& path, RadioMemory& memory) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    fail("cannot read " + path);
    return false;
  }
  const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (data.size() == kRadioMemorySize) {
    std::copy(data.begin(), data.end(), memory.begin());
    return true;
  }
  if (data.size() == kImageSize) {
    RadioImage image;
    std::copy(data.begin(), data.end(), image.bytes().begin());
    memory = radioMemoryFromImage(image);
    return true;
  }
  fail(path + " holds " + std::to_string(data.size()) + " bytes; a radio memory has 4096 (or a document 6144)");
  return false;
}

// The radio taken off (on --swap-every, SIGUSR1 or a line on standard input)
// and, after the away time, a new one with the starting memory. With swaps each
// radio is saved to NAME.1, NAME.2, ...
class Swaps {
 public:
  Swaps(VirtualRadio& radio, std::optional<std::string> savePath, double everySeconds, double awaySeconds,
        std::function<RadioFaults(int number)> faultsOf)
      : radio_(radio),
        faultsOf_(std::move(faultsOf)),
        savePath_(std::move(savePath)),
        numbered_(everySeconds > 0),
        everyNs_(static_cast<std::int64_t>(everySeconds * 1e9)),
        awayNs_(static_cast<std::int64_t>(awaySeconds * 1e9)),
        arrivedNs_(monotonicNs()) {}

  // Where the radio on the cable is saved.
  [[nodiscard]] std::optional<std::string> savePath() const {
    if (!savePath_ || !numbered_) return savePath_;
    return *savePath_ + "." + std::to_string(radio_.number());
  }

  // Once per turn of the server.
  void turn() {
    const std::int64_t now = monotonicNs();
    const bool signalled = swapRequested.exchange(false);
    const bool typed = lineOnInput(now);
    const bool due = everyNs_ > 0 && !radio_.away() && now - arrivedNs_ >= everyNs_;
    if ((signalled || typed || due) && !radio_.away()) {
      numbered_ = savePath_.has_value();
      if (const auto path = savePath()) (void)save(*path);
      radio_.takeAway();
      awayUntilNs_ = now + awayNs_;
      std::cerr << "radioprog-cli: radio " << radio_.number() << " taken off" << std::endl;
    }
    if (radio_.away() && now >= awayUntilNs_) {
      radio_.replaceWithNew(faultsOf_(radio_.number() + 1));
      arrivedNs_ = now;
      std::cerr << "radioprog-cli: radio " << radio_.number() << " on the cable" << std::endl;
    }
  }

  [[nodiscard]] bool save(const std::string& path) const {
    const RadioMemory& memory = radio_.memory();
    const FileResult r =
        writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(memory.data()), memory.size()));
    if (!r) fail(r.error);
    return r.ok;
  }

 private:
  // A line typed or piped in asks for a swap. Looked at every 20 ms; a terminal
  // that belongs to another job gives an error and is looked at again later.
  bool lineOnInput(std::int64_t now) {
    if (!inputOpen_ || now < nextInputCheckNs_) return false;
    nextInputCheckNs_ = now + 20'000'000;
    pollfd fd{STDIN_FILENO, POLLIN, 0};
    if (poll(&fd, 1, 0) <= 0) return false;
    char buffer[256];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n == 0) inputOpen_ = false;  // end of input: no more lines
    return n > 0 && std::find(buffer, buffer + n, '\n') != buffer + n;
  }

  VirtualRadio& radio_;
  std::function<RadioFaults(int number)> faultsOf_;
  std::optional<std::string> savePath_;
  bool numbered_;
  std::int64_t everyNs_;
  std::int64_t awayNs_;
  std::int64_t arrivedNs_;
  std::int64_t awayUntilNs_ = 0;
  bool inputOpen_ = true;
  std::int64_t nextInputCheckNs_ = 0;
};

// A number of seconds, 0 or more.
bool seconds(const Args& args, const std::string& option, double& value) {
  const auto text = args.value(option);
  if (!text) return true;
  try {
    std::size_t used = 0;
    value = std::stod(*text, &used);
    return used == text->size() && value >= 0 && value < 1e6;
  } catch (const std::exception&) {
    return false;
  }
}

int runSimulate(const std::vector<std::string>& argv) {
  const Args args(argv, {"--memory", "--fault", "--save", "--swap-every", "--away"}, {"--pace"});
  if (!args.ok()) return usage("simulate", args.error());
  if (const auto extra = extraArgument("simulate", args, 0)) return *extra;
  RadioMemory memory = defaultRadioMemory();
  if (const auto path = args.value("--memory"); path && !loadMemory(*path, memory)) return kExitFailure;
  // Faults for every radio, and KIND@N for radio N of a row of swapped radios.
  RadioFaults faults;
  std::map<int, RadioFaults> radioFaults;
  std::vector<std::pair<int, std::string>> numbered;
  if (const auto list = args.value("--fault")) {
    std::stringstream items(*list);
    std::string item;
    while (std::getline(items, item, ',')) {
      const auto at = item.rfind('@');
      if (at == std::string::npos) {
        if (const auto error = parseRadioFault(item, faults)) return usage("simulate", *error);
        continue;
      }
      int number = 0;
      try {
        std::size_t used = 0;
        number = std::stoi(item.substr(at + 1), &used);
        if (used != item.size() - at - 1 || number < 1) throw std::invalid_argument("");
      } catch (const std::exception&) {
        return usage("simulate", "a fault's @ takes a radio number, 1 or more");
      }
      numbered.emplace_back(number, item.substr(0, at));
    }
  }
  for (const auto& [number, item] : numbered) {
    auto& own = radioFaults.try_emplace(number, faults).first->second;
    if (const auto error = parseRadioFault(item, own)) return usage("simulate", *error);
  }
  const auto faultsOf = [&](int number) {
    const auto found = radioFaults.find(number);
    return found == radioFaults.end() ? faults : found->second;
  };
  double every = 0;
  double away = 3;
  if (!seconds(args, "--swap-every", every)) return usage("simulate", "--swap-every takes seconds");
  if (!seconds(args, "--away", away)) return usage("simulate", "--away takes seconds");

  VirtualRadio radio(memory, faultsOf(1));
  Swaps swaps(radio, args.value("--save"), every, away, faultsOf);
  // The memory is saved at the end of each write (its last request is not a full
  // block: the band type byte, or the squelch levels), when the radio is taken
  // off and when the simulation stops.
  radio.onWritten = [&](std::uint16_t, std::size_t length) {
    if (const auto path = swaps.savePath(); path && length != 8) (void)swaps.save(*path);
  };
  PtyRadioServer server(radio, args.has("--pace"));
  server.onTurn = [&] { swaps.turn(); };
  std::string error;
  if (!server.open(error)) return fail(error);

  struct sigaction action {};
  action.sa_handler = onStop;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
  action.sa_handler = onSwap;
  sigaction(SIGUSR1, &action, nullptr);
  // Read in the background, the terminal gives an error instead of stopping us.
  signal(SIGTTIN, SIG_IGN);

  std::cout << server.devicePath() << std::endl;
  const PtyRadioServer::End end = server.serve(stopRequested);
  if (end == PtyRadioServer::End::Disconnected) std::cerr << "radioprog-cli: the virtual radio disconnected\n";
  for (const auto& v : radio.violations()) std::cerr << "radioprog-cli: protocol error: " << v << '\n';
  if (const auto path = swaps.savePath(); path && !swaps.save(*path)) return kExitFailure;
  return end == PtyRadioServer::End::Failed ? fail("the pseudo-terminal failed") : kExitOk;
}

}  // namespace

Command simulateCommand() {
  return {"simulate", "run a virtual radio on a pseudo-terminal",
          "Usage: radioprog-cli simulate [--memory FILE.bin] [--pace] [--fault KIND[:ARG],...] [--save FILE.bin]\n"
          "                              [--swap-every SECONDS] [--away SECONDS]\n"
          "Serves a virtual radio on a pseudo-terminal until interrupted. The first line\n"
          "printed is the device to give to --port.\n"
          "The radio can be swapped, as on a programming bench: SIGUSR1, a line on the\n"
          "standard input, or --swap-every SECONDS after each radio came takes the radio\n"
          "off the cable (silent for --away SECONDS, default 3) and then puts a new one\n"
          "on, holding the starting memory again. Once radios are swapped, --save NAME\n"
          "saves each radio to NAME.1, NAME.2, ... (with --swap-every from the start).\n"
          "--memory   the radio's 4096 bytes (a 6144-byte .dat document is also taken);\n"
          "           default: a radio fresh from the factory (band type 3).\n"
          "--pace     every byte takes the time of a 9600-baud wire (10 bits a byte).\n"
          "--save     where the memory is saved after each write and at the end.\n"
          "--fault    one or more, separated by commas; KIND@N applies to radio N of the\n"
          "           swapped radios only. Blocks are numbered by address/8\n"
          "           (0..511; the identification is 506 and 507, the squelch levels 510):\n"
          "  silent            never answers\n"
          "  no-identify-ack   answers the wake-up and Identify, not its acknowledge\n"
          "  band:N            band type N (1, 2, 4 and 5 are refused by the program)\n"
          "  password[:DIGITS] the radio's password (default 123456)\n"
          "  short:K           the reply to the read of block K stops short\n"
          "  no-ack:K          no acknowledge for block K (read or written)\n"
          "  disconnect:K      the line goes dead at the request of block K\n"
          "  stuck:ADDR        the memory cell at radio address ADDR (0x0000..0x0FFF)\n"
          "                    keeps its old value when written\n"
          "Protocol errors of the program are printed on stderr when the radio stops.\n",
          runSimulate};
}

}  // namespace radio::cli
