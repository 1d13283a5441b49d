// SPDX-License-Identifier: GPL-3.0-or-later
// The Product Information dialog's data: the model list, the chosen model and the
// two bands the radio covers, with the band check and the store into the image
// and the process-wide band state.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "features/FieldInfo.h"
#include "features/FormFields.h"
#include "model/BandState.h"
#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// The dialog's section of get and set.
inline constexpr const char* kProductSection = "product";

class IniFile;

inline constexpr int kMaxModels = 19;  // [Setup] Type1 .. Type19

// The model list, then the four band edges (shown, never edited).
inline constexpr ValueRule kBandEdgeRule{.note = "MHz, read-only"};
inline constexpr std::array<FieldInfo, 5> kProductFields{{
    {.key = "model",
     .label = {"Model", "机型"},
     .helpId = 1013,
     .rule = {.kind = ValueKind::Choice,
              .note = "a model name of Program.ini [Setup] Type1..Type19, or #N for the N-th from 0"}},
    {.key = "band1_low", .label = {"Field", "频段"}, .helpId = 1113, .rule = kBandEdgeRule},
    {.key = "band1_high", .label = {"Field", "频段"}, .helpId = 1114, .rule = kBandEdgeRule},
    {.key = "band2_low", .label = {"Field", "频段"}, .helpId = 1115, .rule = kBandEdgeRule},
    {.key = "band2_high", .label = {"Field", "频段"}, .helpId = 1116, .rule = kBandEdgeRule},
}};

// The band edges in whole MHz, as the four edits show them.
struct BandEdges {
  std::int32_t low1 = 0;
  std::int32_t high1 = 0;
  std::int32_t low2 = 0;
  std::int32_t high2 = 0;
  bool operator==(const BandEdges&) const = default;
};

// Each edge divided by 100000 (integer division) and back.
[[nodiscard]] BandEdges bandEdgesFromLimits(const BandLimits& limits);
[[nodiscard]] BandLimits bandLimitsFromEdges(const BandEdges& edges);

struct ProductInfoForm {
  std::vector<std::string> models;  // the list entries
  int model = -1;                   // selected entry; -1 when none
  BandEdges edges;
  bool operator==(const ProductInfoForm&) const = default;
};

// The dialog's fields as get and set reach them: the model as the index of its
// name, the band edges as numbers that set refuses.
[[nodiscard]] std::span<const FormField<ProductInfoForm>> productInfoRows();

// The model names: value "Type1", "Type2", ... of [Setup], stopping at the first
// missing or empty one. Looks values up through getValue(key).
[[nodiscard]] std::vector<std::string> modelNames(const std::function<std::string(const std::string&)>& getValue);
// The same from the configuration file; an empty list without one.
[[nodiscard]] std::vector<std::string> modelNames(const IniFile* config);

// What the dialog shows. preselect is the remembered model choice: the first
// model when none is remembered, no selection when it lies beyond the list.
// Without a remembered choice at all (nullopt) the image's model byte selects.
[[nodiscard]] ProductInfoForm loadProductInfo(const RadioImage& image, const BandLimits& limits,
                                              std::vector<std::string> models, std::optional<std::int64_t> preselect);

enum class ProductStoreResult {
  Stored,
  InvertedBand,  // an upper edge below its lower edge: nothing was written
};

// OK: with both bands in order, writes the model byte (0xFF without selection)
// and the band record into the image, and sets band.limits and band.record.
// An inverted band is refused before anything is written.
[[nodiscard]] ProductStoreResult storeProductInfo(const ProductInfoForm& form, RadioImage& image, BandState& band);

// The refusal of an inverted band.
inline constexpr Text kFrequencyInputError{"Frequency input error", "起始频率应小于结束频率"};

}  // namespace radio
