// SPDX-License-Identifier: GPL-3.0-or-later
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

#include "features/FormFields.h"
#include "model/AsciiText.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

struct FieldLine {
  std::string key;    // within the section: what follows "section."
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
  std::string name;         // the section: the part of a key before the dot
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

// Helpers of the sections' pages.
// A check box as get shows it: "checked"/"unchecked" ("选中"/"未选中").
[[nodiscard]] const char* checkText(bool on, Language lang);

// Types value into an edit or list of the rule as set does: checks it against
// the rule (characters, length, list entries), upper-cases, leaves the edit, and
// puts the result into out; a value the control could not hold is refused with
// its message and out is left as it was.
[[nodiscard]] std::optional<std::string> typeInto(const ValueRule& rule, const std::string& value, Language lang,
                                                  std::string& out);
[[nodiscard]] std::optional<std::string> checkInto(const std::string& value, Language lang, bool& out);
// A list kept as the index of its entry: the entry get shows ("" for none), and
// set's choice of the entry value names (as typeInto does for a list) into out.
[[nodiscard]] std::string entryText(const std::vector<std::string>& items, int index);
[[nodiscard]] std::optional<std::string> chooseInto(const std::function<std::vector<std::string>(Language)>& items,
                                                    const std::string& value, Language lang, int& out);
// A list of the whole numbers low..high kept as the number: set's choice into out.
[[nodiscard]] std::optional<std::string> numberInto(const std::string& value, int low, int high, Language lang,
                                                    std::optional<int>& out);

// The get line of a field: value and label; n > 0 numbers a numbered field; a page
// of several entries puts the entry's key and label before the field's.
[[nodiscard]] FieldLine fieldLine(const FieldInfo& info, int n, const std::string& value, const std::string& entryKey,
                                  const std::string& entryLabel, Language lang);
// The keys of a field for --help: one key, or "first ... last" of a numbered field
// or of a field on several entries.
[[nodiscard]] std::pair<std::string, std::string> fieldKeys(const FieldInfo& info, int count, const char* entryKey,
                                                            int entries);

// A page of a section with its form type put away: get appends its lines, set
// stores key=value when one of its fields has the key.
struct SectionPage {
  struct SetResult {
    bool found = false;
    std::optional<std::string> error;
  };
  std::function<void(const RadioImage&, const SectionContext&, std::vector<FieldLine>&)> get;
  std::function<SetResult(RadioImage&, const SectionContext&, const std::string& key, const std::string& value)> set;
  std::vector<std::pair<std::string, std::string>> keys;
};

template <class Form>
[[nodiscard]] SectionPage sectionPage(const FormPage<Form>& page) {
  const int first = page.entries > 0 ? 1 : 0;
  SectionPage out;
  out.get = [page, first](const RadioImage& image, const SectionContext& ctx, std::vector<FieldLine>& lines) {
    for (int k = first; k <= page.entries; ++k) {
      Form form = page.load(image, ctx, k);
      const std::string key = numberedKey(page.entryKey, k);
      const std::string label = page.entries > 0 ? numberedKey(page.entryLabel.in(ctx.lang), k) : std::string();
      for (const FormField<Form>& f : page.fields)
        for (int n = f.entry ? 1 : 0; n <= f.count; ++n)
          for (int c = 0; c < f.columns; ++c) {
            const auto line = [&](const std::string& value) {
              lines.push_back(fieldLine(f.info[c], n, value, key, label, ctx.lang));
            };
            if (f.show)
              line(f.show(form, c, ctx.lang));
            else if (f.entry)
              line(f.entry(form, n, c));
            else if (f.check)
              line(checkText(form.*f.check, ctx.lang));
            else
              line(form.*f.text);
          }
    }
  };
  out.set = [page, first](RadioImage& image, const SectionContext& ctx, const std::string& key,
                          const std::string& value) -> SectionPage::SetResult {
    for (int k = first; k <= page.entries; ++k) {
      const std::string prefix = numberedKey(page.entryKey, k);
      if (key.compare(0, prefix.size(), prefix) != 0) continue;
      const std::string_view own = std::string_view(key).substr(prefix.size());
      for (const FormField<Form>& f : page.fields) {
        for (int c = 0; c < f.columns; ++c) {
          const FieldInfo& info = f.info[c];
          const int n = f.entry ? numberInKey(own, info.key, f.count) : 0;
          if (f.entry ? n == 0 : own != info.key) continue;
          Form form = page.load(image, ctx, k);
          auto error = f.type    ? f.type(form, c, value, ctx.lang)
                       : f.check ? checkInto(value, ctx.lang, form.*f.check)
                                 : typeInto(info.rule, value, ctx.lang, f.entry ? f.entry(form, n, c) : form.*f.text);
          if (!error) page.store(form, image, k);
          return {true, std::move(error)};
        }
      }
    }
    return {};
  };
  for (const FormField<Form>& f : page.fields)
    for (int c = 0; c < f.columns; ++c) out.keys.push_back(fieldKeys(f.info[c], f.count, page.entryKey, page.entries));
  return out;
}

// A section of pages: get lists every page's fields in order, set stores through
// the page that has the key.
[[nodiscard]] Section pagesSection(std::string name, std::string description, std::vector<SectionPage> pages);

}  // namespace radio
