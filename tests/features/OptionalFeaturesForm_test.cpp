#include "features/OptionalFeaturesForm.h"

#include <gtest/gtest.h>

#include "model/Document.h"

namespace radio {
namespace {

RadioImage newDocument() {
  BandRecord band{};
  return newDocumentImage(band);
}

std::string shown(const OptionalFeaturesForm& form, OptionalList list, Language lang = Language::English) {
  const auto items = optionalListItems(list, lang);
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

TEST(OptionalFeaturesForm, BlankImageShowsFallBacksAndOkWritesExactlyTheNormalisedBytes) {
  const RadioImage before = RadioImage{};
  const OptionalFeaturesForm form = loadOptionalFeatures(before);
  // Every list in the order of OptionalList.
  const char* expected[kOptionalListCount] = {"Off",    "0",       "Off",  "5",  "Off",    "None",   "Emergency Call",
                                              "Manual", "On",      "On",   "TO", "On",     "Manual", "Off",
                                              "Off",    "Light 1", "FREQ", "On", "Enable", "MSK-I"};
  for (int i = 0; i < kOptionalListCount; ++i) {
    const auto list = static_cast<OptionalList>(i);
    EXPECT_EQ(shown(form, list), expected[i]) << optionalListInfo(list).key;
  }
  EXPECT_FALSE(form[OptionalCheck::KeypadLock]);
  EXPECT_TRUE(form[OptionalCheck::RepeaterMskInvert]);
  EXPECT_EQ(form.password, "");

  RadioImage after = before;
  storeOptionalFeatures(form, after, Language::English);
  EXPECT_EQ(changedOffsets(before, after),
            (std::vector<std::size_t>{0x1260, 0x1261, 0x1262, 0x1263, 0x1264, 0x1265, 0x1266, 0x12A9}));
  for (std::size_t o : {0x1260, 0x1261, 0x1262, 0x1263, 0x1264, 0x12A9}) EXPECT_EQ(after.at(o), 0) << o;
  EXPECT_EQ(after.at(0x1265), 0x9E);
  EXPECT_EQ(after.at(0x1266), 0x03);
}

TEST(OptionalFeaturesForm, NewDocumentShowsFactorySettingsInBothLanguagesAndOkChangesNothing) {
  const RadioImage before = newDocument();
  const OptionalFeaturesForm form = loadOptionalFeatures(before);
  const std::tuple<OptionalList, const char*, const char*> expected[] = {
      {OptionalList::Tot, "30", nullptr},
      {OptionalList::Squelch, "4", nullptr},
      {OptionalList::ScanMode, "CO", "载波"},
      {OptionalList::ShortPress, "Emergency Call", "发射报警信号"},
      {OptionalList::BackLight, "Auto", "自动"},
      {OptionalList::DisplayMode, "FREQ.CH", "频率信道"},
      {OptionalList::AllowReset, "Disable", nullptr}};
  for (const auto& [list, english, chinese] : expected) {
    EXPECT_EQ(shown(form, list), english);
    if (chinese) {
      EXPECT_EQ(shown(form, list, Language::Chinese), chinese);
    }
  }
  EXPECT_FALSE(form[OptionalCheck::KeypadLock]);
  // The lists are indexes into the same entries in both languages.
  for (int i = 0; i < kOptionalListCount; ++i) {
    const auto list = static_cast<OptionalList>(i);
    EXPECT_EQ(optionalListItems(list, Language::English).size(), optionalListItems(list, Language::Chinese).size());
  }

  RadioImage after = before;
  storeOptionalFeatures(form, after, Language::English);
  EXPECT_EQ(changedOffsets(before, after), std::vector<std::size_t>{});
}

TEST(OptionalFeaturesForm, PasswordIsTheLeadingDigitsAndIsStoredAsTyped) {
  RadioImage image = newDocument();
  OptionalFeaturesForm form = loadOptionalFeatures(image);

  form.password = "1234";
  storeOptionalFeatures(form, image, Language::English);
  EXPECT_EQ(std::vector<Byte>(image.span(addr::kPassword, 6).begin(), image.span(addr::kPassword, 6).end()),
            (std::vector<Byte>{'1', '2', '3', '4', 0xFF, 0xFF}));
  EXPECT_EQ(loadOptionalFeatures(image).password, "1234");

  form.password = "12a456";
  storeOptionalFeatures(form, image, Language::English);
  EXPECT_EQ(image.at(addr::kPassword + 2), 'a');
  EXPECT_EQ(image.at(addr::kPassword + 5), '6');
  EXPECT_EQ(loadOptionalFeatures(image).password, "12");

  form.password = "98765432";
  storeOptionalFeatures(form, image, Language::English);
  EXPECT_EQ(image.text(addr::kPassword, 6), "987654");
  EXPECT_EQ(image.at(addr::kPassword + 6), 0xFF) << "the byte after the field is not the password's";

  form.password = "";
  storeOptionalFeatures(form, image, Language::English);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(image.at(addr::kPassword + i), 0xFF);
}

TEST(OptionalFeaturesForm, PasswordOutsideAsciiIsCutBetweenCharactersOfTheCodePage) {
  RadioImage image = newDocument();
  OptionalFeaturesForm form = loadOptionalFeatures(image);
  form.password = "12密码";  // two digits and two GBK characters of two bytes each
  storeOptionalFeatures(form, image, Language::Chinese);
  EXPECT_EQ(image.at(addr::kPassword + 1), '2');
  EXPECT_NE(image.at(addr::kPassword + 5), 0xFF);
  form.password = "123密码";  // the second character would not fit whole
  storeOptionalFeatures(form, image, Language::Chinese);
  EXPECT_NE(image.at(addr::kPassword + 4), 0xFF);
  EXPECT_EQ(image.at(addr::kPassword + 5), 0xFF);
}

TEST(OptionalFeaturesForm, ValuesBeyondTheListsFallBackAndAreStoredNormalised) {
  RadioImage image = newDocument();
  image.set(0x12A9, 200);   // priority channel beyond 128
  image.set(0x1263, 5);     // step beyond the five entries
  image.set(0x1260, 9);     // TOT 270 s: the last entry still shows
  image.set(0x1265, 0x63);  // short press 3, scan mode 3
  image.set(0x1266, 0xFC);  // power-on style, back light and colour all 3
  OptionalFeaturesForm form = loadOptionalFeatures(image);
  EXPECT_EQ(shown(form, OptionalList::Priority), "None");
  EXPECT_EQ(shown(form, OptionalList::Step), "5");
  EXPECT_EQ(shown(form, OptionalList::Tot), "270");
  EXPECT_EQ(shown(form, OptionalList::ShortPress), "Emergency Call");
  EXPECT_EQ(shown(form, OptionalList::ScanMode), "TO");
  EXPECT_EQ(shown(form, OptionalList::PowerOnStyle), "Off");
  EXPECT_EQ(shown(form, OptionalList::BackLight), "Off");
  EXPECT_EQ(shown(form, OptionalList::BackLightColor), "Light 1");

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

TEST(OptionalFeaturesForm, BitsOwnedByOthersAreNeverChanged) {
  // Start from every value of the shared bytes and flip every field the other way.
  for (unsigned v = 0; v < 256; ++v) {
    RadioImage image = newDocument();
    for (std::size_t o : {0x1266, 0x1267, 0x12A8, 0x12AB}) image.set(o, static_cast<Byte>(v));
    const RadioImage before = image;
    OptionalFeaturesForm form = loadOptionalFeatures(image);
    for (auto list :
         {OptionalList::StrSet, OptionalList::BatterySaver, OptionalList::AllowReset, OptionalList::MskType})
      form[list] = 1 - form[list];
    form[OptionalList::DisplayMode] = 3 - form[OptionalList::DisplayMode];
    form[OptionalCheck::KeypadLock] = !form[OptionalCheck::KeypadLock];
    form[OptionalCheck::RepeaterMskInvert] = !form[OptionalCheck::RepeaterMskInvert];
    storeOptionalFeatures(form, image, Language::English);
    EXPECT_EQ(image.at(0x1266) & 0x02, before.at(0x1266) & 0x02) << v;
    EXPECT_EQ(image.at(0x1267) & 0xFC, before.at(0x1267) & 0xFC) << v;
    EXPECT_EQ(image.at(0x12A8) & 0x7E, before.at(0x12A8) & 0x7E) << v;
    EXPECT_EQ(image.at(0x12AB) & 0xEC, before.at(0x12AB) & 0xEC) << v;
    // And the owned bits did change.
    EXPECT_NE(image.bit(0x12A8, 7), before.bit(0x12A8, 7)) << v;
    EXPECT_NE(image.bit(0x12AB, 1), before.bit(0x12AB, 1)) << v;
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
