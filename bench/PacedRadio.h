// SPDX-License-Identifier: GPL-3.0-or-later
// A factory-fresh virtual radio, paced like a 9600-baud wire, served on a
// pseudo-terminal for the life of one benchmark iteration.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "link/PtyRadioServer.h"
#include "link/VirtualRadio.h"

namespace radio::bench {

class PacedRadio {
 public:
  PacedRadio() : radio_(defaultRadioMemory()), server_(radio_, /*paced=*/true) {
    if (server_.open(error_)) {
      serving_ = std::thread([this] { (void)server_.serve(stop_); });
    } else if (error_.empty()) {
      error_ = "cannot open a pseudo-terminal";
    }
  }
  ~PacedRadio() { stop(); }
  PacedRadio(const PacedRadio&) = delete;
  PacedRadio& operator=(const PacedRadio&) = delete;

  // Empty when the radio is being served; else why it is not.
  [[nodiscard]] const std::string& error() const { return error_; }
  [[nodiscard]] PtyRadioServer& server() { return server_; }
  // Ends the serving thread (the server's figures are final after it).
  void stop() {
    stop_ = true;
    if (serving_.joinable()) serving_.join();
  }

 private:
  VirtualRadio radio_;
  PtyRadioServer server_;
  std::string error_;
  std::atomic<bool> stop_{false};
  std::thread serving_;
};

}  // namespace radio::bench
