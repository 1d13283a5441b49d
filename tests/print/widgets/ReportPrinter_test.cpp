// The main window's printing entry: the PrintList window comes first, the preview
// shows the pages chosen there, and its Print button writes a PDF with the text map.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "channels/ChannelGrid.h"
#include "gui/AppState.h"
#include "print/widgets/CPrintListDlg.h"
#include "print/widgets/ReportPrinter.h"

namespace radio::gui {
namespace {

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
      [](QWidget* w) {  // DTMF ticked besides Optional and Channel Info
        auto* list = qobject_cast<CPrintListDlg*>(w);
        if (list) list->checkBox(print::Section::Dtmf)->click(), list->accept();
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
  EXPECT_EQ(previewPages, 1 + 1 + 3);
  if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "poppler-utils not installed";
  std::string text;
  if (FILE* pipe = popen(("pdftotext '" + pdf.toStdString() + "' - 2>/dev/null").c_str(), "r")) {
    char buf[4096];
    while (const std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) text.append(buf, n);
    pclose(pipe);
  }
  EXPECT_NE(text.find("身份码"), std::string::npos) << text.substr(0, 400);
}

}  // namespace
}  // namespace radio::gui
