// The DTMF, MSK and 2-Tone windows bind their pages to the forms: pages load when
// shown and store when hidden, cell editors commit into the cell they were
// opened on, and no way of closing a window loses an edit (MSK: only OK stores).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "features/widgets/CDtmfCallListPage.h"
#include "features/widgets/CDtmfDecodePage.h"
#include "features/widgets/CDtmfDlg.h"
#include "features/widgets/CDtmfEncodePage.h"
#include "features/widgets/CGridCellEditor.h"
#include "features/widgets/CMskDlg.h"
#include "features/widgets/CTwoToneDecodePage.h"
#include "features/widgets/CTwoToneDecodeTabs.h"
#include "features/widgets/CTwoToneDlg.h"
#include "features/widgets/CTwoToneEncodePage.h"
#include "gui/HelpHook.h"
#include "model/Document.h"

namespace radio::gui {
namespace {

RadioImage newDocument() {
  BandRecord band{};
  return newDocumentImage(band);
}

void showActive(QWidget* window) {
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  QApplication::processEvents();
}

void focusOn(QWidget* widget) {
  widget->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
}

// ---- DTMF ---------------------------------------------------------------------

TEST(DtmfDlg, ClosingWhileACallListCellIsEditedStoresTheEdit) {
  RadioImage image = newDocument();
  AppState state;
  CDtmfDlg dlg(image, state);
  showActive(&dlg);
  dlg.tabs()->setCurrentIndex(2);
  CDtmfCallListPage* page = dlg.callListPage();
  CGridCellEditor* editor = page->cellEditor();
  ASSERT_TRUE(editor->isOpen());  // the page opens with entry 1 being edited
  focusOn(editor);
  QTest::keyClicks(editor, "12abe");  // e is not a DTMF digit
  QTest::keyClick(editor, Qt::Key_3, Qt::ShiftModifier);
  QTest::keyClick(editor, Qt::Key_5, Qt::ShiftModifier);
  QTest::keyClicks(editor, "*");
  EXPECT_EQ(editor->text(), "12AB#*");
  EXPECT_EQ(image.text(0x1380, 16), "");  // nothing stored while the page is visible

  dlg.close();  // the close box
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(image.text(0x1380, 16), "12AB#*");
  EXPECT_EQ(image.at(0x1380 + 6), 0xFF);
}

TEST(DtmfDlg, LeavingACellCommitsItIntoThatCell) {
  RadioImage image = newDocument();
  AppState state;
  CDtmfDlg dlg(image, state);
  showActive(&dlg);
  dlg.tabs()->setCurrentIndex(2);
  CDtmfCallListPage* page = dlg.callListPage();
  focusOn(page->cellEditor());
  QTest::keyClicks(page->cellEditor(), "111");
  page->grid()->setCurrentCell(4, 1);  // entering another cell
  EXPECT_EQ(page->grid()->item(1, 1)->text(), "111");
  EXPECT_EQ(page->cellEditor()->openRow(), 4);
  QTest::keyClicks(page->cellEditor(), "444");

  dlg.tabs()->setCurrentIndex(0);  // switching tabs stores the list ...
  EXPECT_EQ(image.text(0x1380, 16), "111");
  EXPECT_EQ(image.text(0x13C8, 16), "444");
  image.setText(0x1398, 16, "22");
  dlg.tabs()->setCurrentIndex(2);  // ... and coming back shows the image again
  EXPECT_EQ(page->grid()->item(1, 1)->text(), "111");
  EXPECT_EQ(page->grid()->item(2, 1)->text(), "22");
  dlg.close();
}

TEST(DtmfDlg, EncodePageStoresOnTabSwitchAndIgnoresEsc) {
  RadioImage image;  // blank: every field shows what the bytes say
  AppState state;
  CDtmfDlg dlg(image, state);
  showActive(&dlg);
  CDtmfEncodePage* encode = dlg.encodePage();
  EXPECT_EQ(encode->edit(0)->text(), "15");
  EXPECT_EQ(encode->edit(1)->text(), "1550");
  focusOn(encode->edit(1));
  QTest::keyClick(encode->edit(1), Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible());
  encode->spin(2, -1);  // 1550 -> 1000 -> 500
  encode->spin(2, -1);
  EXPECT_EQ(encode->edit(2)->text(), "500");

  dlg.tabs()->setCurrentIndex(1);
  EXPECT_EQ(image.at(0x1308), 0xFF);
  EXPECT_EQ(image.at(0x1309), 20);
  EXPECT_EQ(image.at(0x130A), 10);
  EXPECT_EQ(image.at(0x130B), 20);
  dlg.close();
}

TEST(DtmfDlg, DecodeListsAndEscStoreTheDecodePage) {
  RadioImage image = newDocument();
  AppState state;
  state.lang = Language::Chinese;
  CDtmfDlg dlg(image, state);
  showActive(&dlg);
  dlg.tabs()->setCurrentIndex(1);
  CDtmfDecodePage* decode = dlg.decodePage();
  EXPECT_EQ(dlg.tabs()->tabText(1), QString::fromUtf8("解码"));

  focusOn(decode->groupCode());  // the list covers the edit
  ASSERT_TRUE(decode->groupList()->isVisible());
  EXPECT_FALSE(decode->groupCode()->isVisible());
  EXPECT_EQ(decode->groupList()->currentText(), "A");
  decode->groupList()->setCurrentIndex(0);
  EXPECT_EQ(decode->groupList()->currentText(), QString::fromUtf8("关"));

  focusOn(decode->idCode());  // leaving the list writes its choice back
  EXPECT_FALSE(decode->groupList()->isVisible());
  EXPECT_EQ(decode->groupCode()->text(), QString::fromUtf8("关"));
  QTest::keyClicks(decode->idCode(), "ab12");
  EXPECT_EQ(decode->idCode()->text(), "AB12");

  decode->stunActivation()->click();  // unchecks: greys the stun controls
  EXPECT_FALSE(decode->stunCode()->isEnabled());
  EXPECT_FALSE(decode->stunType()->isEnabled());

  QTest::keyClick(decode->idCode(), Qt::Key_Escape);  // the decode page lets Esc through
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(image.at(0x132F), 0xFF);
  EXPECT_EQ(image.text(0x1320, 10), "AB12");
  EXPECT_FALSE(image.bit(0x12A8, 4));
}

TEST(DtmfDlg, StunCodeKeyFilter) {
  RadioImage image = newDocument();
  AppState state;
  CDtmfDlg dlg(image, state);
  showActive(&dlg);
  dlg.tabs()->setCurrentIndex(1);
  QLineEdit* stun = dlg.decodePage()->stunCode();
  focusOn(stun);
  QTest::keyClicks(stun, "1dEz#");
  EXPECT_EQ(stun->text(), "1D#");
  QTest::keyClick(stun, Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible());
  dlg.close();
  EXPECT_EQ(image.text(0x1338, 10), "1D#");
}

TEST(DtmfDlg, F1AsksForHelpAtTheFocusedControl) {
  std::vector<int> ids;
  setHelpHandler([&ids](QWidget*, int id) { ids.push_back(id); });
  RadioImage image = newDocument();
  AppState state;
  CDtmfDlg dlg(image, state);
  showActive(&dlg);
  focusOn(dlg.encodePage()->edit(0));
  QTest::keyClick(dlg.encodePage()->edit(0), Qt::Key_F1);
  setHelpHandler({});
  EXPECT_EQ(ids, std::vector<int>{1084});
  dlg.close();
}

// ---- MSK ----------------------------------------------------------------------

TEST(MskDlg, OkCommitsTheOpenCellEditor) {
  RadioImage image = newDocument();
  image.fill(0x12D0, 8, 0x33);
  AppState state;
  CMskDlg dlg(image, state);
  showActive(&dlg);
  focusOn(dlg.idCode());
  QTest::keyClicks(dlg.idCode(), "1a2fg");
  EXPECT_EQ(dlg.idCode()->text(), "1A2F");
  dlg.grid()->setCurrentCell(4, 1);
  CGridCellEditor* editor = dlg.cellEditor();
  ASSERT_TRUE(editor->isOpen());
  focusOn(editor);
  QTest::keyClicks(editor, "abcdh");
  QTest::keyClick(editor, Qt::Key_Return);  // discarded: the dialog stays open
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(image.text(0x12D8, 4), "");

  dlg.okButton()->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(image.text(0x12C0, 4), "1A2F");
  EXPECT_EQ(image.text(0x12D8, 4), "ABCD");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(image.at(0x12D0 + i), 0x33);
}

TEST(MskDlg, CancelAndTheCloseBoxWriteNothing) {
  RadioImage image = newDocument();
  const RadioImage before = image;
  AppState state;
  for (const bool closeBox : {false, true}) {
    CMskDlg dlg(image, state);
    showActive(&dlg);
    // Entry 1 is already current: a click on it opens the editor.
    const QRect cell = dlg.grid()->visualItemRect(dlg.grid()->item(1, 1));
    QTest::mouseClick(dlg.grid()->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(dlg.cellEditor()->isOpen());
    focusOn(dlg.cellEditor());
    QTest::keyClicks(dlg.cellEditor(), "12");
    focusOn(dlg.idCode());  // commits the cell editor into the grid only
    EXPECT_EQ(dlg.grid()->item(1, 1)->text(), "12");
    if (closeBox)
      dlg.close();
    else
      dlg.cancelButton()->click();
    EXPECT_FALSE(dlg.isVisible());
    for (std::size_t a = 0; a < kImageSize; ++a) EXPECT_EQ(image.at(a), before.at(a)) << std::hex << a;
  }
}

// ---- 2-Tone -------------------------------------------------------------------

TEST(TwoToneDlg, ClosingWhileAToneCellIsEditedStoresBothForms) {
  RadioImage image = newDocument();
  AppState state;
  CTwoToneDlg dlg(image, state);
  showActive(&dlg);
  CTwoToneEncodePage* encode = dlg.encodePage();
  encode->grid()->setCurrentCell(2, 1);  // entry 2, Tone1
  CGridCellEditor* editor = encode->cellEditor();
  ASSERT_TRUE(editor->isOpen());
  focusOn(editor);
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Delete);
  QTest::keyClicks(editor, "1000.0");  // the main keyboard's point, as on a laptop
  EXPECT_EQ(editor->text(), "1000.0");

  dlg.close();
  EXPECT_EQ(image.be16(0x1504), 0x2710);
  EXPECT_EQ(image.be16(0x1684), 112);
}

TEST(TwoToneDlg, EnterOrEscFromTheTabStripStoresTheVisiblePage) {
  RadioImage image = newDocument();
  AppState state;
  CTwoToneDlg dlg(image, state);
  showActive(&dlg);
  CTwoToneEncodePage* encode = dlg.encodePage();
  encode->spin(4, +1);  // Tx rise 0.10 -> 0.15
  EXPECT_EQ(encode->edit(4)->text(), "0.15");
  encode->edit(0)->setText("2.0");
  focusOn(dlg.tabs()->tabBar());
  QTest::keyClick(dlg.tabs()->tabBar(), Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(image.be16(0x1625), 3);
  EXPECT_EQ(image.be16(0x17A5), 3);
  EXPECT_EQ(image.at(0x1620), 20);
  EXPECT_EQ(image.at(0x17A0), 40);
}

TEST(TwoToneDlg, DecodePagesStoreBeforeTheNextLoadsAndOnClose) {
  RadioImage image = newDocument();
  AppState state;
  CTwoToneDlg dlg(image, state);
  showActive(&dlg);
  dlg.tabs()->setCurrentIndex(1);
  CTwoToneDecodeTabs* tabs = dlg.decodeTabs();
  CTwoToneDecodePage* first = tabs->page(1);
  focusOn(first->edit(0));
  first->edit(0)->selectAll();
  QTest::keyClicks(first->edit(0), "5000");
  focusOn(first->edit(1));  // leaving the A tone clamps it
  EXPECT_EQ(first->edit(0)->text(), "3106.0");
  QTest::keyClick(first->edit(1), Qt::Key_Up);  // arrows pass the filter, they do not spin
  first->spin(1, -1);
  tabs->tabs()->setCurrentIndex(1);  // "2-Tone2"
  EXPECT_EQ(image.be16(0x15C0), 31060);
  EXPECT_EQ(image.be16(0x1740), 288);

  CTwoToneDecodePage* second = tabs->page(2);
  focusOn(second->edit(4));
  second->edit(4)->selectAll();
  QTest::keyClicks(second->edit(4), "1");
  QTest::keyClick(second->edit(4), Qt::Key_Period, Qt::KeypadModifier);
  QTest::keyClicks(second->edit(4), "5");
  dlg.close();  // the close box, with the interval still being typed
  EXPECT_EQ(image.at(0x15C8 + 6), 15);
  EXPECT_EQ(image.at(0x1748 + 6), 30);
}

}  // namespace
}  // namespace radio::gui
