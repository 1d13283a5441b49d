// SPDX-License-Identifier: GPL-3.0-or-later
// Commands on .dat documents: new, show, edit, diff, dump.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "channels/ChannelGrid.h"
#include "cli/Cli.h"
#include "compare/ImageDiff.h"
#include "features/SettingsSections.h"
#include "model/CodePage.h"
#include "model/Document.h"

namespace radio::cli {
namespace {

int runNew(const std::vector<std::string>& argv) {
  const Args args(argv, {"-o", "--output"}, {});
  if (!args.ok()) return usage("new", args.error());
  auto out = args.value("-o");
  if (!out) out = args.value("--output");
  if (const auto extra = extraArgument("new", args, 0)) return *extra;
  if (!out) return usage("new", "give the file to write with -o FILE.dat");
  BandRecord band = initialBandRecord();
  Document doc(newDocumentImage(band));
  return saveDocumentAs(doc, *out) ? kExitOk : kExitFailure;
}

int runShow(const std::vector<std::string>& argv) {
  const Args args(argv, {"--lang"}, {"--all"});
  if (!args.ok()) return usage("show", args.error());
  if (const auto extra = extraArgument("show", args, 1)) return *extra;
  if (args.positional().size() != 1) return usage("show", "give one FILE.dat");
  Language lang;
  if (!languageOption(args, lang)) return kExitUsage;
  const auto doc = openDocument(args.positional()[0], lang);
  if (!doc) return kExitFailure;
  ChannelGrid grid;
  BandState band;
  RadioImage shown = doc->image();
  imageToGrid(shown, grid, band, lang);
  const bool all = args.has("--all");
  std::ostringstream out;
  for (int n = 1; n <= kChannelRows; ++n) {
    const RowTexts& row = grid.row(n);
    if (!all && row[ColRx].empty()) continue;
    out << rowLabel(n);
    for (int c = ColRx; c <= ColBusy; ++c) out << '\t' << row[c];
    out << '\n';
  }
  const BandLimits& l = band.limits;
  out << "Band 1\t" << formatFrequency(l.low1) << '\t' << formatFrequency(l.high1) << '\n';
  out << "Band 2\t" << formatFrequency(l.low2) << '\t' << formatFrequency(l.high2) << '\n';
  std::cout << out.str();
  return kExitOk;
}

// The field keys `edit` takes, in column order: "rx tx ... busy".
std::string fieldKeys() {
  std::string keys;
  for (int c = ColRx; c < kGridColumns; ++c) keys += std::string(keys.empty() ? "" : " ") + columnInfo(c).key;
  return keys;
}

// clang-format off
constexpr Text kFrequencyTooLong{"a frequency takes at most 9 characters",
                                 "频率最多 9 个字符"};
constexpr Text kFrequencyCharacters{"a frequency takes only digits and '.' (a transmit offset a leading + or -)",
                                    "频率只能包含数字和“.”（发射偏移可以 + 或 - 开头）"};
constexpr Text kNameTooLong{"a channel name takes at most 7 characters",
                            "信道名字最多 7 个字符"};
constexpr Text kNotInList{"'%1' is not in the list (%2)",
                          "“%1”不在列表中（%2）"};
constexpr Text kToneChoices{", a CTCSS tone such as 67.0, or a DCS code such as D023N or D023I",
                            "、CTCSS 亚音（如 67.0）或 DCS 码（如 D023N、D023I）"};
constexpr Text kNotEditable{"this column cannot be edited",
                            "该列不能编辑"};
constexpr Text kEmptyChannel{"channel %1 is empty: it needs a receive frequency first (rx=...)",
                             "信道 %1 是空的：请先设置接收频率（rx=...）"};
constexpr Text kBandsInForce{" (bands in force: %1)",
                             "（现行频段：%1）"};
// clang-format on

// What the column's editor would hold after the user typed or picked value;
// empty optional with a reason when the editor could not hold it.
std::optional<std::string> editorTextFor(int column, const std::string& value, Language lang, std::string& why) {
  switch (editorForColumn(column)) {
    case EditorKind::Frequency:
      if (value.size() > static_cast<std::size_t>(kFrequencyEditLimit)) {
        why = kFrequencyTooLong.in(lang);
        return std::nullopt;
      }
      if (!frequencyEditorTakes(column, value)) {
        why = kFrequencyCharacters.in(lang);
        return std::nullopt;
      }
      return value;
    case EditorKind::Name:
      if (utf8Length(value) > static_cast<std::size_t>(kNameEditLimit)) {
        why = kNameTooLong.in(lang);
        return std::nullopt;
      }
      return value;
    case EditorKind::ToneList:
    case EditorKind::FlagList: {
      const auto items = listItemsForColumn(column, lang);
      for (const auto& item : items)
        if (lowerAscii(item) == lowerAscii(value)) return item;
      // Texts of the other language are accepted too, as their meaning is clear.
      const Language other = lang == Language::English ? Language::Chinese : Language::English;
      const auto otherItems = listItemsForColumn(column, other);
      for (std::size_t i = 0; i < otherItems.size() && i < items.size(); ++i)
        if (lowerAscii(otherItems[i]) == lowerAscii(value)) return items[i];
      std::string choices;
      if (items.size() <= 3) {
        for (const auto& item : items)
          choices += (choices.empty() ? "" : lang == Language::Chinese ? "、" : ", ") + item;
      } else {
        choices = items[0] + kToneChoices.in(lang);
      }
      why = filled(kNotInList, lang, value, choices);
      return std::nullopt;
    }
    case EditorKind::None: break;
  }
  why = kNotEditable.in(lang);
  return std::nullopt;
}

int runEdit(const std::vector<std::string>& argv) {
  const Args args(argv, {"--lang"}, {});
  if (!args.ok()) return usage("edit", args.error());
  const auto& pos = args.positional();
  if (pos.size() < 3) return usage("edit", "give FILE.dat, a row (1-128 or Fr) and at least one FIELD=VALUE");
  Language lang;
  if (!languageOption(args, lang)) return kExitUsage;
  const int rowNumber = rowFromLabel(pos[1]);
  if (rowNumber == 0) return usage("edit", "row '" + pos[1] + "' does not exist (use 1-128 or Fr)");
  // Check every assignment before touching anything.
  std::vector<std::pair<int, std::string>> edits;
  for (std::size_t i = 2; i < pos.size(); ++i) {
    const auto eq = pos[i].find('=');
    if (eq == std::string::npos) return usage("edit", "'" + pos[i] + "' is not FIELD=VALUE");
    const std::string field = lowerAscii(pos[i].substr(0, eq));
    const int column = columnForKey(field);
    if (column == 0) return usage("edit", "unknown field '" + field + "' (fields: " + fieldKeys() + ")");
    edits.emplace_back(column, pos[i].substr(eq + 1));
  }
  auto doc = openDocument(pos[0], lang);
  if (!doc) return kExitFailure;
  ChannelGrid grid;
  BandState band;
  RadioImage shown = doc->image();
  imageToGrid(shown, grid, band, lang);
  for (const auto& [column, value] : edits) {
    std::string why;
    const auto editorText = editorTextFor(column, value, lang, why);
    if (!editorText) return fail(why);
    if (!rowTakesValue(grid.row(rowNumber), column)) return fail(filled(kEmptyChannel, lang, pos[1]));
    const CommitResult result = commitCellEdit(grid.row(rowNumber), column, *editorText, band.limits, lang);
    if (!result.message.valid()) {
      // The grid's message, with the bands it means (the step message names the steps).
      std::string message = messageText(result.message.message, lang);
      if (result.message.message == MessageId::OutOfRange)
        message += filled(kBandsInForce, lang, bandsText(band.limits, lang));
      return fail(message);
    }
    grid.row(rowNumber) = result.row;
  }
  doc->change("Edit", [&](RadioImage& image) { gridToImage(grid, image, band.limits, lang); });
  return saveDocument(*doc, lang) ? kExitOk : kExitFailure;
}

int runDump(const std::vector<std::string>& argv) {
  const Args args(argv, {}, {});
  if (!args.ok()) return usage("dump", args.error());
  if (const auto extra = extraArgument("dump", args, 1)) return *extra;
  if (args.positional().size() != 1) return usage("dump", "give one FILE.dat");
  const auto doc = openDocument(args.positional()[0]);
  if (!doc) return kExitFailure;
  const RadioImage& image = doc->image();
  std::string lastArea;
  std::ostringstream out;
  std::size_t offset = 0;
  while (offset < kImageSize) {
    // A line ends at 16 bytes, at the end of a record and where the area changes.
    std::string area = areaName(offset);
    if (offset < addr::kFr) area = "channel " + std::to_string(offset / kRecordSize + 1);
    std::size_t end = offset + 1;
    const std::size_t recordEnd = (offset / kRecordSize + 1) * kRecordSize;
    while (end < recordEnd && end - offset < 16 && std::string(areaName(end)) == areaName(offset)) ++end;
    char head[16];
    std::snprintf(head, sizeof head, "%04zX  ", offset);
    out << head;
    std::string hex;
    for (std::size_t i = offset; i < end; ++i) {
      char b[4];
      std::snprintf(b, sizeof b, "%02X ", image.at(i));
      hex += b;
    }
    hex.resize(16 * 3, ' ');
    out << hex;
    if (area != lastArea || offset % kRecordSize == 0) {
      char rec[32];
      std::snprintf(rec, sizeof rec, " rec %3zu", offset / kRecordSize);
      out << rec << "  " << (area.empty() ? "-" : area);
      lastArea = area;
    }
    out << '\n';
    offset = end;
  }
  std::cout << out.str();
  return kExitOk;
}

int runDiff(const std::vector<std::string>& argv) {
  const Args args(argv, {"--lang"}, {"--bytes"});
  if (!args.ok()) return usage("diff", args.error());
  if (const auto extra = extraArgument("diff", args, 2)) return *extra;
  if (args.positional().size() != 2) return usage("diff", "give two files, A.dat and B.dat");
  Language lang;
  if (!languageOption(args, lang)) return kExitUsage;
  const SectionContext ctx = sectionContext(lang);
  const auto a = openDocument(args.positional()[0], lang);
  if (!a) return kExitFailure;
  const auto b = openDocument(args.positional()[1], lang);
  if (!b) return kExitFailure;
  std::ostringstream out;
  const ImageComparison comparison = compareImages(a->image(), b->image(), ctx);
  for (const std::string& line : comparisonLines(comparison, args.has("--bytes"), lang)) out << line << '\n';
  std::cout << out.str();
  return comparison.same() ? kExitOk : kExitDifferent;
}

}  // namespace

Command newCommand() {
  return {"new", "write a new document's image",
          "Usage: radioprog-cli new -o FILE.dat\n"
          "Writes the image of a new document (factory defaults) to FILE.dat.\n",
          runNew};
}

Command showCommand() {
  return {"show", "print the channel table of a document",
          "Usage: radioprog-cli show FILE.dat [--all] [--lang en|zh]\n"
          "Prints the channel table as the grid shows it: one line per row, tab-separated:\n"
          "the row label (1-128, Fr) and the nine column texts (Rx, Tx, QT/DQT Dec,\n"
          "QT/DQT Enc, name, power, W/N, scan add, busy lock). Without --all only rows\n"
          "with a receive frequency are printed. Then the band limits in force.\n",
          runShow};
}

Command editCommand() {
  return {"edit", "edit one channel as the grid does",
          "Usage: radioprog-cli edit FILE.dat ROW FIELD=VALUE... [--lang en|zh]\n"
          "Edits one channel the way typing into the grid does, field by field in the\n"
          "order given, with the grid's checks, then saves the file.\n"
          "ROW: 1-128 or Fr. FIELD: rx, tx (frequency in MHz, e.g. 145.125; rx= deletes\n"
          "the channel, tx= makes it receive-only; a tx starting with + or - is an offset\n"
          "in MHz from the channel's rx: tx=-7.6 on 438.5 gives 430.90000), dec, enc (None, a CTCSS tone such as 67.0, "
          "a DCS code such as\n"
          "D023N or D754I), name (up to 7 characters), power (High, Low), wn (Wide,\n"
          "Narrow), scan (Yes, No), busy (Off, Carrier, QT/DQT).\n"
          "A frequency, receive or transmit, outside 67-600 MHz, off the 5 kHz and\n"
          "6.25 kHz steps or outside the bands in force is refused: the grid's message\n"
          "(naming the bands or the steps) is printed, the exit code is 1 and the file\n"
          "is left unchanged. A file in the backups folder is never changed (copy it\n"
          "first). With --lang zh messages and list texts are the Chinese ones and the\n"
          "name is stored in GBK.\n",
          runEdit};
}

Command diffCommand() {
  return {"diff", "list every difference between two documents",
          "Usage: radioprog-cli diff A.dat B.dat [--bytes] [--lang en|zh]\n"
          "Prints every difference from A to B, one per line:\n"
          "  channel N: FIELD: OLD -> NEW   a channel row (N 1-128 or Fr; FIELD as 'edit'\n"
          "                                 names it) with the grid's texts\n"
          "  section.key: OLD -> NEW        a setting, with the keys and texts of 'get'\n"
          "  12 bytes no field shows differ the image bytes whose change no field shows,\n"
          "                                 counted in one last line\n"
          "With --bytes those bytes are listed instead as address ranges, one per line:\n"
          "  bytes 0xADDR-0xADDR            image offsets, neighbouring bytes merged\n"
          "An empty text is shown as \"\". Exit 0 when the documents are the same (nothing\n"
          "is printed), 20 when they differ, 1 when a file cannot be read.\n",
          runDiff};
}

Command dumpCommand() {
  return {"dump", "hex dump of an image with its areas",
          "Usage: radioprog-cli dump FILE.dat\n"
          "Prints the 6144 image bytes in hexadecimal, each line with its offset and,\n"
          "where it starts, the record number and the area of the image map.\n",
          runDump};
}

}  // namespace radio::cli
