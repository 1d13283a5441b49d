#include "model/Document.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <tuple>
#include <vector>

namespace radio {
namespace {

namespace fs = std::filesystem;

class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("radioprog-doc-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

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

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(NewDocument, FactoryDefaultsByteForByte) {
  BandRecord band{};
  const RadioImage image = newDocumentImage(band);
  EXPECT_EQ(band, kDefaultBandRecord);
  for (std::size_t o = 0; o < 0x1260; ++o) ASSERT_EQ(image.at(o), 0xFF) << o;
  const std::pair<std::size_t, std::vector<Byte>> expected[] = {
      {0x1260, {0x01, 0x04, 0x00, 0x00, 0x00, 0xBE, 0x13, 0x7A, 0x00, 0x00}},
      {0x12A8, {0xFD, 0x00, 0xFF, 0x01}},
      {0x1308, {0x00, 0x04, 0x00, 0x00, 0xFF, 0x01}},
      {0x132F, {0x41}},
      {0x1347, {0x00}},
      {0x1500, {0x4E, 0x20, 0x27, 0x10, 0x4E, 0x20, 0x27, 0x10}},
      {0x15C0, {0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05, 0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05}},
      {0x1620, {0x05, 0x05, 0x0A, 0x00, 0x14, 0x00, 0x02, 0x00}},
      {0x17D1, {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {0x17E8, {0x13, 0x17, 0x64, 0x40, 0x48, 0x00, 0x29, 0x27, 0x22, 0x1E}},
  };
  for (const auto& [offset, bytes] : expected)
    for (std::size_t i = 0; i < bytes.size(); ++i) EXPECT_EQ(image.at(offset + i), bytes[i]) << std::hex << offset + i;
  // The last of the 32 encode entries and of the 8 decode entries.
  EXPECT_EQ(image.be16(0x1500 + 7 * 24 + 12), 0x4E20);
  EXPECT_EQ(image.at(0x15C0 + 3 * 24 + 8 + 7), 0x05);
  EXPECT_EQ(image.at(0x1500 + 16), 0xFF);  // bytes 16-23 of the records stay filled
}

TEST(NewDocument, KeepsAPresentBandRecord) {
  BandRecord band{0x13, 0x17, 0x64, 0x40, 0x52, 0x00};
  const RadioImage image = newDocumentImage(band);
  EXPECT_EQ(image.bandRecord(), (BandRecord{0x13, 0x17, 0x64, 0x40, 0x52, 0x00}));
  BandRecord ff{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(newDocumentImage(ff).bandRecord(), kDefaultBandRecord);
  EXPECT_EQ(ff, kDefaultBandRecord);
}

TEST_F(TempDir, SaveThenLoadGivesTheSameBytes) {
  RadioImage image;
  for (std::size_t i = 0; i < kImageSize; ++i) image.set(i, static_cast<Byte>(i * 7 + 3));
  const fs::path file = dir_ / "radio.dat";
  ASSERT_TRUE(saveDatFile(file, image));
  EXPECT_EQ(fs::file_size(file), kImageSize);
  RadioImage loaded;
  ASSERT_TRUE(loadDatFile(file, loaded));
  EXPECT_EQ(loaded, image);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TempDir, ShortFileIsRefusedAndLongFileGivesItsFirstBytes) {
  RadioImage current;
  current.set(0, 0x42);
  const fs::path shortFile = dir_ / "short.dat";
  std::ofstream(shortFile, std::ios::binary) << std::string(6143, '\x11');
  const FileResult r = loadDatFile(shortFile, current);
  EXPECT_FALSE(r);
  EXPECT_NE(r.error.find("6143"), std::string::npos);
  EXPECT_EQ(current.at(0), 0x42);

  const fs::path longFile = dir_ / "long.dat";
  std::string content(7000, '\x22');
  content[6143] = '\x33';
  content[6144] = '\x44';
  std::ofstream(longFile, std::ios::binary) << content;
  ASSERT_TRUE(loadDatFile(longFile, current));
  EXPECT_EQ(current.at(0), 0x22);
  EXPECT_EQ(current.at(6143), 0x33);
  EXPECT_FALSE(loadDatFile(dir_ / "missing.dat", current));
}

TEST_F(TempDir, WriteFailureHalfwayKeepsThePreviousFile) {
  // A file size limit makes the write fail after 1000 bytes, like a full disk.
  const fs::path file = dir_ / "keep.dat";
  RadioImage first;
  first.set(10, 0x10);
  ASSERT_TRUE(saveDatFile(file, first));
  RadioImage second;
  FileResult r;
  {
    const FileSizeLimit limit(1000);
    r = saveDatFile(file, second);
  }
  EXPECT_FALSE(r);
  EXPECT_FALSE(r.error.empty());
  const std::string kept = readAll(file);
  ASSERT_EQ(kept.size(), kImageSize);
  EXPECT_EQ(kept[10], '\x10');
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TempDir, SaveOverAFileKeepsItsPermissionsAndReplacesItWhole) {
  const fs::path file = dir_ / "perm.dat";
  std::ofstream(file, std::ios::binary) << std::string(9000, 'x');
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  RadioImage image;
  ASSERT_TRUE(saveDatFile(file, image));
  EXPECT_EQ(fs::file_size(file), kImageSize);
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(TempDir, FailedWriteOnAFullDeviceLeavesTheTargetAlone) {
  // /dev/full accepts the temporary file's creation nowhere, so use a folder that
  // does not exist: the save must fail cleanly without creating anything.
  const fs::path file = dir_ / "no-such-folder" / "x.dat";
  RadioImage image;
  const FileResult r = saveDatFile(file, image);
  EXPECT_FALSE(r);
  EXPECT_FALSE(r.error.empty());
  EXPECT_FALSE(fs::exists(file));
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
  std::ofstream(shortFile, std::ios::binary) << std::string(100, '\x11');
  EXPECT_FALSE(doc.load(shortFile));
  EXPECT_EQ(doc.image().at(0), 0x42);
  EXPECT_EQ(doc.image().at(1), 0x43);
  EXPECT_EQ(doc.path(), good);
  EXPECT_TRUE(doc.modified());

  // A save that fails halfway keeps the old file and the flag.
  {
    const FileSizeLimit limit(1000);
    EXPECT_FALSE(doc.save());
  }
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(readAll(good).size(), kImageSize);
  EXPECT_EQ(readAll(good)[1], '\xFF');

  Document fresh;
  EXPECT_FALSE(fresh.save());  // no file yet
  ASSERT_TRUE(fresh.load(good));
  EXPECT_EQ(fresh.image().at(0), 0x42);
  EXPECT_FALSE(fresh.modified());
}

}  // namespace
}  // namespace radio
