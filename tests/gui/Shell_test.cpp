// The desktop application as a whole: start-up and shut-down, and the main
// window's document commands (File New, Save, closing with changes).
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>

#include "ShellTestSupport.h"
#include "gui/CProgramDoc.h"
#include "shell/widgets/CChildFrame.h"
#include "shell/widgets/CMainFrame.h"
#include "shell/widgets/CMyDocManager.h"
#include "shell/widgets/Commands.h"
#include "shell/widgets/EditCommands.h"

namespace radio::gui::test {
namespace {

using StartupTest = ShellFixture;

TEST_F(StartupTest, MissingOrEmptyIniStartsInEnglishAndIsWrittenComplete) {
  copyFromBuild(QStringLiteral("English.qm"));
  for (const char* before : {"", "\n  \n", "[Setup]\nShowLang=0\n"}) {
    if (*before) {
      QFile f(path(QStringLiteral("Program.ini")));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(before);
    }
    messages_.clear();
    ASSERT_TRUE(start()) << before;
    EXPECT_TRUE(messages_.isEmpty());
    app_.reset();
    QFile f(path(QStringLiteral("Program.ini")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("Language=English")) << before;
    EXPECT_TRUE(text.contains("[Chinese]")) << before;
    // A value the file had is kept.
    EXPECT_EQ(text.contains("ShowLang=0"), QByteArray(before).contains("ShowLang=0"));
  }
}

TEST_F(StartupTest, FileOnTheCommandLineOpensInsteadOfANewDocument) {
  QByteArray data(6144, '\0');
  data[0x10] = 0x42;
  QFile file(path(QStringLiteral("given.dat")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(data);
  file.close();
  ASSERT_TRUE(startEnglish({path(QStringLiteral("given.dat"))}));
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
  EXPECT_TRUE(proposedNames_.first().endsWith(appName_ + ".dat"));  // the [Setup] AppName

  saveAsAnswer_ = path(QStringLiteral("saved.dat"));
  run(cmd::kFileSave);
  EXPECT_FALSE(child->document().isModified());
  QFile f(saveAsAnswer_);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray data = f.readAll();
  EXPECT_EQ(static_cast<unsigned char>(data[0x17F8]), 0x5A);

  // The document has its file now: Save writes there without asking.
  child->document().change("Edit", [](RadioImage& image) { image.set(0x17F8, 0x5B); });
  run(cmd::kFileSave);
  EXPECT_FALSE(child->document().isModified());
  EXPECT_EQ(frame_->recentFiles().files().first(), saveAsAnswer_);
}

TEST_F(MainFrameTest, ClosingWithUnsavedChangesAsks) {
  frames().first()->document().change("Edit", [](RadioImage& image) { image.set(0, 0x01); });
  frame_->show();
  saveAnswer_ = SaveAnswer::Cancel;
  EXPECT_FALSE(frame_->close());
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_.first().startsWith(QStringLiteral("Save changes to")));

  // Save with a cancelled file chooser does not close either.
  saveAnswer_ = SaveAnswer::Save;
  saveAsAnswer_.clear();
  EXPECT_FALSE(frame_->close());

  saveAnswer_ = SaveAnswer::Discard;
  EXPECT_TRUE(frame_->close());
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

}  // namespace
}  // namespace radio::gui::test
