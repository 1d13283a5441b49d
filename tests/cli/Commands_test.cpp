// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool as a technician's script uses it, with its exit codes:
// new, show, edit, dump, diff; export and import of CSV channel lists; get and set
// of the settings and signalling sections (every field of a dialog, values as the
// dialog shows them, refusals that leave the file as it was; the encodings
// themselves are the forms' tests).
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <fstream>

#include <atomic>
#include <sstream>

#include "TempFolder.h"

namespace radio::test {
namespace {

// Runs radioprog-cli from the build folder and captures what it prints.
struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string quote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

CliRun runCli(const std::vector<std::string>& args) {
  static std::atomic<int> counter{0};
  const auto base = std::filesystem::temp_directory_path() /
                    ("radioprog-cli-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::string command = quote(std::string(RADIOPROG_BIN_DIR) + "/radioprog-cli");
  for (const auto& a : args) command += " " + quote(a);
  command += " >" + quote(base.string() + ".out") + " 2>" + quote(base.string() + ".err") + " </dev/null";
  const int status = std::system(command.c_str());
  CliRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = readFile(base.string() + ".out");
  run.err = readFile(base.string() + ".err");
  std::filesystem::remove(base.string() + ".out");
  std::filesystem::remove(base.string() + ".err");
  return run;
}

std::string fixture(const std::string& name) {
  return std::string(RADIOPROG_SOURCE_DIR) + "/tests/channels/csv/" + name;
}

// The value column of one key in the output of get.
std::string valueOf(const std::string& out, const std::string& key) {
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key + '\t', 0) != 0) continue;
    const auto first = line.find('\t');
    return line.substr(first + 1, line.find('\t', first + 1) - first - 1);
  }
  return "<missing>";
}

// A folder of the test's own for the documents the commands work on.
class CliTest : public TempFolderTest {
 protected:
  [[nodiscard]] std::string file(const std::string& name) const { return (dir_ / name).string(); }
  // A new document at file(name).
  std::string newFile(const std::string& name) {
    const std::string path = file(name);
    EXPECT_EQ(runCli({"new", "-o", path}).exitCode, 0);
    return path;
  }
};

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
      {{"edit", doc, "5", "rx=300"}, "Out of range, please input again. (bands in force: 136-174 MHz, 400-520 MHz)"},
      {{"edit", "--lang", "zh", doc, "5", "tx=600"}, "超出范围，请重新输入。（现行频段：136-174 MHz、400-520 MHz）"},
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

// A channel with a receive frequency and no transmit frequency keeps its name and
// flags through every edit, and clearing tx makes one.
TEST_F(CliDocument, ReceiveOnlyChannelsAreShownEditedAndKept) {
  const std::string doc = newFile("radio.dat");
  ASSERT_EQ(runCli({"edit", doc, "7", "rx=145.5", "name=Listen", "power=low", "scan=no"}).exitCode, 0);
  ASSERT_EQ(runCli({"edit", doc, "7", "tx="}).exitCode, 0);
  ASSERT_EQ(runCli({"edit", doc, "7", "busy=carrier"}).exitCode, 0);
  ASSERT_EQ(runCli({"edit", doc, "7", "rx=146"}).exitCode, 0);
  const std::string shown = runCli({"show", doc}).out;
  EXPECT_NE(shown.find("7\t146.00000\t\tNone\tNone\tListen\tLow\tWide\tNo\tCarrier\n"), std::string::npos) << shown;
}

// Arguments nobody asked for are usage errors that name them, and nothing is done.
TEST_F(CliDocument, UnexpectedArgumentsAreNamed) {
  const std::string doc = newFile("radio.dat");
  const std::vector<std::vector<std::string>> calls = {
      {"--version", "extra"},      {"new", "-o", file("x.dat"), "extra"},
      {"show", doc, "extra"},      {"dump", doc, "extra"},
      {"diff", doc, doc, "extra"}, {"export", doc, "-o", "-", "extra"},
      {"ports", "extra"},          {"write", "--port", file("no-port"), doc, "extra"},
  };
  for (const auto& call : calls) {
    const CliRun r = runCli(call);
    EXPECT_EQ(r.exitCode, 2) << call[0];
    EXPECT_NE(r.err.find("unexpected argument 'extra'"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
  EXPECT_FALSE(fs::exists(file("x.dat")));
}

// Backups of reads stay as they were read: a command that would save over one
// refuses, however the file is named, and a copy takes the change.
TEST_F(CliDocument, BackupsAreNeverChangedInPlace) {
  const fs::path data = dir_ / "data";
  const fs::path backups = data / "radioprog" / "backups";
  fs::create_directories(backups);
  ::setenv("XDG_DATA_HOME", data.c_str(), 1);
  const std::string backup = (backups / "2026-01-01_120000_radio.dat").string();
  ASSERT_EQ(runCli({"new", "-o", backup}).exitCode, 0);
  const std::string original = readFile(backup);
  const std::string sideways =
      (data / "radioprog" / ".." / "radioprog" / "backups" / "2026-01-01_120000_radio.dat").string();
  for (const auto& call : std::vector<std::vector<std::string>>{{"edit", backup, "1", "rx=145"},
                                                                {"edit", sideways, "1", "rx=145"},
                                                                {"import", backup, fixture("published.csv")},
                                                                {"set", backup, "optional.tot=60"},
                                                                {"fill", backup, "1-2", "rx=145"},
                                                                {"new", "-o", backup}}) {
    const CliRun r = runCli(call);
    EXPECT_EQ(r.exitCode, 1) << call[0];
    EXPECT_NE(r.err.find("copy it first"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(backup), original) << call[0];
  }
  EXPECT_NE(runCli({"edit", "--lang", "zh", backup, "1", "rx=145"}).err.find("请先复制"), std::string::npos);
  fs::copy_file(backup, file("copy.dat"));
  EXPECT_EQ(runCli({"edit", file("copy.dat"), "1", "rx=145"}).exitCode, 0);
  ::unsetenv("XDG_DATA_HOME");
}

// A damaged document is checked before the port is even opened: its problems are
// listed and nothing is sent unless --force says so.
TEST_F(CliDocument, WriteRefusesADamagedDocumentUnlessForced) {
  std::string bytes = readFile(newFile("bad.dat"));
  bytes.replace(0x17D2, 6, "\x12\x34\xFF\xFF\xFF\xFF");                          // a password of no digits
  bytes.replace(24 * 2, 8, std::string("\x00\x50\x45\x14\x00\x00\x00\x60", 8));  // channel 3: 600 MHz transmit
  writeFile(file("bad.dat"), bytes);
  const std::string port = file("no-such-port");
  for (const char* lang : {"en", "zh"}) {
    const CliRun refused = runCli({"write", "--port", port, file("bad.dat"), "--lang", lang});
    EXPECT_EQ(refused.exitCode, 16) << refused.err;
    EXPECT_EQ(refused.err.find(port), std::string::npos) << "the port was not opened: " << refused.err;
  }
  const CliRun refused = runCli({"write", "--port", port, file("bad.dat"), "--verify"});
  EXPECT_EQ(refused.exitCode, 16);
  EXPECT_NE(refused.err.find("Radio password: the bytes 12 34 FF FF FF FF"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("Channel 3: the transmit frequency 600.00000 MHz is outside the bands"),
            std::string::npos);
  EXPECT_NE(refused.err.find("--force"), std::string::npos);
  EXPECT_EQ(readFile(file("bad.dat")), bytes);
  // Forced, the write goes on to the port (which does not exist here).
  EXPECT_EQ(runCli({"write", "--port", port, file("bad.dat"), "--force"}).exitCode, 10);
  EXPECT_EQ(runCli({"write", "--port", port, newFile("good.dat")}).exitCode, 10);
}

TEST_F(CliDocument, ChineseNamesAreStoredInGbk) {
  const std::string doc = newFile("radio.dat");
  // Five characters do not fit in eight bytes: the name is refused, not cut.
  const CliRun refused = runCli({"edit", "--lang", "zh", doc, "2", "rx=145", "name=信道名字信", "power=低"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("4 个汉字"), std::string::npos);
  ASSERT_EQ(runCli({"edit", "--lang", "zh", doc, "2", "rx=145", "name=信道名字", "power=低"}).exitCode, 0);
  const std::string image = readFile(doc);
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

// The channel plan commands: offsets, sort with the priority channel, fill, replace.
TEST_F(CliDocument, PlanCommandsSortFillAndReplace) {
  const std::string doc = newFile("plan.dat");
  ASSERT_EQ(runCli({"edit", doc, "3", "rx=438.5", "tx=-7.6", "name=RPT"}).exitCode, 0);
  ASSERT_EQ(runCli({"fill", doc, "10-12", "rx=446.00625", "--step", "0.0125", "name=PMR%d"}).out,
            "3 channel(s) filled\n");
  ASSERT_EQ(runCli({"set", doc, "optional.priority=11"}).exitCode, 0);
  const CliRun sorted = runCli({"sort", doc, "--by", "name"});
  EXPECT_EQ(sorted.out, "channels 1-128 sorted by name\npriority channel: 11 -> 2\n");
  EXPECT_EQ(runCli({"show", doc}).out,
            "1\t446.00625\t446.00625\tNone\tNone\tPMR1\tHigh\tWide\tYes\tOff\n"
            "2\t446.01875\t446.01875\tNone\tNone\tPMR2\tHigh\tWide\tYes\tOff\n"
            "3\t446.03125\t446.03125\tNone\tNone\tPMR3\tHigh\tWide\tYes\tOff\n"
            "4\t438.50000\t430.90000\tNone\tNone\tRPT\tHigh\tWide\tYes\tOff\n"
            "Band 1\t136.00000\t174.00000\nBand 2\t400.00000\t520.00000\n");
  EXPECT_NE(runCli({"sort", doc, "--compact"}).out.find("in order already"), std::string::npos);

  // Refusals: the file stays as it was.
  const std::string before = readFile(doc);
  const CliRun overlong = runCli({"replace", doc, "PMR", "CHANNEL"});
  EXPECT_EQ(overlong.exitCode, 3);
  EXPECT_NE(overlong.out.find("0 name(s) changed, 3 left"), std::string::npos);
  const CliRun pastBand = runCli({"fill", doc, "1-2", "rx=519.9875", "--step", "0.025"});
  EXPECT_EQ(pastBand.exitCode, 1);
  EXPECT_NE(pastBand.out.find("Channel 2, Rx Frequency \"520.01250\": Out of range"), std::string::npos);
  EXPECT_EQ(runCli({"sort", doc, "--by", "power"}).exitCode, 2);
  EXPECT_EQ(runCli({"fill", doc, "0-3", "rx=145"}).exitCode, 2);
  EXPECT_EQ(readFile(doc), before);

  EXPECT_EQ(runCli({"replace", doc, "pmr", "CH", "--ignore-case"}).exitCode, 0);
  EXPECT_NE(runCli({"show", doc}).out.find("\tCH3\t"), std::string::npos);
  EXPECT_EQ(runCli({"fill", doc, "5-6", "rx=145.6", "--offset", "-0.6", "--lang", "zh"}).out, "已填充 2 个信道\n");
  EXPECT_NE(runCli({"show", doc}).out.find("6\t145.60000\t145.00000"), std::string::npos);
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
  // A shared list numbered from Location 0.
  const std::string zero = file("zero.csv");
  std::ofstream(zero) << "Location,Name,Frequency\n0,PMR1,446.006250\n1,PMR2,446.018750\n";
  const std::string odd = file("odd.csv");
  std::ofstream(odd) << "Location,Name,Frequency\n%3,PMR1,446.006250\n";
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
      {{"import", dat, file("missing.csv")}, 1, "", "missing.csv: No such file or directory"},
      {{"import", dat, file("")}, 1, "", ": Is a directory"},
      {{"import", file("missing.dat"), fixture("mixed.csv"), "--lang", "zh"}, 1, "", "missing.dat：No such file"},
      {{"import", dat, fixture("malformed.csv"), "--lang", "zh"}, 1, "", "第 2 行：引号中的字段没有结束"},
      {{"import", dat, fixture("mixed.csv"), "--at", "0"}, 2, "", "--at takes a channel from 1 to 128"},
      {{"export", dat}, 2, "", "-o CHANNELS.csv"},
      // A dry run places and refuses as the import would, and changes nothing.
      {{"import", dat, zero, "--dry-run"},
       3,
       "line 3: location 1 -> channel 1: 446.01875 446.01875 None None PMR2 High\n"
       "line 2: location 0 PMR1: there is no channel 0 (1-128) (--at 1 places the rows in file order)\n"
       "1 channel(s) would be imported, 1 row(s) skipped; nothing was changed\n",
       ""},
      {{"import", dat, zero, "--dry-run", "--at", "1"}, 0, "location 0 -> channel 1: 446.00625", ""},
      // A Location is quoted as it stands, never read as part of the message.
      {{"import", dat, odd, "--dry-run", "--at", "1"}, 0, "line 2: location %3 -> channel 1: 446.00625", ""},
  };
  for (const Case& c : cases) {
    const CliRun run = runCli(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args[2 % c.args.size()] << run.err;
    EXPECT_NE(run.out.find(c.outHas), std::string::npos) << run.out;
    EXPECT_NE(run.err.find(c.errHas), std::string::npos) << run.err;
    EXPECT_EQ(readFile(dat), original) << "the document changed";
  }

  const CliRun some = runCli({"import", dat, fixture("mixed.csv"), "--lang", "zh"});
  EXPECT_EQ(some.exitCode, 3);
  EXPECT_NE(some.out.find("已导入 2 个信道，跳过 2 行\n"), std::string::npos) << some.out;

  const CliRun at = runCli({"import", dat, fixture("published.csv"), "--at", "126"});
  EXPECT_EQ(at.exitCode, 3);
  EXPECT_NE(at.out.find("line 5: location 4 RPT3: no channel left after 128\n"), std::string::npos);
  const std::string shown = runCli({"show", dat}).out;
  EXPECT_NE(shown.find("\n128\t145.23000\t144.63000\t123.0\t123.0\tRPT2\t"), std::string::npos);
}

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
