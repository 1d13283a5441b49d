// SPDX-License-Identifier: GPL-3.0-or-later
// simulate: the virtual radio on a pseudo-terminal.
#include <atomic>
#include <csignal>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli/Cli.h"
#include "link/PtyRadioServer.h"
#include "link/VirtualRadio.h"
#include "model/Document.h"

namespace radio::cli {
namespace {

std::atomic<bool> stopRequested{false};

extern "C" void onStop(int) { stopRequested = true; }

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

bool saveMemory(const std::string& path, const RadioMemory& memory) {
  const FileResult r =
      writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(memory.data()), memory.size()));
  if (!r) fail(r.error);
  return r.ok;
}

int runSimulate(const std::vector<std::string>& argv) {
  const Args args(argv, {"--memory", "--fault", "--save"}, {"--pace"});
  if (!args.ok()) return usage("simulate", args.error());
  if (const auto extra = extraArgument("simulate", args, 0)) return *extra;
  RadioMemory memory = defaultRadioMemory();
  if (const auto path = args.value("--memory"); path && !loadMemory(*path, memory)) return kExitFailure;
  RadioFaults faults;
  if (const auto list = args.value("--fault")) {
    std::stringstream items(*list);
    std::string item;
    while (std::getline(items, item, ','))
      if (const auto error = parseRadioFault(item, faults)) return usage("simulate", *error);
  }
  const auto savePath = args.value("--save");

  VirtualRadio radio(memory, faults);
  // The memory is saved at the end of each write (its last request is not a full
  // block: the band type byte, or the squelch levels) and when the radio stops.
  if (savePath) {
    radio.onWritten = [&](std::uint16_t, std::size_t length) {
      if (length != 8) (void)saveMemory(*savePath, radio.memory());
    };
  }
  PtyRadioServer server(radio, args.has("--pace"));
  std::string error;
  if (!server.open(error)) return fail(error);

  struct sigaction action {};
  action.sa_handler = onStop;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);

  std::cout << server.devicePath() << std::endl;
  const PtyRadioServer::End end = server.serve(stopRequested);
  if (end == PtyRadioServer::End::Disconnected) std::cerr << "radioprog-cli: the virtual radio disconnected\n";
  for (const auto& v : radio.violations()) std::cerr << "radioprog-cli: protocol error: " << v << '\n';
  if (savePath && !saveMemory(*savePath, radio.memory())) return kExitFailure;
  return end == PtyRadioServer::End::Failed ? fail("the pseudo-terminal failed") : kExitOk;
}

}  // namespace

Command simulateCommand() {
  return {"simulate", "run a virtual radio on a pseudo-terminal",
          "Usage: radioprog-cli simulate [--memory FILE.bin] [--pace] [--fault KIND[:ARG],...] [--save FILE.bin]\n"
          "Serves a virtual radio on a pseudo-terminal until interrupted. The first line\n"
          "printed is the device to give to --port.\n"
          "--memory   the radio's 4096 bytes (a 6144-byte .dat document is also taken);\n"
          "           default: a radio fresh from the factory (band type 3).\n"
          "--pace     every byte takes the time of a 9600-baud wire (10 bits a byte).\n"
          "--save     where the memory is saved after each write and at the end.\n"
          "--fault    one or more, separated by commas. Blocks are numbered by address/8\n"
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
