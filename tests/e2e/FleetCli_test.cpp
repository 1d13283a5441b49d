// SPDX-License-Identifier: GPL-3.0-or-later
// End to end: radioprog-cli fleet write against radioprog-cli simulate on
// pseudo-terminals, each radio swapped (SIGUSR1) as its line appears, as a
// technician takes the radios off and puts new ones on. No timing is asserted.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "TempFolder.h"
#include "e2e/CliProcess.h"
#include "link/RadioMemoryMap.h"

namespace radio {
namespace {

namespace fs = std::filesystem;
using test::kCli;
using test::readFile;
using test::spawn;
using test::waitExit;

class FleetCli : public test::TempFolderTest {
 protected:
  void TearDown() override {
    for (const auto& [device, pid] : radios_) {
      kill(pid, SIGINT);
      waitExit(pid);
    }
    TempFolderTest::TearDown();
  }

  // A virtual radio saving each of its radios to NAME.k; returns its device.
  std::string startRadio(const std::string& name, std::vector<std::string> options = {}) {
    std::vector<std::string> args{kCli, "simulate", "--save", (dir_ / name).string(), "--away", "1"};
    args.insert(args.end(), options.begin(), options.end());
    const fs::path out = dir_ / (name + ".out");
    const pid_t pid = spawn(args, out, dir_ / (name + ".err"));
    for (int i = 0; i < 500; ++i) {
      const std::string text = readFile(out);
      if (const auto nl = text.find('\n'); nl != std::string::npos) {
        return radios_.emplace(text.substr(0, nl), pid).first->first;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ADD_FAILURE() << "the virtual radio did not start";
    return {};
  }

  // Runs the fleet to its end; each radio whose line appears is swapped when swap.
  int fleet(std::vector<std::string> args, bool swap) {
    args.insert(args.begin(), {kCli, "fleet", "write", (dir_ / "doc.dat").string(), "--gap", "0.5", "--log",
                               (dir_ / "fleet.csv").string()});
    const pid_t pid = spawn(args, dir_ / "fleet.out", dir_ / "fleet.err");
    std::size_t seen = 0;
    for (;;) {
      const int code = waitExit(pid, WNOHANG);
      const std::string out = readFile(dir_ / "fleet.out");
      for (auto nl = out.find('\n', seen); nl != std::string::npos; nl = out.find('\n', seen)) {
        const std::string line = out.substr(seen, nl - seen);
        seen = nl + 1;
        const auto colon = line.find(": radio ");
        if (swap && colon != std::string::npos) kill(radios_.at(line.substr(0, colon)), SIGUSR1);
      }
      if (code >= 0) return code;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  std::vector<std::string> logLines() {
    std::vector<std::string> lines;
    std::istringstream text(readFile(dir_ / "fleet.csv"));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }

  std::map<std::string, pid_t> radios_;  // by device
};

TEST_F(FleetCli, SixSwappedRadiosOnThreePortsEachHoldTheDocument) {
  ASSERT_EQ(system((kCli + " new -o " + (dir_ / "doc.dat").string() + " >/dev/null").c_str()), 0);
  ASSERT_EQ(system((kCli + " edit " + (dir_ / "doc.dat").string() + " 1 rx=145.125 name=FLEET").c_str()), 0);
  std::vector<std::string> args{"--count", "6"};
  for (const char* name : {"a", "b", "c"}) args.insert(args.end(), {"--port", startRadio(name)});
  ASSERT_EQ(fleet(args, true), 0) << readFile(dir_ / "fleet.err") << readFile(dir_ / "fleet.out");
  EXPECT_NE(readFile(dir_ / "fleet.out").find("6 radios: 6 ok, 0 failed"), std::string::npos);

  // The radios written hold one and the same memory, other than a new radio's.
  std::multiset<std::string> written;
  const std::string fresh(reinterpret_cast<const char*>(defaultRadioMemory().data()), kRadioMemorySize);
  for (const std::string name : {"a", "b", "c"})
    for (int k = 1; fs::exists(dir_ / (name + "." + std::to_string(k))); ++k)
      if (const std::string memory = readFile(dir_ / (name + "." + std::to_string(k))); memory != fresh)
        written.insert(memory);
  EXPECT_EQ(written.size(), 6u);
  EXPECT_EQ(written.count(*written.begin()), 6u);
  const auto lines = logLines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "time,port,radio,result,identification,seconds,document,message");
  for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_NE(lines[i].find(",ok,"), std::string::npos) << lines[i];
}

// A radio that refuses the write among good ones: exit 3 and its line failed
// with the reason. Neither radio is swapped, so each port takes exactly one.
TEST_F(FleetCli, ARefusingRadioIsLoggedAsFailedWhileTheGoodOneIsWritten) {
  ASSERT_EQ(system((kCli + " new -o " + (dir_ / "doc.dat").string()).c_str()), 0);
  const std::string good = startRadio("good");
  const std::string refusing = startRadio("refusing", {"--fault", "band:1@1"});
  EXPECT_EQ(fleet({"--count", "2", "--port", good, "--port", refusing}, false), 3);
  const std::string out = readFile(dir_ / "fleet.out");
  EXPECT_NE(out.find(good + ": radio "), std::string::npos) << out;
  EXPECT_NE(out.find(refusing + ": radio "), std::string::npos) << out;
  int failed = 0;
  for (const std::string& line : logLines())
    if (line.find("," + refusing + ",") != std::string::npos) {
      EXPECT_NE(line.find(",failed,"), std::string::npos);
      EXPECT_NE(line.find("Band type error"), std::string::npos) << line;
      ++failed;
    }
  EXPECT_EQ(failed, 1);
  EXPECT_EQ(fleet({"--port", good, "--count", "0"}, false), 2);
}

}  // namespace
}  // namespace radio
