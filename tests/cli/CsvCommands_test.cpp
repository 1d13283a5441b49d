// export and import of CSV channel lists, with their exit codes.
#include <gtest/gtest.h>

#include "CliRunner.h"

namespace radio::test {
namespace {

std::string fixture(const std::string& name) {
  return std::string(RADIOPROG_SOURCE_DIR) + "/tests/channels/csv/" + name;
}

using CliCsv = CliTest;

TEST_F(CliCsv, ImportExportRoundTrip) {
  const std::string a = newFile("a.dat"), b = newFile("b.dat"), csv = file("a.csv");
  const CliRun imported = runCli({"import", a, fixture("published.csv")});
  EXPECT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.out, "7 channel(s) imported, 0 row(s) skipped\n");
  EXPECT_NE(runCli({"show", a}).out.find("2\t147.06000\t147.66000\tNone\t100.0\tRPT1\tHigh\tWide\tYes\tOff\n"),
            std::string::npos);

  ASSERT_EQ(runCli({"export", a, "-o", csv}).exitCode, 0);
  const CliRun toStdout = runCli({"export", a, "-o", "-"});
  EXPECT_EQ(toStdout.exitCode, 0);
  EXPECT_EQ(toStdout.out, readFile(csv));

  EXPECT_EQ(runCli({"import", b, csv}).exitCode, 0);
  EXPECT_EQ(runCli({"show", b}).out, runCli({"show", a}).out);
}

TEST_F(CliCsv, ExitCodesAndReports) {
  const std::string dat = newFile("r.dat");
  const std::string original = readFile(dat);
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    const char* outHas;  // on stdout
    const char* errHas;  // on stderr
  };
  const Case cases[] = {
      {{"import", dat, fixture("mixed.csv"), "--strict"},
       1,
       "line 6: location 12 Tower: mode 'AM'",
       "2 row(s) skipped with --strict"},
      {{"import", dat, file("missing.csv")}, 1, "", "cannot read"},
      {{"import", dat, fixture("mixed.csv"), "--at", "0"}, 2, "", "--at takes a channel from 1 to 128"},
      {{"export", dat}, 2, "", "-o CHANNELS.csv"},
  };
  for (const Case& c : cases) {
    const CliRun run = runCli(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args[2 % c.args.size()] << run.err;
    EXPECT_NE(run.out.find(c.outHas), std::string::npos) << run.out;
    EXPECT_NE(run.err.find(c.errHas), std::string::npos) << run.err;
    EXPECT_EQ(readFile(dat), original) << "the document changed";
  }

  const CliRun some = runCli({"import", dat, fixture("mixed.csv")});
  EXPECT_EQ(some.exitCode, 3);
  EXPECT_NE(some.out.find("2 channel(s) imported, 2 row(s) skipped\n"), std::string::npos) << some.out;

  const CliRun at = runCli({"import", dat, fixture("published.csv"), "--at", "126"});
  EXPECT_EQ(at.exitCode, 3);
  EXPECT_NE(at.out.find("line 5: location 4 RPT3: no channel left after 128\n"), std::string::npos);
  const std::string shown = runCli({"show", dat}).out;
  EXPECT_NE(shown.find("\n128\t145.23000\t144.63000\t123.0\t123.0\tRPT2\t"), std::string::npos);
}

}  // namespace
}  // namespace radio::test
