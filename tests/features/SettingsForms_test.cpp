// SPDX-License-Identifier: GPL-3.0-or-later
// The settings forms (Optional Features, Product Information, Squelch Tuning, Key
// Assignment): what a dialog shows for any bytes and what its OK stores, other
// bits and bytes untouched.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "TestImages.h"
#include "features/OptionalFeaturesForm.h"
#include "features/ProductInfoForm.h"
#include "features/SquelchForm.h"

namespace radio {
namespace {

// ---- Optional Features ------------------------------------------------------

using test::newDocument;

std::string shown(const OptionalFeaturesForm& form, OptionalList list) {
  const auto items = optionalListItems(list, Language::English);
  const int i = form[list];
  return i >= 0 && i < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(i)] : "<none>";
}

// Offsets whose bytes differ between two images.
std::vector<std::size_t> changedOffsets(const RadioImage& a, const RadioImage& b) {
  std::vector<std::size_t> out;
  for (std::size_t o = 0; o < kImageSize; ++o)
    if (a.at(o) != b.at(o)) out.push_back(o);
  return out;
}

TEST(OptionalFeaturesForm, OkOverABlankImageWritesTheNormalisedBytesAndOverANewDocumentNothing) {
  RadioImage blank;
  storeOptionalFeatures(loadOptionalFeatures(blank), blank);
  EXPECT_EQ(changedOffsets(RadioImage{}, blank),
            (std::vector<std::size_t>{0x1260, 0x1261, 0x1262, 0x1263, 0x1264, 0x1265, 0x1266, 0x12A9}));
  for (std::size_t o : {0x1260, 0x1261, 0x1262, 0x1263, 0x1264, 0x12A9}) EXPECT_EQ(blank.at(o), 0) << o;
  EXPECT_EQ(blank.at(0x1265), 0x9E);
  EXPECT_EQ(blank.at(0x1266), 0x03);

  const RadioImage fresh = newDocument();
  RadioImage after = fresh;
  storeOptionalFeatures(loadOptionalFeatures(fresh), after);
  EXPECT_EQ(changedOffsets(fresh, after), std::vector<std::size_t>{});
}

// The --help note of a list names its entries: the first and the last, and
// between them only entries of the list or "...".
TEST(OptionalFeaturesForm, ListNotesNameEntriesOfTheirLists) {
  for (int i = 0; i < kOptionalListCount; ++i) {
    const auto list = static_cast<OptionalList>(i);
    const auto items = optionalListItems(list, Language::English);
    std::vector<std::string> named;
    for (std::string_view note = optionalListInfo(list).rule.note; !note.empty();) {
      const auto comma = std::min(note.find(", "), note.size());
      named.emplace_back(note.substr(0, comma));
      note.remove_prefix(std::min(comma + 2, note.size()));
    }
    ASSERT_GE(named.size(), 2u) << i;
    EXPECT_EQ(named.front(), items.front()) << i;
    EXPECT_EQ(named.back(), items.back()) << i;
    for (const std::string& n : named)
      EXPECT_TRUE(n == "..." || std::find(items.begin(), items.end(), n) != items.end()) << i << " " << n;
  }
}

TEST(OptionalFeaturesForm, PasswordIsUpToSixDigitsAndOnlyDigitsReachTheImage) {
  struct Case {
    const char* typed;
    bool accepted;
    const char* stored;  // what the next opening shows
  };
  const Case cases[] = {
      {"1234", true, "1234"},       {"012345", true, "012345"}, {"", true, ""},
      {"1234567", false, "123456"}, {"12a456", false, "12"},    {"12密码", false, "12"},
  };
  RadioImage image = newDocument();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(!passwordError(c.typed).has_value(), c.accepted);
    OptionalFeaturesForm form = loadOptionalFeatures(image);
    form.password = c.typed;
    storeOptionalFeatures(form, image);
    EXPECT_EQ(loadOptionalFeatures(image).password, c.stored);
    const std::string stored = c.stored;
    for (std::size_t i = stored.size(); i < 6; ++i) EXPECT_EQ(image.at(addr::kPassword + i), 0xFF) << i;
    EXPECT_EQ(image.at(addr::kPassword + 6), 0xFF) << "the byte after the field is not the password's";
  }
}

TEST(OptionalFeaturesForm, ValuesBeyondTheListsFallBackAndAreStoredNormalised) {
  RadioImage image = newDocument();
  image.set(0x12A9, 200);   // priority channel beyond 128
  image.set(0x1263, 5);     // step beyond the five entries
  image.set(0x1260, 9);     // TOT 270 s: the last entry still shows
  image.set(0x1265, 0x63);  // short press 3, scan mode 3
  image.set(0x1266, 0xFC);  // power-on style, back light and colour all 3
  OptionalFeaturesForm form = loadOptionalFeatures(image);
  using L = OptionalList;
  const std::pair<L, const char*> shownTexts[] = {
      {L::Priority, "None"}, {L::Step, "5"},           {L::Tot, "270"},       {L::ShortPress, "Emergency Call"},
      {L::ScanMode, "TO"},   {L::PowerOnStyle, "Off"}, {L::BackLight, "Off"}, {L::BackLightColor, "Light 1"},
  };
  for (const auto& [list, text] : shownTexts) EXPECT_EQ(shown(form, list), text) << optionalListInfo(list).key;

  storeOptionalFeatures(form, image);
  EXPECT_EQ(image.at(0x12A9), 0);
  EXPECT_EQ(image.at(0x1263), 0);
  EXPECT_EQ(image.at(0x1260), 9);
  EXPECT_EQ(image.bits(0x1265, 0, 2), 2u);
  EXPECT_EQ(image.bits(0x1265, 5, 2), 0u);
  EXPECT_EQ(image.at(0x1266) & 0xFC, 0);
}

TEST(OptionalFeaturesForm, ShortPressIsNotStoredInListOrder) {
  RadioImage image = RadioImage{};
  OptionalFeaturesForm form = loadOptionalFeatures(image);
  for (auto [index, value] : {std::pair{0, 1u}, {1, 2u}, {2, 0u}}) {
    form[OptionalList::ShortPress] = index;
    storeOptionalFeatures(form, image);
    EXPECT_EQ(image.bits(0x1265, 0, 2), value);
  }
}

TEST(OptionalFeaturesForm, CheckBoxesAreEncodedOneInvertedOneStraight) {
  RadioImage image = newDocument();  // 0x12A8 = 0xFD: bit 7 set, keypad lock unchecked
  OptionalFeaturesForm form = loadOptionalFeatures(image);
  form[OptionalCheck::KeypadLock] = true;
  form[OptionalCheck::RepeaterMskInvert] = true;
  storeOptionalFeatures(form, image);
  EXPECT_EQ(image.at(0x12A8), 0x7D);
  EXPECT_EQ(image.at(0x12AB), 0x03);
}

// ---- Product Information ----------------------------------------------------

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

// ---- Squelch Tuning ---------------------------------------------------------

std::array<std::optional<int>, 4> defaults() { return {-23, -25, -30, -34}; }

// The accepted extremes, a byte with no entry and what OK stores are tried through
// the Squelch Tuning window and set.
TEST(SquelchForm, BytesOutsideNineTo119ShowTheDefaults) {
  for (Byte fill : {Byte{0xFF}, Byte{0x00}, Byte{8}, Byte{120}}) {
    RadioImage image;
    image.fill(addr::kSquelch, 4, fill);
    const RadioImage before = image;
    EXPECT_EQ(loadSquelch(image).shown, defaults()) << int(fill);
    EXPECT_EQ(image, before);
  }
  EXPECT_EQ(loadSquelch(test::newDocument()).shown, defaults());
}

}  // namespace
}  // namespace radio
