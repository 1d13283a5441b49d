// The settings as sections of text fields, one section per settings dialog: get
// lists every field as its dialog shows it, set stores one field through the same
// form with the dialog's normalisation rules. The command line's get and set and
// the comparison of two images use them.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/AsciiText.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

struct FieldLine {
  std::string key;    // without the section: "tot" for optional.tot
  std::string value;  // the value text as the dialog shows it
  std::string label;  // the dialog's own label
};

// Everything a section may need besides the image.
struct SectionContext {
  Language lang = Language::English;
  BandRecord bandRecord{};  // the band record a command starts from
  // The model names of Program.ini, as the Product Information dialog lists them.
  std::vector<std::string> models;
};

struct Section {
  std::string name;         // "optional", "product", "dtmf", ...
  std::string description;  // one line for --help
  std::function<std::vector<FieldLine>(const RadioImage&, const SectionContext&)> get;
  // Stores key=value into image; returns an error message when the dialog could
  // not hold the value (the image is then left as it was).
  std::function<std::optional<std::string>(RadioImage&, const SectionContext&, const std::string& key,
                                           const std::string& value)>
      set;
  // The keys with a short note on their values, for --help and the README.
  std::vector<std::pair<std::string, std::string>> keys;
};

// Every section by name: the four settings dialogs (optional, product, key,
// squelch) and the three signalling dialogs (dtmf, msk, twotone).
[[nodiscard]] const std::map<std::string, Section>& sections();
// The sections of each group, defined beside their forms' rules.
[[nodiscard]] std::vector<Section> settingsDialogSections();
[[nodiscard]] std::vector<Section> signallingSections();

// Helpers the sections share (and lowerAscii of model/AsciiText.h).
// A check box as get shows it: "checked"/"unchecked" ("选中"/"未选中").
[[nodiscard]] const char* checkText(bool on, Language lang);
// A check box value for set: those texts, 1/0, on/off, yes/no, true/false.
[[nodiscard]] std::optional<bool> parseCheck(const std::string& value);

}  // namespace radio
