// SPDX-License-Identifier: GPL-3.0-or-later
// A virtual radio on the in-process link, with callbacks that record what the
// engine reported and answer the Retry/Cancel question from a script.
#pragma once

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "TestImages.h"
#include "link/TransferEngine.h"
#include "link/VirtualRadio.h"
#include "link/VirtualRadioLink.h"

namespace radio::test {

// A radio memory of random bytes that passes the band check and holds the
// password 0xFF x 6 of a new document.
inline RadioMemory randomMemory(unsigned seed) {
  std::mt19937 gen(seed);
  RadioMemory m{};
  for (auto& b : m) b = static_cast<Byte>(gen());
  m[radioaddr::kBandType] = 0x03;
  for (std::size_t i = 0; i < 6; ++i) m[radioaddr::kPassword + i] = 0xFF;
  return m;
}

struct Harness {
  explicit Harness(const RadioMemory& memory = randomMemory(1), RadioFaults faults = {})
      : radio(memory, std::move(faults)), link(radio) {
    callbacks.progress = [this](int p) { progress.push_back(p); };
    callbacks.status = [this](const std::string& s) { statuses.push_back(s); };
    callbacks.askRetry = [this] {
      ++questions;
      return retries-- > 0;
    };
    callbacks.cancelRequested = [this] { return cancel; };
  }

  LinkResult transfer(TransferDirection direction, RadioImage& image) {
    return runTransfer(link, direction, image, Language::English, callbacks);
  }

  VirtualRadio radio;
  VirtualRadioLink link;
  LinkCallbacks callbacks;
  std::vector<int> progress;
  std::vector<std::string> statuses;
  int retries = 0;  // Retry answers before Cancel
  int questions = 0;
  bool cancel = false;
};

}  // namespace radio::test
