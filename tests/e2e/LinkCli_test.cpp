// SPDX-License-Identifier: GPL-3.0-or-later
// End to end: radioprog-cli read, write and squelch against radioprog-cli
// simulate on a pseudo-terminal. No timing is asserted here (the machine may be
// loaded); the timing figures come from the benchmark.
#include <gtest/gtest.h>

#include <fstream>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "TestImages.h"
#include "e2e/CliProcess.h"
#include "link/LinkTestSupport.h"
#include "link/RadioMemoryMap.h"

namespace radio {
namespace {

namespace fs = std::filesystem;
using test::kCli;
using test::readFile;
using test::spawn;
using test::waitExit;
using test::writeFile;

std::string_view bytesOf(std::span<const Byte> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

class LinkCli : public test::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    // Backups of the reads go to the test's own folder.
    setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
  }
  void TearDown() override {
    stopRadio();
    TempFolderTest::TearDown();
  }

  // Starts the virtual radio with memory and the given options; returns its device.
  std::string startRadio(const RadioMemory& memory, std::vector<std::string> options = {}) {
    writeFile(dir_ / "radio.bin", bytesOf(memory));
    std::vector<std::string> args{
        kCli, "simulate", "--memory", (dir_ / "radio.bin").string(), "--save", (dir_ / "saved.bin").string()};
    args.insert(args.end(), options.begin(), options.end());
    // A device line left from an earlier radio must not be taken for this one's.
    fs::remove(dir_ / "sim.out");
    radioPid_ = spawn(args, dir_ / "sim.out", dir_ / "sim.err");
    for (int i = 0; i < 500; ++i) {
      const std::string out = readFile(dir_ / "sim.out");
      if (const auto nl = out.find('\n'); nl != std::string::npos) return out.substr(0, nl);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ADD_FAILURE() << "the virtual radio did not start: " << readFile(dir_ / "sim.err");
    return {};
  }

  // Stops the radio and gives the memory it saved.
  RadioMemory stopRadio() {
    RadioMemory saved{};
    if (radioPid_ <= 0) return saved;
    kill(radioPid_, SIGINT);
    EXPECT_EQ(waitExit(radioPid_), 0) << readFile(dir_ / "sim.err");
    radioPid_ = -1;
    const std::string bytes = readFile(dir_ / "saved.bin");
    EXPECT_EQ(bytes.size(), kRadioMemorySize);
    std::copy_n(bytes.begin(), std::min(bytes.size(), saved.size()), saved.begin());
    simErr_ = readFile(dir_ / "sim.err");
    return saved;
  }

  int cli(std::vector<std::string> args) {
    args.insert(args.begin(), kCli);
    return waitExit(spawn(args, dir_ / "cli.out", dir_ / "cli.err"));
  }
  // A command against a working radio answers Retry twice, as a user would: the
  // handshake empties the receive buffer just after its acknowledge, and on a
  // loaded machine the radio's answer can come in before that and be lost.
  int cliToRadio(std::vector<std::string> args) {
    args.insert(args.end(), {"--retry", "2"});
    return cli(std::move(args));
  }
  std::string cliErr() { return readFile(dir_ / "cli.err"); }
  std::string cliOut() { return readFile(dir_ / "cli.out"); }

  pid_t radioPid_ = -1;
  std::string simErr_;
};

// The document the application holds after reading memory into a new document.
RadioImage documentAfterRead(const RadioMemory& memory) {
  BandState band;
  RadioImage image = newDocumentImage(band.record);
  ChannelGrid grid;
  imageToGrid(image, grid, band, Language::English);
  gridToImage(grid, image, band.limits, Language::English);
  const bool featureBit = (memory[0x0C73] >> 3) & 1;
  copyRadioMemoryIntoImage(memory, image);
  image.setBit(addr::kMskFlags, 3, featureBit);
  imageToGrid(image, grid, band, Language::English);
  return image;
}

TEST_F(LinkCli, ReadGivesTheApplicationsDocumentAndABackup) {
  const RadioMemory memory = test::randomMemory(1);
  const std::string device = startRadio(memory);
  const RadioImage expected = documentAfterRead(memory);
  ASSERT_EQ(cliToRadio({"read", "--port", device, "-o", (dir_ / "read.dat").string()}), 0) << cliErr();
  EXPECT_TRUE(readFile(dir_ / "read.dat") == bytesOf(expected.bytes()));
  const std::string out = cliOut();
  EXPECT_NE(out.find("Reading 191/191\n"), std::string::npos);
  const auto at = out.find("backup: ");
  ASSERT_NE(at, std::string::npos) << out;
  const fs::path backup = out.substr(at + 8, out.find('\n', at) - at - 8);
  EXPECT_EQ(backup.parent_path(), dir_ / "data" / "radioprog" / "backups");
  EXPECT_EQ(fs::file_size(backup), kImageSize);
  ASSERT_EQ(cliToRadio({"read", "--port", device, "-o", (dir_ / "read.dat").string(), "--no-backup"}), 0);
  EXPECT_EQ(cliOut().find("backup:"), std::string::npos);
  stopRadio();
  EXPECT_EQ(simErr_.find("protocol error"), std::string::npos) << simErr_;
}

TEST_F(LinkCli, EachFaultEndsWithItsMessageAndExitCodeAndTheFileUntouched) {
  struct Case {
    std::string fault;
    int exitCode;
    std::string message;
  };
  const std::vector<Case> cases{
      {"band:2", 12, "Band type error"},
      {"password:111111", 13, "Password Error!"},
      {"disconnect:50", 14, "Program Interrupt, Please reset the radio and try again"},
      {"no-identify-ack", 11, "Communication Error, Please check all the connections and the radio power"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    writeFile(dir_ / "keep.dat", "previous");
    const std::string device = startRadio(test::randomMemory(3), {"--fault", c.fault});
    EXPECT_EQ(cliToRadio({"read", "--port", device, "-o", (dir_ / "keep.dat").string()}), c.exitCode);
    EXPECT_NE(cliErr().find(c.message), std::string::npos) << cliErr();
    EXPECT_TRUE(readFile(dir_ / "keep.dat") == "previous");
    stopRadio();
  }
}

TEST_F(LinkCli, AProtectedRadioIsReadWithItsPassword) {
  const std::string device = startRadio(test::randomMemory(6), {"--fault", "password:024680"});
  const std::string out = (dir_ / "read.dat").string();
  EXPECT_EQ(cli({"read", "--port", device, "-o", out, "--password", "12ab"}), 2);
  EXPECT_NE(cliErr().find("digits only"), std::string::npos) << cliErr();
  ASSERT_EQ(cliToRadio({"read", "--port", device, "-o", out, "--password", "024680"}), 0) << cliErr();
  EXPECT_EQ(readFile(out).substr(addr::kPassword, 6), "024680");
}

TEST_F(LinkCli, AnUnwritableOutputOrAnUnopenablePortStopsTheRead) {
  // The port does not exist either: the output is checked first.
  EXPECT_EQ(cli({"read", "--port", (dir_ / "no-such-port").string(), "-o", (dir_ / "no" / "x.dat").string()}), 1);
  EXPECT_NE(cliErr().find("Cannot write"), std::string::npos) << cliErr();

  const std::string port = (dir_ / "no-such-port").string();
  EXPECT_EQ(cli({"read", "--port", port, "-o", (dir_ / "x.dat").string()}), 10);
  EXPECT_NE(cliErr().find("Could not Open the Port"), std::string::npos);
  EXPECT_NE(cliErr().find(port + ": "), std::string::npos) << "the port and the system's reason: " << cliErr();
  EXPECT_FALSE(fs::exists(dir_ / "x.dat"));
  EXPECT_EQ(cli({"read", "-o", (dir_ / "x.dat").string()}), 2);
  EXPECT_EQ(cli({"squelch", "write", "--port", "/dev/null", "1", "2", "3", "99"}), 2);
}

TEST_F(LinkCli, CtrlCEndsTheReadAndLeavesTheFile) {
  writeFile(dir_ / "keep.dat", "previous");
  const std::string device = startRadio(test::randomMemory(4), {"--pace"});
  const pid_t pid = spawn({kCli, "read", "--port", device, "-o", (dir_ / "keep.dat").string(), "--retry", "2"},
                          dir_ / "cli.out", dir_ / "cli.err");
  for (int i = 0; i < 1000 && readFile(dir_ / "cli.out").find("Reading 3/") == std::string::npos; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  kill(pid, SIGINT);
  EXPECT_EQ(waitExit(pid), 15);
  EXPECT_TRUE(readFile(dir_ / "keep.dat") == "previous");
  EXPECT_NE(readFile(dir_ / "cli.err").find("read cancelled: " + (dir_ / "keep.dat").string() + " unchanged"),
            std::string::npos);
  EXPECT_FALSE(readFile(dir_ / "cli.out").find("Reading 191/") != std::string::npos);
}

// Write sends the document as the grid stores it: verify after it and a verify of
// its own find the radio holding the document; squelch levels go to their row.
TEST_F(LinkCli, WriteVerifyAndSquelchAgainstTheRadio) {
  const RadioMemory memory = defaultRadioMemory();
  std::string device = startRadio(memory);
  const std::string doc = (dir_ / "doc.dat").string();
  ASSERT_EQ(cli({"new", "-o", doc}), 0);
  ASSERT_EQ(cli({"edit", doc, "1", "rx=145.125", "name=CALL"}), 0);
  const std::string file = readFile(doc);
  ASSERT_EQ(cliToRadio({"write", "--port", device, doc, "--verify", "--quiet"}), 0) << cliErr() << cliOut();
  ASSERT_EQ(cliToRadio({"verify", "--port", device, doc}), 0) << cliErr() << cliOut();
  EXPECT_TRUE(readFile(doc) == file);
  ASSERT_EQ(cliToRadio({"squelch", "write", "--port", device, "-55", "54", "0", "-23"}), 0) << cliErr();
  ASSERT_EQ(cliToRadio({"squelch", "read", "--port", device}), 0);
  EXPECT_EQ(cliOut(),
            "V Wide Squelch Tuning\t-55\nV Narrow Squelch Tuning\t54\nU Wide Squelch Tuning\t0\n"
            "U Narrow Squelch Tuning\t-23\n");
  const RadioMemory afterWrite = stopRadio();

  // A later edit and a byte no field shows: verify names the one, counts the
  // other (--bytes lists it) and writes nothing.
  device = startRadio(afterWrite);
  ASSERT_EQ(cli({"edit", doc, "1", "name=BASE"}), 0);
  std::string edited = readFile(doc);
  edited[0x0C20] = static_cast<char>(edited[0x0C20] ^ 1);
  std::ofstream(doc, std::ios::binary) << edited;
  EXPECT_EQ(cliToRadio({"verify", "--port", device, doc, "--quiet"}), 20);
  EXPECT_EQ(cliOut(), "channel 1: name: BASE -> CALL\n1 byte no field shows differs\n");
  EXPECT_EQ(cliToRadio({"verify", "--port", device, doc, "--quiet", "--bytes"}), 20);
  EXPECT_EQ(cliOut(), "channel 1: name: BASE -> CALL\nbytes 0x0C20-0x0C20\n");
  EXPECT_TRUE(stopRadio() == afterWrite);

  // info identifies without a read.
  device = startRadio(memory);
  EXPECT_EQ(cliToRadio({"info", "--port", device}), 0) << cliErr();
  EXPECT_NE(cliOut().find("Band type: 3 (accepted"), std::string::npos) << cliOut();
  EXPECT_NE(cliOut().find("Password: none set"), std::string::npos) << cliOut();
}

}  // namespace
}  // namespace radio
