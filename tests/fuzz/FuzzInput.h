// SPDX-License-Identifier: GPL-3.0-or-later
// What every fuzz target shares: the fuzzer's bytes read as a stream of choices
// and texts, a property check that stops the run, and a private scratch folder.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

#include "model/RadioImage.h"

namespace radio::fuzz {

// A broken property is a crash to the fuzzer: it keeps the input that did it.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (0)

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data, size) {}

  [[nodiscard]] bool empty() const { return pos_ >= data_.size(); }
  // The next byte; 0 once the input is used up.
  [[nodiscard]] Byte byte() { return empty() ? 0 : data_[pos_++]; }
  [[nodiscard]] bool flag() { return byte() & 1; }
  // A choice of 0..count-1.
  [[nodiscard]] int pick(int count) { return count > 0 ? byte() % count : 0; }
  // A text of up to maxLength bytes, ended by a 0 byte or the end of the input.
  [[nodiscard]] std::string text(std::size_t maxLength = 64) {
    std::string out;
    while (!empty() && out.size() < maxLength) {
      const Byte b = data_[pos_++];
      if (b == 0) break;
      out.push_back(static_cast<char>(b));
    }
    return out;
  }
  // Up to count bytes.
  [[nodiscard]] std::span<const Byte> bytes(std::size_t count) {
    const std::size_t n = std::min(count, data_.size() - std::min(pos_, data_.size()));
    const auto out = data_.subspan(pos_, n);
    pos_ += n;
    return out;
  }
  [[nodiscard]] std::span<const Byte> rest() { return bytes(data_.size()); }

 private:
  std::span<const Byte> data_;
  std::size_t pos_ = 0;
};

// An image filled from the input's bytes, 0xFF where they run out.
[[nodiscard]] inline RadioImage imageFrom(std::span<const Byte> bytes) {
  RadioImage image;
  std::copy_n(bytes.begin(), std::min(bytes.size(), kImageSize), image.bytes().begin());
  return image;
}

// A folder of this process's own, removed when the process ends normally. It is
// in memory where the system offers a memory file system, as saves sync to disk.
class ScratchFolder {
 public:
  ScratchFolder() : path_(base() / ("radioprog-fuzz-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  [[nodiscard]] std::filesystem::path file(std::string_view name) const { return path_ / name; }

 private:
  static std::filesystem::path base() {
    std::error_code ec;
    const std::filesystem::path shm = "/dev/shm";
    if (std::filesystem::is_directory(shm, ec) && ::access(shm.c_str(), W_OK) == 0) return shm;
    return std::filesystem::temp_directory_path();
  }
  std::filesystem::path path_;
};

inline void writeFile(const std::filesystem::path& path, std::span<const Byte> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace radio::fuzz
