// The main window's printing entry: the PrintList window comes first, its Cancel
// abandons, and the preview shows the chosen pages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <functional>

#include "PrintTestApp.h"
#include "channels/ChannelGrid.h"
#include "print/widgets/CPrintListDlg.h"
#include "print/widgets/ReportPrinter.h"
#include "shell/AppState.h"
#include "shell/IniFile.h"

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

ChannelGrid twelveChannels() {
  ChannelGrid grid;
  for (int row = 1; row <= 12; ++row) grid.cell(row, ColRx) = "145.00000";
  return grid;
}

TEST(ReportPrinter, PreviewShowsThePagesChosenInThePrintList) {
  test::ensureApplication();
  AppState state;
  ReportPrinter printer(state);
  const RadioImage image;
  const ChannelGrid grid = twelveChannels();
  int previewPages = -1;
  ModalScript script({
      [](QWidget* w) {
        auto* list = qobject_cast<CPrintListDlg*>(w);
        if (!list) return false;
        list->checkBox(print::Section::TwoTone)->click();  // Optional, 2-Tone, Channel Info
        list->accept();
        return true;
      },
      [&](QWidget* w) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(w);
        if (!preview) return false;
        auto* view = preview->findChild<QPrintPreviewWidget*>();
        if (!view || view->pageCount() == 0) return false;  // still rendering
        previewPages = view->pageCount();
        preview->reject();
        return true;
      },
  });
  printer.preview(nullptr, image, grid);
  EXPECT_TRUE(script.finished());
  EXPECT_EQ(previewPages, 1 + 2 + 3);
}

TEST(ReportPrinter, CancelInThePrintListAbandonsPrinting) {
  test::ensureApplication();
  AppState state;
  ReportPrinter printer(state);
  const RadioImage image;
  const ChannelGrid grid = twelveChannels();
  bool otherWindow = false;
  const auto cancelList = [](QWidget* w) {
    auto* list = qobject_cast<CPrintListDlg*>(w);
    if (!list) return false;
    list->reject();
    return true;
  };
  ModalScript script({cancelList, cancelList});
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && !qobject_cast<CPrintListDlg*>(modal)) {
      otherWindow = true;
      modal->close();
    }
  });
  watch.start(20);
  printer.print(nullptr, image, grid);
  printer.preview(nullptr, image, grid);
  EXPECT_TRUE(script.finished());
  EXPECT_FALSE(otherWindow);
}

}  // namespace
}  // namespace radio::gui
