// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide state of the running application, fixed at start-up or changed
// by a few commands. It exists once in the application; core functions take what
// they need from it as parameters, so tests never depend on it.
#pragma once

#include <filesystem>
#include <string>

#include "model/BandState.h"
#include "model/Language.h"

namespace radio {

class IniFile;

struct AppState {
  Language lang = Language::English;       // the language of every text
  std::string languageName;                // Program.ini [Setup] Language, as written there
  std::string helpFileName;                // help contents for the language
  std::filesystem::path programDirectory;  // where Program.ini and the pictures are
  std::string appName;                     // Program.ini [Setup] AppName: names the saved settings
  BandState band;                          // the band record kept between sessions, and its bands
  IniFile* config = nullptr;               // Program.ini as loaded; may be null in tests

  [[nodiscard]] bool isChinese() const { return lang == Language::Chinese; }
};

}  // namespace radio
