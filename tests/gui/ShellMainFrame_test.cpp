// The main window's document commands, navigation bar, language switch and help.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

#include "ShellTestSupport.h"
#include "channels/widgets/CChannelListReportDlg.h"
#include "channels/widgets/CProgramView.h"
#include "gui/CProgramDoc.h"
#include "gui/HelpHook.h"
#include "link/widgets/CProcessDlg.h"
#include "link/widgets/TransferController.h"
#include "shell/widgets/CChildFrame.h"
#include "shell/widgets/CHelpWindow.h"
#include "shell/widgets/CLanguageDlg.h"
#include "shell/widgets/CMainFrame.h"
#include "shell/widgets/CMyDocManager.h"
#include "shell/widgets/Commands.h"
#include "shell/widgets/HelpController.h"
#include "shell/widgets/NavigationBar.h"

namespace radio::gui::test {
namespace {

class MainFrameTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    ASSERT_TRUE(startEnglish());
    frame_ = app_->mainFrame();
    frame_->resize(1200, 800);
  }

  QString writeDat(const QString& name, int size, char fill) {
    QFile f(path(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(size, fill));
    return path(name);
  }

  QList<CChildFrame*> frames() const { return frame_->documents().frames(); }
  void run(int command) { frame_->action(command)->trigger(); }

  // Clicks a tree item as the user does and lets the page open.
  void clickPage(Page page) {
    QTreeWidget* tree = frame_->navigationBar()->tree();
    const QRect rect = tree->visualItemRect(frame_->navigationBar()->pageItem(page));
    QTest::mouseMove(tree->viewport(), rect.center());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    QApplication::processEvents();
  }

  static void waitFor(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 3000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  }

  // Acts on the next modal window as soon as it is up.
  static void onNextDialog(std::function<void(QDialog*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        poll->stop();
        poll->deleteLater();
        act(dialog);
      }
    });
    poll->start(5);
  }

  CMainFrame* frame_ = nullptr;
};

TEST_F(MainFrameTest, FileNewAsksFirstAndCancelKeepsEverything) {
  CChildFrame* first = frames().first();
  first->document().change("Edit", [](RadioImage& image) { image.set(0, 0x12); });
  confirmAnswer_ = false;
  run(cmd::kFileNew);
  EXPECT_EQ(messages_, QStringList{QStringLiteral("All data will be Cleared!")});
  ASSERT_EQ(frames().size(), 1);
  EXPECT_EQ(frames().first(), first);
  EXPECT_EQ(first->document().image().at(0), 0x12);

  confirmAnswer_ = true;
  run(cmd::kFileNew);
  QApplication::processEvents();
  ASSERT_EQ(frames().size(), 1);
  EXPECT_NE(frames().first(), first);
  EXPECT_EQ(frames().first()->document().image().at(0), 0xFF);
  EXPECT_FALSE(frames().first()->document().isModified());
}

TEST_F(MainFrameTest, OpeningTheSameFileTwiceGivesTwoIndependentWindows) {
  const QString file = writeDat(QStringLiteral("a.dat"), 6144, '\x11');
  CChildFrame* first = frames().first();
  ASSERT_TRUE(frame_->openFile(file));
  ASSERT_TRUE(frame_->openFile(file));
  ASSERT_EQ(frames().size(), 3);
  // Each open hides the window that was active before it.
  EXPECT_FALSE(first->isVisible());
  EXPECT_FALSE(frames().at(1)->isVisible());
  EXPECT_TRUE(frames().at(2)->isVisible());
  EXPECT_EQ(frame_->activeChildFrame(), frames().at(2));
  frames().at(2)->document().change("Edit", [](RadioImage& image) { image.set(0, 0x22); });
  EXPECT_EQ(frames().at(1)->document().image().at(0), 0x11);
}

TEST_F(MainFrameTest, ShortFileIsRefusedAndTheCurrentWindowStays) {
  CChildFrame* current = frames().first();
  EXPECT_FALSE(frame_->openFile(writeDat(QStringLiteral("short.dat"), 6143, '\x01')));
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_.first().startsWith(QStringLiteral("Failed to open document.")));
  EXPECT_EQ(frames(), QList<CChildFrame*>{current});
  EXPECT_TRUE(current->isVisible());
  EXPECT_TRUE(frame_->recentFiles().files().isEmpty());

  // A longer file loads its first 6144 bytes.
  QByteArray data(7000, '\x05');
  data[6143] = '\x06';
  QFile f(path(QStringLiteral("long.dat")));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(data);
  f.close();
  ASSERT_TRUE(frame_->openFile(path(QStringLiteral("long.dat"))));
  EXPECT_EQ(frame_->activeChildFrame()->document().image().at(6143), 0x06);
}

TEST_F(MainFrameTest, CloseHidesAndChannelInformationShowsTheSameWindow) {
  CChildFrame* child = frames().first();
  child->document().change("Edit", [](RadioImage& image) { image.set(5, 0x33); });
  run(cmd::kFileClose);
  EXPECT_FALSE(child->isVisible());
  EXPECT_EQ(frames().size(), 1);

  clickPage(Page::ChannelInformation);
  EXPECT_TRUE(child->isVisible());
  EXPECT_EQ(child->document().image().at(5), 0x33);

  // Clicking the same page again works again: the selection went back to the root.
  EXPECT_EQ(frame_->navigationBar()->tree()->currentItem(), frame_->navigationBar()->rootItem());
  child->close();
  clickPage(Page::ChannelInformation);
  EXPECT_TRUE(child->isVisible());
}

TEST_F(MainFrameTest, TreePagesOpenTheirDialogsEachTimeTheyAreClicked) {
  QStringList opened;
  const auto closeDialog = [&opened](QDialog* dialog) {
    opened.append(QString::fromLatin1(dialog->metaObject()->className()));
    dialog->reject();
  };
  for (int i = 0; i < 2; ++i) {
    onNextDialog(closeDialog);
    clickPage(Page::OptionalFeatures);
    waitFor([&] { return opened.size() == i + 1; });
  }
  onNextDialog(closeDialog);
  clickPage(Page::ProductInformation);
  waitFor([&] { return opened.size() == 3; });
  EXPECT_EQ(opened, (QStringList{QStringLiteral("radio::gui::COptionalFeaturesDlg"),
                                 QStringLiteral("radio::gui::COptionalFeaturesDlg"),
                                 QStringLiteral("radio::gui::CProductInfoDlg")}));
  EXPECT_FALSE(frames().first()->document().isModified());
}

TEST_F(MainFrameTest, ADialogThatChangesTheImageMarksTheDocumentModified) {
  onNextDialog([](QDialog* dialog) {
    for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
      if (box->count() > 1 && box->isEnabled()) {
        box->setCurrentIndex((box->currentIndex() + 1) % box->count());
        break;
      }
    }
    dialog->accept();
  });
  run(cmd::kOptionalFeatures);
  EXPECT_TRUE(frames().first()->document().isModified());
}

TEST_F(MainFrameTest, ChannelListImportFillsTheGridReportsSkippedRowsAndExportWritesIt) {
  CChildFrame* child = frames().first();
  openAnswer_ = path(QStringLiteral("list.csv"));
  QFile list(openAnswer_);
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write("Location,Name,Frequency,Duplex,Offset,Mode\r\n3,Club,145.500000,-,0.600000,NFM\r\n4,Air,118.1,,,AM\r\n");
  list.close();
  run(cmd::kImportChannels);
  EXPECT_TRUE(child->document().isModified());
  const RowTexts& row = child->view().grid().row(3);
  EXPECT_EQ(row[ColTx], "144.90000");
  EXPECT_EQ(row[ColName], "Club");
  EXPECT_EQ(row[ColBandwidth], "Narrow");
  auto* report = frame_->findChild<CChannelListReportDlg*>();
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->summary(), QStringLiteral("1 channel(s) imported from list.csv, 1 row(s) skipped."));
  EXPECT_TRUE(report->lines().contains(QStringLiteral("line 3: location 4 Air: mode 'AM' is not FM or NFM")));
  report->close();

  saveAsAnswer_ = path(QStringLiteral("out.csv"));
  run(cmd::kExportChannels);
  QFile out(saveAsAnswer_);
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_TRUE(out.readAll().contains("\r\n3,Club,145.500000,-,0.600000,,"));
  EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(MainFrameTest, AcceleratorsFromTheGridReachTheirCommands) {
  frame_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_));
  frame_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame_));
  CProgramView& view = frames().first()->view();
  view.setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
  TransferController& transfers = frames().first()->transfers();
  ASSERT_NE(transfers.processWindow(), nullptr);
  EXPECT_EQ(transfers.processWindow()->windowTitle(), QStringLiteral("Write Data"));
  transfers.cancel();

  frame_->action(cmd::kControlBar)->setChecked(true);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_FALSE(frame_->action(cmd::kControlBar)->isChecked());
}

TEST_F(MainFrameTest, KeyboardSelectionInTheTreeOpensNothing) {
  CChildFrame* child = frames().first();
  child->close();
  QTreeWidget* tree = frame_->navigationBar()->tree();
  tree->setFocus();
  QTest::keyClick(tree, Qt::Key_Down);
  QTest::keyClick(tree, Qt::Key_Down);
  QApplication::processEvents();
  EXPECT_FALSE(child->isVisible());
  EXPECT_EQ(tree->currentItem(), frame_->navigationBar()->rootItem());
}

TEST_F(MainFrameTest, SaveAsksForANameOnceAndWritesTheImage) {
  CChildFrame* child = frames().first();
  child->document().change("Edit", [](RadioImage& image) { image.set(0x17F8, 0x5A); });
  EXPECT_TRUE(child->document().isModified());
  EXPECT_TRUE(child->windowTitle().contains(QStringLiteral("[*]")));
  EXPECT_TRUE(child->isWindowModified());

  saveAsAnswer_.clear();
  run(cmd::kFileSave);
  EXPECT_TRUE(child->document().isModified());  // cancelled: nothing saved
  ASSERT_EQ(proposedNames_.size(), 1);
  EXPECT_TRUE(proposedNames_.first().endsWith(appName_));  // the [Setup] AppName

  saveAsAnswer_ = path(QStringLiteral("saved.dat"));
  run(cmd::kFileSave);
  EXPECT_FALSE(child->document().isModified());
  QFile f(saveAsAnswer_);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray data = f.readAll();
  ASSERT_EQ(data.size(), 6144);
  EXPECT_EQ(static_cast<unsigned char>(data[0x17F8]), 0x5A);

  // The document has its file now: Save writes there without asking.
  child->document().change("Edit", [](RadioImage& image) { image.set(0x17F8, 0x5B); });
  run(cmd::kFileSave);
  EXPECT_EQ(proposedNames_.size(), 2);
  QFile again(saveAsAnswer_);  // a save replaces the file as a whole
  ASSERT_TRUE(again.open(QIODevice::ReadOnly));
  EXPECT_EQ(static_cast<unsigned char>(again.readAll().at(0x17F8)), 0x5B);
  EXPECT_EQ(frame_->recentFiles().files().first(), saveAsAnswer_);
}

TEST_F(MainFrameTest, ClosingWithUnsavedChangesAsks) {
  frames().first()->document().change("Edit", [](RadioImage& image) { image.set(0, 0x01); });
  frame_->show();
  saveAnswer_ = SaveAnswer::Cancel;
  EXPECT_FALSE(frame_->close());
  EXPECT_TRUE(frame_->isVisible());
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_.first().startsWith(QStringLiteral("Save changes to")));

  // Save with a cancelled file chooser does not close either.
  saveAnswer_ = SaveAnswer::Save;
  saveAsAnswer_.clear();
  EXPECT_FALSE(frame_->close());

  saveAnswer_ = SaveAnswer::Discard;
  EXPECT_TRUE(frame_->close());
}

TEST_F(MainFrameTest, UnmodifiedDocumentsCloseWithoutAQuestion) {
  frame_->show();
  EXPECT_TRUE(frame_->close());
  EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(MainFrameTest, RecentFilesKeepTheFourLatestMostRecentFirst) {
  QStringList opened;
  for (int i = 0; i < 5; ++i) {
    opened.append(writeDat(QStringLiteral("f%1.dat").arg(i), 6144, static_cast<char>(i)));
    ASSERT_TRUE(frame_->openFile(opened.last()));
  }
  ASSERT_TRUE(frame_->openFile(opened.at(2)));
  const QStringList expected{opened.at(2), opened.at(4), opened.at(3), opened.at(1)};
  EXPECT_EQ(frame_->recentFiles().files(), expected);
  // The list survives the program.
  EXPECT_EQ(RecentFileList(appName_).files(), expected);
}

TEST_F(MainFrameTest, ControlBarCommandAndCloseButtonShowAndHideTheBar) {
  frame_->show();
  NavigationBar* bar = frame_->navigationBar();
  QAction* control = frame_->action(cmd::kControlBar);
  EXPECT_TRUE(bar->isVisible());
  EXPECT_TRUE(control->isChecked());
  bar->closeButton()->click();
  EXPECT_FALSE(bar->isVisible());
  EXPECT_FALSE(control->isChecked());
  control->trigger();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_TRUE(control->isChecked());
  EXPECT_EQ(bar->closeButton()->toolTip(), QStringLiteral("Close"));
}

TEST_F(MainFrameTest, DraggingTheBarEdgeKeepsItsWidthWithinLimits) {
  frame_->show();
  NavigationBar* bar = frame_->navigationBar();
  const int area = bar->parentWidget()->width();
  const QPoint edge(bar->width() - 3, bar->height() / 2);
  QTest::mousePress(bar, Qt::LeftButton, {}, edge);
  QTest::mouseMove(bar, QPoint(area * 2, edge.y()));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(area * 2, edge.y()));
  EXPECT_EQ(bar->width(), area / 2);

  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(bar->width() - 2, edge.y()));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(-40, edge.y()));
  EXPECT_EQ(bar->width(), NavigationBar::kSmallestWidth);

  EXPECT_EQ(NavigationBar::widthForRelease(10, 1000), 11);
  EXPECT_EQ(NavigationBar::widthForRelease(12, 1000), 12);
  EXPECT_EQ(NavigationBar::dragLinePosition(20, 1000), 80);
  EXPECT_EQ(NavigationBar::dragLinePosition(900, 1000), 500);
}

TEST_F(MainFrameTest, ChannelInformationWithoutDocumentRestoresTheMainWindow) {
  frames().first()->destroyFrame();
  QApplication::processEvents();
  ASSERT_TRUE(frames().isEmpty());
  // Without a document the menus shrink to File, View and Help.
  EXPECT_EQ(frame_->visibleMenus().size(), 3);
  EXPECT_FALSE(frame_->action(cmd::kFileSave)->isVisible());
  frame_->showMaximized();
  frame_->openPage(Page::ChannelInformation);
  EXPECT_FALSE(frame_->isMaximized());
  // Pages that need a document open nothing and do not fail.
  for (const Page page : kAllPages) frame_->openPage(page);
  EXPECT_TRUE(frames().isEmpty());
}

TEST_F(MainFrameTest, ChoosingTheCurrentLanguageDoesNotRestart) {
  onNextDialog([](QDialog* d) {
    auto* dialog = qobject_cast<CLanguageDlg*>(d);
    if (!dialog) {
      ADD_FAILURE() << "not the Language window";
      d->reject();
      return;
    }
    EXPECT_TRUE(dialog->englishButton()->isChecked());
    dialog->accept();
  });
  run(cmd::kLanguage);
  EXPECT_EQ(restarts_, 0);
  EXPECT_EQ(app_->state().config->get("Setup", "Language"), "English");
}

TEST_F(MainFrameTest, SwitchingLanguageSavesTheIniAndRestartsEvenWhenCloseIsCancelled) {
  frame_->show();
  frames().first()->document().change("Edit", [](RadioImage& image) { image.set(0, 0x01); });
  saveAnswer_ = SaveAnswer::Cancel;
  onNextDialog([](QDialog* d) {
    auto* dialog = qobject_cast<CLanguageDlg*>(d);
    if (!dialog) {
      ADD_FAILURE() << "not the Language window";
      d->reject();
      return;
    }
    dialog->chineseButton()->setChecked(true);
    dialog->accept();
  });
  run(cmd::kLanguage);
  EXPECT_EQ(restarts_, 1);
  EXPECT_TRUE(frame_->isVisible());  // the save question was cancelled
  QFile f(path(QStringLiteral("Program.ini")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains("Language=Chinese"));
}

TEST_F(MainFrameTest, HelpOpensThePageOfTheContextInTheLanguageFolder) {
  const QString helpDir = path(QStringLiteral("help/en"));
  ASSERT_TRUE(QDir().mkpath(helpDir));
  for (const char* page : {"index.html", "optional.html", "main.html"}) {
    QFile f(QDir(helpDir).filePath(QString::fromLatin1(page)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("<html><body><h1>") + page + "</h1></body></html>");
  }
  requestHelp(frame_, 32788);
  ASSERT_NE(app_->help()->window(), nullptr);
  EXPECT_EQ(app_->help()->window()->currentPage(), QStringLiteral("optional.html"));
  EXPECT_TRUE(app_->help()->window()->browser()->toPlainText().contains(QStringLiteral("optional.html")));

  run(cmd::kHelpTopics);
  EXPECT_EQ(app_->help()->window()->currentPage(), QStringLiteral("index.html"));

  // F1 in the grid of a document window: the page of the main window.
  requestHelp(&frames().first()->view(), 2127);
  EXPECT_EQ(app_->help()->window()->currentPage(), QStringLiteral("main.html"));
}

}  // namespace
}  // namespace radio::gui::test
