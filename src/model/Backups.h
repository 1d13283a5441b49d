// SPDX-License-Identifier: GPL-3.0-or-later
// Automatic backups of what was read from a radio: every successful read leaves a
// copy of the image as read in the backups folder, named after the moment and the
// model, and never replaces an earlier one.
//
// Usage:
//   const auto folder = backupFolder(systemEnvironment);
//   BackupResult b = saveBackup(image, folder, backupModelName(image, models), std::time(nullptr));
//   if (b) std::cout << "backup: " << b.path.string() << '\n'; else report(b.error);
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/RadioImage.h"

namespace radio {

// Looks up an environment variable; nothing when it is unset or empty.
using Environment = std::function<std::optional<std::string>(const char* name)>;
[[nodiscard]] std::optional<std::string> systemEnvironment(const char* name);

// $XDG_DATA_HOME/radioprog/backups, else $HOME/.local/share/radioprog/backups;
// on Windows %APPDATA%\radioprog\backups. Empty when none of them is known.
[[nodiscard]] std::filesystem::path backupFolder(const Environment& env);

// The model a backup is named after: the image's model entry among the models of
// Program.ini, with every character but letters, digits, '.', '_' and '-' turned
// into '-'; "radio" when the image names no model of the list.
[[nodiscard]] std::string backupModelName(const RadioImage& image, const std::vector<std::string>& models);

// The local time as strftime writes it in format (up to 63 characters).
[[nodiscard]] std::string localTimeText(std::time_t when, const char* format);

// YYYY-MM-DD_HHMMSS_<model>.dat in local time; suffix n > 1 adds "-n" before ".dat".
[[nodiscard]] std::string backupFileName(std::time_t when, std::string_view model, int suffix = 1);

// True when file lies in folder or below it, comparing weakly canonical paths, so a
// backup opened by any route (a relative name, a link, "..") is recognised.
[[nodiscard]] bool isInsideFolder(const std::filesystem::path& file, const std::filesystem::path& folder);

struct BackupResult {
  std::filesystem::path path;  // the file written
  std::string error;           // one line for the user when no file was written
  explicit operator bool() const { return error.empty(); }
};

// Writes the image under the first free name (creating the folder): the file
// appears whole or not at all, and an existing file is never replaced.
[[nodiscard]] BackupResult saveBackup(const RadioImage& image, const std::filesystem::path& folder,
                                      std::string_view model, std::time_t when);

}  // namespace radio
