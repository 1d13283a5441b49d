// SPDX-License-Identifier: GPL-3.0-or-later
// Files for the tests: a folder of each test's own, removed after it, and whole
// files read and written in one call.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace radio::test {

namespace fs = std::filesystem;

// The bytes of a file; empty when it cannot be read.
inline std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Writes the bytes to path, making its folders first.
inline void writeFile(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// A fixture whose dir_ is an empty folder of the running test's own; it is
// removed afterwards, also when the test took away its permissions.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    dir_ = fs::temp_directory_path() / ("radioprog-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    unlock(dir_);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  // The number of entries in a folder.
  static long entries(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
  }

  fs::path dir_;

 private:
  static void unlock(const fs::path& path) {
    std::error_code ignored;
    if (!fs::is_directory(fs::symlink_status(path, ignored))) return;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (const auto& entry : fs::directory_iterator(path, ignored)) unlock(entry.path());
  }
};

}  // namespace radio::test
