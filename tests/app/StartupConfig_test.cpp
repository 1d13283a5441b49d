// What start-up takes from Program.ini and the stored settings, the pages by
// their labels, and which help page a request opens.
#include <gtest/gtest.h>

#include <vector>

#include "TempFolder.h"
#include "app/HelpTopics.h"
#include "app/IniFile.h"
#include "app/Pages.h"
#include "app/StartupConfig.h"

namespace radio {
namespace {

class StartupConfigTest : public test::TempFolderTest {
 protected:
  StartupConfig read(const std::string& text) {
    test::writeFile(dir_ / "Program.ini", text);
    IniFile ini;
    EXPECT_TRUE(ini.load(dir_ / "Program.ini", false, true, false));
    return readStartupConfig(ini);
  }
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

TEST_F(StartupConfigTest, OnlyTheExactNameChineseSelectsChineseAndShowLangIsAWholeNumber) {
  struct Case {
    const char* text;
    const char* languageName;
    Language lang;
    bool showLanguage;
  };
  const Case cases[] = {
      {"", "", Language::English, false},
      {"[Setup]\nLanguage=chinese\nShowLang=yes\n", "chinese", Language::English, false},
      // The blank before a comment stays part of the value.
      {"[Setup]\nLanguage=Chinese // the language\nShowLang=2x\n", "Chinese ", Language::English, true},
      {"[Setup]\nLanguage=Chinese\nShowLang=0\n", "Chinese", Language::Chinese, false},
  };
  for (const Case& c : cases) {
    const StartupConfig config = read(c.text);
    EXPECT_EQ(config.languageName, c.languageName) << c.text;
    EXPECT_EQ(config.lang, c.lang) << c.text;
    EXPECT_EQ(config.showLanguageCommand, c.showLanguage) << c.text;
    EXPECT_EQ(translationFileName(config.languageName), std::string(c.languageName) + ".qm");
  }
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
  EXPECT_EQ(bandRecordFromStored(std::array<Byte, 6>{}), kDefaultBandRecord);  // normalised
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

TEST(HelpTopics, PageOfARequest) {
  struct Case {
    int contextId;
    std::vector<int> idsAround;
    const char* page;
  };
  const Case cases[] = {
      // A command names its page wherever it is asked for.
      {32788, {1036, 143, windowhelp::kDtmf.id}, "optional.html"},
      // A control asks through the nearest window that has a page.
      {1036, {1036, 143, windowhelp::kDtmf.id, windowhelp::kMainFrame.id}, "dtmf.html"},
      {1, {1, windowhelp::kSquelchTuning.id}, "squelch.html"},
      {1255, {windowhelp::kProcess.id}, "transfer.html"},
      // Without a window, a control of one window only still finds its page.
      {2127, {}, "main.html"},
      // Nothing known: the contents.
      {4321, {4321, 99}, "index.html"},
  };
  for (const Case& c : cases) EXPECT_EQ(helpPageFor(c.contextId, c.idsAround), c.page) << c.contextId;
}

}  // namespace
}  // namespace radio
