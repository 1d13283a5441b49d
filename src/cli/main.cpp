// radioprog-cli: the program's engine without a display.
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace {

void printOverview(std::ostream& out) {
  out << "Usage: radioprog-cli COMMAND [ARGS...]\n"
         "Programs the radios of the family from the command line: documents (.dat\n"
         "files), the radio link and the printed report.\n\n"
         "Commands:\n";
  for (const auto& [name, command] : radio::cli::commands())
    out << "  " << name << std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') << command.synopsis << '\n';
  out << "\nRun 'radioprog-cli COMMAND --help' for the arguments of a command.\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    printOverview(std::cerr);
    return radio::cli::kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    if (args.size() > 1) {
      const auto it = radio::cli::commands().find(args[1]);
      if (it != radio::cli::commands().end()) {
        std::cout << it->second.help << (it->second.moreHelp ? it->second.moreHelp() : "");
        return radio::cli::kExitOk;
      }
    }
    printOverview(std::cout);
    return radio::cli::kExitOk;
  }
  const auto it = radio::cli::commands().find(args[0]);
  if (it == radio::cli::commands().end()) {
    std::cerr << "radioprog-cli: unknown command '" << args[0] << "'\n";
    printOverview(std::cerr);
    return radio::cli::kExitUsage;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  for (const auto& a : rest) {
    if (a == "--") break;
    if (a == "--help" || a == "-h") {
      std::cout << it->second.help << (it->second.moreHelp ? it->second.moreHelp() : "");
      return radio::cli::kExitOk;
    }
  }
  return it->second.run(rest);
}
