// The PrintList window: its initial state, the two buttons, OK and Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "gui/HelpHook.h"
#include "print/widgets/CPrintListDlg.h"

namespace radio::gui {
namespace {

using radio::print::Section;
using radio::print::SectionFlags;

SectionFlags shown(const CPrintListDlg& dialog) {
  SectionFlags flags{};
  for (int i = 0; i < radio::print::kSectionCount; ++i)
    flags[static_cast<std::size_t>(i)] = dialog.checkBox(static_cast<Section>(i))->isChecked();
  return flags;
}

TEST(CPrintListDlg, OpensWithOptionalAndChannelInfoCheckedAndTheirPageCounts) {
  CPrintListDlg dialog(3);
  EXPECT_EQ(dialog.windowTitle(), "PrintList");
  EXPECT_EQ(shown(dialog), (SectionFlags{false, false, true, false, true}));
  EXPECT_EQ(dialog.pages(), (radio::print::SectionPages{1, 1, 1, 2, 3}));
  EXPECT_EQ(dialog.selection(), SectionFlags{});
  EXPECT_EQ(dialog.checkBox(Section::Channels)->text(), "Channel Info");
}

TEST(CPrintListDlg, OkHandsOnTheBoxesAsTheyAreAfterSelectAllClearAllAndClicks) {
  CPrintListDlg dialog(1);
  QTest::mouseClick(dialog.selectAllButton(), Qt::LeftButton);
  EXPECT_EQ(shown(dialog), (SectionFlags{true, true, true, true, true}));
  QTest::mouseClick(dialog.clearAllButton(), Qt::LeftButton);
  EXPECT_EQ(shown(dialog), SectionFlags{});
  dialog.checkBox(Section::Msk)->click();
  dialog.checkBox(Section::TwoTone)->click();
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.selection(), (SectionFlags{false, true, false, true, false}));
}

TEST(CPrintListDlg, F1AsksForHelpAtTheFocusedControl) {
  CPrintListDlg dialog(2);
  int asked = 0;
  setHelpHandler([&](QWidget*, int id) { asked = id; });
  dialog.show();
  dialog.clearAllButton()->setFocus();
  QTest::keyClick(&dialog, Qt::Key_F1);
  EXPECT_EQ(asked, CPrintListDlg::IdClearAll);
  dialog.checkBox(Section::TwoTone)->setFocus();
  QTest::keyClick(&dialog, Qt::Key_F1);
  EXPECT_EQ(asked, CPrintListDlg::IdTwoTone);
  setHelpHandler({});
}

}  // namespace
}  // namespace radio::gui
