// new, show, edit and dump as a technician's script uses them.
#include <gtest/gtest.h>

#include "CliRunner.h"

namespace radio::test {
namespace {

using CliDocument = CliTest;

TEST_F(CliDocument, NewShowEditRoundTrip) {
  const std::string doc = newFile("radio.dat");
  ASSERT_EQ(readFile(doc).size(), 6144u);

  const CliRun empty = runCli({"show", doc});
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, "Band 1\t136.00000\t174.00000\nBand 2\t400.00000\t520.00000\n");

  ASSERT_EQ(runCli({"edit", doc, "1", "rx=145.125", "dec=D023N", "name=Base", "power=low"}).exitCode, 0);
  ASSERT_EQ(runCli({"edit", doc, "Fr", "rx=440", "tx=445", "busy=Carrier"}).exitCode, 0);
  const CliRun shown = runCli({"show", doc});
  EXPECT_EQ(shown.out,
            "1\t145.12500\t145.12500\tD023N\tNone\tBase\tLow\tWide\tYes\tOff\n"
            "Fr\t440.00000\t445.00000\tNone\tNone\t\tHigh\tWide\tYes\tCarrier\n"
            "Band 1\t136.00000\t174.00000\nBand 2\t400.00000\t520.00000\n");
  const CliRun all = runCli({"show", doc, "--all", "--lang", "zh"});
  EXPECT_NE(all.out.find("\n2\t\t\t\t\t\t\t\t\t\n"), std::string::npos);
  EXPECT_NE(all.out.find("1\t145.12500\t145.12500\tD023N\t无\tBase\t低\t宽\t是\t关\n"), std::string::npos);
  EXPECT_EQ(runCli({"--version"}).out.rfind("radioprog-cli ", 0), 0u);
}

TEST_F(CliDocument, RefusalsPrintTheGridMessageAndKeepTheFile) {
  const std::string doc = newFile("radio.dat");
  ASSERT_EQ(runCli({"edit", doc, "5", "rx=145.5"}).exitCode, 0);
  const std::string before = readFile(doc);
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"edit", doc, "5", "rx=66"}, "Error Data Format, please input again."},
      {{"edit", doc, "5", "rx=300"},
       "Out of range, please input again. (bands in force: 136.00000-174.00000 and 400.00000-520.00000 MHz)"},
      {{"edit", doc, "50", "name=X"}, "channel 50 is empty: it needs a receive frequency first"},
      {{"show", file(".")}, "is a folder"},
      // A later refusal undoes the earlier fields of the same call.
      {{"edit", doc, "5", "name=ok", "rx=700"}, "Error Data Format"},
  };
  for (const auto& [args, message] : cases) {
    const CliRun r = runCli(args);
    EXPECT_NE(r.exitCode, 0) << args.back();
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_EQ(readFile(doc), before) << args.back();
  }
  EXPECT_EQ(runCli({"edit", doc, "130", "rx=145"}).exitCode, 2);
  EXPECT_EQ(runCli({"edit", doc, "129", "rx=145"}).exitCode, 2) << "row 129 is only called Fr";
  EXPECT_EQ(runCli({"edit", doc, "5", "color=red"}).exitCode, 2);
  EXPECT_EQ(readFile(doc), before);
}

TEST_F(CliDocument, ChineseNamesAreStoredInGbk) {
  const std::string doc = newFile("radio.dat");
  ASSERT_EQ(runCli({"edit", "--lang", "zh", doc, "2", "rx=145", "name=信道名字信", "power=低"}).exitCode, 0);
  const std::string image = readFile(doc);
  // Five characters do not fit in eight bytes: four are kept, none is cut in half.
  EXPECT_EQ(image.substr(24 + 16, 8), "\xD0\xC5\xB5\xC0\xC3\xFB\xD7\xD6");
  EXPECT_NE(runCli({"show", "--lang", "zh", doc}).out.find("\t信道名字\t低\t"), std::string::npos);
}

TEST_F(CliDocument, ShortFileIsRefusedAndDumpNamesAreas) {
  writeFile(file("short.dat"), std::string(6143, '\0'));
  const CliRun r = runCli({"show", file("short.dat")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("6143"), std::string::npos);

  const std::string doc = newFile("radio.dat");
  const CliRun dump = runCli({"dump", doc});
  EXPECT_EQ(dump.exitCode, 0);
  EXPECT_NE(dump.out.find("1260  01 04 00 00 00 BE 13 7A 00 00"), std::string::npos);
  EXPECT_NE(dump.out.find("17E8  13 17 64 40 48 00"), std::string::npos);
  EXPECT_EQ(runCli({"frobnicate"}).exitCode, 2);
  EXPECT_EQ(runCli({"show", "--help"}).exitCode, 0);
}

TEST_F(CliDocument, DiffExitCodesAndLines) {
  const std::string a = newFile("a.dat");
  const std::string b = newFile("b.dat");
  const CliRun same = runCli({"diff", a, b});
  EXPECT_EQ(same.exitCode, 0);
  EXPECT_EQ(same.out, "");
  ASSERT_EQ(runCli({"set", b, "optional.tot=60"}).exitCode, 0);
  const CliRun differ = runCli({"diff", a, b});
  EXPECT_EQ(differ.exitCode, 20);
  EXPECT_EQ(differ.out, "optional.tot: 30 -> 60\n");
  EXPECT_EQ(runCli({"diff", a, file("missing.dat")}).exitCode, 1);
  EXPECT_EQ(runCli({"diff", a}).exitCode, 2);
}

}  // namespace
}  // namespace radio::test
