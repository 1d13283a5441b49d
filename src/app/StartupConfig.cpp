// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartupConfig.h"

#include <algorithm>
#include <limits>

#include "app/IniFile.h"

namespace radio {

StartupConfig readStartupConfig(const IniFile& ini) {
  StartupConfig c;
  c.languageName = ini.get("Setup", "Language", "");
  c.lang = languageFromName(c.languageName);
  c.appName = ini.get("Setup", "AppName", "");
  c.showLanguageCommand = wholeNumber(ini.get("Setup", "ShowLang", "")) != 0;
  const std::string& section = c.languageName;
  c.company = ini.get(section, "Company", "");
  c.title = ini.get(section, "Title", "");
  c.about.caption = ini.get(section, "About Title", "");
  c.about.version = ini.get(section, "Version", "");
  c.about.copyrights = ini.get(section, "Copyrights", "");
  c.about.copyrightOwner = ini.get(section, "Copyrights Owner", "");
  return c;
}

Language languageFromName(std::string_view languageName) {
  return languageName == "Chinese" ? Language::Chinese : Language::English;
}

std::string translationFileName(std::string_view languageName) { return std::string(languageName) + ".qm"; }

std::string helpFolderName(Language lang) { return lang == Language::Chinese ? "help/zh" : "help/en"; }

long wholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr long kMax = std::numeric_limits<long>::max();
  long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return negative ? -value : value;
}

BandRecord bandRecordFromStored(std::span<const Byte> stored) {
  BandRecord record{};
  if (stored.size() != record.size()) return record;
  std::copy(stored.begin(), stored.end(), record.begin());
  return normalisedBandRecord(record);
}

const char* otherLanguageName(Language current) { return current == Language::Chinese ? "English" : "Chinese"; }

const char* languageLoadFailText(Language lang) {
  return Text{"Load language DLL fail", "加载语言链接库失败"}.in(lang);
}

}  // namespace radio
