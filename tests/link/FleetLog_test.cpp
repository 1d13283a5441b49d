// SPDX-License-Identifier: GPL-3.0-or-later
// The fleet log's lines and file, and the SHA-256 that names the document in it
// (the standard test vectors, across the block and padding boundaries).
#include <gtest/gtest.h>

#include <cstdlib>

#include "TempFolder.h"
#include "link/FleetLog.h"
#include "model/Sha256.h"

namespace radio {
namespace {

std::string sha(const std::string& text) {
  return sha256Hex({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

TEST(Sha256, StandardVectors) {
  EXPECT_EQ(sha(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(sha("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(sha("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(sha(std::string(1'000'000, 'a')), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
  // Added in pieces that straddle the blocks: the same digest as at once.
  const std::string text(200, 'x');
  Sha256 pieces;
  for (std::size_t at = 0; at < text.size(); at += 7)
    pieces.add({reinterpret_cast<const std::uint8_t*>(text.data()) + at, std::min<std::size_t>(7, text.size() - at)});
  EXPECT_EQ(digestHex(pieces.finish()), sha(text));
}

class FleetLogTest : public test::TempFolderTest {};

TEST_F(FleetLogTest, LinesAndFile) {
  setenv("TZ", "UTC-1", 1);  // an hour east of UTC
  tzset();
  FleetRecord r;
  r.time = 1'796'652'000;  // 2026-12-07 14:00:00 UTC
  r.port = "/dev/ttyUSB0";
  r.radio = 3;
  r.ok = true;
  r.identification = {0x03, 0x00, 0xFF, 0x10, 0xAB, 0x00, 0x00, 0x01};
  r.seconds = 17.94;
  r.document = "9f86";
  EXPECT_EQ(fleetLogLine(r), "2026-12-07T15:00:00+01:00,/dev/ttyUSB0,3,ok,0300FF10AB000001,17.9,9f86,");
  r.ok = false;
  r.message = "verify: \"Name\" differs,\nsee";
  EXPECT_EQ(fleetLogLine(r),
            "2026-12-07T15:00:00+01:00,/dev/ttyUSB0,3,failed,0300FF10AB000001,17.9,9f86,"
            "\"verify: \"\"Name\"\" differs, see\"");
  unsetenv("TZ");
  tzset();

  // A log opened twice holds one header; each line is there once append returns.
  const auto path = dir_ / "sub" / "fleet.csv";
  for (int i = 0; i < 2; ++i) {
    FleetLog log;
    std::string error;
    ASSERT_TRUE(log.open(path, error)) << error;
    ASSERT_TRUE(log.append(r));
    EXPECT_EQ(test::readFile(path).size(), 63 + (i + 1) * (fleetLogLine(r).size() + 1));
  }
  FleetLog refused;
  std::string error;
  EXPECT_FALSE(refused.open(dir_, error));
  EXPECT_NE(error.find(dir_.string()), std::string::npos);

  const auto env = [this](const char* name) -> std::optional<std::string> {
    if (std::string(name) == "XDG_DATA_HOME") return dir_.string();
    return std::nullopt;
  };
  EXPECT_EQ(defaultFleetLogPath(env, r.time).parent_path(), dir_ / "radioprog" / "fleet");
  EXPECT_EQ(defaultFleetLogPath(env, r.time).extension(), ".csv");
}

}  // namespace
}  // namespace radio
