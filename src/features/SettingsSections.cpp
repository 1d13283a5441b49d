// SPDX-License-Identifier: GPL-3.0-or-later
// get/set sections of the Optional Features, Product Information, Key Assignment
// and Squelch Tuning dialogs. Every value goes through the dialog's form: get
// shows what the dialog shows on opening, set runs the dialog's OK with one field
// changed, so the same normalisation applies to the whole section.
#include "features/SettingsSections.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "channels/ChannelGrid.h"
#include "features/KeyAssignForm.h"
#include "features/KeyRules.h"
#include "features/OptionalFeaturesForm.h"
#include "features/ProductInfoForm.h"
#include "features/SquelchForm.h"

namespace radio {

const std::map<std::string, Section>& sections() {
  static const std::map<std::string, Section> table = [] {
    std::map<std::string, Section> all;
    for (const auto& group : {settingsDialogSections(), signallingSections()})
      for (const Section& s : group) all.emplace(s.name, s);
    return all;
  }();
  return table;
}

const char* checkText(bool on, Language lang) {
  return (on ? Text{"checked", "选中"} : Text{"unchecked", "未选中"}).in(lang);
}

namespace {

// A whole decimal number, nothing around it.
std::optional<int> parseInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

// The entries of a list; a long one as its first 12 entries, "..." and the last.
std::string joined(const std::vector<std::string>& items) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i == 12 && i + 1 < items.size()) return out + ", ..., " + items.back();
    out += (i ? ", " : "") + items[i];
  }
  return out;
}

// A message with a number in it: the English and the Chinese text around it.
std::string withNumber(Language lang, Text before, std::size_t n, Text after) {
  return before.in(lang) + std::to_string(n) + after.in(lang);
}

const Text kCheckError{"give checked or unchecked (or 1/0)", "请给出 选中 或 未选中（或 1/0）"};

// A check box value for set: the texts get shows, 1/0, on/off, yes/no, true/false.
std::optional<bool> parseCheck(const std::string& value) {
  const std::string v = lowerAscii(value);
  for (const char* yes : {"checked", "选中", "1", "on", "yes", "true"})
    if (v == yes) return true;
  for (const char* no : {"unchecked", "未选中", "0", "off", "no", "false"})
    if (v == no) return false;
  return std::nullopt;
}

// The refusal of a value that is no entry of the list.
std::string entryError(const std::vector<std::string>& items, Language lang) {
  std::string text = Text{"not an entry of the list (", "不是列表中的一项（"}.in(lang) + joined(items);
  if (!items.empty()) text += Text{"; or #0..#", "；或 #0..#"}.in(lang) + std::to_string(items.size() - 1);
  return text + Text{")", "）"}.in(lang);
}

// The refusal of a key no field of the section has.
std::string unknownKeyError(const std::string& key, Language lang) {
  return Text{"unknown key '", "未知的键 '"}.in(lang) + key +
         Text{"' (see 'radioprog-cli set --help')", "'（见 'radioprog-cli set --help'）"}.in(lang);
}

}  // namespace

std::optional<std::string> typeInto(const ValueRule& rule, const std::string& value, Language lang, std::string& out) {
  const std::size_t limit = rule.maxLength ? rule.maxLength : std::string::npos;
  switch (rule.kind) {
    case ValueKind::Text: {
      // An edit without key filter: every printable ASCII character, upper-cased.
      const bool printable = std::all_of(value.begin(), value.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
      if (!printable) return std::string(Text{"printable ASCII characters only", "只能是可打印的 ASCII 字符"}.in(lang));
      if (value.size() > limit) return withNumber(lang, {"at most ", "最多 "}, limit, {" characters", " 个字符"});
      out = upperCased(value);
      return std::nullopt;
    }
    case ValueKind::Code: {
      const std::string upper = upperCased(value);
      if (upper.size() > limit) return withNumber(lang, {"at most ", "最多 "}, limit, {" characters", " 个字符"});
      if (!onlyCharacters(upper, rule.alphabet))
        return Text{"only the characters ", "只能是这些字符："}.in(lang) + std::string(rule.alphabet);
      out = upper;
      return std::nullopt;
    }
    case ValueKind::Number: {
      const bool digitsOnly = rule.alphabet.find('.') == std::string_view::npos;
      if (!onlyCharacters(value, rule.alphabet))
        return std::string((digitsOnly ? Text{"digits only", "只能是数字"}
                                       : Text{"a number with digits and a decimal point", "只能是数字和小数点"})
                               .in(lang));
      if (value.size() > limit)
        return digitsOnly ? withNumber(lang, {"at most ", "最多 "}, limit, {" digits", " 位数字"})
                          : withNumber(lang, {"at most ", "最多 "}, limit, {" characters", " 个字符"});
      out = rule.leave ? rule.leave(value) : value;
      return std::nullopt;
    }
    case ValueKind::Choice: {
      if (!rule.choices) return entryError({}, lang);
      int index = 0;
      if (auto error = chooseInto(rule.choices, value, lang, index)) return error;
      out = rule.choices(lang)[static_cast<std::size_t>(index)];
      return std::nullopt;
    }
    case ValueKind::Check: break;
  }
  return std::string(kCheckError.in(lang));
}

std::optional<std::string> checkInto(const std::string& value, Language lang, bool& out) {
  const auto on = parseCheck(value);
  if (!on) return std::string(kCheckError.in(lang));
  out = *on;
  return std::nullopt;
}

std::string entryText(const std::vector<std::string>& items, int index) {
  return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)] : "";
}

std::optional<std::string> chooseInto(const std::function<std::vector<std::string>(Language)>& items,
                                      const std::string& value, Language lang, int& out) {
  // The entry's text in the language shown, in English or in Chinese (ignoring
  // case), or "#N" for the N-th entry from 0.
  const auto shown = items(lang);
  std::optional<int> index;
  for (const auto& list : {shown, items(Language::English), items(Language::Chinese)})
    for (std::size_t i = 0; i < list.size() && i < shown.size() && !index; ++i)
      if (lowerAscii(list[i]) == lowerAscii(value)) index = static_cast<int>(i);
  if (!index && value.size() > 1 && value[0] == '#') index = parseInt(std::string_view(value).substr(1));
  if (!index || *index < 0 || *index >= static_cast<int>(shown.size())) return entryError(shown, lang);
  out = *index;
  return std::nullopt;
}

std::optional<std::string> numberInto(const std::string& value, int low, int high, Language lang,
                                      std::optional<int>& out) {
  const auto n = parseInt(value);
  if (!n || *n < low || *n > high)
    return Text{"give a whole number from ", "请给出整数，从 "}.in(lang) + std::to_string(low) +
           Text{" to ", " 到 "}.in(lang) + std::to_string(high);
  out = n;
  return std::nullopt;
}

FieldLine fieldLine(const FieldInfo& info, int n, const std::string& value, const std::string& entryKey,
                    const std::string& entryLabel, Language lang) {
  std::string label = entryLabel.empty() ? "" : entryLabel + " ";
  label += info.label.in(lang);
  if (n > 0) label += " " + std::to_string(n);
  return {entryKey + numberedKey(info.key, n), value, std::move(label)};
}

std::pair<std::string, std::string> fieldKeys(const FieldInfo& info, int count, const char* entryKey, int entries) {
  if (entries > 0)
    return {numberedKey(entryKey, 1) + info.key + " ... " + numberedKey(entryKey, entries) + info.key,
            "entry 1.." + std::to_string(entries) + ": " + info.rule.note};
  if (count > 0) return {numberedKey(info.key, 1) + " ... " + numberedKey(info.key, count), info.rule.note};
  return {info.key, info.rule.note};
}

Section pagesSection(std::string name, std::string description, std::vector<SectionPage> pages) {
  Section section{std::move(name), std::move(description), nullptr, nullptr, {}};
  for (const SectionPage& page : pages) section.keys.insert(section.keys.end(), page.keys.begin(), page.keys.end());
  section.get = [pages](const RadioImage& image, const SectionContext& ctx) {
    std::vector<FieldLine> lines;
    for (const SectionPage& page : pages) page.get(image, ctx, lines);
    return lines;
  };
  section.set = [pages](RadioImage& image, const SectionContext& ctx, const std::string& key,
                        const std::string& value) -> std::optional<std::string> {
    for (const SectionPage& page : pages)
      if (auto result = page.set(image, ctx, key, value); result.found) return result.error;
    return unknownKeyError(key, ctx.lang);
  };
  return section;
}

namespace {

// The product form of a file as the dialog shows it once the file is open: the
// model the file names, and the bands in force after the grid has shown the file
// (the grid sets them whatever the file's own band record holds, so a store
// always takes them).
ProductInfoForm loadShownProduct(const RadioImage& image, const SectionContext& ctx, int) {
  RadioImage shown = image;
  ChannelGrid grid;
  BandState band;
  imageToGrid(shown, grid, band, Language::English);
  return loadProductInfo(shown, band.limits, ctx.models, std::nullopt);
}

}  // namespace

std::vector<Section> settingsDialogSections() {
  const FormPage<OptionalFeaturesForm> optional{
      optionalFeatureRows(),
      [](const RadioImage& image, const SectionContext&, int) { return loadOptionalFeatures(image); },
      [](OptionalFeaturesForm& form, RadioImage& image, int) { storeOptionalFeatures(form, image); }};
  const FormPage<ProductInfoForm> product{productInfoRows(), loadShownProduct,
                                          [](ProductInfoForm& form, RadioImage& image, int) {
                                            BandState band;
                                            static_cast<void>(storeProductInfo(form, image, band));
                                          }};
  const FormPage<KeyAssignForm> key{
      keyAssignRows(), [](const RadioImage& image, const SectionContext&, int) { return loadKeyAssign(image); },
      [](KeyAssignForm& form, RadioImage& image, int) { storeKeyAssign(form, image); }};
  const FormPage<SquelchForm> squelch{
      squelchRows(), [](const RadioImage& image, const SectionContext&, int) { return loadSquelch(image); },
      [](SquelchForm& form, RadioImage& image, int) { storeSquelch(form, image); }};

  return {pagesSection(kOptionalSection, "Optional Features", {sectionPage(optional)}),
          pagesSection(kProductSection, "Product Information (band edges are read-only)", {sectionPage(product)}),
          pagesSection(kKeyAssignSection, "Key Assignment", {sectionPage(key)}),
          pagesSection(kSquelchSection, "Squelch Tuning", {sectionPage(squelch)})};
}

}  // namespace radio
