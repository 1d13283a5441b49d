#include "app/StartupConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/IniFile.h"
#include "app/Pages.h"

namespace radio {
namespace {

class StartupConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("startup_config_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  StartupConfig read(const std::string& text) {
    const auto path = dir_ / "Program.ini";
    std::ofstream(path) << text;
    IniFile ini;
    EXPECT_TRUE(ini.load(path, false, true, false));
    return readStartupConfig(ini);
  }

  std::filesystem::path dir_;
};

TEST_F(StartupConfigTest, ReadsLanguageSectionAndSetupKeys) {
  const StartupConfig c = read(
      "[Setup]\nLanguage=Chinese\nAppName=radioprog\nShowLang=1\n"
      "[English]\nCompany=EN Co\n[Chinese]\ncompany=中文公司\nTitle=标题\nCopyrights Owner=所有者\n");
  EXPECT_EQ(c.lang, Language::Chinese);
  EXPECT_EQ(c.appName, "radioprog");
  EXPECT_TRUE(c.showLanguageCommand);
  // "company" and "Company" are one entry: names are compared without case.
  EXPECT_EQ(c.company, "中文公司");
  EXPECT_EQ(c.title, "标题");
  EXPECT_EQ(c.about.copyrightOwner, "所有者");
}

TEST_F(StartupConfigTest, OnlyTheExactNameChineseSelectsChinese) {
  EXPECT_EQ(read("[Setup]\nLanguage=chinese\n").lang, Language::English);
  EXPECT_EQ(read("[Setup]\nLanguage=chinese\n").languageName, "chinese");
  // The blank before a comment stays part of the value.
  const StartupConfig commented = read("[Setup]\nLanguage=Chinese // the language\n");
  EXPECT_EQ(commented.languageName, "Chinese ");
  EXPECT_EQ(commented.lang, Language::English);
  EXPECT_EQ(translationFileName(commented.languageName), "Chinese .qm");
}

TEST_F(StartupConfigTest, EmptyFileGivesDefaults) {
  const StartupConfig c = read("");
  EXPECT_EQ(c.languageName, "");
  EXPECT_EQ(c.lang, Language::English);
  EXPECT_FALSE(c.showLanguageCommand);
  EXPECT_EQ(c.company, "");
  EXPECT_EQ(translationFileName(c.languageName), ".qm");
}

TEST_F(StartupConfigTest, LanguageCommandShownForNonZeroWholeNumbers) {
  for (const auto& [value, shown] : {std::pair{"0", false}, {"yes", false}, {"", false}, {"1", true}, {"2x", true}})
    EXPECT_EQ(read(std::string("[Setup]\nShowLang=") + value + "\n").showLanguageCommand, shown) << value;
}

TEST(WholeNumberTest, ReadsLikeAtoiWithoutOverflow) {
  const std::pair<const char*, long> cases[] = {
      {"", 0},   {"  42abc", 42}, {"-7", -7},
      {"+3", 3}, {"x1", 0},       {"99999999999999999999999999", std::numeric_limits<long>::max()}};
  for (const auto& [text, value] : cases) EXPECT_EQ(wholeNumber(text), value) << text;
}

TEST(BandRecordTest, StoredRecordIsTakenOnlyWhenSixBytes) {
  const std::array<Byte, 6> stored{0x13, 0x17, 0x50, 0x40, 0x52, 0x00};
  EXPECT_EQ(bandRecordFromStored(stored), (BandRecord{0x13, 0x17, 0x50, 0x40, 0x52, 0x00}));
  const std::array<Byte, 6> zeros{};
  EXPECT_EQ(bandRecordFromStored(zeros), kDefaultBandRecord);
  std::array<Byte, 6> ff;
  ff.fill(0xFF);
  EXPECT_EQ(bandRecordFromStored(ff), kDefaultBandRecord);
  // A value of another size is not a band record: the record stays unset.
  const std::array<Byte, 8> tooLong{0x13, 0x17, 0x50, 0x40, 0x52, 0x00, 0x01, 0x02};
  EXPECT_EQ(bandRecordFromStored(tooLong), BandRecord{});
  EXPECT_EQ(bandRecordFromStored(std::span<const Byte>(stored).first(3)), BandRecord{});
}

TEST(PagesTest, LabelsAreRecognisedInTheirLanguageOnly) {
  for (const Language lang : {Language::English, Language::Chinese})
    for (const Page page : kAllPages) EXPECT_EQ(pageForLabel(pageLabel(page, lang), lang), page);
  EXPECT_EQ(pageForLabel("机型设置", Language::English), std::nullopt);
  EXPECT_EQ(pageForLabel("Optional Features", Language::Chinese), std::nullopt);
}

}  // namespace
}  // namespace radio
