// The report as PDF, in process and through the command-line tool: page count,
// page order and that the texts reach the file in both languages.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QFile>
#include <QFontInfo>
#include <QPdfWriter>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "channels/ChannelGrid.h"
#include "model/Document.h"
#include "print/widgets/ReportPainter.h"

namespace radio::gui {
namespace {

namespace fs = std::filesystem;
using radio::print::SectionFlags;

bool havePoppler() { return std::system("pdftotext -v >/dev/null 2>&1") == 0; }

std::string run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buf[4096];
  while (const std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
  pclose(pipe);
  return out;
}

int pdfPages(const fs::path& pdf) {
  const std::string info = run("pdfinfo '" + pdf.string() + "' 2>/dev/null");
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string pdfText(const fs::path& pdf, int page) {
  const std::string p = std::to_string(page);
  return run("pdftotext -layout -f " + p + " -l " + p + " '" + pdf.string() + "' - 2>/dev/null");
}

class ReportPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("radioprog-print-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    // Twelve channels, a DTMF identity and a 2-Tone entry.
    BandRecord band{};
    image_ = newDocumentImage(band);
    BandState state;
    imageToGrid(image_, grid_, state, Language::English);
    for (int row = 1; row <= 12; ++row) {
      auto committed = commitCellEdit(grid_.row(row), ColRx, "146.52500", state.limits, Language::English);
      grid_.row(row) = committed.row;
    }
    grid_.cell(12, ColName) = "LAST";
    gridToImage(grid_, image_, state.limits, Language::English);
    image_.setText(0x1320, 11, "8675309");
    image_.setBe16(0x15C0, 3000);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  fs::path writePdf(const SectionFlags& sections, Language lang, const std::string& name) {
    ChannelGrid grid;
    BandState state;
    RadioImage image = image_;
    imageToGrid(image, grid, state, lang);
    const radio::print::ReportSource source{image, grid, lang, "Owner Line Ltd"};
    const QByteArray pdf = renderReportPdf(sections, source, defaultReportPageLayout(), "test");
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary).write(pdf.constData(), pdf.size());
    return path;
  }

  fs::path dir_;
  RadioImage image_;
  ChannelGrid grid_;
};

TEST_F(ReportPdf, DefaultSectionsGiveOptionalThenThreeChannelPages) {
  if (!havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  const fs::path pdf = writePdf(radio::print::defaultSections(), Language::English, "en.pdf");
  ASSERT_EQ(pdfPages(pdf), 4);
  const std::string first = pdfText(pdf, 1);
  EXPECT_NE(first.find("Optional"), std::string::npos) << first;
  EXPECT_NE(first.find("Squelch level:"), std::string::npos);
  EXPECT_NE(first.find("Page 1 of 4"), std::string::npos);
  EXPECT_NE(first.find("Owner Line Ltd"), std::string::npos);
  const std::string last = pdfText(pdf, 4);
  EXPECT_NE(last.find("Channel Infomation"), std::string::npos) << last;
  EXPECT_NE(last.find("Channel 11:"), std::string::npos);
  EXPECT_NE(last.find("Channel 12:"), std::string::npos);
  EXPECT_NE(last.find("LAST"), std::string::npos);
  EXPECT_NE(last.find("146.52500"), std::string::npos);
  EXPECT_NE(last.find("Page 4 of 4"), std::string::npos);
}

TEST_F(ReportPdf, ChineseReportCarriesHanTexts) {
  if (!havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  const fs::path pdf = writePdf(SectionFlags{true, false, false, true, false}, Language::Chinese, "zh.pdf");
  ASSERT_EQ(pdfPages(pdf), 3);
  const std::string dtmf = pdfText(pdf, 1);
  EXPECT_NE(dtmf.find("身份码:"), std::string::npos) << dtmf;
  EXPECT_NE(dtmf.find("8675309"), std::string::npos);
  EXPECT_NE(pdfText(pdf, 2).find("2-Tone 解码"), std::string::npos);
  EXPECT_NE(pdfText(pdf, 2).find("300.0"), std::string::npos);
  EXPECT_NE(pdfText(pdf, 3).find("音频1"), std::string::npos);
}

TEST_F(ReportPdf, NothingSelectedGivesNoDocument) {
  const radio::print::ReportSource source{image_, grid_, Language::English, ""};
  EXPECT_TRUE(renderReportPdf(SectionFlags{}, source, defaultReportPageLayout(), "x").isEmpty());
}

TEST_F(ReportPdf, FontsAreScaledFromThePrintableArea) {
  QPdfWriter writer(QString::fromStdString((dir_ / "m.pdf").string()));
  writer.setPageLayout(defaultReportPageLayout());
  writer.setResolution(1200);
  const ReportPainter painter(writer, Language::English);
  const auto& g = painter.geometry();
  // A4 less a quarter inch all round: 7.77 x 11.19 inches.
  EXPECT_NEAR(g.width, 11190, 20);
  EXPECT_NEAR(g.height, 16117, 20);
  // Line heights: a little more than the character heights, never less.
  EXPECT_GE(g.titleLine, g.titleCharHeight());
  EXPECT_LT(g.titleLine, g.titleCharHeight() * 3 / 2);
  EXPECT_GE(g.bodyLine, g.bodyCharHeight());
  EXPECT_LT(g.bodyLine, g.titleLine);
  // The serif face or its stand-in, not some fallback.
  const QString family = QFontInfo(painter.font(radio::print::FontRole::Title)).family();
  EXPECT_TRUE(family.contains("Times") || family.contains("Liberation Serif")) << family.toStdString();
}

// The command-line tool writes the same report.
class PrintCommand : public ReportPdf {
 protected:
  int cli(const std::string& args) {
    const std::string command = std::string(RADIOPROG_BIN_DIR) + "/radioprog-cli " + args + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(PrintCommand, WritesThePdfAndRefusesBadArguments) {
  if (!havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  const fs::path dat = dir_ / "radio.dat";
  ASSERT_TRUE(saveDatFile(dat, image_));
  const fs::path pdf = dir_ / "report.pdf";
  ASSERT_EQ(cli("print '" + dat.string() + "' -o '" + pdf.string() + "'"), 0);
  EXPECT_EQ(pdfPages(pdf), 4);

  ASSERT_EQ(cli("print '" + dat.string() + "' -o '" + pdf.string() +
                "' --sections channels,msk --lang zh --owner 'Zh Owner'"),
            0);
  EXPECT_EQ(pdfPages(pdf), 4);
  EXPECT_NE(pdfText(pdf, 1).find("MSK"), std::string::npos);
  EXPECT_NE(pdfText(pdf, 2).find("信道信息"), std::string::npos);
  EXPECT_NE(pdfText(pdf, 2).find("Zh Owner"), std::string::npos);

  const fs::path none = dir_ / "none.pdf";
  EXPECT_EQ(cli("print '" + dat.string() + "' -o '" + none.string() + "' --sections keys"), 2);
  EXPECT_EQ(cli("print '" + dat.string() + "' -o '" + none.string() + "' --sections ''"), 1);
  EXPECT_EQ(cli("print '" + dat.string() + "'"), 2);
  EXPECT_EQ(cli("print '" + (dir_ / "missing.dat").string() + "' -o '" + none.string() + "'"), 1);
  EXPECT_FALSE(fs::exists(none));
}

}  // namespace
}  // namespace radio::gui
