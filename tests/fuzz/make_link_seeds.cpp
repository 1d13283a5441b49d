// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of the link target: sessions with the virtual radio
// (whole, and with each of its faults), recorded in the reply-script format of
// ScriptedLink.h. Run it after a change of the protocol:
//   build/fuzz/bin/make_link_seeds tests/fuzz/corpus/link
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "link/SquelchExchange.h"
#include "link/TransferEngine.h"
#include "link/VirtualRadioLink.h"
#include "model/Document.h"

using namespace radio;

namespace {

// Passes everything to the virtual radio and records each read's reply.
class RecordingLink : public Link {
 public:
  explicit RecordingLink(Link& inner) : inner_(inner) {}
  [[nodiscard]] bool write(std::span<const Byte> bytes) override { return inner_.write(bytes); }
  [[nodiscard]] ReadResult read(std::size_t count) override {
    ReadResult r = inner_.read(count);
    if (r.error) {
      script.push_back(0xFF);
    } else {
      script.push_back(static_cast<Byte>(r.bytes.size()));
      script.insert(script.end(), r.bytes.begin(), r.bytes.end());
    }
    return r;
  }
  void purgeBuffers() override { inner_.purgeBuffers(); }
  void purgeAll() override { inner_.purgeAll(); }
  void sleepMs(int ms) override { inner_.sleepMs(ms); }
  std::vector<Byte> script;

 private:
  Link& inner_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_link_seeds FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  const char* faults[] = {"", "no-identify-ack", "band:2", "password:123456", "short:40", "no-ack:300"};
  const SquelchBytes squelch{0x40, 0x41, 0x42, 0x43};
  int written = 0;
  for (int op = 0; op < 4; ++op) {
    for (const char* fault : faults) {
      if (op >= 2 && *fault) continue;  // the squelch exchanges: whole sessions only
      RadioFaults radioFaults;
      if (*fault && parseRadioFault(fault, radioFaults)) return 1;
      BandRecord record{};
      RadioImage image = newDocumentImage(record);
      VirtualRadio radio(defaultRadioMemory(), radioFaults);
      VirtualRadioLink wire(radio);
      RecordingLink link(wire);
      LinkCallbacks callbacks;
      switch (op) {
        case 0: (void)runTransfer(link, TransferDirection::Read, image, Language::English, callbacks); break;
        case 1: (void)runTransfer(link, TransferDirection::Write, image, Language::English, callbacks); break;
        case 2: (void)readSquelch(link, image, Language::English, callbacks); break;
        default: (void)writeSquelch(link, image, squelch, Language::English, callbacks); break;
      }
      std::vector<Byte> seed{static_cast<Byte>(op), 0, 0, 0, squelch[0], squelch[1], squelch[2], squelch[3]};
      seed.insert(seed.end(), link.script.begin(), link.script.end());
      const std::string name = "op" + std::to_string(op) + (*fault ? std::string("-") + fault : "");
      std::string file = name;
      for (char& c : file)
        if (c == ':') c = '-';
      std::ofstream(folder / file, std::ios::binary)
          .write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
      ++written;
    }
  }
  std::printf("%d seeds in %s\n", written, folder.string().c_str());
  return 0;
}
