// SPDX-License-Identifier: GPL-3.0-or-later
// The list of radioprog-cli's commands. A new command is one function in the file
// of its group, declared below and added to the list; --help shows them all.
//
// radioprog-cli itself (built with RADIOPROG_WHOLE_TOOL_PATH, where it hands the
// other commands to; see main.cpp) holds the commands on documents only; the
// whole tool, built without it, holds every command.
#include "cli/Cli.h"

namespace radio::cli {

// DocumentCommands.cpp
Command newCommand();
Command showCommand();
Command editCommand();
Command diffCommand();
Command dumpCommand();
// SettingsCommands.cpp
Command getCommand();
Command setCommand();
// CsvCommands.cpp
Command exportCommand();
Command importCommand();
// PlanCommands.cpp
Command sortCommand();
Command fillCommand();
Command replaceCommand();
#ifndef RADIOPROG_WHOLE_TOOL_PATH
// LinkCommands.cpp
Command readCommand();
Command writeCommand();
Command verifyCommand();
Command infoCommand();
Command squelchCommand();
Command portsCommand();
// LinkSimulate.cpp
Command simulateCommand();
// FleetCommand.cpp
Command fleetCommand();
// PrintCommand.cpp
Command printCommand();
#endif

const std::vector<Command>& commands() {
  static const std::vector<Command> list{
      // The commands on documents: no Qt library.
      newCommand(),
      showCommand(),
      editCommand(),
      diffCommand(),
      dumpCommand(),
      getCommand(),
      setCommand(),
      exportCommand(),
      importCommand(),
      sortCommand(),
      fillCommand(),
      replaceCommand(),
#ifndef RADIOPROG_WHOLE_TOOL_PATH
      // The radio link and the PDF report: the whole tool only.
      readCommand(),
      writeCommand(),
      verifyCommand(),
      infoCommand(),
      squelchCommand(),
      portsCommand(),
      simulateCommand(),
      fleetCommand(),
      printCommand(),
#endif
  };
  return list;
}

const Command* findCommand(std::string_view name) {
  for (const Command& command : commands())
    if (command.name == name) return &command;
  return nullptr;
}

}  // namespace radio::cli
