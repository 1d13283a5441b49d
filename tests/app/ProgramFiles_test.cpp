#include "app/ProgramFiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string_view>
#include <vector>

#include "TempFolder.h"
#include "app/IniFile.h"

namespace radio::test {
namespace {

using ProgramFilesTest = TempFolderTest;

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

}  // namespace
}  // namespace radio::test
