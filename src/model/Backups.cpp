// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Backups.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <system_error>

#include "model/Document.h"

namespace radio {

std::optional<std::string> systemEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return std::nullopt;
  return std::string(value);
}

std::filesystem::path backupFolder(const Environment& env) {
  const std::filesystem::path tail = std::filesystem::path("radioprog") / "backups";
#ifdef _WIN32
  if (const auto appData = env("APPDATA")) return std::filesystem::path(*appData) / tail;
  if (const auto profile = env("USERPROFILE")) return std::filesystem::path(*profile) / "AppData" / "Roaming" / tail;
  return {};
#else
  // A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
  if (const auto data = env("XDG_DATA_HOME"); data && std::filesystem::path(*data).is_absolute())
    return std::filesystem::path(*data) / tail;
  if (const auto home = env("HOME")) return std::filesystem::path(*home) / ".local" / "share" / tail;
  return {};
#endif
}

bool isInsideFolder(const std::filesystem::path& file, const std::filesystem::path& folder) {
  if (file.empty() || folder.empty()) return false;
  std::error_code ec;
  const auto f = std::filesystem::weakly_canonical(std::filesystem::absolute(file, ec), ec);
  if (ec) return false;
  const auto d = std::filesystem::weakly_canonical(std::filesystem::absolute(folder, ec), ec);
  if (ec) return false;
  // Component by component: /a/backups-old is not inside /a/backups.
  auto fi = f.begin();
  for (auto di = d.begin(); di != d.end(); ++di, ++fi) {
    if (di->empty() && std::next(di) == d.end()) break;  // a trailing separator
    if (fi == f.end() || *fi != *di) return false;
  }
  return fi != f.end();
}

std::string backupModelName(const RadioImage& image, const std::vector<std::string>& models) {
  const std::size_t index = image.at(addr::kModelIndex);
  if (index >= models.size() || models[index].empty()) return "radio";
  std::string name;
  for (const char c : models[index]) {
    const bool plain =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
    // One '-' for a run of other characters (a space, a multi-byte character).
    if (plain)
      name += c;
    else if (name.empty() || name.back() != '-')
      name += '-';
  }
  while (!name.empty() && (name.front() == '.' || name.front() == '-')) name.erase(name.begin());
  return name.empty() ? "radio" : name;
}

std::string localTimeText(std::time_t when, const char* format) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &when);
#else
  localtime_r(&when, &local);
#endif
  char text[64];
  return std::strftime(text, sizeof text, format, &local) > 0 ? text : "";
}

std::string backupFileName(std::time_t when, std::string_view model, int suffix) {
  std::string name = localTimeText(when, "%Y-%m-%d_%H%M%S") + "_" + std::string(model);
  if (suffix > 1) name += "-" + std::to_string(suffix);
  return name + ".dat";
}

BackupResult saveBackup(const RadioImage& image, const std::filesystem::path& folder, std::string_view model,
                        std::time_t when) {
  BackupResult result;
  if (folder.empty()) {
    result.error = "No folder for backups: neither XDG_DATA_HOME nor HOME is set.";
    return result;
  }
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    result.error = "Cannot create the backup folder " + folder.string() + ": " + ec.message();
    return result;
  }
  // The image goes whole into a temporary file first; a hard link then gives it
  // its name, which fails instead of replacing a file that took the name first.
  const std::filesystem::path temp =
      folder / (".backup-" + std::to_string(std::random_device{}()) + "-" + backupFileName(when, model));
  if (const FileResult saved = saveDatFile(temp, image); !saved) {
    result.error = saved.error;
    return result;
  }
  for (int suffix = 1; suffix < 1000; ++suffix) {
    const std::filesystem::path target = folder / backupFileName(when, model, suffix);
    std::filesystem::create_hard_link(temp, target, ec);
    if (!ec) {
      std::filesystem::remove(temp, ec);
      result.path = target;
      return result;
    }
    if (std::filesystem::exists(target)) continue;
    // A file system without hard links: a rename to a name that is free now.
    std::filesystem::rename(temp, target, ec);
    if (!ec) {
      result.path = target;
      return result;
    }
    break;
  }
  std::filesystem::remove(temp, ec);
  result.error = "Cannot write a backup in " + folder.string();
  return result;
}

}  // namespace radio
