// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/IniFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "model/AsciiText.h"
#include "model/Document.h"

namespace radio {
namespace {

std::string_view trim(std::string_view s) { return trimmed(s, kCSpaces); }

bool isCommentKey(std::string_view key) {
  const char c = key.front();
  return c == ';' || c == '/' || c == '\\' || c == '*';
}

}  // namespace

IniFile::~IniFile() {
  if (autoSave_) save(backup_);
}

bool IniFile::sameName(std::string_view a, std::string_view b) const {
  if (!caseInsensitive_) return a == b;
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    // Only ASCII letters fold; the bytes of multi-byte characters compare exactly.
    if (x != y && (x >= 0x80 || y >= 0x80 || std::tolower(x) != std::tolower(y))) return false;
  }
  return true;
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
  for (const auto& s : sections_)
    if (sameName(s.name, name)) return &s;
  return nullptr;
}

IniFile::Section* IniFile::findSection(std::string_view name) {
  return const_cast<Section*>(static_cast<const IniFile*>(this)->findSection(name));
}

void IniFile::clear() {
  sections_.clear();
  path_.clear();
  modified_ = false;
  backupName_.clear();
}

void IniFile::parse(std::istream& in) {
  // The section list grows geometrically (push_back), so a file of many sections
  // loads in time proportional to its length.
  sections_.push_back({});  // entries before the first header: the unnamed section
  std::string raw;
  while (std::getline(in, raw)) {
    const std::string_view line = trim(raw);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      sections_.push_back({std::string(line.substr(1, line.size() - 2)), {}, {}});
      continue;
    }
    const std::size_t eq = line.find('=');
    const std::string_view key = trim(line.substr(0, eq));
    const std::string_view value = eq == std::string_view::npos ? std::string_view() : trim(line.substr(eq + 1));
    if (key.empty() || isCommentKey(key)) continue;
    sections_.back().keys.emplace_back(key);
    sections_.back().values.emplace_back(value);
  }
  // An unnamed first section without entries is not written back.
  if (sections_.front().keys.empty()) sections_.erase(sections_.begin());
}

bool IniFile::load(const std::filesystem::path& path, bool autoSave, bool caseInsensitive, bool backup) {
  if (modified_) save(false);
  clear();
  autoSave_ = autoSave;
  caseInsensitive_ = caseInsensitive;
  backup_ = backup;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    std::ofstream create(path);
    if (!create) return false;
  }
  std::ifstream in(path);
  if (!in) return false;
  try {
    parse(in);
  } catch (const std::exception&) {
    clear();
    return false;
  }
  path_ = std::filesystem::absolute(path, ec);
  if (ec) path_ = path;
  return true;
}

bool IniFile::loadNextToProgram(std::string_view fileName, std::string_view programPath, bool autoSave,
                                bool caseInsensitive, bool backup) {
  const std::size_t slash = programPath.find_last_of("/\\");
  std::filesystem::path dir;
  if (slash == std::string_view::npos) {
    std::error_code ec;
    dir = std::filesystem::current_path(ec);
  } else {
    dir = std::string(programPath.substr(0, slash));
  }
  return load(dir / std::string(fileName), autoSave, caseInsensitive, backup);
}

std::string IniFile::get(std::string_view section, std::string_view key, std::string_view def) const {
  const Section* s = findSection(section);
  if (!s) return std::string(def);
  for (std::size_t i = s->keys.size(); i-- > 0;) {
    if (!sameName(s->keys[i], key)) continue;
    std::string value = s->values[i];
    if (const auto p = value.find("//"); p != std::string::npos) value.erase(p);
    if (const auto p = value.find("\t;"); p != std::string::npos) value.erase(p);
    if (const auto p = value.find("/*"); p != std::string::npos) value.erase(p);
    return value;
  }
  return std::string(trim(def));
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
  if (path_.empty()) return;
  Section* s = findSection(section);
  if (!s) {
    sections_.push_back({std::string(section), {}, {}});
    s = &sections_.back();
    modified_ = true;
  }
  for (std::size_t i = s->keys.size(); i-- > 0;) {
    if (!sameName(s->keys[i], key)) continue;
    if (!sameName(s->values[i], value)) {
      s->values[i] = std::string(value);
      modified_ = true;
    }
    return;
  }
  s->keys.emplace_back(key);
  s->values.emplace_back(value);
  modified_ = true;
}

std::string IniFile::serialise() const {
  std::string out;
  for (const auto& s : sections_) {
    // Entries before the first header have no name and no header. Every other
    // section keeps its header, "[]" included, or its entries would join the
    // section above it.
    const bool leadingEntries = &s == &sections_.front() && s.name.empty() && !s.keys.empty();
    if (!leadingEntries) out += "[" + s.name + "]\n";
    for (std::size_t i = 0; i < s.keys.size(); ++i) {
      out += s.keys[i];
      if (!s.keys[i].empty()) out += "=";
      out += s.values[i] + "\n";
    }
  }
  return out;
}

std::string IniFile::makeBackupName() const {
  const std::string full = path_.string();
  const std::size_t slash = full.find_last_of('/');
  const std::size_t dot = full.find_last_of('.');
  const std::string base =
      dot != std::string::npos && (slash == std::string::npos || dot > slash) ? full.substr(0, dot) : full;
  const std::filesystem::path basePath(base);
  const std::string stem = basePath.filename().string() + ".";
  int largest = 0;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(basePath.parent_path(), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() <= stem.size() || name.compare(0, stem.size(), stem) != 0) continue;
    const std::string last = name.substr(name.size() - std::min<std::size_t>(3, name.size()));
    largest = std::max(largest, std::atoi(last.c_str()));
  }
  char number[16];
  std::snprintf(number, sizeof number, ".%.3d", largest + 1);
  return base + number;
}

std::string IniFile::save(bool withBackup) {
  if (!modified_ || path_.empty()) return {};
  std::string usedBackup;
  if (withBackup) {
    if (backupName_.empty()) backupName_ = makeBackupName();
    std::error_code ec;
    std::filesystem::copy_file(path_, backupName_, std::filesystem::copy_options::overwrite_existing, ec);
    if (!ec) usedBackup = backupName_;
  }
  const std::string text = serialise();
  if (!writeFileAtomically(path_, text)) {
    // A folder we may not create files in can still hold a writable file.
    std::fstream out(path_, std::ios::in | std::ios::out | std::ios::trunc);
    if (!out) return usedBackup;  // kept in memory; nothing is reported
    out << text;
    if (!out) return usedBackup;
  }
  modified_ = false;
  return usedBackup;
}

}  // namespace radio
