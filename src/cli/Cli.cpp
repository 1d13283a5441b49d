// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/IniFile.h"
#include "app/ProgramFiles.h"
#include "channels/ChannelGrid.h"
#include "features/ProductInfoForm.h"
#include "model/Backups.h"
#include "model/Document.h"

namespace radio::cli {
namespace {

bool contains(const std::vector<std::string>& list, const std::string& s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace

Args::Args(const std::vector<std::string>& args, std::vector<std::string> valueOptions,
           std::vector<std::string> flagOptions) {
  bool onlyPositional = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (onlyPositional || a.size() < 2 || a[0] != '-' || (a[1] >= '0' && a[1] <= '9')) {
      positional_.push_back(a);
      continue;
    }
    if (a == "--") {
      onlyPositional = true;
      continue;
    }
    if (a == "-h" || a == "--help") {
      help_ = true;
      continue;
    }
    std::string name = a;
    std::optional<std::string> inlineValue;
    if (const auto eq = a.find('='); eq != std::string::npos && a.rfind("--", 0) == 0) {
      name = a.substr(0, eq);
      inlineValue = a.substr(eq + 1);
    }
    if (contains(valueOptions, name)) {
      if (inlineValue) {
        options_[name].push_back(*inlineValue);
      } else if (i + 1 < args.size()) {
        options_[name].push_back(args[++i]);
      } else {
        error_ = "option " + name + " needs a value";
        return;
      }
    } else if (contains(flagOptions, name) && !inlineValue) {
      options_[name].push_back({});
    } else {
      error_ = "unknown option " + a;
      return;
    }
  }
}

bool Args::has(const std::string& option) const { return options_.count(option) > 0; }

std::optional<std::string> Args::value(const std::string& option) const {
  const auto it = options_.find(option);
  if (it == options_.end() || it->second.empty()) return std::nullopt;
  return it->second.back();
}

std::vector<std::string> Args::values(const std::string& option) const {
  const auto it = options_.find(option);
  return it == options_.end() ? std::vector<std::string>{} : it->second;
}

int fail(const std::string& message, int code) {
  std::cerr << "radioprog-cli: " << message << '\n';
  return code;
}

int usage(const std::string& command, const std::string& message) {
  std::cerr << "radioprog-cli " << command << ": " << message << "\n"
            << "Try 'radioprog-cli " << command << " --help'.\n";
  return kExitUsage;
}

std::string filled(const Text& text, Language lang, const std::string& a, const std::string& b) {
  return fillText(text.in(lang), {a, b});
}

void storeLikeTheView(RadioImage& image, BandState& band, Language lang) {
  ChannelGrid grid;
  imageToGrid(image, grid, band, lang);
  gridToImage(grid, image, band.limits, lang);
}

std::optional<int> extraArgument(const std::string& command, const Args& args, std::size_t takes) {
  if (args.positional().size() <= takes) return std::nullopt;
  return usage(command, "unexpected argument '" + args.positional()[takes] + "'");
}

bool languageOption(const Args& args, Language& lang) {
  lang = Language::English;
  const auto value = args.value("--lang");
  if (!value) return true;
  if (parseLanguage(*value, lang)) return true;
  fail("unknown language '" + *value + "' (use en or zh)", kExitUsage);
  return false;
}

std::optional<Document> openDocument(const std::filesystem::path& path, Language lang) {
  Document doc;
  if (const FileResult r = doc.load(path); !r) {
    fail(r.text(lang));
    return std::nullopt;
  }
  return doc;
}

namespace {
bool reported(const FileResult& r, Language lang) {
  if (!r) fail(r.text(lang));
  return r.ok;
}
}  // namespace

std::optional<std::string> backupRefusal(const std::filesystem::path& path, Language lang) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return std::nullopt;
  const std::filesystem::path folder = backupFolder(systemEnvironment);
  if (!isInsideFolder(path, folder)) return std::nullopt;
  return path.string() + Text{" is a backup of a read (in ", " 是读取时保存的备份（位于 "}.in(lang) + folder.string() +
         Text{") and is kept as it was read: copy it first and change the copy",
              "），应保持读取时的原样：请先复制，再修改副本"}
             .in(lang);
}

bool saveDocument(Document& doc, Language lang) {
  if (const auto refusal = backupRefusal(doc.path(), lang)) {
    fail(*refusal);
    return false;
  }
  return reported(doc.save(), lang);
}

bool saveDocumentAs(Document& doc, const std::filesystem::path& path, Language lang) {
  if (const auto refusal = backupRefusal(path, lang)) {
    fail(*refusal);
    return false;
  }
  return reported(doc.saveAs(path), lang);
}

BandRecord initialBandRecord() { return BandRecord{}; }

std::filesystem::path programDirectory() {
  // The whole tool in libexec is started by radioprog-cli, which names its own folder.
  if (const char* dir = std::getenv(kProgramDirectoryVariable); dir && *dir) return dir;
  std::error_code ec;
  std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  if (ec) dir = std::filesystem::current_path(ec);
  return dir;
}

std::filesystem::path programIni() {
  return programIniToRead(findDataDirectory(programDirectory()), userConfigDirectory(std::getenv));
}

SectionContext sectionContext(Language lang) {
  SectionContext ctx;
  ctx.lang = lang;
  ctx.bandRecord = initialBandRecord();
  ctx.models = configuredModels();
  return ctx;
}

const std::vector<std::string>& configuredModels() {
  static const std::vector<std::string> models = [] {
    std::error_code ec;
    const auto path = programIni();
    if (!std::filesystem::is_regular_file(path, ec)) return std::vector<std::string>{};
    IniFile config;
    if (!config.load(path, false, true, false)) return std::vector<std::string>{};
    return modelNames(&config);
  }();
  return models;
}

}  // namespace radio::cli
