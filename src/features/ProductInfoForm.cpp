// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/ProductInfoForm.h"

#include "app/IniFile.h"
#include "features/SettingsSections.h"

namespace radio {
namespace {
constexpr std::int32_t kPerMhz = 100'000;

constexpr std::array<FormField<ProductInfoForm>, 2> kRows{{
    {.info = &kProductFields[0],
     .show = [](const ProductInfoForm& form, int, Language) { return entryText(form.models, form.model); },
     .type = [](ProductInfoForm& form, int, const std::string& value, Language lang) -> std::optional<std::string> {
       if (form.models.empty())
         return std::string(Text{"no model names are configured ([Setup] Type1... of Program.ini)",
                                 "没有配置机型名称（Program.ini 的 [Setup] Type1...）"}
                                .in(lang));
       return chooseInto([&form](Language) { return form.models; }, value, lang, form.model);
     }},
    {.info = &kProductFields[1],
     .columns = 4,
     .show =
         [](const ProductInfoForm& form, int edge, Language) {
           const BandEdges& e = form.edges;
           return std::to_string(std::array{e.low1, e.high1, e.low2, e.high2}.at(static_cast<std::size_t>(edge)));
         },
     .type = [](ProductInfoForm&, int, const std::string&, Language lang) -> std::optional<std::string> {
       return Text{"the band edges are read-only; they come from the radio", "频段边界只读，来自电台"}.in(lang);
     }},
}};
}  // namespace

std::span<const FormField<ProductInfoForm>> productInfoRows() { return kRows; }

BandEdges bandEdgesFromLimits(const BandLimits& limits) {
  return {limits.low1 / kPerMhz, limits.high1 / kPerMhz, limits.low2 / kPerMhz, limits.high2 / kPerMhz};
}

BandLimits bandLimitsFromEdges(const BandEdges& edges) {
  return {edges.low1 * kPerMhz, edges.high1 * kPerMhz, edges.low2 * kPerMhz, edges.high2 * kPerMhz};
}

std::vector<std::string> modelNames(const std::function<std::string(const std::string&)>& getValue) {
  std::vector<std::string> names;
  for (int n = 1; n <= kMaxModels; ++n) {
    std::string name = getValue("Type" + std::to_string(n));
    if (name.empty()) break;
    names.push_back(std::move(name));
  }
  return names;
}

std::vector<std::string> modelNames(const IniFile* config) {
  if (!config) return {};
  return modelNames([config](const std::string& key) { return config->get("Setup", key); });
}

ProductInfoForm loadProductInfo(const RadioImage& image, const BandLimits& limits, std::vector<std::string> models,
                                std::optional<std::int64_t> preselect) {
  ProductInfoForm form;
  form.models = std::move(models);
  const std::int64_t choice = preselect ? *preselect : image.at(addr::kModelIndex);
  const auto count = static_cast<std::int64_t>(form.models.size());
  form.model = choice >= 0 && choice < count ? static_cast<int>(choice) : -1;
  form.edges = bandEdgesFromLimits(limits);
  return form;
}

ProductStoreResult storeProductInfo(const ProductInfoForm& form, RadioImage& image, BandState& band) {
  const BandEdges& e = form.edges;
  if (e.high1 < e.low1 || e.high2 < e.low2) return ProductStoreResult::InvertedBand;
  const bool selected = form.model >= 0 && form.model < static_cast<int>(form.models.size());
  image.set(addr::kModelIndex, selected ? static_cast<Byte>(form.model) : Byte{0xFF});
  band.limits = bandLimitsFromEdges(e);
  band.record = bandRecordFromLimits(band.limits);
  image.setBandRecord(band.record);
  return ProductStoreResult::Stored;
}

}  // namespace radio
