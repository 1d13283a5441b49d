// get and set of the dtmf, msk and twotone sections as a script uses them.
#include <gtest/gtest.h>

#include "CliRunner.h"

namespace radio::test {
namespace {

using CliSignalling = CliTest;

unsigned byteAt(const std::string& bytes, std::size_t offset) { return static_cast<unsigned char>(bytes.at(offset)); }

TEST_F(CliSignalling, SetNormalisesAndStoresBothTwoToneForms) {
  const std::string doc = newFile("radio.dat");
  const CliRun set = runCli({"set", doc, "dtmf.speed=12", "dtmf.group_code=*", "dtmf.call1=12ab#", "msk.call4=abcd",
                             "twotone.dec1_a=5000", "twotone.enc1_a=1000", "twotone.tx_rise=0.33"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  const std::string bytes = readFile(doc);
  EXPECT_EQ(bytes.substr(0x1380, 6), std::string("12AB#\xFF"));
  EXPECT_EQ(bytes.substr(0x12D8, 4), "ABCD");
  EXPECT_EQ(byteAt(bytes, 0x1680) * 256 + byteAt(bytes, 0x1681), 112u);

  const CliRun get = runCli({"get", doc, "twotone"});
  EXPECT_EQ(valueOf(get.out, "twotone.tx_rise"), "0.30");
  const CliRun zh = runCli({"get", doc, "dtmf", "--lang", "zh"});
  EXPECT_EQ(valueOf(zh.out, "dtmf.stun_type"), "禁止发射");
}

TEST_F(CliSignalling, RefusedValuesLeaveTheFileUnchanged) {
  const std::string doc = newFile("radio.dat");
  const std::string before = readFile(doc);
  for (const char* bad : {"msk.id=G1", "dtmf.call10=1", "twotone.enc33_a=1000", "twotone.first_delay=abc"}) {
    const CliRun run = runCli({"set", doc, "dtmf.call2=9", bad});
    EXPECT_NE(run.exitCode, 0) << bad;
    EXPECT_FALSE(run.err.empty()) << bad;
    EXPECT_EQ(readFile(doc), before) << bad;
  }
}

}  // namespace
}  // namespace radio::test
