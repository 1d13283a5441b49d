// SPDX-License-Identifier: GPL-3.0-or-later
// Documents on disk: a new document's image, atomic saves that keep the old file
// on failure, refused loads that change nothing, and the backups of reads.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cctype>
#include <map>
#include <tuple>
#include <vector>

#include "TempFolder.h"
#include "model/Backups.h"
#include "model/Document.h"

namespace radio {
namespace {

// ---- Documents --------------------------------------------------------------

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;
using TempDir = test::TempFolderTest;

// While it lives, a write past `bytes` fails as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &oldAction_);
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::sigaction(SIGXFSZ, &oldAction_, nullptr);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct sigaction oldAction_ {};
  rlimit saved_{};
};

TEST(NewDocument, ErasedChannelsAndTheBandRecordItWasGiven) {
  BandRecord band{};
  const RadioImage image = newDocumentImage(band);
  EXPECT_EQ(band, kDefaultBandRecord);
  for (std::size_t o = 0; o < 0x1260; ++o) ASSERT_EQ(image.at(o), 0xFF) << o;
  BandRecord present{0x13, 0x17, 0x64, 0x40, 0x52, 0x00};
  EXPECT_EQ(newDocumentImage(present).bandRecord(), (BandRecord{0x13, 0x17, 0x64, 0x40, 0x52, 0x00}));
}

TEST_F(TempDir, SaveReplacesTheFileWholeKeepingPermissionsAndLoadReadsItBack) {
  RadioImage image;
  for (std::size_t i = 0; i < kImageSize; ++i) image.set(i, static_cast<Byte>(i * 7 + 3));
  const fs::path file = dir_ / "radio.dat";
  writeFile(file, std::string(9000, 'x'));
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(saveDatFile(file, image));
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  RadioImage loaded;
  ASSERT_TRUE(loadDatFile(file, loaded));
  EXPECT_EQ(loaded, image);
  // No temporary file is left behind.
  EXPECT_EQ(entries(dir_), 1);
  // A folder that does not exist: the save fails cleanly and creates nothing.
  const FileResult r = saveDatFile(dir_ / "no-such-folder" / "x.dat", image);
  EXPECT_FALSE(r);
  EXPECT_FALSE(r.error.empty());
  EXPECT_FALSE(fs::exists(dir_ / "no-such-folder"));
}

// The document: every change passes through change(), which tells the listener.
TEST(DocumentChanges, ListenerSeesBeforeAndAfterAndNoOpIsNoChange) {
  Document doc;
  std::vector<std::tuple<std::string, Byte, Byte>> heard;
  std::vector<bool> modifiedFlags;
  doc.setChangeListener([&](const DocumentChange& c) { heard.emplace_back(c.label, c.before.at(7), c.after.at(7)); });
  doc.setModifiedListener([&](bool m) { modifiedFlags.push_back(m); });
  doc.change("Edit", [](RadioImage& image) { image.set(7, 0x12); });
  doc.change("Nothing", [](RadioImage& image) { image.set(7, 0x12); });
  RadioImage next = doc.image();
  next.set(7, 0x34);
  doc.replaceImage(next, "Read");
  const std::vector<std::tuple<std::string, Byte, Byte>> expected{{"Edit", 0xFF, 0x12}, {"Read", 0x12, 0x34}};
  EXPECT_EQ(heard, expected);
  EXPECT_EQ(modifiedFlags, std::vector<bool>{true});
  EXPECT_TRUE(doc.modified());
}

TEST_F(TempDir, DocumentLoadAndSaveKeepTheDocumentWhenRefused) {
  const fs::path good = dir_ / "good.dat";
  Document doc;
  doc.change("Edit", [](RadioImage& image) { image.set(0, 0x42); });
  ASSERT_TRUE(doc.saveAs(good));
  EXPECT_FALSE(doc.modified());
  EXPECT_EQ(doc.path(), good);

  // A short file is refused: image, path and flag stay.
  doc.change("Edit", [](RadioImage& image) { image.set(1, 0x43); });
  const fs::path shortFile = dir_ / "short.dat";
  writeFile(shortFile, std::string(100, '\x11'));
  EXPECT_FALSE(doc.load(shortFile));
  EXPECT_EQ(doc.image().at(0), 0x42);
  EXPECT_EQ(doc.image().at(1), 0x43);
  EXPECT_EQ(doc.path(), good);
  EXPECT_TRUE(doc.modified());

  // A save that fails after 1000 bytes, as on a full disk, keeps the old file
  // whole, the flag, and leaves no temporary file.
  {
    const FileSizeLimit limit(1000);
    const FileResult failed = doc.save();
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.error.empty());
  }
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(readFile(good)[0], '\x42');
  EXPECT_EQ(readFile(good)[1], '\xFF');
  EXPECT_EQ(entries(dir_), 2);  // good and short

  Document fresh;
  EXPECT_FALSE(fresh.save());  // no file yet
  ASSERT_TRUE(fresh.load(good));
  EXPECT_EQ(fresh.image().at(0), 0x42);
  EXPECT_FALSE(fresh.modified());
}

// ---- Backups ----------------------------------------------------------------

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

  // YYYY-MM-DD_HHMMSS_<model>[-n].dat, in whatever time zone the test runs.
  const auto named = [](const std::string& name, std::string_view tail) {
    const std::string_view stamp = "dddd-dd-dd_dddddd_";
    if (name.size() != stamp.size() + tail.size() || name.substr(stamp.size()) != tail) return false;
    for (std::size_t i = 0; i < stamp.size(); ++i)
      if (stamp[i] == 'd' ? !std::isdigit(static_cast<unsigned char>(name[i])) : name[i] != stamp[i]) return false;
    return true;
  };
  EXPECT_TRUE(named(backupFileName(1'700'000'000, "KV-240T"), "KV-240T.dat"));
  EXPECT_TRUE(named(backupFileName(1'700'000'000, "KV-240T", 3), "KV-240T-3.dat"));
}

TEST_F(TempDir, BackupsNeverReplaceAnEarlierOne) {
  const fs::path folder = dir_ / "b";
  const RadioImage first;
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

TEST_F(TempDir, BackupIsRecognisedWhateverRouteNamesIt) {
  const fs::path folder = dir_ / "backups";
  fs::create_directories(folder / "old");
  writeFile(folder / "a.dat", "x");
  fs::create_directory_symlink(folder, dir_ / "link");
  fs::create_directories(dir_ / "elsewhere");

  EXPECT_TRUE(isInsideFolder(folder / "a.dat", folder));
  EXPECT_TRUE(isInsideFolder(folder / "old" / "b.dat", folder));  // below it, and not there yet
  EXPECT_TRUE(isInsideFolder(dir_ / "elsewhere" / ".." / "backups" / "a.dat", folder));
  EXPECT_TRUE(isInsideFolder(dir_ / "link" / "a.dat", folder));
  EXPECT_TRUE(isInsideFolder(folder / "a.dat", dir_ / "link" / ""));
  const fs::path cwd = fs::current_path();
  fs::current_path(folder);
  EXPECT_TRUE(isInsideFolder("a.dat", folder));
  fs::current_path(cwd);

  EXPECT_FALSE(isInsideFolder(folder, folder));
  EXPECT_FALSE(isInsideFolder(dir_ / "backups-old" / "a.dat", folder));
  EXPECT_FALSE(isInsideFolder(dir_ / "elsewhere" / "a.dat", folder));
  EXPECT_FALSE(isInsideFolder(folder / "a.dat", {}));
}

}  // namespace
}  // namespace radio
