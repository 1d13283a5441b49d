// SPDX-License-Identifier: GPL-3.0-or-later
// The About window shows the version the program was built as, in the words of
// the user's Program.ini, whose own number an upgrade leaves behind.
#include <gtest/gtest.h>

#include <QLabel>

#include "app/Version.h"
#include "shell/widgets/CAboutDlg.h"

namespace radio::gui {
namespace {

TEST(AboutWindow, ShowsTheBuiltInVersionNotTheOneInProgramIni) {
  const AboutTexts texts{"About Radio Programmer", "Version 0.9.1", "Free software", "The developers"};
  const CAboutDlg dialog(texts, QString());
  EXPECT_EQ(dialog.versionLabel()->text(), QStringLiteral("Version ") + QString::fromLatin1(programVersion()));
}

}  // namespace
}  // namespace radio::gui
