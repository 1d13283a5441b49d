// Runs radioprog-cli from the build folder and captures what it prints.
#pragma once

#include <string>
#include <vector>

#include "TempFolder.h"

namespace radio::test {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

[[nodiscard]] CliRun runCli(const std::vector<std::string>& args);

// A folder of the test's own for the documents the commands work on.
class CliTest : public TempFolderTest {
 protected:
  [[nodiscard]] std::string file(const std::string& name) const { return (dir_ / name).string(); }
  // A new document at file(name).
  std::string newFile(const std::string& name) {
    const std::string path = file(name);
    EXPECT_EQ(runCli({"new", "-o", path}).exitCode, 0);
    return path;
  }
};

// The value column of one key in the output of get.
[[nodiscard]] std::string valueOf(const std::string& out, const std::string& key);

}  // namespace radio::test
