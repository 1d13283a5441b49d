// SPDX-License-Identifier: GPL-3.0-or-later
// SHA-256 of a byte string, as the fleet log names the document each radio got.
//
// Usage:
//   std::string digest = sha256Hex(image.bytes());   // 64 lowercase hex digits
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace radio {

class Sha256 {
 public:
  Sha256();
  void add(std::span<const std::uint8_t> bytes);
  // The digest of everything added; the object is spent afterwards.
  [[nodiscard]] std::array<std::uint8_t, 32> finish();

 private:
  void block(const std::uint8_t* data);

  std::array<std::uint32_t, 8> state_;
  std::array<std::uint8_t, 64> pending_{};
  std::size_t pendingSize_ = 0;
  std::uint64_t length_ = 0;  // bytes added
};

// 64 lowercase hex digits.
[[nodiscard]] std::string digestHex(const std::array<std::uint8_t, 32>& digest);
[[nodiscard]] std::string sha256Hex(std::span<const std::uint8_t> bytes);

}  // namespace radio
