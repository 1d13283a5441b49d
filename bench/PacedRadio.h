// SPDX-License-Identifier: GPL-3.0-or-later
// A factory-fresh virtual radio, paced like a 9600-baud wire, served on a
// pseudo-terminal for the life of one benchmark iteration.
#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "link/PtyRadioServer.h"
#include "link/VirtualRadio.h"

namespace radio::bench {

class PacedRadio {
 public:
  PacedRadio() : radio_(defaultRadioMemory()), server_(radio_, /*paced=*/true) {
    // A swap asked from any thread happens on the serving thread, between bytes.
    server_.onTurn = [this] {
      const auto now = std::chrono::steady_clock::now();
      if (swap_.exchange(false) && !radio_.away()) {
        radio_.takeAway();
        backAt_ = now + away_;
      }
      if (radio_.away() && now >= backAt_) radio_.replaceWithNew();
    };
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
  // Takes the radio off the cable and, after away, puts a new one on.
  void swap(std::chrono::milliseconds away) {
    away_ = away;
    swap_ = true;
  }
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
  std::atomic<bool> swap_{false};
  std::chrono::milliseconds away_{0};
  std::chrono::steady_clock::time_point backAt_;
  std::thread serving_;
};

}  // namespace radio::bench
