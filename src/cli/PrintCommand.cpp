// SPDX-License-Identifier: GPL-3.0-or-later
// print: the report of a document as a PDF file, the same pages the application
// prints, rendered without a display.
#include <filesystem>
#include <iostream>

#include "app/IniFile.h"
#include "channels/ChannelGrid.h"
#include "cli/Cli.h"
#include "model/Document.h"
#include "print/PrintPlan.h"
#include "print/Report.h"

#ifdef RADIOPROG_HAVE_QT_GUI
#include <QGuiApplication>

#include "print/widgets/ReportPainter.h"
#endif

namespace radio::cli {
namespace {

const char* const kHelp =
    "Usage: radioprog-cli print FILE.dat -o REPORT.pdf [--sections LIST] [--lang en|zh]\n"
    "                          [--paper a4|letter] [--owner TEXT] [--ini Program.ini]\n"
    "Writes the printed report of a document as a PDF file: the pages the application\n"
    "prints, with the same page frame, layouts and fonts.\n\n"
    "  -o, --output FILE   the PDF file to write (replaced in one step)\n"
    "  --sections LIST     comma-separated sections in any order, printed in report\n"
    "                      order: dtmf, msk, optional, 2tone, channels, table\n"
    "                      (the channel table, one line a channel), or all\n"
    "                      (default: optional,channels, as the PrintList window opens)\n"
    "  --lang en|zh        language of the report (default en)\n"
    "  --paper a4|letter   paper size (default a4; a quarter-inch margin all round)\n"
    "  --owner TEXT        footer owner line; by default the \"Copyrights Owner\" entry\n"
    "                      of the language's section in Program.ini (the user's copy\n"
    "                      in ~/.config/radioprog, else the one shipped)\n"
    "  --ini FILE          read the owner line from this configuration file instead\n\n"
    "The channel pages print the channel table as the grid shows it, five channels a\n"
    "page; the channel table lists them one line each, 36 a page. Exit code 1 when\n"
    "there is no page to print or the file cannot be written.\n";

#ifdef RADIOPROG_HAVE_QT_GUI

// The footer owner line from a configuration file, without creating the file.
std::string ownerFromIni(const std::filesystem::path& path, Language lang) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return {};
  IniFile ini;
  if (!ini.load(path, false, true, false)) return {};
  // The language's section is named after the language, as [Setup] Language is.
  return ini.get(lang == Language::Chinese ? "Chinese" : "English", "Copyrights Owner");
}

int runPrint(const std::vector<std::string>& argv) {
  const Args args(argv, {"-o", "--output", "--sections", "--lang", "--paper", "--owner", "--ini"}, {});
  if (!args.ok()) return usage("print", args.error());
  if (const auto extra = extraArgument("print", args, 1)) return *extra;
  if (args.positional().size() != 1) return usage("print", "give one FILE.dat");
  auto out = args.value("-o");
  if (!out) out = args.value("--output");
  if (!out || out->empty()) return usage("print", "give the PDF file to write with -o REPORT.pdf");
  Language lang;
  if (!languageOption(args, lang)) return kExitUsage;

  print::SectionFlags sections = print::defaultSections();
  if (const auto list = args.value("--sections")) {
    std::string bad;
    if (!print::parseSectionList(*list, sections, bad))
      return usage("print",
                   "unknown section '" + bad + "' (sections: dtmf, msk, optional, 2tone, channels, table, all)");
  }
  QPageLayout layout = gui::defaultReportPageLayout();
  if (const auto paper = args.value("--paper")) {
    std::string p = *paper;
    for (char& c : p) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (p == "letter") {
      layout.setPageSize(QPageSize(QPageSize::Letter));
    } else if (p != "a4") {
      return usage("print", "unknown paper '" + *paper + "' (a4 or letter)");
    }
  }

  const auto doc = openDocument(args.positional()[0], lang);
  if (!doc) return kExitFailure;

  // The report needs fonts, which need a GUI application object; the offscreen
  // platform gives one without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's notes about the session environment (no runtime folder, no display) mean
  // nothing for a PDF; only its real errors reach stderr.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "radioprog-cli: " << message.toStdString() << '\n';
  });
  static int qtArgc = 1;
  static char qtName[] = "radioprog-cli";
  static char* qtArgv[] = {qtName, nullptr};
  QGuiApplication app(qtArgc, qtArgv);

  std::string owner;
  if (const auto text = args.value("--owner")) {
    owner = *text;
  } else if (const auto ini = args.value("--ini")) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*ini, ec)) return fail("cannot read the configuration file " + *ini);
    owner = ownerFromIni(*ini, lang);
  } else {
    owner = ownerFromIni(programIni(), lang);
  }

  ChannelGrid grid;
  BandState band;
  band.record = initialBandRecord();
  RadioImage image = doc->image();
  imageToGrid(image, grid, band, lang);
  const print::ReportSource source{image, grid, lang, owner};
  const int pages = print::planReport(sections, grid).totalPages();
  if (pages == 0)
    return fail(
        Text{"nothing to print: the chosen sections have no pages", "没有可打印的内容：所选部分没有页面"}.in(lang));

  const QString title = QString::fromStdString(std::filesystem::path(args.positional()[0]).filename().string());
  const QByteArray pdf = gui::renderReportPdf(sections, source, layout, title);
  if (pdf.isEmpty()) return fail(Text{"the report could not be rendered", "无法生成报表"}.in(lang));
  const FileResult written =
      writeFileAtomically(*out, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
  if (!written) return fail(written.text(lang));
  std::cout << *out << ": " << pages << (pages == 1 ? " page" : " pages") << '\n';
  return kExitOk;
}

#else

int runPrint(const std::vector<std::string>&) {
  return fail("this build has no printing: configure with RADIOPROG_GUI=ON to write PDF reports");
}

#endif

}  // namespace

Command printCommand() { return {"print", "writes the printed report of a document as a PDF file", kHelp, runPrint}; }

}  // namespace radio::cli
