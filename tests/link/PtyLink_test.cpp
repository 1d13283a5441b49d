// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port code against the virtual radio on a pseudo-terminal: the same
// transfers as over the in-process link, now through a real terminal device.
#include <gtest/gtest.h>
#include <unistd.h>

#include <thread>

#include "LinkTestSupport.h"
#include "link/PtyRadioServer.h"
#include "link/TransferEngine.h"
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
    // Retry twice, as a user would: the handshake empties the receive buffer just
    // after its acknowledge, and on a loaded machine the radio's answer can come
    // in before that and be lost.
    callbacks_.askRetry = [this] { return retries_-- > 0; };
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
  LinkCallbacks callbacks_;
  int retries_ = 2;
};

TEST_F(PtyLink, FullReadAndWriteMatchTheRadioByteForByte) {
  const RadioMemory memory = test::randomMemory(21);
  start(memory);
  auto opened = openSerialLink(server_->devicePath(), Language::English);
  ASSERT_TRUE(opened.link) << opened.failure.text;

  RadioImage image = test::newDocument();
  const LinkResult read = runTransfer(*opened.link, TransferDirection::Read, image, Language::English, callbacks_);
  ASSERT_TRUE(read.ok()) << "outcome " << static_cast<int>(read.outcome) << ": " << read.text;
  EXPECT_EQ(radioMemoryFromImage(image), memory);

  for (std::size_t i = 0; i < 0x0C30; ++i) image.set(i, static_cast<Byte>(i));
  const LinkResult write = runTransfer(*opened.link, TransferDirection::Write, image, Language::English, callbacks_);
  ASSERT_TRUE(write.ok()) << "outcome " << static_cast<int>(write.outcome) << ": " << write.text;
  opened.link.reset();
  stopServer();
  EXPECT_TRUE(radio_->violations().empty()) << radio_->violations().front();
  for (std::size_t a = 0; a < 0x0C30; ++a) ASSERT_EQ(radio_->memory()[a], static_cast<Byte>(a));
}

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
