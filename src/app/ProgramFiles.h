// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds the files it ships and where it keeps the user's own
// Program.ini. The shipped files (Program.ini, English.qm, Chinese.qm, the help
// pages and pictures) lie beside the executable in a build tree or a portable
// copy, and in <prefix>/share/radioprog when installed; that folder may be
// read-only. The Program.ini the program writes (a language switch) is the user's
// copy in the configuration folder, made from the shipped default at first start.
//
// Usage:
//   const auto data = findDataDirectory(programDirectory);
//   const UserIni user = prepareUserIni(data / kProgramIniName, userConfigDirectory(std::getenv));
//   ini.load(user.path, user.writable, ...);
//   if (repairProgramIni(ini, builtInProgramIni())) ini.save(false);
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace radio {

class IniFile;

inline constexpr const char* kProgramIniName = "Program.ini";
// The folder name below <prefix>/share and below the configuration folder.
inline constexpr const char* kProgramFolderName = "radioprog";

// The folder of the shipped files for a program in programDirectory: that folder
// when it holds Program.ini or English.qm, else ../share/radioprog beside it when
// that exists, else the program's folder itself.
[[nodiscard]] std::filesystem::path findDataDirectory(const std::filesystem::path& programDirectory);

// Looks up an environment variable; null when it is not set (std::getenv fits).
using EnvironmentLookup = std::function<const char*(const char*)>;

// The program's folder in the user's configuration: $XDG_CONFIG_HOME/radioprog
// (an absolute value only, as the XDG rules say), else $HOME/.config/radioprog;
// %APPDATA%\radioprog on Windows. Empty when the environment names none of them.
[[nodiscard]] std::filesystem::path userConfigDirectory(const EnvironmentLookup& environment);

// The default Program.ini compiled into the program: the same text as the shipped
// file, used when that is missing or empty too.
[[nodiscard]] std::string_view builtInProgramIni();

struct UserIni {
  std::filesystem::path path;  // the Program.ini to load
  bool writable = false;       // the program may write it back (autoSave)
  bool created = false;        // written from the default at this start
};

// Makes sure the user's Program.ini exists and has content: a missing or empty
// copy (blanks only) is written from the shipped default, or from the built-in
// one when the shipped file is missing or empty as well. When configDirectory is
// empty or cannot be written, the shipped file is read and never written. The
// shipped file is never changed unless it is the user's copy itself
// (configDirectory is the data folder, as in tests).
[[nodiscard]] UserIni prepareUserIni(const std::filesystem::path& shippedIni,
                                     const std::filesystem::path& configDirectory);

// The Program.ini a tool that never writes reads: the user's copy when it has
// content, else the shipped one.
[[nodiscard]] std::filesystem::path programIniToRead(const std::filesystem::path& dataDirectory,
                                                     const std::filesystem::path& configDirectory);

// A Program.ini that names no language ([Setup] Language absent or empty) cannot
// start the program: every entry of defaultsText (ini text) that it lacks is added
// and an empty Language takes the default's, keeping every other value it has. A
// file that names a language is the user's and is left as it is. True when
// something was changed.
bool repairProgramIni(IniFile& ini, std::string_view defaultsText);

}  // namespace radio
