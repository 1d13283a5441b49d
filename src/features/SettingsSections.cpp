// SPDX-License-Identifier: GPL-3.0-or-later
// get/set sections of the Optional Features, Product Information, Key Assignment
// and Squelch Tuning dialogs. Every value goes through the dialog's form: get
// shows what the dialog shows on opening, set runs the dialog's OK with one field
// changed, so the same normalisation applies to the whole section.
#include "features/SettingsSections.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
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
    for (auto group : {settingsDialogSections(), signallingSections()})
      for (Section& s : group) {
        const std::string name = s.name;
        all.emplace(name, std::move(s));
      }
    return all;
  }();
  return table;
}

const char* checkText(bool on, Language lang) {
  return (on ? Text{"checked", "选中"} : Text{"unchecked", "未选中"}).in(lang);
}

namespace {

using Error = std::optional<std::string>;

// A whole decimal number, nothing around it.
std::optional<int> parseInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

// The entries of a list; a long one as its first entries, "..." and the last.
std::string joined(const std::vector<std::string>& items, std::size_t limit = 12) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i == limit && i + 1 < items.size()) return out + ", ..., " + items.back();
    out += (i ? ", " : "") + items[i];
  }
  return out;
}

std::string entryText(const std::vector<std::string>& items, int index) {
  return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)] : "";
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

// The entry a value names among a list's entries: its text in the language shown,
// in English or in Chinese (ignoring case), or "#N" for the N-th entry from 0.
std::optional<int> findEntry(const std::vector<std::string>& shown, const std::vector<std::string>& english,
                             const std::vector<std::string>& chinese, const std::string& value) {
  for (const auto* items : {&shown, &english, &chinese})
    for (std::size_t i = 0; i < items->size() && i < shown.size(); ++i)
      if (lowerAscii((*items)[i]) == lowerAscii(value)) return static_cast<int>(i);
  if (value.size() > 1 && value[0] == '#') {
    const auto n = parseInt(std::string_view(value).substr(1));
    if (n && *n >= 0 && *n < static_cast<int>(shown.size())) return *n;
  }
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
      const auto shown = rule.choices(lang);
      const auto index = findEntry(shown, rule.choices(Language::English), rule.choices(Language::Chinese), value);
      if (!index) return entryError(shown, lang);
      out = shown[static_cast<std::size_t>(*index)];
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

FieldLine fieldLine(const FieldInfo& info, int n, std::string value, const std::string& entryKey,
                    const std::string& entryLabel, Language lang) {
  std::string label = entryLabel.empty() ? "" : entryLabel + " ";
  label += info.label.in(lang);
  if (n > 0) label += " " + std::to_string(n);
  return {entryKey + numberedKey(info.key, n), std::move(value), std::move(label)};
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
    for (const SectionPage& page : pages) page.get(image, ctx.lang, lines);
    return lines;
  };
  section.set = [pages](RadioImage& image, const SectionContext& ctx, const std::string& key,
                        const std::string& value) -> Error {
    for (const SectionPage& page : pages)
      if (auto result = page.set(image, ctx.lang, key, value); result.found) return result.error;
    return unknownKeyError(key, ctx.lang);
  };
  return section;
}

namespace {

// ---- optional ------------------------------------------------------------------

std::vector<FieldLine> getOptional(const RadioImage& image, const SectionContext& ctx) {
  const OptionalFeaturesForm form = loadOptionalFeatures(image);
  std::vector<FieldLine> lines;
  for (int i = 0; i < kOptionalListCount; ++i) {
    const auto list = static_cast<OptionalList>(i);
    const auto& info = optionalListInfo(list);
    lines.push_back({info.key, entryText(optionalListItems(list, ctx.lang), form[list]), info.label.in(ctx.lang)});
  }
  for (int i = 0; i < kOptionalCheckCount; ++i) {
    const auto check = static_cast<OptionalCheck>(i);
    const auto& info = optionalCheckInfo(check);
    lines.push_back({info.key, checkText(form[check], ctx.lang), info.label.in(ctx.lang)});
  }
  lines.push_back({optionalPasswordInfo().key, form.password, optionalPasswordInfo().label.in(ctx.lang)});
  return lines;
}

Error setOptional(RadioImage& image, const SectionContext& ctx, const std::string& key, const std::string& value) {
  OptionalFeaturesForm form = loadOptionalFeatures(image);
  bool known = false;
  for (int i = 0; i < kOptionalListCount && !known; ++i) {
    const auto list = static_cast<OptionalList>(i);
    if (key != optionalListInfo(list).key) continue;
    const auto items = optionalListItems(list, ctx.lang);
    const auto index =
        findEntry(items, optionalListItems(list, Language::English), optionalListItems(list, Language::Chinese), value);
    if (!index) return entryError(items, ctx.lang);
    form[list] = *index;
    known = true;
  }
  for (int i = 0; i < kOptionalCheckCount && !known; ++i) {
    const auto check = static_cast<OptionalCheck>(i);
    if (key != optionalCheckInfo(check).key) continue;
    if (auto error = checkInto(value, ctx.lang, form[check])) return error;
    known = true;
  }
  if (!known && key == optionalPasswordInfo().key) {
    if (const auto error = passwordError(value)) return std::string(error->in(ctx.lang));
    form.password = value;
    known = true;
  }
  if (!known) return unknownKeyError(key, ctx.lang);
  storeOptionalFeatures(form, image, ctx.lang);
  return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> optionalKeys() {
  std::vector<std::pair<std::string, std::string>> keys;
  for (int i = 0; i < kOptionalListCount; ++i) {
    const auto list = static_cast<OptionalList>(i);
    const auto items = optionalListItems(list, Language::English);
    keys.emplace_back(optionalListInfo(list).key, joined(items, items.size() <= 6 ? items.size() : 3));
  }
  for (int i = 0; i < kOptionalCheckCount; ++i)
    keys.emplace_back(optionalCheckInfo(static_cast<OptionalCheck>(i)).key, kCheckRule.note);
  keys.emplace_back(optionalPasswordInfo().key, "up to six digits; empty clears it");
  return keys;
}

// ---- product -------------------------------------------------------------------

// The product form of a file as the dialog shows it once the file is open: the
// model the file names, and the bands in force after the grid has shown the file
// (the grid sets them whatever the file's own band record holds).
ProductInfoForm loadProduct(const RadioImage& image, const SectionContext& ctx) {
  RadioImage shown = image;
  ChannelGrid grid;
  BandState band;
  imageToGrid(shown, grid, band, Language::English);
  return loadProductInfo(shown, band.limits, ctx.models, std::nullopt);
}

std::vector<FieldLine> getProduct(const RadioImage& image, const SectionContext& ctx) {
  const ProductInfoForm form = loadProduct(image, ctx);
  const auto& e = form.edges;
  const std::array<std::int32_t, 4> edges{e.low1, e.high1, e.low2, e.high2};
  const FieldInfo& model = kProductFields[0];
  std::vector<FieldLine> lines{{model.key, entryText(form.models, form.model), model.label.in(ctx.lang)}};
  for (std::size_t i = 0; i < edges.size(); ++i)
    lines.push_back({kProductFields[i + 1].key, std::to_string(edges[i]), kProductFields[i + 1].label.in(ctx.lang)});
  return lines;
}

Error setProduct(RadioImage& image, const SectionContext& ctx, const std::string& key, const std::string& value) {
  for (std::size_t i = 1; i < kProductFields.size(); ++i)
    if (key == kProductFields[i].key)
      return std::string(
          Text{"the band edges are read-only; they come from the radio", "频段边界只读，来自电台"}.in(ctx.lang));
  if (key != kProductFields[0].key) return unknownKeyError(key, ctx.lang);
  ProductInfoForm form = loadProduct(image, ctx);
  if (form.models.empty())
    return std::string(Text{"no model names are configured ([Setup] Type1... of Program.ini)",
                            "没有配置机型名称（Program.ini 的 [Setup] Type1...）"}
                           .in(ctx.lang));
  const auto index = findEntry(form.models, form.models, form.models, value);
  if (!index) return entryError(form.models, ctx.lang);
  form.model = *index;
  BandState band;
  if (storeProductInfo(form, image, band) == ProductStoreResult::InvertedBand)
    return std::string(kFrequencyInputError.in(ctx.lang));
  return std::nullopt;
}

// ---- key -----------------------------------------------------------------------

std::vector<std::string> sideKeyItems(Language lang) {
  std::vector<std::string> items;
  for (const Text& t : kSideKeyChoiceTexts) items.emplace_back(t.in(lang));
  return items;
}

std::vector<FieldLine> getKey(const RadioImage& image, const SectionContext& ctx) {
  return {{kSideKeyField.key, entryText(sideKeyItems(ctx.lang), loadKeyAssign(image).choice),
           kSideKeyField.label.in(ctx.lang)}};
}

Error setKey(RadioImage& image, const SectionContext& ctx, const std::string& key, const std::string& value) {
  if (key != kSideKeyField.key) return unknownKeyError(key, ctx.lang);
  const auto items = sideKeyItems(ctx.lang);
  const auto index = findEntry(items, sideKeyItems(Language::English), sideKeyItems(Language::Chinese), value);
  if (!index) return entryError(items, ctx.lang);
  storeKeyAssign({*index}, image);
  return std::nullopt;
}

// ---- squelch -------------------------------------------------------------------

std::vector<FieldLine> getSquelch(const RadioImage& image, const SectionContext& ctx) {
  const SquelchForm form = loadSquelch(image);
  std::vector<FieldLine> lines;
  for (std::size_t row = 0; row < kSquelchRows; ++row) {
    const auto& shown = form.shown[row];
    lines.push_back(
        {kSquelchRowInfo[row].key, shown ? std::to_string(*shown) : "", kSquelchRowInfo[row].label.in(ctx.lang)});
  }
  return lines;
}

Error setSquelch(RadioImage& image, const SectionContext& ctx, const std::string& key, const std::string& value) {
  for (std::size_t row = 0; row < kSquelchRows; ++row) {
    if (key != kSquelchRowInfo[row].key) continue;
    const auto v = parseInt(value);
    if (!v || *v < kSquelchMinShown || *v > kSquelchMaxShown)
      return Text{"give a whole number from ", "请给出整数，从 "}.in(ctx.lang) + std::to_string(kSquelchMinShown) +
             Text{" to ", " 到 "}.in(ctx.lang) + std::to_string(kSquelchMaxShown);
    SquelchForm form = loadSquelch(image);
    form.shown[row] = *v;
    storeSquelch(form, image);
    return std::nullopt;
  }
  return unknownKeyError(key, ctx.lang);
}

}  // namespace

std::vector<Section> settingsDialogSections() {
  std::vector<Section> list;
  list.push_back(Section{kOptionalSection, "Optional Features", getOptional, setOptional, optionalKeys()});
  std::vector<std::pair<std::string, std::string>> productKeys;
  for (const FieldInfo& f : kProductFields) productKeys.push_back(fieldKeys(f, 0, "", 0));
  list.push_back(
      Section{kProductSection, "Product Information (band edges are read-only)", getProduct, setProduct, productKeys});
  std::string sideNote;
  for (const Text& t : kSideKeyChoiceTexts) sideNote += (sideNote.empty() ? "" : ", ") + std::string(t.en);
  list.push_back(Section{kKeyAssignSection, "Key Assignment", getKey, setKey, {{kSideKeyField.key, sideNote}}});
  std::vector<std::pair<std::string, std::string>> squelchKeys;
  for (const auto& row : kSquelchRowInfo) squelchKeys.emplace_back(row.key, std::string(row.label.en) + ", -55..54");
  list.push_back(Section{kSquelchSection, "Squelch Tuning", getSquelch, setSquelch, squelchKeys});
  return list;
}

}  // namespace radio
