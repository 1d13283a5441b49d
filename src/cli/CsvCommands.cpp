// SPDX-License-Identifier: GPL-3.0-or-later
// Commands that move channel lists in and out as CSV: export, import.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "channels/ChannelCsv.h"
#include "channels/ChannelGrid.h"
#include "cli/Cli.h"
#include "model/Document.h"

namespace radio::cli {
namespace {

// clang-format off
constexpr Text kCannotRead{"cannot read %1: %2",
                           "无法读取 %1：%2"};
constexpr Text kTooLarge{"%1: too large for a channel list",
                         "%1：文件太大，不是信道列表"};
constexpr Text kNothingImported{"%1: no row can be imported; %2 is unchanged",
                                "%1：没有可以导入的行；%2 未改变"};
constexpr Text kStrict{"%1 row(s) skipped with --strict; %2 is unchanged",
                       "使用 --strict 时跳过了 %1 行；%2 未改变"};
constexpr Text kSummary{"%1 channel(s) imported, %2 row(s) skipped",
                        "已导入 %1 个信道，跳过 %2 行"};
constexpr Text kCannotWriteStdout{"cannot write to the standard output",
                                  "无法写入标准输出"};
constexpr Text kAtHint{"--at 1 places the rows in file order",
                       "--at 1 按文件中的顺序放置这些行"};
constexpr Text kPlaced{"line %1: location %2 -> channel %3: ",
                       "第 %1 行：位置 %2 -> 信道 %3："};
constexpr Text kDryRunSummary{"%1 channel(s) would be imported, %2 row(s) skipped; nothing was changed",
                              "将导入 %1 个信道，跳过 %2 行；未做任何更改"};
// clang-format on

// A refused row; one refused for its Location says how the rows would fit.
std::string refusalText(const CsvReportLine& line, Language lang) {
  std::string text = line.text(lang);
  if (line.locationOutside)
    text += (lang == Language::Chinese ? "（" : " (") + std::string(kAtHint.in(lang)) +
            (lang == Language::Chinese ? "）" : ")");
  return text;
}

// A row the import takes: where it goes and what the channel will hold.
std::string placedText(const CsvPlacedRow& row, Language lang) {
  // Filled in one pass: a Location from the file may itself hold "%3".
  std::string text = fillText(
      kPlaced.in(lang), {std::to_string(row.line), row.location.empty() ? "-" : row.location, rowLabel(row.channel)});
  for (const int c : {ColRx, ColTx, ColDecode, ColEncode, ColName, ColPower}) {
    text += row.texts[c].empty() ? std::string("\"\"") : row.texts[c];
    if (c != ColPower) text += ' ';
  }
  return text;
}

// The channel list's text, or the reason it cannot be had (the system's own for a
// file that cannot be opened or read).
std::optional<std::string> readChannelList(const std::string& path, Language lang, std::string& error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = filled(kCannotRead, lang, path, std::strerror(EISDIR));
    return std::nullopt;
  }
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > kMaxChannelListBytes) {
    error = filled(kTooLarge, lang, path);
    return std::nullopt;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = filled(kCannotRead, lang, path, std::strerror(errno != 0 ? errno : ENOENT));
    return std::nullopt;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) {
    error = filled(kCannotRead, lang, path, std::strerror(errno != 0 ? errno : EIO));
    return std::nullopt;
  }
  return text.str();
}

int runExport(const std::vector<std::string>& argv) {
  const Args args(argv, {"-o", "--output", "--lang"}, {});
  if (!args.ok()) return usage("export", args.error());
  auto out = args.value("-o");
  if (!out) out = args.value("--output");
  if (const auto extra = extraArgument("export", args, 1)) return *extra;
  if (!out || args.positional().size() != 1)
    return usage("export", "give one FILE.dat and the file to write with -o CHANNELS.csv (- for stdout)");
  Language lang;
  if (!languageOption(args, lang)) return kExitUsage;
  const auto doc = openDocument(args.positional()[0], lang);
  if (!doc) return kExitFailure;
  const CsvExportResult result = exportChannelsCsv(doc->image(), lang);
  for (const auto& note : result.notes) std::cerr << "radioprog-cli: " << note << '\n';
  if (*out == "-") {
    std::cout << result.text << std::flush;
    return std::cout ? kExitOk : fail(kCannotWriteStdout.in(lang));
  }
  if (const FileResult r = writeFileAtomically(*out, result.text); !r) return fail(r.text(lang));
  return kExitOk;
}

int runImport(const std::vector<std::string>& argv) {
  const Args args(argv, {"--at", "--lang"}, {"--strict", "--dry-run"});
  if (!args.ok()) return usage("import", args.error());
  if (const auto extra = extraArgument("import", args, 2)) return *extra;
  if (args.positional().size() != 2) return usage("import", "give FILE.dat and CHANNELS.csv");
  CsvImportOptions options;
  if (!languageOption(args, options.lang)) return kExitUsage;
  if (const auto at = args.value("--at")) {
    int n = 0;
    for (char c : *at) n = (c >= '0' && c <= '9' && n <= kCsvChannels) ? n * 10 + (c - '0') : kCsvChannels + 1;
    if (at->empty() || n < 1 || n > kCsvChannels)
      return usage("import", "--at takes a channel from 1 to " + std::to_string(kCsvChannels));
    options.at = n;
  }
  const std::string& datPath = args.positional()[0];
  const std::string& csvPath = args.positional()[1];
  const Language lang = options.lang;
  auto doc = openDocument(datPath, lang);
  if (!doc) return kExitFailure;
  std::string error;
  const auto text = readChannelList(csvPath, lang, error);
  if (!text) return fail(error);

  const CsvImportResult result = importChannelsCsv(*text, doc->image(), options);
  if (!result.readable()) return fail(csvPath + ": " + result.error);
  const bool dryRun = args.has("--dry-run");
  std::ostringstream report;
  if (dryRun)
    for (const auto& row : result.placed) report << placedText(row, lang) << '\n';
  for (const auto& line : result.skipped) report << refusalText(line, lang) << '\n';
  for (const auto& line : result.notes) report << line.text(lang) << '\n';
  std::cout << report.str();
  if (result.imported() == 0) return fail(filled(kNothingImported, lang, csvPath, datPath));
  const std::string imported = std::to_string(result.imported());
  const std::string skipped = std::to_string(result.skipped.size());
  const bool everyRowTaken = result.skipped.empty();
  if (args.has("--strict") && !everyRowTaken) return fail(filled(kStrict, lang, skipped, datPath));
  if (dryRun) {
    std::cout << filled(kDryRunSummary, lang, imported, skipped) << '\n';
  } else {
    doc->replaceImage(result.image, "Import");
    if (!saveDocument(*doc, lang)) return kExitFailure;
    std::cout << filled(kSummary, lang, imported, skipped) << '\n';
  }
  return everyRowTaken ? kExitOk : kExitPartly;
}

}  // namespace

Command exportCommand() {
  return {"export", "write the channels as a CSV channel list",
          "Usage: radioprog-cli export FILE.dat -o CHANNELS.csv [--lang en|zh]\n"
          "Writes channels 1-128 that have a receive frequency as a CSV channel list in\n"
          "the layout other radio programmers exchange (Location, Name, Frequency,\n"
          "Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,\n"
          "RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, URCALL, RPT1CALL,\n"
          "RPT2CALL, DVCODE) plus the column BusyLock. UTF-8, CRLF line ends.\n"
          "-o - writes to the standard output. --lang zh reads names as GBK.\n"
          "The file is replaced in one step.\n",
          runExport};
}

Command importCommand() {
  return {"import", "read a CSV channel list into a document",
          "Usage: radioprog-cli import FILE.dat CHANNELS.csv [--at N] [--strict] [--dry-run]\n"
          "                                                 [--lang en|zh]\n"
          "Reads a CSV channel list (columns found by name; Location and Frequency are\n"
          "required) into the channels of FILE.dat and saves it in one step. Each row\n"
          "goes to the channel its Location names (1-128); with --at N the rows that can\n"
          "be imported go to channels N, N+1, ... in file order. A row goes in only when\n"
          "the channel grid would accept it; every other row is reported as\n"
          "  line K: location L NAME: reason\n"
          "and channels the file does not name are left as they are.\n"
          "A row whose Location is outside 1-128 (many shared lists start at 0) says so\n"
          "and that --at 1 places the rows in file order.\n"
          "--dry-run prints where each row would go and what the channel would hold,\n"
          "  line K: location L -> channel N: RX TX DEC ENC NAME POWER\n"
          "then the refused rows, and changes nothing (same exit codes).\n"
          "Exit codes: 0 every row imported; 3 some rows skipped, the others imported;\n"
          "1 nothing importable, an unreadable or malformed file, or --strict with any\n"
          "skipped row (FILE.dat is then unchanged); 2 usage.\n"
          "--lang zh stores names in GBK and reports in Chinese.\n",
          runImport};
}

}  // namespace radio::cli
