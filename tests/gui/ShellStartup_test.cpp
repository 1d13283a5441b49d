// Start-up and shut-down of the desktop application.
#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QTreeWidget>

#include "ShellTestSupport.h"
#include "gui/CProgramDoc.h"
#include "gui/ProgramSettings.h"
#include "shell/widgets/CChildFrame.h"
#include "shell/widgets/CMainFrame.h"
#include "shell/widgets/CMyDocManager.h"
#include "shell/widgets/Commands.h"
#include "shell/widgets/NavigationBar.h"

namespace radio::gui::test {
namespace {

using StartupTest = ShellFixture;

QByteArray bytes(const BandRecord& r) { return QByteArray(reinterpret_cast<const char*>(r.data()), 6); }

TEST_F(StartupTest, MissingTranslationEndsStartupWithBuiltInMessage) {
  writeIni(QStringLiteral("English"));
  EXPECT_FALSE(start());
  EXPECT_EQ(messages_, QStringList{QStringLiteral("Load language DLL fail")});
  EXPECT_EQ(app_->mainFrame(), nullptr);

  writeIni(QStringLiteral("Chinese"));
  copyFromBuild(QStringLiteral("English.qm"));
  messages_.clear();
  EXPECT_FALSE(start());
  EXPECT_EQ(messages_, QStringList{QString::fromUtf8("加载语言链接库失败")});
}

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
    EXPECT_EQ(app_->state().lang, Language::English);
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

TEST_F(StartupTest, UserCopyIsMadeFromTheShippedIniWhichIsNeverWritten) {
  configDir_ = path(QStringLiteral("config/radioprog"));
  writeIni(QStringLiteral("Chinese"));
  copyFromBuild(QStringLiteral("Chinese.qm"));
  ASSERT_TRUE(start());
  EXPECT_EQ(app_->state().lang, Language::Chinese);
  app_->state().config->set("Setup", "Language", "English");
  app_.reset();
  const auto read = [](const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  EXPECT_TRUE(read(path(QStringLiteral("Program.ini"))).contains("Language=Chinese"));
  EXPECT_TRUE(read(configDir_ + QStringLiteral("/Program.ini")).contains("Language=English"));
}

TEST_F(StartupTest, LowerCaseLanguageNameLooksForItsOwnTranslation) {
  writeIni(QStringLiteral("chinese"));
  copyFromBuild(QStringLiteral("Chinese.qm"));
  EXPECT_FALSE(start());
  EXPECT_EQ(messages_, QStringList{QStringLiteral("Load language DLL fail")});
}

TEST_F(StartupTest, EnglishStartBuildsTheMainWindowFromTheIni) {
  writeIni(QStringLiteral("English"), QStringLiteral("ShowLang=0\n"));
  copyFromBuild(QStringLiteral("English.qm"));
  ASSERT_TRUE(start());
  CMainFrame* frame = app_->mainFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(messages_.isEmpty());
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Test Title"));
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Test Company"));
  EXPECT_EQ(frame->navigationBar()->rootItem()->text(0), QStringLiteral("Test Company"));

  // The first document exists, with its window titled after the document.
  ASSERT_EQ(frame->documents().frames().size(), 1);
  CChildFrame* child = frame->documents().frames().first();
  EXPECT_TRUE(child->isVisible());
  EXPECT_TRUE(child->windowTitle().startsWith(QStringLiteral("Channel Information")));
  EXPECT_EQ(child->width(), CChildFrame::kInitialWidth);
  EXPECT_FALSE(child->document().isModified());

  // ShowLang=0 leaves the Language command out of Setup; the Edit menu offers
  // every page, then the grid's editing commands.
  EXPECT_FALSE(frame->setupMenu()->actions().contains(frame->action(cmd::kLanguage)));
  int pages = 0;
  for (QAction* a : frame->editMenu()->actions())
    if (!a->isSeparator() && a->data().isValid()) ++pages;
  EXPECT_EQ(pages, 8);
  EXPECT_EQ(frame->navigationBar()->rootItem()->childCount(), 8);
}

TEST_F(StartupTest, LanguageCommandStaysWhenShowLangIsSet) {
  ASSERT_TRUE(startEnglish());
  EXPECT_TRUE(app_->mainFrame()->setupMenu()->actions().contains(app_->mainFrame()->action(cmd::kLanguage)));
}

TEST_F(StartupTest, ChineseStartTranslatesMenusAndTree) {
  writeIni(QStringLiteral("Chinese"));
  copyFromBuild(QStringLiteral("Chinese.qm"));
  ASSERT_TRUE(start());
  CMainFrame* frame = app_->mainFrame();
  EXPECT_EQ(app_->state().lang, Language::Chinese);
  EXPECT_EQ(frame->windowTitle(), QString::fromUtf8("测试标题"));
  EXPECT_EQ(frame->visibleMenus().first()->title(), QString::fromUtf8("文件(&F)"));
  EXPECT_EQ(frame->navigationBar()->pageItem(Page::ProductInformation)->text(0), QString::fromUtf8("机型设置"));
  EXPECT_EQ(frame->documents().frames().first()->document().title(), QString::fromUtf8("信道信息"));
}

TEST_F(StartupTest, BandRecordIsReadAtStartAndWrittenAtExit) {
  ProgramSettings settings(appName_);
  settings.setValue(QStringLiteral("Field"), bytes({0x13, 0x17, 0x50, 0x40, 0x52, 0x00}));
  ASSERT_TRUE(startEnglish());
  // The new document and its grid take the record up and keep it.
  EXPECT_EQ(app_->state().band.record, (BandRecord{0x13, 0x17, 0x50, 0x40, 0x52, 0x00}));

  app_->state().band.record = {0x13, 0x16, 0x40, 0x40, 0x47, 0x00};
  app_->exitInstance();
  EXPECT_EQ(settings.value(QStringLiteral("Field")).toByteArray(), bytes({0x13, 0x16, 0x40, 0x40, 0x47, 0x00}));
}

TEST_F(StartupTest, AllZeroBandRecordBecomesTheDefault) {
  ProgramSettings(appName_).setValue(QStringLiteral("Field"), QByteArray(6, '\0'));
  ASSERT_TRUE(startEnglish());
  EXPECT_EQ(app_->state().band.record, kDefaultBandRecord);
}

TEST_F(StartupTest, FileOnTheCommandLineOpensInsteadOfANewDocument) {
  QByteArray data(6144, '\0');
  data[0x10] = 0x42;
  QFile file(path(QStringLiteral("given.dat")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(data);
  file.close();
  writeIni(QStringLiteral("English"));
  copyFromBuild(QStringLiteral("English.qm"));
  ASSERT_TRUE(start({path(QStringLiteral("given.dat"))}));
  ASSERT_EQ(app_->mainFrame()->documents().frames().size(), 1);
  const CProgramDoc& doc = app_->mainFrame()->documents().frames().first()->document();
  EXPECT_TRUE(doc.hasFile());
  EXPECT_EQ(doc.image().at(0x10), 0x42);
}

TEST_F(StartupTest, ChangedIniIsWrittenBackAtExit) {
  ASSERT_TRUE(startEnglish());
  app_->state().config->set("Setup", "Language", "Chinese");
  app_.reset();
  QFile f(path(QStringLiteral("Program.ini")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains("Language=Chinese"));
}

}  // namespace
}  // namespace radio::gui::test
