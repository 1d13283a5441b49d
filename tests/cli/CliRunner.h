// Runs radioprog-cli from the build folder and captures what it prints.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace radio::test {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

[[nodiscard]] CliRun runCli(const std::vector<std::string>& args);

// A fresh folder for one test, removed with the object.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  [[nodiscard]] std::filesystem::path file(const std::string& name) const { return path_ / name; }
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

[[nodiscard]] std::string readFile(const std::filesystem::path& path);

// The value column of one key in the output of get.
[[nodiscard]] std::string valueOf(const std::string& out, const std::string& key);

}  // namespace radio::test
