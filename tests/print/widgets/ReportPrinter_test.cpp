// SPDX-License-Identifier: GPL-3.0-or-later
// Printing as the user asks for it: the report as PDF through the command-line
// tool (page count, the sections asked for, the texts in both languages, refused
// arguments writing nothing), and the main window's printing entry (the PrintList
// window first, the preview of the pages chosen there, whose Print button writes a
// PDF with the text map).
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "TempFolder.h"
#include "TestImages.h"
#include "channels/ChannelGrid.h"
#include "gui/AppState.h"
#include "print/widgets/CPrintListDlg.h"
#include "print/widgets/ReportPrinter.h"

namespace radio::gui {
namespace {

namespace fs = std::filesystem;

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

class PrintCommand : public test::TempFolderTest {
 protected:
  int cli(const std::string& args) {
    const std::string command = std::string(RADIOPROG_BIN_DIR) + "/radioprog-cli " + args + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(PrintCommand, WritesThePdfAndRefusesBadArguments) {
  if (!havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  // Twelve channels: the default sections print Optional, then three channel pages.
  RadioImage image = test::newDocument();
  for (int row = 1; row <= 12; ++row) test::putChannel(image, row, "146.52500");
  const fs::path dat = dir_ / "radio.dat";
  ASSERT_TRUE(saveDatFile(dat, image));
  const fs::path pdf = dir_ / "report.pdf";
  ASSERT_EQ(cli("print '" + dat.string() + "' -o '" + pdf.string() + "'"), 0);
  EXPECT_EQ(pdfPages(pdf), 4);

  ASSERT_EQ(cli("print '" + dat.string() + "' -o '" + pdf.string() +
                "' --sections channels,msk --lang zh --owner 'Zh Owner'"),
            0);
  EXPECT_NE(pdfText(pdf, 1).find("MSK"), std::string::npos);
  EXPECT_NE(pdfText(pdf, 2).find("信道信息"), std::string::npos);
  // The channel table: twelve channels on one page, in Chinese.
  ASSERT_EQ(cli("print '" + dat.string() + "' -o '" + pdf.string() + "' --sections table --lang zh"), 0);
  EXPECT_EQ(pdfPages(pdf), 1);
  EXPECT_NE(pdfText(pdf, 1).find("信道列表"), std::string::npos);
  EXPECT_NE(pdfText(pdf, 1).find("146.52500"), std::string::npos);

  const fs::path none = dir_ / "none.pdf";
  EXPECT_EQ(cli("print '" + dat.string() + "' -o '" + none.string() + "' --sections keys"), 2);
  EXPECT_EQ(cli("print '" + dat.string() + "' -o '" + none.string() + "' --sections ''"), 1);
  EXPECT_EQ(cli("print '" + (dir_ / "missing.dat").string() + "' -o '" + none.string() + "'"), 1);
  EXPECT_FALSE(fs::exists(none));
}

// The channel table is offered unchecked; Select All takes it too.
TEST(PrintList, ChannelTableUncheckedAtFirstAndTakenBySelectAll) {
  CPrintListDlg dialog(3, 1);
  EXPECT_FALSE(dialog.checkBox(print::Section::Table)->isChecked());
  dialog.selectAllButton()->click();
  dialog.accept();
  EXPECT_EQ(dialog.selection(), (print::SectionFlags{true, true, true, true, true, true}));
}

// Answers the modal windows as they appear, one handler per window, in order.
class ModalScript {
 public:
  explicit ModalScript(std::vector<std::function<bool(QWidget*)>> steps) : steps_(std::move(steps)) {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
  }
  [[nodiscard]] bool finished() const { return next_ == steps_.size(); }

 private:
  void poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || next_ >= steps_.size() || modal->property("answered").toBool()) return;
    if (steps_[next_](modal)) {
      modal->setProperty("answered", true);
      ++next_;
    }
  }
  std::vector<std::function<bool(QWidget*)>> steps_;
  std::size_t next_ = 0;
  QTimer timer_;
};

// The preview shows the pages chosen in the PrintList window, and its own Print
// button, printing to a PDF file, gives the file the same text map as one printed
// through Print, so its Chinese text can be found.
TEST(ReportPrinter, PreviewShowsTheChosenPagesAndItsPrintWritesPdfWithTheHanTextMap) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("preview.pdf"));
  AppState state;
  state.lang = Language::Chinese;
  ReportPrinter printer(state);
  printer.printer().setOutputFormat(QPrinter::PdfFormat);
  printer.printer().setOutputFileName(pdf);
  const RadioImage image;
  ChannelGrid grid;
  for (int row = 1; row <= 12; ++row) grid.cell(row, ColRx) = "145.00000";
  int previewPages = -1;
  ModalScript script({
      [](QWidget* w) {  // DTMF and the channel table ticked besides Optional and Channel Info
        auto* list = qobject_cast<CPrintListDlg*>(w);
        if (list) list->checkBox(print::Section::Dtmf)->click(), list->checkBox(print::Section::Table)->click();
        if (list) list->accept();
        return list != nullptr;
      },
      [&](QWidget* w) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(w);
        if (!preview) return false;
        auto* view = preview->findChild<QPrintPreviewWidget*>();
        if (!view || view->pageCount() == 0) return false;  // still rendering
        previewPages = view->pageCount();
        for (QAction* action : preview->findChildren<QAction*>()) {
          if (action->text().remove(QLatin1Char('&')) != QStringLiteral("Print")) continue;
          QTimer::singleShot(0, action, &QAction::trigger);
          return true;
        }
        return false;
      },
      [](QWidget* w) {
        auto* dialog = qobject_cast<QPrintDialog*>(w);
        if (!dialog) return false;
        dialog->accept();
        return true;
      },
  });
  printer.preview(nullptr, image, grid);
  EXPECT_TRUE(script.finished());
  EXPECT_EQ(previewPages, 1 + 1 + 3 + 1);
  if (!havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  const std::string text = run("pdftotext '" + pdf.toStdString() + "' - 2>/dev/null");
  EXPECT_NE(text.find("身份码"), std::string::npos) << text.substr(0, 400);
}

}  // namespace
}  // namespace radio::gui
