// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port code against the virtual radio on a pseudo-terminal: opening a
// real terminal device, and what a busy or missing one says. Whole transfers over
// it are tried end to end, through the command line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <thread>

#include "LinkTestSupport.h"
#include "link/PtyRadioServer.h"
#include "link/serial/SerialLink.h"

namespace radio {
namespace {

class PtyLink : public ::testing::Test {
 protected:
  void start(const RadioMemory& memory, RadioFaults faults = {}) {
    radio_ = std::make_unique<VirtualRadio>(memory, std::move(faults));
    server_ = std::make_unique<PtyRadioServer>(*radio_, false);
    std::string error;
    ASSERT_TRUE(server_->open(error)) << error;
    thread_ = std::thread([this] { end_ = server_->serve(stop_); });
  }

  void TearDown() override { stopServer(); }

  void stopServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }

  std::unique_ptr<VirtualRadio> radio_;
  std::unique_ptr<PtyRadioServer> server_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  PtyRadioServer::End end_ = PtyRadioServer::End::Stopped;
};

TEST_F(PtyLink, ABusyOrMissingPortIsReportedAsNotOpened) {
  start(test::randomMemory(24));
  auto first = openSerialLink(server_->devicePath(), Language::English);
  ASSERT_TRUE(first.link);
  // Opened exclusively: a second open of the same device fails.
  auto second = openSerialLink(server_->devicePath(), Language::English);
  EXPECT_FALSE(second.link);
  EXPECT_EQ(second.failure.outcome, LinkOutcome::PortError);
  EXPECT_EQ(second.failure.message, MessageId::OpenPort);
#ifdef __linux__
  // The message names the program holding the port: this one.
  EXPECT_NE(second.failure.text.find("(pid " + std::to_string(::getpid()) + ")"), std::string::npos)
      << second.failure.text;
#endif
  EXPECT_FALSE(canOpenPort(server_->devicePath()));
  first.link.reset();
  EXPECT_TRUE(canOpenPort(server_->devicePath()));
  auto missing = openSerialLink("/dev/radioprog-no-such-port", Language::English);
  EXPECT_FALSE(missing.link);
  // The port and the system's reason, and no access hint: the port does not exist.
  EXPECT_EQ(missing.failure.text.substr(missing.failure.text.find('\n') + 1),
            "/dev/radioprog-no-such-port: No such file or directory");
}

}  // namespace
}  // namespace radio
