// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own reader and writer of ini-style text files. The whole file is
// kept in memory; lookups are answered from memory and the file is rewritten from
// memory when something changed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace radio {

class IniFile {
 public:
  IniFile() = default;
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  // Discards the current content (saving it first when modified), records the
  // flags, opens the file (creating an empty one when none exists) and parses it.
  [[nodiscard]] bool load(const std::filesystem::path& path, bool autoSave, bool caseInsensitive, bool backup);
  // The same for a file in the folder of the program (programPath is the
  // program's first command-line argument); the current folder when it has none.
  [[nodiscard]] bool loadNextToProgram(std::string_view fileName, std::string_view programPath, bool autoSave,
                                       bool caseInsensitive, bool backup);

  [[nodiscard]] std::string get(std::string_view section, std::string_view key, std::string_view def = {}) const;
  // Changes or adds a value; does nothing until a file has been loaded.
  void set(std::string_view section, std::string_view key, std::string_view value);
  // Rewrites the file when modified; returns the backup file used, if any.
  std::string save(bool withBackup);

  [[nodiscard]] bool modified() const { return modified_; }
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }
  [[nodiscard]] bool autoSave() const { return autoSave_; }
  void setAutoSave(bool on) { autoSave_ = on; }

  // The text the file would be written with.
  [[nodiscard]] std::string serialise() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::string> keys;
    std::vector<std::string> values;
  };

  [[nodiscard]] bool sameName(std::string_view a, std::string_view b) const;
  [[nodiscard]] const Section* findSection(std::string_view name) const;
  [[nodiscard]] Section* findSection(std::string_view name);
  void clear();
  void parse(std::istream& in);
  std::string makeBackupName() const;

  std::vector<Section> sections_;
  std::filesystem::path path_;
  bool modified_ = false;
  bool caseInsensitive_ = false;
  bool autoSave_ = false;
  bool backup_ = false;
  std::string backupName_;
};

}  // namespace radio
