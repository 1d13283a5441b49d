// SPDX-License-Identifier: GPL-3.0-or-later
// The window of differences: a changed channel as two rows with only its changed
// cells marked, settings side by side, and the bytes no field shows counted until
// "Show bytes" lists them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTableWidget>

#include "TestImages.h"
#include "gui/DifferencesDialog.h"

namespace radio::gui {
namespace {

TEST(DifferencesWindow, MarksChangedCellsAndShowsBytesOnRequest) {
  const RadioImage a = test::newDocument();
  RadioImage b = a;
  test::putChannel(b, 3, "145.12500", "BASE");
  b.set(0x17F8, 0x00);
  const ImageComparison comparison = compareImages(a, b, SectionContext{});
  DifferencesDialog dialog(QStringLiteral("Compare"), QString(), comparison, QStringLiteral("A"), QStringLiteral("B"),
                           Language::English);
  const QTableWidget* channels = dialog.channelTable();
  ASSERT_EQ(channels->rowCount(), 2);
  EXPECT_EQ(channels->item(0, 0)->text(), QStringLiteral("3"));
  EXPECT_EQ(channels->item(1, 1)->text(), QStringLiteral("B"));
  EXPECT_EQ(channels->item(1, ColName + 1)->text(), QStringLiteral("BASE"));
  for (const int line : {0, 1}) {
    EXPECT_TRUE(DifferencesDialog::marked(channels, line, ColRx + 1));
    EXPECT_FALSE(DifferencesDialog::marked(channels, line, 0));
  }
  EXPECT_EQ(dialog.settingTable()->rowCount(), 0);
  const QString counted = dialog.listText();
  EXPECT_TRUE(counted.endsWith(QStringLiteral("1 byte no field shows differs"))) << counted.toStdString();
  dialog.showBytesBox()->setChecked(true);
  EXPECT_TRUE(dialog.listText().endsWith(QStringLiteral("bytes 0x17F8-0x17F8")));
}

}  // namespace
}  // namespace radio::gui
