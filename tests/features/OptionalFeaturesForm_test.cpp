#include "features/OptionalFeaturesForm.h"

#include <gtest/gtest.h>

#include "TestImages.h"

namespace radio {
namespace {

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
  storeOptionalFeatures(loadOptionalFeatures(blank), blank, Language::English);
  EXPECT_EQ(changedOffsets(RadioImage{}, blank),
            (std::vector<std::size_t>{0x1260, 0x1261, 0x1262, 0x1263, 0x1264, 0x1265, 0x1266, 0x12A9}));
  for (std::size_t o : {0x1260, 0x1261, 0x1262, 0x1263, 0x1264, 0x12A9}) EXPECT_EQ(blank.at(o), 0) << o;
  EXPECT_EQ(blank.at(0x1265), 0x9E);
  EXPECT_EQ(blank.at(0x1266), 0x03);

  const RadioImage fresh = newDocument();
  RadioImage after = fresh;
  storeOptionalFeatures(loadOptionalFeatures(fresh), after, Language::English);
  EXPECT_EQ(changedOffsets(fresh, after), std::vector<std::size_t>{});
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
    storeOptionalFeatures(form, image, Language::Chinese);
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
  for (const auto& [list, text] : {std::pair{L::Priority, "None"},
                                   {L::Step, "5"},
                                   {L::Tot, "270"},
                                   {L::ShortPress, "Emergency Call"},
                                   {L::ScanMode, "TO"},
                                   {L::PowerOnStyle, "Off"},
                                   {L::BackLight, "Off"},
                                   {L::BackLightColor, "Light 1"}})
    EXPECT_EQ(shown(form, list), text) << optionalListInfo(list).key;

  storeOptionalFeatures(form, image, Language::English);
  EXPECT_EQ(image.at(0x12A9), 0);
  EXPECT_EQ(image.at(0x1263), 0);
  EXPECT_EQ(image.at(0x1260), 9);
  EXPECT_EQ(image.bits(0x1265, 0, 2), 2u);
  EXPECT_EQ(image.bits(0x1265, 5, 2), 0u);
  EXPECT_EQ(image.at(0x1266) & 0xFC, 0);
}

TEST(OptionalFeaturesForm, EveryListEntryStoresItsEncodingAndReadsBack) {
  for (int i = 0; i < kOptionalListCount; ++i) {
    const auto list = static_cast<OptionalList>(i);
    const int entries = static_cast<int>(optionalListItems(list, Language::English).size());
    for (int index = 0; index < entries; ++index) {
      RadioImage image = newDocument();
      OptionalFeaturesForm form = loadOptionalFeatures(image);
      form[list] = index;
      storeOptionalFeatures(form, image, Language::English);
      EXPECT_EQ(loadOptionalFeatures(image)[list], index) << optionalListInfo(list).key << " " << index;
    }
  }
  // The short press list is not stored in list order.
  RadioImage image = RadioImage{};
  OptionalFeaturesForm form = loadOptionalFeatures(image);
  for (auto [index, value] : {std::pair{0, 1u}, {1, 2u}, {2, 0u}}) {
    form[OptionalList::ShortPress] = index;
    storeOptionalFeatures(form, image, Language::English);
    EXPECT_EQ(image.bits(0x1265, 0, 2), value);
  }
}

TEST(OptionalFeaturesForm, CheckBoxesAreEncodedOneInvertedOneStraight) {
  RadioImage image = newDocument();  // 0x12A8 = 0xFD: bit 7 set, keypad lock unchecked
  OptionalFeaturesForm form = loadOptionalFeatures(image);
  form[OptionalCheck::KeypadLock] = true;
  form[OptionalCheck::RepeaterMskInvert] = true;
  storeOptionalFeatures(form, image, Language::English);
  EXPECT_EQ(image.at(0x12A8), 0x7D);
  EXPECT_EQ(image.at(0x12AB), 0x03);
}

}  // namespace
}  // namespace radio
