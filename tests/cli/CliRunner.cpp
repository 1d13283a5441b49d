#include "CliRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <sstream>

namespace radio::test {
namespace {

std::string quote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

CliRun runCli(const std::vector<std::string>& args) {
  static std::atomic<int> counter{0};
  const auto base = std::filesystem::temp_directory_path() /
                    ("radioprog-cli-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::string command = quote(std::string(RADIOPROG_BIN_DIR) + "/radioprog-cli");
  for (const auto& a : args) command += " " + quote(a);
  command += " >" + quote(base.string() + ".out") + " 2>" + quote(base.string() + ".err") + " </dev/null";
  const int status = std::system(command.c_str());
  CliRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = readFile(base.string() + ".out");
  run.err = readFile(base.string() + ".err");
  std::filesystem::remove(base.string() + ".out");
  std::filesystem::remove(base.string() + ".err");
  return run;
}

std::string valueOf(const std::string& out, const std::string& key) {
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key + '\t', 0) != 0) continue;
    const auto first = line.find('\t');
    return line.substr(first + 1, line.find('\t', first + 1) - first - 1);
  }
  return "<missing>";
}

}  // namespace radio::test
