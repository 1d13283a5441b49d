// SPDX-License-Identifier: GPL-3.0-or-later
// get and set: the settings dialogs' fields as text, for scripts.
#include <iostream>
#include <sstream>

#include "cli/Cli.h"
#include "features/SettingsSections.h"

namespace radio::cli {

namespace {

int runGet(const std::vector<std::string>& argv) {
  const Args args(argv, {"--lang"}, {});
  if (!args.ok()) return usage("get", args.error());
  const auto& pos = args.positional();
  if (pos.empty() || pos.size() > 2) return usage("get", "give FILE.dat and optionally a SECTION");
  Language lang;
  if (!languageOption(args, lang)) return kExitUsage;
  const SectionContext ctx = sectionContext(lang);
  if (pos.size() == 2 && !sections().count(pos[1])) return usage("get", "unknown section '" + pos[1] + "'");
  const auto doc = openDocument(pos[0]);
  if (!doc) return kExitFailure;
  std::ostringstream out;
  for (const auto& [name, section] : sections()) {
    if (pos.size() == 2 && name != pos[1]) continue;
    for (const auto& line : section.get(doc->image(), ctx))
      out << name << '.' << line.key << '\t' << line.value << '\t' << line.label << '\n';
  }
  std::cout << out.str();
  return kExitOk;
}

int runSet(const std::vector<std::string>& argv) {
  const Args args(argv, {"--lang"}, {});
  if (!args.ok()) return usage("set", args.error());
  const auto& pos = args.positional();
  if (pos.size() < 2) return usage("set", "give FILE.dat and at least one section.key=VALUE");
  Language lang;
  if (!languageOption(args, lang)) return kExitUsage;
  const SectionContext ctx = sectionContext(lang);
  auto doc = openDocument(pos[0]);
  if (!doc) return kExitFailure;
  // Every value is stored into a copy first; the document changes only when all
  // of them were accepted.
  RadioImage image = doc->image();
  for (std::size_t i = 1; i < pos.size(); ++i) {
    const auto eq = pos[i].find('=');
    const auto dot = pos[i].find('.');
    if (eq == std::string::npos || dot == std::string::npos || dot > eq)
      return usage("set", "'" + pos[i] + "' is not section.key=VALUE");
    const std::string sectionName = pos[i].substr(0, dot);
    const std::string key = pos[i].substr(dot + 1, eq - dot - 1);
    const std::string value = pos[i].substr(eq + 1);
    const auto it = sections().find(sectionName);
    if (it == sections().end()) return fail("unknown section '" + sectionName + "'");
    if (!it->second.set) return fail("section '" + sectionName + "' cannot be set");
    if (const auto error = it->second.set(image, ctx, key, value)) return fail(sectionName + "." + key + ": " + *error);
  }
  doc->replaceImage(image, "Set");
  return saveDocument(*doc) ? kExitOk : kExitFailure;
}

std::string keysHelp() {
  std::string text;
  for (const auto& [name, section] : sections()) {
    text += "\n  " + name + ": " + section.description + "\n";
    for (const auto& [key, note] : section.keys) text += "    " + name + "." + key + "  " + note + "\n";
  }
  return text;
}

}  // namespace

Command getCommand() {
  return {"get", "print the settings of a document",
          "Usage: radioprog-cli get FILE.dat [SECTION] [--lang en|zh]\n"
          "Prints every field of the settings dialogs as the dialog shows it, one line\n"
          "per field, tab-separated: section.key, the value, the dialog's label.\n"
          "\nSections and keys:\n",
          runGet, keysHelp};
}

Command setCommand() {
  return {"set", "change settings of a document",
          "Usage: radioprog-cli set FILE.dat section.key=VALUE... [--lang en|zh]\n"
          "Stores each value through its dialog's rules (normalisation, clamping) and\n"
          "saves the file. An unknown key or a value the dialog could not hold is\n"
          "refused with a message and the file is left unchanged.\n\nSections and keys:\n",
          runSet, keysHelp};
}

}  // namespace radio::cli
