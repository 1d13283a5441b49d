#include "app/IniFile.h"

#include <gtest/gtest.h>

#include <chrono>

#include "TempFolder.h"

namespace radio {
namespace {

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

TEST_F(IniFileTest, ManySectionsLoadInLinearTime) {
  // A hand-edited file of 200,000 sections: a section list grown by a fixed step
  // takes minutes here, a geometric one well under a second.
  std::string text;
  for (int i = 0; i < 200'000; ++i) text += "[S" + std::to_string(i) + "]\nK=" + std::to_string(i) + "\n";
  write(text);
  IniFile ini;
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(ini.load(path(), false, false, false));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_EQ(ini.get("S199999", "K"), "199999");
  EXPECT_EQ(ini.serialise(), text);
}

}  // namespace
}  // namespace radio
