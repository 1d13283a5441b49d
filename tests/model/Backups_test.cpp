#include "model/Backups.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "TempFolder.h"
#include "model/Document.h"

namespace radio {
namespace {

namespace fs = std::filesystem;

TEST(Backups, FolderFollowsTheDataHomeRules) {
  struct Case {
    std::map<std::string, std::string> env;
    fs::path expected;
  };
  const Case cases[] = {
      {{{"XDG_DATA_HOME", "/data"}, {"HOME", "/home/u"}}, "/data/radioprog/backups"},
      {{{"HOME", "/home/u"}}, "/home/u/.local/share/radioprog/backups"},
      {{{"XDG_DATA_HOME", "relative"}, {"HOME", "/home/u"}}, "/home/u/.local/share/radioprog/backups"},
      {{}, ""},
  };
  for (const Case& c : cases) {
    const Environment env = [&](const char* name) -> std::optional<std::string> {
      const auto it = c.env.find(name);
      return it == c.env.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
    EXPECT_EQ(backupFolder(env), c.expected);
  }
}

TEST(Backups, NamedAfterTheMomentAndTheModel) {
  RadioImage image;
  image.set(addr::kModelIndex, 1);
  EXPECT_EQ(backupModelName(image, {"KV-240T", "KV-240T Plus"}), "KV-240T-Plus");
  EXPECT_EQ(backupModelName(image, {"KV-240T"}), "radio");
  image.set(addr::kModelIndex, 0);
  EXPECT_EQ(backupModelName(image, {"../机型"}), "radio");

  const std::regex pattern(R"(\d{4}-\d{2}-\d{2}_\d{6}_KV-240T(-3)?\.dat)");
  EXPECT_TRUE(std::regex_match(backupFileName(1'700'000'000, "KV-240T"), pattern));
  EXPECT_TRUE(std::regex_match(backupFileName(1'700'000'000, "KV-240T", 3), pattern));
}

using BackupsTest = test::TempFolderTest;

TEST_F(BackupsTest, NeverReplaceAnEarlierOne) {
  const fs::path folder = dir_ / "b";
  BandRecord band{};
  RadioImage first = newDocumentImage(band);
  RadioImage second = first;
  second.set(0, 0x12);

  const BackupResult a = saveBackup(first, folder, "radio", 1'700'000'000);
  const BackupResult b = saveBackup(second, folder, "radio", 1'700'000'000);
  ASSERT_TRUE(a) << a.error;
  ASSERT_TRUE(b) << b.error;
  EXPECT_NE(a.path, b.path);
  EXPECT_EQ(b.path.filename().string(), backupFileName(1'700'000'000, "radio", 2));
  RadioImage loaded;
  ASSERT_TRUE(loadDatFile(a.path, loaded));
  EXPECT_EQ(loaded, first);
  ASSERT_TRUE(loadDatFile(b.path, loaded));
  EXPECT_EQ(loaded, second);
  // Nothing but the two backups is left behind.
  EXPECT_EQ(entries(folder), 2);

  // A folder that cannot be created is reported.
  test::writeFile(dir_ / "file", "x");
  EXPECT_FALSE(saveBackup(first, dir_ / "file" / "sub", "radio", 1'700'000'000));
}

}  // namespace
}  // namespace radio
