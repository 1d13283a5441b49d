// SPDX-License-Identifier: GPL-3.0-or-later
// The window of differences: a changed channel as two rows with only its changed
// cells marked, and the bytes no field shows counted until "Show bytes" lists them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTableWidget>

#include "TestImages.h"
#include "gui/DifferencesDialog.h"

namespace radio::gui {
namespace {

TEST(DifferencesWindow, MarksChangedCellsAndShowsBytesOnRequest) {
  RadioImage a = test::newDocument();
  test::putChannel(a, 3, "145.12500", "CALL");
  RadioImage b = a;
  test::putChannel(b, 3, "145.12500", "BASE");
  b.set(0x17F8, 0x00);
  const ImageComparison comparison = compareImages(a, b, SectionContext{});
  DifferencesDialog dialog(QStringLiteral("Compare"), QString(), comparison, QStringLiteral("A"), QStringLiteral("B"),
                           Language::English);
  const QTableWidget* channels = dialog.channelTable();
  ASSERT_EQ(channels->rowCount(), 2);
  EXPECT_EQ(channels->item(1, ColName + 1)->text(), QStringLiteral("BASE"));
  // Only the changed cell is marked, on both lines.
  for (const int line : {0, 1}) {
    EXPECT_TRUE(DifferencesDialog::marked(channels, line, ColName + 1));
    EXPECT_FALSE(DifferencesDialog::marked(channels, line, ColRx + 1));
  }
  EXPECT_TRUE(dialog.listText().endsWith(QStringLiteral("1 byte no field shows differs")));
  dialog.showBytesBox()->setChecked(true);
  EXPECT_TRUE(dialog.listText().endsWith(QStringLiteral("bytes 0x17F8-0x17F8")));
}

}  // namespace
}  // namespace radio::gui
