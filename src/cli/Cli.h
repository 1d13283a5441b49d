// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool's command table and the helpers its commands share.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "features/SettingsSections.h"
#include "model/BandState.h"
#include "model/Document.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio::cli {

// How a command ends: every command's codes, in one table.
enum ExitCode : int {
  kExitOk = 0,
  kExitFailure = 1,       // refused value, unreadable or unwritable file, ...
  kExitUsage = 2,         // wrong arguments
  kExitPartly = 3,        // done, but some rows, names or radios were left out or failed
  kExitPort = 10,         // the port could not be opened
  kExitNoAnswer = 11,     // the radio did not answer (Cancel in the communication box)
  kExitBandType = 12,     // the radio's band type is refused
  kExitPassword = 13,     // the radio's password differs from the document's
  kExitInterrupted = 14,  // a reply or acknowledge went missing mid-way
  kExitCancelled = 15,    // Ctrl+C
  kExitDamaged = 16,      // the document fails the check before a write; nothing was sent
  kExitDifferent = 20,    // diff and verify: the two differ
};

struct Command {
  std::string name;
  std::string synopsis;  // one line for the overview
  std::string help;      // the full --help text
  std::function<int(const std::vector<std::string>& args)> run;
  // Text appended to help when it is shown (for tables filled at start-up).
  std::function<std::string()> moreHelp = {};
};

// Every command this program holds, in the order of the list in Commands.cpp
// (radioprog-cli itself holds the commands on documents); --help sorts them by name.
[[nodiscard]] const std::vector<Command>& commands();
// The command of that name; null for none.
[[nodiscard]] const Command* findCommand(std::string_view name);

// Parsed arguments: options ("--name value" or "--name=value", flags without a
// value) and the remaining positional arguments in order.
class Args {
 public:
  // valueOptions take a value; flagOptions do not. Anything else starting with
  // "-" is an error (reported through error()).
  Args(const std::vector<std::string>& args, std::vector<std::string> valueOptions,
       std::vector<std::string> flagOptions);

  [[nodiscard]] bool ok() const { return error_.empty(); }
  [[nodiscard]] const std::string& error() const { return error_; }
  [[nodiscard]] bool helpRequested() const { return help_; }
  [[nodiscard]] bool has(const std::string& option) const;
  [[nodiscard]] std::optional<std::string> value(const std::string& option) const;
  // Every value of an option given more than once, in order.
  [[nodiscard]] std::vector<std::string> values(const std::string& option) const;
  [[nodiscard]] const std::vector<std::string>& positional() const { return positional_; }

 private:
  std::map<std::string, std::vector<std::string>> options_;
  std::vector<std::string> positional_;
  std::string error_;
  bool help_ = false;
};

// Prints "radioprog-cli: <message>" on stderr and returns code.
int fail(const std::string& message, int code = kExitFailure);
// Prints the usage error and a pointer to --help; returns kExitUsage.
int usage(const std::string& command, const std::string& message);
// The usage error for the first positional argument past the count a command
// takes ("unexpected argument 'x'"); nullopt when there is none.
[[nodiscard]] std::optional<int> extraArgument(const std::string& command, const Args& args, std::size_t takes);

// The application object of the main thread, which the serial ports need; made
// once, by the first command that opens a port (the radio commands, with Qt).
void ensureCoreApplication();

// The image as the channel view sends it: shown in the grid, then the grid stored
// into it (band takes the grid's bands).
void storeLikeTheView(RadioImage& image, BandState& band, Language lang);

// The text in the language with %1 and %2 replaced by a and b.
[[nodiscard]] std::string filled(const Text& text, Language lang, const std::string& a, const std::string& b = {});

// The --lang option (en when absent); false with a message when unknown.
[[nodiscard]] bool languageOption(const Args& args, Language& lang);

// Opens a .dat file as a document; on failure prints the error and returns nullopt.
[[nodiscard]] std::optional<Document> openDocument(const std::filesystem::path& path,
                                                   Language lang = Language::English);
// Saves the document atomically to its own file, or to path; on failure prints the
// error and returns false. A backup of a read (a file in the backups folder) is
// never changed: saving over one is refused, and the user is told to copy it first.
[[nodiscard]] bool saveDocument(Document& doc, Language lang = Language::English);
[[nodiscard]] bool saveDocumentAs(Document& doc, const std::filesystem::path& path, Language lang = Language::English);
// The refusal to change path, or nothing when it is no existing file of the backups folder.
[[nodiscard]] std::optional<std::string> backupRefusal(const std::filesystem::path& path, Language lang);

// The band record a command starts from: none stored yet, as at a first start.
[[nodiscard]] BandRecord initialBandRecord();

// The folder of radioprog-cli, which the shipped files are found from. The whole
// tool (see main.cpp) is told it in the environment variable below.
inline constexpr const char* kProgramDirectoryVariable = "RADIOPROG_CLI_DIR";
[[nodiscard]] std::filesystem::path programDirectory();

// The Program.ini the tool reads (and never writes): the user's copy when there
// is one, else the default shipped with the program.
[[nodiscard]] std::filesystem::path programIni();

// The model names of programIni(), as the application lists them; none when
// there is no such file (the file is never created or changed).
[[nodiscard]] const std::vector<std::string>& configuredModels();

// What the settings sections of get, set, diff and verify start from: the
// language, the initial band record and the configured models.
[[nodiscard]] SectionContext sectionContext(Language lang);

}  // namespace radio::cli
