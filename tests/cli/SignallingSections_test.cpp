// get and set of the dtmf, msk and twotone sections as a script uses them.
#include <gtest/gtest.h>

#include "CliRunner.h"

namespace radio::test {
namespace {

unsigned byteAt(const std::string& bytes, std::size_t offset) { return static_cast<unsigned char>(bytes.at(offset)); }

TEST(CliSignalling, SetNormalisesAndStoresBothTwoToneForms) {
  ScratchDir dir;
  const std::string file = dir.file("radio.dat").string();
  ASSERT_EQ(runCli({"new", "-o", file}).exitCode, 0);
  const CliRun set = runCli({"set", file, "dtmf.speed=12", "dtmf.group_code=*", "dtmf.call1=12ab#", "msk.call4=abcd",
                             "twotone.dec1_a=5000", "twotone.enc1_a=1000", "twotone.tx_rise=0.33"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  const std::string bytes = readFile(file);
  EXPECT_EQ(byteAt(bytes, 0x1308) & 3, 2u);
  EXPECT_EQ(byteAt(bytes, 0x132F), 0x2Au);
  EXPECT_EQ(bytes.substr(0x1380, 6), std::string("12AB#\xFF"));
  EXPECT_EQ(bytes.substr(0x12D8, 4), "ABCD");
  EXPECT_EQ(byteAt(bytes, 0x15C0) * 256 + byteAt(bytes, 0x15C1), 31060u);
  EXPECT_EQ(byteAt(bytes, 0x1740) * 256 + byteAt(bytes, 0x1741), 288u);
  EXPECT_EQ(byteAt(bytes, 0x1680) * 256 + byteAt(bytes, 0x1681), 112u);
  EXPECT_EQ(byteAt(bytes, 0x1626), 6u);

  const CliRun get = runCli({"get", file, "twotone"});
  EXPECT_EQ(valueOf(get.out, "twotone.tx_rise"), "0.30");
  EXPECT_EQ(valueOf(get.out, "twotone.dec1_a"), "3106.0");
  const CliRun zh = runCli({"get", file, "dtmf", "--lang", "zh"});
  EXPECT_EQ(valueOf(zh.out, "dtmf.stun_type"), "禁止发射");
  EXPECT_EQ(valueOf(zh.out, "dtmf.speed"), "10");
}

TEST(CliSignalling, RefusedValuesLeaveTheFileUnchanged) {
  ScratchDir dir;
  const std::string file = dir.file("radio.dat").string();
  ASSERT_EQ(runCli({"new", "-o", file}).exitCode, 0);
  const std::string before = readFile(file);
  for (const char* bad :
       {"msk.id=G1", "msk.call1=12345", "dtmf.stun_code=1E", "dtmf.call10=1", "dtmf.speed=100", "dtmf.group_code=E",
        "twotone.enc33_a=1000", "twotone.dec1_interval=1.55", "twotone.first_delay=abc"}) {
    const CliRun run = runCli({"set", file, "dtmf.call2=9", bad});
    EXPECT_NE(run.exitCode, 0) << bad;
    EXPECT_FALSE(run.err.empty()) << bad;
    EXPECT_EQ(readFile(file), before) << bad;
  }
}

}  // namespace
}  // namespace radio::test
