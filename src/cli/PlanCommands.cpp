// SPDX-License-Identifier: GPL-3.0-or-later
// Commands on a channel plan as a whole: sort (and compact), fill, replace.
#include <iostream>
#include <sstream>

#include "channels/ChannelPlan.h"
#include "cli/Cli.h"
#include "model/AsciiText.h"
#include "model/Document.h"

namespace radio::cli {
namespace {

// clang-format off
constexpr Text kSorted{"channels %1 sorted by %2",
                       "信道 %1 已按 %2 排序"};
constexpr Text kCompacted{"channels %1 compacted",
                          "信道 %1 已压缩"};
constexpr Text kInOrder{"channels %1 are in order already; %2 is unchanged",
                        "信道 %1 已经有序；%2 未改变"};
constexpr Text kPriority{"priority channel: %1 -> %2",
                         "优先信道：%1 -> %2"};
constexpr Text kNone{"none",
                     "无"};
constexpr Text kFilled{"%1 channel(s) filled",
                       "已填充 %1 个信道"};
constexpr Text kUnchanged{"%1 is unchanged",
                          "%1 未改变"};
constexpr Text kReplaced{"%1 name(s) changed, %2 left as they were",
                         "已修改 %1 个名字，%2 个保持原样"};
// clang-format on

std::string priorityText(unsigned value, Language lang) { return value == 0 ? kNone.in(lang) : std::to_string(value); }

std::string spanText(ChannelSpan span) { return std::to_string(span.first) + "-" + std::to_string(span.last); }

// The grid of a document with the bands its image holds, as edit starts from.
struct GridOf {
  ChannelGrid grid;
  BandState band;
  explicit GridOf(const Document& doc, Language lang) {
    RadioImage shown = doc.image();
    imageToGrid(shown, grid, band, lang);
  }
};

int runSort(const std::vector<std::string>& argv) {
  const Args args(argv, {"--by", "--rows", "--lang"}, {"--compact"});
  if (!args.ok()) return usage("sort", args.error());
  if (const auto extra = extraArgument("sort", args, 1)) return *extra;
  if (args.positional().size() != 1) return usage("sort", "give one FILE.dat");
  Language lang;
  if (!languageOption(args, lang)) return kExitUsage;
  const bool compact = args.has("--compact");
  if (compact && args.has("--by")) return usage("sort", "--compact keeps the order: it takes no --by");
  const std::string by = args.value("--by").value_or("rx");
  const auto key = sortKeyFromName(by);
  if (!key) return usage("sort", "--by takes rx, tx or name");
  ChannelSpan span;
  if (const auto rows = args.value("--rows")) {
    const auto parsed = parseChannelSpan(*rows);
    if (!parsed) return usage("sort", "--rows takes A-B, channels from 1 to 128");
    span = *parsed;
  }
  const std::string& path = args.positional()[0];
  auto doc = openDocument(path, lang);
  if (!doc) return kExitFailure;
  const unsigned priorityBefore = doc->image().field(field::kPriorityChannel);
  bool moved = false;
  doc->change(compact ? "Compact Channels" : "Sort Channels", [&](RadioImage& image) {
    moved = compact ? compactChannels(image, span) : sortChannels(image, span, *key, lang);
  });
  if (!moved) {
    std::cout << filled(kInOrder, lang, spanText(span), path) << '\n';
    return kExitOk;
  }
  if (!saveDocument(*doc, lang)) return kExitFailure;
  std::ostringstream out;
  // The key as typed, or in Chinese as the grid's column names it.
  const int column = *key == SortKey::Rx ? ColRx : *key == SortKey::Tx ? ColTx : ColName;
  const std::string keyText =
      lang == Language::Chinese ? std::string(trimmed(columnHeader(column, lang))) : lowerAscii(by);
  out << (compact ? filled(kCompacted, lang, spanText(span)) : filled(kSorted, lang, spanText(span), keyText)) << '\n';
  if (const unsigned after = doc->image().field(field::kPriorityChannel); after != priorityBefore)
    out << filled(kPriority, lang, priorityText(priorityBefore, lang), priorityText(after, lang)) << '\n';
  std::cout << out.str();
  return kExitOk;
}

int runFill(const std::vector<std::string>& argv) {
  const Args args(argv, {"--step", "--offset", "--lang"}, {});
  if (!args.ok()) return usage("fill", args.error());
  const auto& pos = args.positional();
  if (pos.size() < 3) return usage("fill", "give FILE.dat, rows A-B and rx=START");
  Language lang;
  if (!languageOption(args, lang)) return kExitUsage;
  const auto span = parseChannelSpan(pos[1]);
  if (!span) return usage("fill", "rows '" + pos[1] + "' are not A-B, channels from 1 to 128");
  SeriesPlan plan;
  bool haveStart = false;
  for (std::size_t i = 2; i < pos.size(); ++i) {
    const auto eq = pos[i].find('=');
    const std::string key = lowerAscii(pos[i].substr(0, eq));
    const std::string value = eq == std::string::npos ? std::string() : pos[i].substr(eq + 1);
    if (eq != std::string::npos && key == "rx") {
      if (!frequencyEditorTakes(ColRx, value) || value.empty())
        return usage("fill", "rx= takes a frequency in MHz, such as 446.00625");
      plan.start = parseFrequencyText(value).value;
      haveStart = true;
    } else if (eq != std::string::npos && key == "name") {
      plan.namePattern = value;
    } else {
      return usage("fill", "'" + pos[i] + "' is neither rx=START nor name=PATTERN");
    }
  }
  if (!haveStart) return usage("fill", "give the first receive frequency as rx=START");
  if (const auto v = args.value("--step")) {
    const auto mhz = parseMegahertz(*v);
    if (!mhz) return usage("fill", "--step takes MHz, such as 0.0125 or -0.025");
    plan.step = *mhz;
  }
  if (const auto v = args.value("--offset")) {
    plan.offset = parseMegahertz(*v);
    if (!plan.offset) return usage("fill", "--offset takes MHz, such as -7.6 or 0.6");
  }
  auto doc = openDocument(pos[0], lang);
  if (!doc) return kExitFailure;
  GridOf g(*doc, lang);
  const PasteResult result = fillSeries(g.grid, *span, plan, g.band.limits, lang);
  if (!result.refusals.empty()) {
    std::cout << pasteReport(result, lang, &fillReportHeading());
    return fail(filled(kUnchanged, lang, pos[0]));
  }
  doc->change("Fill Series", [&](RadioImage& image) { gridToImage(g.grid, image, g.band.limits, lang); });
  if (!saveDocument(*doc, lang)) return kExitFailure;
  std::cout << filled(kFilled, lang, std::to_string(result.changedRows.size())) << '\n';
  return kExitOk;
}

int runReplace(const std::vector<std::string>& argv) {
  const Args args(argv, {"--lang"}, {"--ignore-case"});
  if (!args.ok()) return usage("replace", args.error());
  if (const auto extra = extraArgument("replace", args, 3)) return *extra;
  const auto& pos = args.positional();
  if (pos.size() != 3) return usage("replace", "give FILE.dat, OLD and NEW");
  if (pos[1].empty()) return usage("replace", "OLD is empty: give the text to look for");
  Language lang;
  if (!languageOption(args, lang)) return kExitUsage;
  auto doc = openDocument(pos[0], lang);
  if (!doc) return kExitFailure;
  GridOf g(*doc, lang);
  const std::vector<int> rows = findInNames(g.grid, pos[1], !args.has("--ignore-case"));
  const PasteResult result = replaceInNames(g.grid, rows, pos[1], pos[2], !args.has("--ignore-case"), lang);
  std::cout << pasteReport(result, lang, &replaceReportHeading());
  if (!result.changedRows.empty()) {
    doc->change("Replace", [&](RadioImage& image) { gridToImage(g.grid, image, g.band.limits, lang); });
    if (!saveDocument(*doc, lang)) return kExitFailure;
  }
  std::cout << filled(kReplaced, lang, std::to_string(result.changedRows.size()),
                      std::to_string(result.refusals.size()))
            << '\n';
  return result.refusals.empty() ? kExitOk : kExitPartly;
}

}  // namespace

Command sortCommand() {
  return {"sort", "sort or compact the channels",
          "Usage: radioprog-cli sort FILE.dat [--by rx|tx|name] [--rows A-B] [--lang en|zh]\n"
          "       radioprog-cli sort FILE.dat --compact [--rows A-B] [--lang en|zh]\n"
          "Sorts the channels in use of rows A-B (default 1-128) by receive frequency\n"
          "(the default), transmit frequency or name: they take the first rows of the\n"
          "range in that order, the empty channels follow. Equal keys keep their order;\n"
          "channels without the key (receive-only by tx, no name) come after the others;\n"
          "names compare without case. --compact closes the gaps and keeps the order.\n"
          "Whole channel records move, bytes no column shows included; row Fr never\n"
          "moves. The priority channel follows its channel (printed when its number\n"
          "changes). The file is saved in one step; a file in the backups folder is\n"
          "never changed.\n",
          runSort};
}

Command fillCommand() {
  return {"fill", "fill channels as a series",
          "Usage: radioprog-cli fill FILE.dat A-B rx=START [--step MHZ] [--offset MHZ]\n"
          "                          [name=PATTERN] [--lang en|zh]\n"
          "Fills channels A to B (1-128): channel A gets the receive frequency START,\n"
          "each next one STEP more (default 0; negative steps count down). The transmit\n"
          "frequency equals the receive one, or with --offset is that many MHz from it\n"
          "(-7.6, 0.6). name=PATTERN names the channels, %d standing for 1, 2, ...\n"
          "(PMR%d gives PMR1, PMR2, ...). Empty channels become new ones with the grid's\n"
          "defaults. Every value passes the grid's checks (bands, steps, a name of at\n"
          "most 7 characters and 8 bytes): when any is refused, the refusals are\n"
          "listed, nothing is changed and the exit code is 1.\n",
          runFill};
}

Command replaceCommand() {
  return {"replace", "replace text in channel names",
          "Usage: radioprog-cli replace FILE.dat OLD NEW [--ignore-case] [--lang en|zh]\n"
          "Replaces every OLD in the channel names (rows 1-128 and Fr) by NEW (which may\n"
          "be empty) and saves the file. A name the replacement would make longer than\n"
          "a name holds (7 characters, 8 bytes in the code page; GBK with --lang zh) is\n"
          "listed and left as it was, never cut. Prints how many names changed.\n"
          "Exit codes: 0 every name that holds OLD changed (or none holds it); 3 some\n"
          "names left as they were, the others changed; 1 the file cannot be read or\n"
          "saved; 2 usage.\n",
          runReplace};
}

}  // namespace radio::cli
