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

std::optional<bool> parseCheck(const std::string& value) {
  const std::string v = lowerAscii(value);
  for (const char* yes : {"checked", "选中", "1", "on", "yes", "true"})
    if (v == yes) return true;
  for (const char* no : {"unchecked", "未选中", "0", "off", "no", "false"})
    if (v == no) return false;
  return std::nullopt;
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

// The entry a value names: the entry text in the chosen language or in English
// (ignoring case), or "#N" for the N-th entry counted from 0.
std::optional<int> findEntry(const std::vector<std::string>& shown, const std::vector<std::string>& english,
                             const std::string& value) {
  for (const auto* items : {&shown, &english})
    for (std::size_t i = 0; i < items->size(); ++i)
      if (lowerAscii((*items)[i]) == lowerAscii(value)) return static_cast<int>(i);
  if (value.size() > 1 && value[0] == '#') {
    const auto n = parseInt(std::string_view(value).substr(1));
    if (n && *n >= 0 && *n < static_cast<int>(shown.size())) return *n;
  }
  return std::nullopt;
}

std::string entryError(const std::vector<std::string>& items) {
  return "not an entry of the list (" + joined(items) + "; or #0..#" + std::to_string(items.size() - 1) + ")";
}

std::string entryText(const std::vector<std::string>& items, int index) {
  return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)] : "";
}

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
    const auto index = findEntry(items, optionalListItems(list, Language::English), value);
    if (!index) return entryError(items);
    form[list] = *index;
    known = true;
  }
  for (int i = 0; i < kOptionalCheckCount && !known; ++i) {
    const auto check = static_cast<OptionalCheck>(i);
    if (key != optionalCheckInfo(check).key) continue;
    const auto on = parseCheck(value);
    if (!on) return std::string("give checked or unchecked (or 1/0)");
    form[check] = *on;
    known = true;
  }
  if (!known && key == optionalPasswordInfo().key) {
    if (const auto error = passwordError(value)) return std::string(error->in(ctx.lang));
    form.password = value;
    known = true;
  }
  if (!known) return "unknown key '" + key + "' (see 'radioprog-cli set --help')";
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
    keys.emplace_back(optionalCheckInfo(static_cast<OptionalCheck>(i)).key, "checked, unchecked");
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
    if (key == kProductFields[i].key) return std::string("the band edges are read-only; they come from the radio");
  if (key != kProductFields[0].key) return "unknown key '" + key + "' (see 'radioprog-cli set --help')";
  ProductInfoForm form = loadProduct(image, ctx);
  if (form.models.empty()) return std::string("no model names are configured ([Setup] Type1... of Program.ini)");
  const auto index = findEntry(form.models, form.models, value);
  if (!index) return entryError(form.models);
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
  if (key != kSideKeyField.key) return "unknown key '" + key + "' (see 'radioprog-cli set --help')";
  const auto items = sideKeyItems(ctx.lang);
  const auto index = findEntry(items, sideKeyItems(Language::English), value);
  if (!index) return entryError(items);
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

Error setSquelch(RadioImage& image, const SectionContext&, const std::string& key, const std::string& value) {
  for (std::size_t row = 0; row < kSquelchRows; ++row) {
    if (key != kSquelchRowInfo[row].key) continue;
    const auto v = parseInt(value);
    if (!v || *v < kSquelchMinShown || *v > kSquelchMaxShown)
      return "give a whole number from " + std::to_string(kSquelchMinShown) + " to " + std::to_string(kSquelchMaxShown);
    SquelchForm form = loadSquelch(image);
    form.shown[row] = *v;
    storeSquelch(form, image);
    return std::nullopt;
  }
  return "unknown key '" + key + "' (see 'radioprog-cli set --help')";
}

}  // namespace

std::vector<Section> settingsDialogSections() {
  std::vector<Section> list;
  list.push_back(Section{"optional", "Optional Features", getOptional, setOptional, optionalKeys()});
  list.push_back(Section{"product",
                         "Product Information (band edges are read-only)",
                         getProduct,
                         setProduct,
                         {{"model", "a model name of Program.ini [Setup] Type1..Type19, or #N for the N-th from 0"},
                          {"band1_low", "MHz, read-only"},
                          {"band1_high", "MHz, read-only"},
                          {"band2_low", "MHz, read-only"},
                          {"band2_high", "MHz, read-only"}}});
  std::string sideNote;
  for (const Text& t : kSideKeyChoiceTexts) sideNote += (sideNote.empty() ? "" : ", ") + std::string(t.en);
  list.push_back(Section{"key", "Key Assignment", getKey, setKey, {{kSideKeyField.key, sideNote}}});
  std::vector<std::pair<std::string, std::string>> squelchKeys;
  for (const auto& row : kSquelchRowInfo) squelchKeys.emplace_back(row.key, std::string(row.label.en) + ", -55..54");
  list.push_back(Section{"squelch", "Squelch Tuning", getSquelch, setSquelch, squelchKeys});
  return list;
}

}  // namespace radio
