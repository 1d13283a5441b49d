// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up takes from Program.ini and the settings key: the language, the
// names shown in the main window and the About box, the band record last used.
// Plain rules without a display so that they can be checked on their own.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

class IniFile;

// The texts of the About box, from the language section of Program.ini.
struct AboutTexts {
  std::string caption;         // "About Title"
  std::string version;         // "Version"
  std::string copyrights;      // "Copyrights"
  std::string copyrightOwner;  // "Copyrights Owner"
};

struct StartupConfig {
  std::string languageName;  // [Setup] Language, exactly as read
  Language lang = Language::English;
  std::string appName;  // [Setup] AppName: names the settings key
  std::string company;  // application name, tree root, navigation caption
  std::string title;    // main window title
  bool showLanguageCommand = false;
  AboutTexts about;
};

// Reads every start-up value; absent entries take their defaults (empty).
[[nodiscard]] StartupConfig readStartupConfig(const IniFile& ini);

// Chinese exactly when the name is "Chinese" (case and blanks count).
[[nodiscard]] Language languageFromName(std::string_view languageName);

// The language module of a language: "<name>.qm" beside the program.
[[nodiscard]] std::string translationFileName(std::string_view languageName);

// The folder of the help pages of a language, relative to the program.
[[nodiscard]] std::string helpFolderName(Language lang);

// The leading whole number of a text, as C's atoi reads it (blanks, sign, digits;
// anything else ends it; no digits gives 0). Saturates instead of overflowing.
[[nodiscard]] long wholeNumber(std::string_view text);

// The band record as stored in the settings key: taken only when it is exactly six
// bytes; an absent record (all 0x00 or all 0xFF) becomes the default. Anything
// else leaves the record unset (six zero bytes), which its users take as default.
[[nodiscard]] BandRecord bandRecordFromStored(std::span<const Byte> stored);

// The [Setup] Language value that a language switch writes: the other language.
[[nodiscard]] const char* otherLanguageName(Language current);

// Shown when the language module cannot be loaded; built in, since no
// translation is available at that point.
[[nodiscard]] const char* languageLoadFailText(Language lang);

}  // namespace radio
