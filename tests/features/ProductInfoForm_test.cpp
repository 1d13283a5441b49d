#include "features/ProductInfoForm.h"

#include <gtest/gtest.h>

#include <map>

namespace radio {
namespace {

BandLimits mhz(int l1, int h1, int l2, int h2) { return {l1 * 100'000, h1 * 100'000, l2 * 100'000, h2 * 100'000}; }

std::vector<Byte> bandBytes(const RadioImage& image) {
  const auto r = image.bandRecord();
  return {r.begin(), r.end()};
}

const std::vector<std::string> kThreeModels{"A-100", "B-200", "C-300"};

TEST(ProductInfoForm, ModelNamesStopAtTheFirstMissingKey) {
  const std::map<std::string, std::string> setup{{"Type1", "A"}, {"Type2", "B"}, {"Type4", "D"}};
  const auto get = [&](const std::string& key) {
    const auto it = setup.find(key);
    return it == setup.end() ? std::string{} : it->second;
  };
  EXPECT_EQ(modelNames(get), (std::vector<std::string>{"A", "B"}));
  EXPECT_TRUE(modelNames(static_cast<const IniFile*>(nullptr)).empty());

  // At most nineteen names are read.
  const auto all = [](const std::string& key) { return key; };
  const auto names = modelNames(all);
  ASSERT_EQ(names.size(), 19u);
  EXPECT_EQ(names.back(), "Type19");
}

TEST(ProductInfoForm, PreselectionComesFromTheRememberedChoiceNotTheImage) {
  RadioImage image;
  image.set(addr::kModelIndex, 2);
  // Nothing remembered: the first model; beyond the list: no selection.
  const std::pair<int, int> remembered[] = {{0, 0}, {1, 1}, {3, -1}, {-1, -1}};
  for (const auto& [choice, model] : remembered)
    EXPECT_EQ(loadProductInfo(image, {}, kThreeModels, choice).model, model) << choice;
  EXPECT_EQ(loadProductInfo(image, {}, {}, 0).model, -1) << "empty list";
  // Without any remembered choice (the command-line tool) the image selects.
  EXPECT_EQ(loadProductInfo(image, {}, kThreeModels, std::nullopt).model, 2);
  image.set(addr::kModelIndex, 0xFF);
  EXPECT_EQ(loadProductInfo(image, {}, kThreeModels, std::nullopt).model, -1);
  // No selection is stored as 0xFF.
  image.set(addr::kModelIndex, 0);
  BandState band;
  ASSERT_EQ(storeProductInfo(loadProductInfo(image, band.limits, kThreeModels, 7), image, band),
            ProductStoreResult::Stored);
  EXPECT_EQ(image.at(addr::kModelIndex), 0xFF);
}

TEST(ProductInfoForm, EdgesAreTheLimitsInWholeMegahertz) {
  const BandLimits odd{13'699'999, 17'400'001, 40'000'000, 52'012'500};
  EXPECT_EQ(loadProductInfo(RadioImage{}, odd, {}, 0).edges, (BandEdges{136, 174, 400, 520}));
}

TEST(ProductInfoForm, OkWritesModelBandRecordLimitsAndRecord) {
  for (const auto& [limits, bytes] :
       {std::pair{mhz(136, 174, 400, 480), std::vector<Byte>{0x13, 0x17, 0x64, 0x40, 0x48, 0x00}},
        std::pair{mhz(136, 174, 400, 520), std::vector<Byte>{0x13, 0x17, 0x64, 0x40, 0x52, 0x00}},
        std::pair{mhz(400, 400, 400, 400), std::vector<Byte>{0x40, 0x40, 0x00, 0x40, 0x40, 0x00}}}) {
    RadioImage image;
    BandState band;
    band.limits = limits;
    const ProductInfoForm form = loadProductInfo(image, band.limits, kThreeModels, 1);
    ASSERT_EQ(storeProductInfo(form, image, band), ProductStoreResult::Stored);
    EXPECT_EQ(image.at(addr::kModelIndex), 1);
    EXPECT_EQ(bandBytes(image), bytes);
    EXPECT_EQ(std::vector<Byte>(band.record.begin(), band.record.end()), bytes);
    EXPECT_EQ(band.limits, limits);
  }
}

TEST(ProductInfoForm, AnInvertedBandIsRefusedWithoutWritingAnything) {
  for (const BandLimits& limits : {mhz(174, 136, 400, 480), mhz(136, 174, 480, 400)}) {
    RadioImage image;
    image.set(addr::kModelIndex, 2);
    const RadioImage before = image;
    BandState band;
    band.limits = limits;
    band.record = kGridBandRecord;
    const BandState bandBefore = band;
    const ProductInfoForm form = loadProductInfo(image, band.limits, kThreeModels, 0);
    EXPECT_EQ(storeProductInfo(form, image, band), ProductStoreResult::InvertedBand);
    EXPECT_EQ(image, before);
    EXPECT_EQ(band.limits, bandBefore.limits);
    EXPECT_EQ(band.record, bandBefore.record);
  }
}

}  // namespace
}  // namespace radio
