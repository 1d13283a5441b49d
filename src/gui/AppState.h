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
  Language lang = Language::English;       // IsChinese
  std::string languageName;                // [Setup] Language
  std::string helpFileName;                // help contents for the language
  std::filesystem::path programDirectory;  // where Program.ini and the pictures are
  std::string appName;                     // [Setup] AppName: the settings key
  BandState band;                          // BandRecord and BandLimits
  IniFile* config = nullptr;               // ConfigIni (Program.ini); may be null in tests

  [[nodiscard]] bool isChinese() const { return lang == Language::Chinese; }
};

}  // namespace radio
