// SPDX-License-Identifier: GPL-3.0-or-later
// radioprog-cli: the program's engine without a display.
//
// The tool is built twice from these sources. radioprog-cli itself holds the
// commands on documents and loads no Qt library, so that they start at once; the
// whole tool (in libexec, at RADIOPROG_WHOLE_TOOL_PATH from radioprog-cli's
// folder) adds the commands that need Qt: the serial link and the PDF report. radioprog-cli hands every other command
// line (and the overview, which lists every command) to the whole tool, which takes over the process with the same
// arguments. The commands are listed in Commands.cpp.
#include <algorithm>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Cli.h"

#ifdef RADIOPROG_WHOLE_TOOL_PATH
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#endif

namespace {

#ifdef RADIOPROG_WHOLE_TOOL_PATH
// Replaces this process by the whole tool, found beside this program (a build
// tree) or in the libexec folder of an installation; returns only on failure.
int runWholeTool(char** argv) {
  namespace fs = std::filesystem;
  const fs::path dir = radio::cli::programDirectory();
  const fs::path name = fs::path(RADIOPROG_WHOLE_TOOL_PATH).filename();
  for (const fs::path& tool : {dir / name, (dir / RADIOPROG_WHOLE_TOOL_PATH).lexically_normal()}) {
    std::error_code ec;
    if (!fs::is_regular_file(tool, ec)) continue;
    ::setenv(radio::cli::kProgramDirectoryVariable, dir.c_str(), 1);
    ::execv(tool.c_str(), argv);
    std::cerr << "radioprog-cli: cannot start " << tool.string() << ": " << std::strerror(errno) << '\n';
    return radio::cli::kExitFailure;
  }
  std::cerr << "radioprog-cli: " << name.string() << " is missing beside the program and in "
            << (dir / RADIOPROG_WHOLE_TOOL_PATH).parent_path().lexically_normal().string() << '\n';
  return radio::cli::kExitFailure;
}
#endif

void printOverview(std::ostream& out) {
  out << "Usage: radioprog-cli COMMAND [ARGS...]\n"
         "Programs the radios of the family from the command line: documents (.dat\n"
         "files), the radio link and the printed report.\n\n"
         "Commands:\n";
  std::vector<const radio::cli::Command*> sorted;
  for (const auto& command : radio::cli::commands()) sorted.push_back(&command);
  std::sort(sorted.begin(), sorted.end(), [](const auto* a, const auto* b) { return a->name < b->name; });
  for (const auto* command : sorted) {
    const std::string& name = command->name;
    out << "  " << name << std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') << command->synopsis << '\n';
  }
  out << "\nRun 'radioprog-cli COMMAND --help' for the arguments of a command,\n"
         "'radioprog-cli --version' for the version.\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--version" || args[0] == "-V")) {
    if (args.size() > 1) {
      std::cerr << "radioprog-cli: unexpected argument '" << args[1] << "' after " << args[0] << '\n';
      return radio::cli::kExitUsage;
    }
    std::cout << "radioprog-cli " << RADIOPROG_VERSION << '\n';
    return radio::cli::kExitOk;
  }
#ifdef RADIOPROG_WHOLE_TOOL_PATH
  if (args.empty() || !radio::cli::findCommand(args[0])) return runWholeTool(argv);
#endif
  if (args.empty()) {
    printOverview(std::cerr);
    return radio::cli::kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    if (args.size() > 1) {
      if (const auto* command = radio::cli::findCommand(args[1])) {
        std::cout << command->help << (command->moreHelp ? command->moreHelp() : "");
        return radio::cli::kExitOk;
      }
    }
    printOverview(std::cout);
    return radio::cli::kExitOk;
  }
  const auto* command = radio::cli::findCommand(args[0]);
  if (!command) {
    std::cerr << "radioprog-cli: unknown command '" << args[0] << "'\n";
    printOverview(std::cerr);
    return radio::cli::kExitUsage;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  for (const auto& a : rest) {
    if (a == "--") break;
    if (a == "--help" || a == "-h") {
      std::cout << command->help << (command->moreHelp ? command->moreHelp() : "");
      return radio::cli::kExitOk;
    }
  }
  return command->run(rest);
}
