// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop application as a whole: start-up and shut-down, the main window's
// document commands (File New, Save, closing with changes), the Port Setting
// window (the current port checked when it can be opened, a device path typed
// into its field, what OK and Cancel store), and F1 in the windows (the help id
// asked for is the focused control's, else the window's, and the ids around the
// asking widget find the window's page).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QStringList>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUndoStack>
#include <QUndoView>
#include <memory>
#include <string>

#include "app/HelpTopics.h"
#include "channels/widgets/ImportPreviewDialog.h"
#include "features/OptionalFeaturesForm.h"
#include "features/widgets/COptionalFeaturesDlg.h"
#include "gui/AppState.h"
#include "gui/CProgramDoc.h"
#include "gui/HelpHook.h"
#include "gui/ProgramSettings.h"
#include "gui/Prompts.h"
#include "link/widgets/CPortSettingDlg.h"
#include "link/widgets/CProcessDlg.h"
#include "model/RadioImage.h"
#include "shell/widgets/CChildFrame.h"
#include "shell/widgets/CMainFrame.h"
#include "shell/widgets/CMyDocManager.h"
#include "shell/widgets/CProgramApp.h"
#include "shell/widgets/Commands.h"
#include "shell/widgets/EditCommands.h"
#include "shell/widgets/HelpWindow.h"
#include "shell/widgets/MdiBackground.h"

namespace radio::gui::test {
namespace {

// A program directory of its own for each shell test: Program.ini, the
// translations and pictures copied from the build, and the application started on
// it with recorded answers instead of message boxes and file dialogs.
class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // Each test has a settings key of its own.
    appName_ = QStringLiteral("shelltest_%1").arg(++counter_);
    answers_ = std::make_unique<ScopedPrompts>(prompts());
  }

  void TearDown() override {
    app_.reset();
    answers_.reset();
    QApplication::processEvents();
  }

  QString path(const QString& name) const { return dir_.filePath(name); }

  // A file of the test's folder written whole, or read whole (empty when missing).
  QString writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(bytes);
    return path(name);
  }
  static QByteArray readFile(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  void copyFromBuild(const QString& name) {
    const QString from = QDir(QStringLiteral(RADIOPROG_BIN_DIR)).filePath(name);
    ASSERT_TRUE(QFile::exists(from)) << from.toStdString();
    QFile::remove(path(name));
    ASSERT_TRUE(QFile::copy(from, path(name)));
  }

  // Starts the application on the test's program directory.
  bool start(QStringList arguments = {}) {
    app_.reset();
    app_ = std::make_unique<CProgramApp>();
    // The test's Program.ini is the one the program reads and writes.
    app_->setConfigDirectory(dir_.path());
    app_->setRestartLauncher([] { return true; });
    arguments.prepend(QStringLiteral("radioprog"));
    arguments.append(QStringLiteral("--no-splash"));
    return app_->initInstance(arguments, dir_.path());
  }

  // Starts with a Program.ini naming the language and its translation copied in.
  bool startIn(const QString& language, QStringList arguments = {}) {
    writeFile(QStringLiteral("Program.ini"),
              QStringLiteral("[Setup]\nLanguage=%1\nAppName=%2\nShowLang=1\n[%1]\nCompany=C\nTitle=T\n")
                  .arg(language, appName_)
                  .toUtf8());
    copyFromBuild(language + QStringLiteral(".qm"));
    return start(std::move(arguments));
  }
  bool startEnglish(QStringList arguments = {}) { return startIn(QStringLiteral("English"), std::move(arguments)); }

  // A .dat file of the test's folder: head, then 0xFF.
  QString writeDocument(const QString& name, const QByteArray& head = {}) {
    return writeFile(name, head + QByteArray(6144 - head.size(), '\xFF'));
  }

  // Records every message and answers OK/Cancel questions with confirmAnswer_,
  // Save/Discard/Cancel questions with saveAnswer_, the rest with OK.
  Prompts prompts() {
    Prompts p;
    p.message = [this](QWidget*, const MessageRequest& request) {
      messages_.append(request.text);
      if (request.buttons & QMessageBox::Discard) {
        const SaveAnswer answer = saveAnswers_.isEmpty() ? saveAnswer_ : saveAnswers_.takeFirst();
        return answer == SaveAnswer::Save      ? QMessageBox::Save
               : answer == SaveAnswer::Discard ? QMessageBox::Discard
                                               : QMessageBox::Cancel;
      }
      if (request.buttons & QMessageBox::Cancel) return confirmAnswer_ ? QMessageBox::Ok : QMessageBox::Cancel;
      return QMessageBox::Ok;
    };
    p.openFileName = [this](QWidget*, FileKind, const QString&) { return openAnswer_; };
    p.runDialog = [this](QDialog& dialog) { return dialogAnswer_ ? dialogAnswer_(dialog) : int{QDialog::Rejected}; };
    p.saveFileName = [this](QWidget*, const QString& proposed, FileKind) {
      proposedNames_.append(proposed);
      return saveAsAnswer_;
    };
    return p;
  }

  static inline int counter_ = 0;
  QTemporaryDir dir_;
  QString appName_;
  std::unique_ptr<ScopedPrompts> answers_;
  std::unique_ptr<CProgramApp> app_;
  QStringList messages_;
  QStringList proposedNames_;
  bool confirmAnswer_ = true;
  SaveAnswer saveAnswer_ = SaveAnswer::Discard;
  QList<SaveAnswer> saveAnswers_;  // answered first, in turn, before saveAnswer_
  QString saveAsAnswer_;
  QString openAnswer_;
  std::function<int(QDialog&)> dialogAnswer_;  // answers a window run through runDialog
};

// ---- Start-up and the main window -------------------------------------------

using StartupTest = ShellFixture;

TEST_F(StartupTest, MissingOrEmptyIniStartsInEnglishAndIsWrittenComplete) {
  copyFromBuild(QStringLiteral("English.qm"));
  for (const char* before : {"", "\n  \n", "[Setup]\nShowLang=0\n"}) {
    if (*before) writeFile(QStringLiteral("Program.ini"), before);
    messages_.clear();
    ASSERT_TRUE(start()) << before;
    EXPECT_TRUE(messages_.isEmpty());
    app_.reset();
    const QByteArray text = readFile(path(QStringLiteral("Program.ini")));
    EXPECT_TRUE(text.contains("Language=English")) << before;
    EXPECT_TRUE(text.contains("[Chinese]")) << before;
    // A value the file had is kept.
    EXPECT_EQ(text.contains("ShowLang=0"), QByteArray(before).contains("ShowLang=0"));
  }
}

TEST_F(StartupTest, FileOnTheCommandLineOpensInsteadOfANewDocument) {
  ASSERT_TRUE(startEnglish({writeDocument(QStringLiteral("given.dat"), QByteArray(0x10, '\0') + '\x42')}));
  const CProgramDoc& doc = app_->mainFrame()->documents().frames().first()->document();
  EXPECT_EQ(doc.image().at(0x10), 0x42);
}

class MainFrameTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    ASSERT_TRUE(startEnglish());
    frame_ = app_->mainFrame();
    frame_->resize(1200, 800);
  }

  QList<CChildFrame*> frames() const { return frame_->documents().frames(); }
  void run(int command) { frame_->action(command)->trigger(); }

  CMainFrame* frame_ = nullptr;
};

TEST_F(MainFrameTest, FileNewAsksFirstAndCancelKeepsEverything) {
  CChildFrame* first = frames().first();
  first->document().change("Edit", [](RadioImage& image) { image.set(0, 0x12); });
  confirmAnswer_ = false;
  run(cmd::kFileNew);
  EXPECT_EQ(messages_, QStringList{QStringLiteral("All data will be Cleared!")});
  EXPECT_EQ(first->document().image().at(0), 0x12);

  confirmAnswer_ = true;
  run(cmd::kFileNew);
  ASSERT_EQ(frames().size(), 1);
  EXPECT_EQ(frames().first()->document().image().at(0), 0xFF);
}

TEST_F(MainFrameTest, SaveAsksForANameOnceAndWritesTheImage) {
  CChildFrame* child = frames().first();
  child->document().change("Edit", [](RadioImage& image) { image.set(0x17F8, 0x5A); });

  saveAsAnswer_.clear();
  run(cmd::kFileSave);
  EXPECT_TRUE(child->document().isModified());  // cancelled: nothing saved
  ASSERT_EQ(proposedNames_.size(), 1);
  EXPECT_TRUE(proposedNames_.first().endsWith(appName_ + ".dat"));        // the [Setup] AppName
  EXPECT_TRUE(QFileInfo(proposedNames_.first()).absoluteDir().exists());  // no Documents folder in the test home

  saveAsAnswer_ = path(QStringLiteral("saved.dat"));
  run(cmd::kFileSave);
  EXPECT_FALSE(child->document().isModified());
  EXPECT_EQ(readFile(saveAsAnswer_).at(0x17F8), '\x5A');

  // The document has its file now: Save writes there without asking.
  child->document().change("Edit", [](RadioImage& image) { image.set(0x17F8, 0x5B); });
  run(cmd::kFileSave);
  EXPECT_FALSE(child->document().isModified());
  EXPECT_EQ(frame_->recentFiles().files().first(), saveAsAnswer_);
}

// Exit asks once about each modified document, hidden ones too; a discarded one
// goes at once, so that after a later Cancel nothing asks about it again.
TEST_F(MainFrameTest, ClosingAsksOnceAboutEachModifiedDocument) {
  frame_->show();
  ASSERT_TRUE(frame_->openFile(writeDocument(QStringLiteral("a.dat"))));  // the new document steps back
  for (CChildFrame* f : frames()) f->document().change("Edit", [](RadioImage& image) { image.set(0, 0x01); });
  saveAnswer_ = SaveAnswer::Cancel;
  EXPECT_FALSE(frame_->close());
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_.first().startsWith(QStringLiteral("Save changes to")));

  // Save with a cancelled file chooser does not close either.
  saveAnswer_ = SaveAnswer::Save;
  saveAsAnswer_.clear();
  EXPECT_FALSE(frame_->close());

  saveAnswers_ = {SaveAnswer::Discard, SaveAnswer::Cancel};
  EXPECT_FALSE(frame_->close());
  QApplication::processEvents();
  EXPECT_EQ(frames().size(), 1);
  messages_.clear();
  saveAnswer_ = SaveAnswer::Discard;
  EXPECT_TRUE(frame_->close());
  EXPECT_EQ(messages_.size(), 1);
}

// A closed document stays open, hidden, until Exit: no command may change it.
TEST_F(MainFrameTest, ClosedDocumentTakesNoCommands) {
  frame_->show();
  frames().first()->document().change("Edit", [](RadioImage& image) { image.set(0, 0x01); });
  ASSERT_TRUE(frame_->editCommands().action(EditCommands::Undo)->isEnabled());
  run(cmd::kFileClose);
  for (const auto id : {EditCommands::Undo, EditCommands::Paste, EditCommands::Delete})
    EXPECT_FALSE(frame_->editCommands().action(id)->isEnabled()) << id;
  EXPECT_FALSE(frame_->action(cmd::kOptionalFeatures)->isEnabled());
}

// A modified document closed, shown again from the Window menu and left by Open
// with Discard: no document holds the discarded change afterwards.
TEST_F(MainFrameTest, DiscardAfterShowingAgainLeavesNoDocumentWithTheChange) {
  frame_->show();
  const QString b = writeDocument(QStringLiteral("b.dat"));
  ASSERT_TRUE(frame_->openFile(writeDocument(QStringLiteral("a.dat"))));
  frame_->shownChildFrame()->document().change("Edit", [](RadioImage& image) { image.set(0x100, 0x55); });
  run(cmd::kFileClose);
  ASSERT_TRUE(frame_->openFile(b));
  emit frame_->windowMenu()->aboutToShow();
  for (QAction* item : frame_->windowMenu()->actions())
    if (item->text().contains(QStringLiteral("a.dat (closed)"))) item->trigger();
  ASSERT_EQ(frame_->shownChildFrame()->document().image().at(0x100), 0x55);
  ASSERT_TRUE(frame_->openFile(b));
  EXPECT_EQ(messages_.size(), 1);
  QApplication::processEvents();
  for (CChildFrame* f : frames()) EXPECT_EQ(f->document().image().at(0x100), 0xFF);
}

// A file in the backups folder opens as an untitled copy: Save asks for a name,
// proposes one outside the folder and refuses one inside it.
TEST_F(MainFrameTest, BackupsOpenAsUntitledCopiesThatAreNeverSavedBack) {
  const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", dir_.path().toUtf8());
  ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("radioprog/backups")));
  const QString backup = writeDocument(QStringLiteral("radioprog/backups/read.dat"));
  ASSERT_TRUE(frame_->openFile(backup));
  CChildFrame* copy = frame_->shownChildFrame();
  EXPECT_TRUE(copy->windowTitle().contains(QStringLiteral("read.dat (backup copy)")));
  copy->document().change("Edit", [](RadioImage& image) { image.set(0x17F8, 0x01); });
  for (const QString& answer : {QString(), backup}) {
    saveAsAnswer_ = answer;
    run(cmd::kFileSave);
    EXPECT_TRUE(copy->document().isModified());
  }
  ASSERT_EQ(proposedNames_.size(), 2);
  EXPECT_EQ(QFileInfo(proposedNames_.first()).fileName(), QStringLiteral("read.dat"));
  EXPECT_FALSE(CMyDocManager::isBackup(proposedNames_.first()));
  EXPECT_EQ(readFile(backup).at(0x17F8), '\xFF');
  saveAsAnswer_ = path(QStringLiteral("mine.dat"));
  run(cmd::kFileSave);
  EXPECT_FALSE(copy->windowTitle().contains(QStringLiteral("backup copy")));
  qputenv("XDG_DATA_HOME", dataHome);
}

TEST_F(MainFrameTest, OpeningSaysHowManyChannelValuesCannotBeDecoded) {
  // Channel 1's receive frequency is not decimal digits.
  ASSERT_TRUE(frame_->openFile(writeDocument(QStringLiteral("damaged.dat"), QByteArray::fromHex("000000FA"))));
  EXPECT_TRUE(frame_->statusBar()->currentMessage().contains(QStringLiteral("cannot be decoded (Fr included): 1.")));
}

// The import preview of a list numbered from Location 0 places it in file order at
// first; Cancel leaves the document as it was, OK takes the placement shown in one
// undo step.
TEST_F(MainFrameTest, ImportPreviewChangesTheDocumentOnlyOnOkInOneStep) {
  CProgramDoc& doc = frames().first()->document();
  const RadioImage before = doc.image();
  openAnswer_ = writeFile(QStringLiteral("zero.csv"),
                          "Location,Name,Frequency\n0,PMR1,446.006250\n1,PMR2,446.018750\n2,FAR,999.000000\n");
  std::vector<int> shown;  // file order chosen first; rows taken and refused
  using enum ImportPreviewDialog::Rows;
  dialogAnswer_ = [&](QDialog& dialog) {
    auto* dlg = qobject_cast<ImportPreviewDialog*>(&dialog);
    shown = {dlg->inOrderButton()->isChecked(), dlg->table(Taken)->rowCount(), dlg->table(Refused)->rowCount()};
    return int{QDialog::Rejected};
  };
  run(cmd::kImportChannels);
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 1}));
  EXPECT_TRUE(doc.image() == before);
  EXPECT_FALSE(doc.isModified());

  dialogAnswer_ = [&](QDialog& dialog) {
    auto* dlg = qobject_cast<ImportPreviewDialog*>(&dialog);
    dlg->byLocationButton()->setChecked(true);
    shown = {dlg->table(Taken)->rowCount(), dlg->table(Refused)->rowCount()};
    return int{QDialog::Accepted};
  };
  run(cmd::kImportChannels);
  EXPECT_EQ(shown, (std::vector<int>{1, 2}));
  EXPECT_EQ(decodeChannel(doc.image().channel(1), Language::English)[ColName], "PMR2");
  doc.undoStack()->undo();
  EXPECT_TRUE(doc.image() == before);
}

// With a work area smaller than a document window (a small screen, a large scale
// factor) the window is made to fit, the new one and those already shown.
TEST_F(MainFrameTest, DocumentWindowsFitTheWorkArea) {
  frame_->showNormal();
  frame_->resize(700, 420);
  QApplication::processEvents();
  const QRect area = frame_->mdiArea()->viewport()->rect();
  ASSERT_LT(area.width(), CChildFrame::kInitialWidth);
  EXPECT_TRUE(area.contains(frames().first()->geometry()));
  run(cmd::kFileNew);
  EXPECT_TRUE(area.contains(frame_->shownChildFrame()->geometry()));
}

// Every menu and every item of the menu bar and of the grid's context menu has a
// letter of its own, in either language.
void expectOwnLetters(const QList<QAction*>& actions, const std::string& where) {
  QStringList seen;
  for (QAction* a : actions) {
    if (a->isSeparator() || !a->isVisible()) continue;
    const QString key = QKeySequence::mnemonic(a->text()).toString();
    EXPECT_TRUE(!key.isEmpty() && !seen.contains(key)) << where << ": " << a->text().toStdString();
    seen << key;
    if (a->menu()) expectOwnLetters(a->menu()->actions(), where + " > " + a->text().toStdString());
  }
}

TEST_F(ShellFixture, EveryMenuAndItemHasALetterOfItsOwn) {
  for (const bool chinese : {false, true}) {
    ASSERT_TRUE(startIn(chinese ? QStringLiteral("Chinese") : QStringLiteral("English")));
    QList<QAction*> bar;
    for (QMenu* menu : app_->mainFrame()->visibleMenus()) {
      emit menu->aboutToShow();
      bar << menu->menuAction();
    }
    ASSERT_GE(bar.size(), 8);
    expectOwnLetters(bar, chinese ? "zh" : "en");
    expectOwnLetters(app_->mainFrame()->editCommands().gridActions(), chinese ? "zh context" : "en context");
  }
}

TEST_F(MainFrameTest, UndoHistoryAndHelpCloseOnEscape) {
  frame_->show();
  frame_->editCommands().action(EditCommands::UndoHistory)->trigger();
  QWidget* history = frame_->findChild<QUndoView*>()->window();
  ASSERT_TRUE(QTest::qWaitForWindowActive(history));
  QTest::keyClick(history, Qt::Key_Escape);
  EXPECT_FALSE(history->isVisible());
  HelpWindow help(dir_.path(), QStringLiteral("Help"));
  help.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  QTest::keyClick(help.browser(), Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());
}

// ---- Port Setting -----------------------------------------------------------

// A pseudo-terminal whose device path a port can be opened at.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) path_ = ptsname(master_);
  }
  ~PseudoTerminal() {
    if (master_ >= 0) close(master_);
  }
  [[nodiscard]] const std::string& path() const { return path_; }

 private:
  int master_ = -1;
  std::string path_;
};

class PortSettingWindow : public ::testing::Test {
 protected:
  void SetUp() override { state.appName = "radioprog-port-test"; }
  QString storedPort() const { return ProgramSettings("radioprog-port-test").value(Setting::Port).toString(); }

  AppState state;
};

// Nothing chosen, Cancel, or a blank path: the stored port stays. A device path
// typed into the field is stored on OK.
TEST_F(PortSettingWindow, OnlyADevicePathTypedAndTakenByOkIsStored) {
  PseudoTerminal pty;
  ASSERT_FALSE(pty.path().empty());
  const std::string gone = "/dev/does-not-exist";
  ProgramSettings(state.appName).setPort(gone);
  const struct {
    const char* typed;  // nullptr: the field as the window shows it
    bool ok;
    std::string stored;
  } cases[] = {{nullptr, true, gone},
               {"/dev/ttyUSB7", false, gone},
               {"   ", true, gone},
               {pty.path().c_str(), true, pty.path()}};
  for (const auto& c : cases) {
    CPortSettingDlg dlg(state);
    if (c.typed) {
      dlg.deviceEdit()->clear();
      QTest::keyClicks(dlg.deviceEdit(), c.typed);
    } else {
      // The stored port is gone: it is shown but not chosen.
      EXPECT_EQ(dlg.deviceEdit()->text().toStdString(), gone);
      ASSERT_TRUE(dlg.chosenDevice().isEmpty());
    }
    c.ok ? dlg.accept() : dlg.reject();
    EXPECT_EQ(dlg.result(), c.ok ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(ProgramSettings(state.appName).port(), c.stored) << (c.typed ? c.typed : "");
  }
}

// ---- Help key ---------------------------------------------------------------

struct Asked {
  int id = -1;
  std::string page;
};

// Shows window, focuses target (the window itself when null), presses F1.
Asked pressF1(QWidget& window, QWidget* target) {
  Asked asked;
  setHelpHandler([&](QWidget* from, int id) {
    asked.id = id;
    asked.page = helpPageFor(id, helpIdsAround(from));
  });
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  QWidget* focus = target ? target : &window;
  focus->setFocus();
  QTest::keyClick(focus, Qt::Key_F1);
  setHelpHandler({});
  window.close();
  return asked;
}

TEST(HelpKey, AsksWithTheFocusedControlOrTheWindowAndFindsItsPage) {
  RadioImage image;
  AppState state;

  CProcessDlg process(QStringLiteral("Read Data"));
  const Asked fromProcess = pressF1(process, nullptr);
  EXPECT_EQ(fromProcess.id, windowhelp::kProcess.id);
  EXPECT_EQ(fromProcess.page, "transfer.html");

  COptionalFeaturesDlg optional(image, state);
  const Asked fromPassword = pressF1(optional, optional.findChild<QLineEdit*>());
  EXPECT_EQ(fromPassword.id, optionalPasswordInfo().helpId);
  EXPECT_EQ(fromPassword.page, "optional.html");
}

}  // namespace
}  // namespace radio::gui::test
