// SPDX-License-Identifier: GPL-3.0-or-later
// Program.ini and its neighbours: the ini reader's rules, where the program's files
// and the user's copy live, what start-up takes from the file and the stored
// settings, the pages by their labels, and which help page a request opens.
#include <gtest/gtest.h>

#include <unistd.h>
#include <string_view>
#include <vector>

#include "TempFolder.h"
#include "app/HelpTopics.h"
#include "app/IniFile.h"
#include "app/Pages.h"
#include "app/ProgramFiles.h"
#include "app/StartupConfig.h"

namespace radio {
namespace {

// ---- The ini file -----------------------------------------------------------

namespace fs = std::filesystem;

class IniFileTest : public test::TempFolderTest {
 protected:
  void write(const std::string& text) { test::writeFile(path(), text); }
  std::string read() const { return test::readFile(path()); }
  fs::path path() const { return dir_ / "Program.ini"; }
};

TEST_F(IniFileTest, LookupRules) {
  write(
      "top=1\n"
      "[Setup]\n"
      "  Language = Chinese //comment\n"
      "Key=first\n"
      "Key=second\n"
      "Semi=a ;b\n"
      "Tab=a\t;b\n"
      "Block=x/*y\n"
      "; Comment=1\n"
      "/Slash=1\n"
      "\\Back=1\n"
      "*Star=1\n"
      "NoValue\n"
      "=novalue\n"
      "[Setup]\n"
      "Other=in second section\n");
  IniFile ini;
  ASSERT_TRUE(ini.load(path(), false, true, false));
  EXPECT_EQ(ini.get("", "top"), "1");
  // The blank before // stays; commented-out keys are absent.
  const std::pair<const char*, const char*> values[] = {
      {"Language", "Chinese "}, {"Key", "second"},  {"Semi", "a ;b"},   {"Tab", "a"},      {"Block", "x"},
      {"; Comment", "none"},    {"/Slash", "none"}, {"\\Back", "none"}, {"*Star", "none"}, {"NoValue", ""}};
  for (const auto& [key, value] : values) EXPECT_EQ(ini.get("Setup", key, "none"), value) << key;
  EXPECT_EQ(ini.get("Setup", "Other", "  dflt  "), "dflt");  // only the first [Setup] is searched
  EXPECT_EQ(ini.get("Missing", "x", "  kept  "), "  kept  ");
  EXPECT_EQ(ini.get("setup", "KEY"), "second");
}

TEST_F(IniFileTest, CaseSensitivityFollowsTheFlag) {
  write("[English]\nCompany=Acme\n");
  IniFile exact;
  ASSERT_TRUE(exact.load(path(), false, false, false));
  EXPECT_EQ(exact.get("English", "company", "-"), "-");
  IniFile folded;
  ASSERT_TRUE(folded.load(path(), false, true, false));
  folded.set("english", "company", "Other");
  EXPECT_EQ(folded.get("English", "Company"), "Other");
  EXPECT_EQ(folded.serialise(), "[English]\nCompany=Other\n");
}

TEST_F(IniFileTest, SetOnlyWhenLoadedAndRewriteDropsComments) {
  IniFile empty;
  empty.set("Setup", "Language", "Chinese");
  EXPECT_FALSE(empty.modified());
  EXPECT_EQ(empty.get("Setup", "Language", "x"), "x");

  write("; a comment line\n[Setup]\nLanguage=English\n");
  {
    IniFile ini;
    ASSERT_TRUE(ini.load(path(), true, true, false));
    ini.set("Setup", "Language", "English");
    EXPECT_FALSE(ini.modified());
    ini.set("Setup", "Language", "Chinese");
    ini.set("New", "Key", "v");
    EXPECT_TRUE(ini.modified());
  }  // auto-save on destruction
  EXPECT_EQ(read(), "[Setup]\nLanguage=Chinese\n[New]\nKey=v\n");
}

TEST_F(IniFileTest, MissingFileIsCreatedEmpty) {
  IniFile ini;
  ASSERT_TRUE(ini.load(path(), false, true, false));
  EXPECT_TRUE(fs::exists(path()));
  EXPECT_EQ(ini.get("Setup", "Language"), "");
  EXPECT_FALSE(ini.load(dir_ / "no-folder" / "x.ini", false, true, false));
  ini.set("Setup", "Language", "x");  // the failed load left no path
  EXPECT_FALSE(ini.modified());
}

TEST_F(IniFileTest, NumberedBackups) {
  write("[Setup]\nA=1\n");
  for (const char* name : {"Program.007", "Program.012", "Programme.099"}) test::writeFile(dir_ / name, "old");
  IniFile ini;
  ASSERT_TRUE(ini.load(path(), false, true, true));
  ini.set("Setup", "A", "2");
  const std::string backup = ini.save(true);
  EXPECT_EQ(fs::path(backup).filename(), "Program.013");
  EXPECT_EQ(test::readFile(backup), "[Setup]\nA=1\n");
  EXPECT_EQ(read(), "[Setup]\nA=2\n");
  EXPECT_EQ(ini.save(true), "");  // nothing changed: nothing written
}

TEST_F(IniFileTest, SectionWithAnEmptyNameKeepsItsEntriesThroughASave) {
  write("top=1\n[Setup]\nLanguage=English\n[]\nLanguage=Chinese\n");
  IniFile ini;
  ASSERT_TRUE(ini.load(path(), false, true, false));
  ini.set("Setup", "AppName", "Test");
  (void)ini.save(false);
  EXPECT_EQ(read(), "top=1\n[Setup]\nLanguage=English\nAppName=Test\n[]\nLanguage=Chinese\n");
  IniFile again;
  ASSERT_TRUE(again.load(path(), false, true, false));
  EXPECT_EQ(again.get("Setup", "Language"), "English");
}

// ---- Program files ----------------------------------------------------------

using ProgramFilesTest = test::TempFolderTest;
using test::readFile;
using test::writeFile;

TEST_F(ProgramFilesTest, DataFolderIsBesideTheProgramOrInShare) {
  // Build tree: the files beside the program.
  writeFile(dir_ / "build/bin/English.qm", "qm");
  EXPECT_EQ(findDataDirectory(dir_ / "build/bin"), dir_ / "build/bin");
  // Installed prefix: bin/ and share/radioprog/.
  fs::create_directories(dir_ / "prefix/bin");
  writeFile(dir_ / "prefix/share/radioprog/Program.ini", "[Setup]\n");
  EXPECT_EQ(findDataDirectory(dir_ / "prefix/bin"), dir_ / "prefix/share/radioprog");
  // Neither: the program's folder.
  fs::create_directories(dir_ / "bare/bin");
  EXPECT_EQ(findDataDirectory(dir_ / "bare/bin"), dir_ / "bare/bin");
}

TEST_F(ProgramFilesTest, ConfigFolderFollowsXdgThenHome) {
  // XDG_CONFIG_HOME when absolute, else HOME's .config; neither: no folder.
  const std::tuple<const char*, const char*, fs::path> cases[] = {
      {"/x/cfg", "/home/u", "/x/cfg/radioprog"},
      {"relative", "/home/u", "/home/u/.config/radioprog"},
      {"", "/home/u", "/home/u/.config/radioprog"},
      {nullptr, nullptr, ""},
  };
  for (const auto& [xdg, home, expected] : cases) {
    const auto lookup = [&](const char* name) { return std::string_view(name) == "HOME" ? home : xdg; };
    EXPECT_EQ(userConfigDirectory(lookup), expected) << expected;
  }
}

TEST_F(ProgramFilesTest, UserCopyIsMadeOnceFromTheShippedDefault) {
  const fs::path shipped = dir_ / "share/Program.ini";
  const fs::path config = dir_ / "home/.config/radioprog";
  writeFile(shipped, "[Setup]\nLanguage=Chinese\n");

  UserIni user = prepareUserIni(shipped, config);
  EXPECT_EQ(user.path, config / "Program.ini");
  EXPECT_TRUE(user.writable);
  EXPECT_TRUE(user.created);
  EXPECT_EQ(readFile(user.path), "[Setup]\nLanguage=Chinese\n");

  // The user's own choice is kept on later starts.
  writeFile(user.path, "[Setup]\nLanguage=English\n");
  user = prepareUserIni(shipped, config);
  EXPECT_FALSE(user.created);
  EXPECT_EQ(readFile(user.path), "[Setup]\nLanguage=English\n");
  EXPECT_EQ(programIniToRead(shipped.parent_path(), config), user.path);

  // An emptied copy is made again; a missing shipped file gives the built-in one.
  writeFile(user.path, " \n");
  fs::remove(shipped);
  user = prepareUserIni(shipped, config);
  EXPECT_TRUE(user.created);
  EXPECT_EQ(readFile(user.path), builtInProgramIni());
  EXPECT_FALSE(fs::exists(shipped));
}

TEST_F(ProgramFilesTest, UnwritableConfigurationReadsTheShippedFileOnly) {
  const fs::path shipped = dir_ / "share/Program.ini";
  writeFile(shipped, "[Setup]\nLanguage=English\n");
  fs::create_directories(dir_ / "locked");
  fs::permissions(dir_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
  std::vector<fs::path> configs{fs::path()};
  if (::geteuid() != 0) configs.push_back(dir_ / "locked/radioprog");  // root may write anywhere
  for (const fs::path& config : configs) {
    const UserIni user = prepareUserIni(shipped, config);
    EXPECT_EQ(user.path, shipped) << config;
    EXPECT_FALSE(user.writable);
    EXPECT_EQ(programIniToRead(shipped.parent_path(), config), shipped);
  }
}

TEST_F(ProgramFilesTest, FileWithoutALanguageIsCompletedFromTheDefaults) {
  struct Case {
    const char* text;
    bool repaired;
    const char* language;
  };
  const Case cases[] = {
      {"[setup]\nShowLang=0\n", true, "English"},
      {"[Setup]\nShowLang=0\nLanguage= \n", true, "English"},
      // A named language is the user's choice: nothing is added, not even a model.
      {"[Setup]\nLanguage=Chinese\n", false, "Chinese"},
  };
  for (const Case& c : cases) {
    writeFile(dir_ / "Program.ini", c.text);
    IniFile ini;
    ASSERT_TRUE(ini.load(dir_ / "Program.ini", false, true, false));
    EXPECT_EQ(repairProgramIni(ini, builtInProgramIni()), c.repaired) << c.text;
    EXPECT_EQ(ini.get("Setup", "Language"), c.language);
    EXPECT_EQ(ini.get("Setup", "ShowLang", "absent"), c.repaired ? "0" : "absent");  // kept, never added
    EXPECT_EQ(ini.get("English", "Title").empty(), !c.repaired);
  }
}

// ---- Start-up ---------------------------------------------------------------

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
