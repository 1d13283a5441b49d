// Start-up and shut-down of the desktop application.
#include <QFile>

#include "ShellTestSupport.h"
#include "gui/CProgramDoc.h"
#include "shell/widgets/CChildFrame.h"
#include "shell/widgets/CMainFrame.h"
#include "shell/widgets/CMyDocManager.h"

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

}  // namespace
}  // namespace radio::gui::test
