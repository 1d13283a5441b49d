// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramFiles.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "app/IniFile.h"
#include "model/AsciiText.h"
#include "model/Document.h"

namespace radio {
namespace {

namespace fs = std::filesystem;

std::string_view trim(std::string_view s) { return trimmed(s, kCSpaces); }

bool isFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

// The text of a file; empty when it cannot be read.
std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string();
}

bool hasContent(const fs::path& path) { return isFile(path) && !trim(readText(path)).empty(); }

bool sameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec) && !ec;
}

// The default text a new user's copy starts from.
std::string defaultText(const fs::path& shippedIni) {
  std::string text = isFile(shippedIni) ? readText(shippedIni) : std::string();
  return trim(text).empty() ? std::string(builtInProgramIni()) : text;
}

}  // namespace

fs::path findDataDirectory(const fs::path& programDirectory) {
  if (isFile(programDirectory / kProgramIniName) || isFile(programDirectory / "English.qm")) return programDirectory;
  const fs::path installed = programDirectory.parent_path() / "share" / kProgramFolderName;
  std::error_code ec;
  if (fs::is_directory(installed, ec)) return installed.lexically_normal();
  return programDirectory;
}

fs::path userConfigDirectory(const EnvironmentLookup& environment) {
  const auto value = [&](const char* name) -> fs::path {
    const char* v = environment ? environment(name) : nullptr;
    return v && *v ? fs::path(v) : fs::path();
  };
#ifdef _WIN32
  if (const fs::path appData = value("APPDATA"); !appData.empty()) return appData / kProgramFolderName;
#endif
  if (const fs::path xdg = value("XDG_CONFIG_HOME"); xdg.is_absolute()) return xdg / kProgramFolderName;
  if (const fs::path home = value("HOME"); !home.empty()) return home / ".config" / kProgramFolderName;
  return {};
}

UserIni prepareUserIni(const fs::path& shippedIni, const fs::path& configDirectory) {
  const UserIni readOnly{shippedIni, false, false};
  if (configDirectory.empty()) return readOnly;
  const fs::path user = configDirectory / kProgramIniName;
  if (hasContent(user)) return {user, true, false};

  // The shipped file itself is the user's copy: fill it only when it is empty.
  const bool shippedIsUser = sameFile(user, shippedIni);
  std::error_code ec;
  fs::create_directories(configDirectory, ec);
  if (!writeFileAtomically(user, defaultText(shippedIsUser ? fs::path() : shippedIni))) return readOnly;
  return {user, true, true};
}

fs::path programIniToRead(const fs::path& dataDirectory, const fs::path& configDirectory) {
  if (!configDirectory.empty() && hasContent(configDirectory / kProgramIniName))
    return configDirectory / kProgramIniName;
  return dataDirectory / kProgramIniName;
}

bool repairProgramIni(IniFile& ini, std::string_view defaultsText) {
  if (!trim(ini.get("Setup", "Language")).empty()) return false;
  // A value no real entry can have tells an absent key from an empty one.
  constexpr std::string_view kAbsent = "\x01";
  bool added = false;
  std::string section;
  std::istringstream in{std::string(defaultsText)};
  for (std::string raw; std::getline(in, raw);) {
    const std::string_view line = trim(raw);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = std::string(line.substr(1, line.size() - 2));
      continue;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = trim(line.substr(0, eq));
    const bool emptyLanguage = section == "Setup" && key == "Language";
    if (key.empty() || (!emptyLanguage && ini.get(section, key, kAbsent) != kAbsent)) continue;
    ini.set(section, key, trim(line.substr(eq + 1)));
    added = true;
  }
  return added;
}

}  // namespace radio
