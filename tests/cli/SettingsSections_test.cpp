// get and set of the settings and signalling sections as a script uses them:
// every field of a dialog, values as the dialog shows them, refusals that leave
// the file as it was. The encodings themselves are the forms' tests.
#include <gtest/gtest.h>

#include "CliRunner.h"

namespace radio::test {
namespace {

using CliSettings = CliTest;

TEST_F(CliSettings, GetPrintsTheValuesAsTheDialogsShowThem) {
  const std::string doc = newFile("radio.dat");
  const CliRun optional = runCli({"get", doc, "optional"});
  ASSERT_EQ(optional.exitCode, 0);
  EXPECT_EQ(optional.out.rfind("optional.tot\t30\tTOT (s)\n", 0), 0u);
  EXPECT_EQ(valueOf(runCli({"get", doc, "product"}).out, "product.band2_high"), "520");
  EXPECT_EQ(valueOf(runCli({"get", doc, "optional", "--lang", "zh"}).out, "optional.back_light"), "自动");
}

TEST_F(CliSettings, SetStoresThroughTheDialogsRules) {
  const std::string doc = file("blank.dat");
  writeFile(doc, std::string(6144, '\xFF'));
  const CliRun set = runCli({"set", doc, "optional.tot=60", "optional.back_light=on", "optional.password=123456",
                             "key.side=squelch off momentary", "squelch.level1=-55", "squelch.level4=54"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  const std::string bytes = readFile(doc);
  ASSERT_EQ(bytes.size(), 6144u);
  EXPECT_EQ(bytes.substr(0x17D2, 6), "123456");
  EXPECT_EQ(static_cast<unsigned char>(bytes[0x12AA]), 0xFC);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0x17F1]), 118);

  // Chinese entries, indexes and check box words.
  ASSERT_EQ(runCli({"set", doc, "optional.scan_mode=载波", "optional.keypad_lock=checked", "--lang", "zh"}).exitCode,
            0);
  const CliRun get = runCli({"get", doc, "optional"});
  EXPECT_EQ(valueOf(get.out, "optional.scan_mode"), "CO");
  EXPECT_EQ(valueOf(get.out, "optional.keypad_lock"), "checked");
}

TEST_F(CliSettings, SetNormalisesAndStoresBothTwoToneForms) {
  const std::string doc = newFile("radio.dat");
  const CliRun set = runCli({"set", doc, "dtmf.speed=12", "dtmf.group_code=*", "dtmf.call1=12ab#", "msk.call4=abcd",
                             "twotone.dec1_a=5000", "twotone.enc1_a=1000", "twotone.tx_rise=0.33"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  const std::string bytes = readFile(doc);
  EXPECT_EQ(bytes.substr(0x1380, 6), std::string("12AB#\xFF"));
  EXPECT_EQ(bytes.substr(0x12D8, 4), "ABCD");
  EXPECT_EQ(static_cast<unsigned char>(bytes[0x1680]) * 256 + static_cast<unsigned char>(bytes[0x1681]), 112);

  const CliRun get = runCli({"get", doc, "twotone"});
  EXPECT_EQ(valueOf(get.out, "twotone.tx_rise"), "0.30");
  const CliRun zh = runCli({"get", doc, "dtmf", "--lang", "zh"});
  EXPECT_EQ(valueOf(zh.out, "dtmf.stun_type"), "禁止发射");
}

TEST_F(CliSettings, RefusalsLeaveTheFileUnchanged) {
  const std::string doc = newFile("radio.dat");
  const std::string before = readFile(doc);
  // Each refused value follows one that is good: a refusal undoes the earlier values.
  for (const char* bad : {"optional.tot=45", "optional.nosuch=1", "optional.keypad_lock=maybe", "squelch.level2=55",
                          "key.side=#4", "product.band1_low=100", "squelch.level5=0", "msk.id=G1", "dtmf.call10=1",
                          "twotone.enc33_a=1000", "twotone.first_delay=abc"}) {
    const CliRun r = runCli({"set", doc, "optional.tot=60", bad});
    EXPECT_NE(r.exitCode, 0) << bad;
    EXPECT_FALSE(r.err.empty()) << bad;
    EXPECT_EQ(readFile(doc), before) << bad;
  }
  EXPECT_NE(runCli({"set", doc, "product.band2_high=520"}).err.find("read-only"), std::string::npos);

  // A file whose band record is inverted shows the bands the dialog shows once the
  // grid has shown the file, as show prints them.
  std::string bytes(6144, '\xFF');
  bytes.replace(0x17E8, 6, std::string{'\x17', '\x13', '\x46', '\x40', '\x48', '\x00'});  // 174-136 MHz
  writeFile(doc, bytes);
  const CliRun product = runCli({"get", doc, "product"});
  EXPECT_EQ(valueOf(product.out, "product.band1_low"), "136");
  EXPECT_EQ(valueOf(product.out, "product.band1_high"), "174");
}

}  // namespace
}  // namespace radio::test
