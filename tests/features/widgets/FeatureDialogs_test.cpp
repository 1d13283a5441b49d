// SPDX-License-Identifier: GPL-3.0-or-later
// The settings and signalling windows bind their controls to the forms: open,
// change a control, OK or Cancel, look at the image. Each settings dialog stores
// only in its OK (Cancel is proven once, on Optional Features); the DTMF and
// 2-Tone pages load when shown and store when hidden, cell editors commit into
// the cell they were opened on, and closing a window loses no edit (MSK: only OK
// stores). The rules themselves and the radio exchange of the squelch levels are
// tested in the core.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "TestImages.h"
#include "app/IniFile.h"
#include "features/widgets/CDtmfCallListPage.h"
#include "features/widgets/CDtmfDecodePage.h"
#include "features/widgets/CDtmfDlg.h"
#include "features/widgets/CDtmfEncodePage.h"
#include "features/widgets/CKeyAssignDlg.h"
#include "features/widgets/CMskDlg.h"
#include "features/widgets/COptionalFeaturesDlg.h"
#include "features/widgets/CProductInfoDlg.h"
#include "features/widgets/CSquelchTuningDlg.h"
#include "features/widgets/CTwoToneDecodePage.h"
#include "features/widgets/CTwoToneDecodeTabs.h"
#include "features/widgets/CTwoToneDlg.h"
#include "features/widgets/CTwoToneEncodePage.h"
#include "features/widgets/GridCellEditor.h"
#include "gui/ProgramSettings.h"

namespace radio::gui {
namespace {

using radio::test::newDocument;

// ---- Optional Features ----------------------------------------------------------

TEST(COptionalFeaturesDlg, ShowsTheImageInTheLanguageOkStoresCancelWritesNothing) {
  RadioImage image = newDocument();
  const RadioImage before = image;
  AppState state;
  state.lang = Language::Chinese;
  {
    COptionalFeaturesDlg dlg(image, state);
    dlg.list(OptionalList::Squelch)->setCurrentIndex(7);
    dlg.passwordEdit()->setText("1");
    dlg.reject();
    EXPECT_EQ(image, before);
  }
  COptionalFeaturesDlg dlg(image, state);
  EXPECT_EQ(dlg.list(OptionalList::BackLight)->currentText(), QString::fromUtf8("自动"));
  dlg.list(OptionalList::Tot)->setCurrentIndex(2);
  dlg.list(OptionalList::DisplayMode)->setCurrentIndex(3);
  dlg.check(OptionalCheck::KeypadLock)->setChecked(true);
  dlg.passwordEdit()->setText("4321");
  dlg.accept();
  EXPECT_EQ(image.at(0x1260), 2);
  EXPECT_EQ(image.at(0x1267), 0x7B);
  EXPECT_EQ(image.text(addr::kPassword, 6), "4321");
}

// ---- Product Information --------------------------------------------------------

class CProductInfoDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    const auto path = dir_.filePath("Program.ini").toStdString();
    ASSERT_TRUE(config_.load(path, false, true, false));
    config_.set("Setup", "Type1", "Alpha");
    config_.set("Setup", "Type2", "Beta");
    config_.set("Setup", "Type3", "Gamma");
    state_.config = &config_;
    state_.appName = "settings-tests-" + std::to_string(counter_++);
  }
  QTemporaryDir dir_;
  IniFile config_;
  AppState state_;
  static inline int counter_ = 0;
};

TEST_F(CProductInfoDlgTest, ListsModelsShowsBandsAndOkStoresEverywhere) {
  RadioImage image = newDocument();
  state_.band.limits = {13'600'000, 17'400'000, 40'000'000, 52'000'000};
  ProgramSettings(state_.appName).setValue(Setting::Model, 1);
  CProductInfoDlg dlg(image, state_);
  EXPECT_EQ(dlg.modelList()->currentText(), "Beta");
  EXPECT_EQ(dlg.bandEdit(0)->text(), "136");

  dlg.modelList()->setCurrentIndex(2);
  dlg.accept();
  EXPECT_EQ(image.at(addr::kModelIndex), 2);
  EXPECT_EQ(image.bandRecord(), kGridBandRecord);
  EXPECT_EQ(ProgramSettings(state_.appName).value(Setting::Model).toInt(), 2);
}

TEST_F(CProductInfoDlgTest, InvertedBandShowsTheMessageAndStaysOpen) {
  RadioImage image = newDocument();
  const RadioImage before = image;
  state_.lang = Language::Chinese;
  state_.band.limits = {17'400'000, 13'600'000, 40'000'000, 48'000'000};
  CProductInfoDlg dlg(image, state_);
  QStringList messages;
  const ScopedPrompts answers([&](QWidget*, const MessageRequest& r) {
    messages << r.text;
    return QMessageBox::Ok;
  });
  dlg.show();
  dlg.modelList()->setCurrentIndex(1);
  dlg.accept();
  EXPECT_EQ(messages, QStringList{QString::fromUtf8("起始频率应小于结束频率")});
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(image, before);
  EXPECT_FALSE(ProgramSettings(state_.appName).contains(Setting::Model));
}

// ---- Key Assignment -------------------------------------------------------------

TEST(CKeyAssignDlg, ShowsTheChoiceAndStoresOnOk) {
  RadioImage image;
  image.set(addr::kKeyAssign, 0x81);
  AppState state;
  CKeyAssignDlg dlg(image, state);
  EXPECT_TRUE(dlg.choiceButton(2)->isChecked());
  dlg.choiceButton(3)->click();
  dlg.accept();
  EXPECT_EQ(image.at(addr::kKeyAssign), 0x80);
}

// ---- Squelch Tuning -------------------------------------------------------------

TEST(CSquelchTuningDlg, ShowsDefaultsForBytesOutOfRangeAndOkStores) {
  RadioImage image;
  setSquelchBytes(image, {0xFF, 0x00, 119, 9});
  AppState state;
  CSquelchTuningDlg dlg(image, state);
  EXPECT_EQ(dlg.list(0)->currentText(), "-23");
  EXPECT_EQ(dlg.list(2)->currentIndex(), -1);
  dlg.list(0)->setCurrentText("54");
  dlg.accept();
  EXPECT_EQ(squelchBytes(image), (std::array<Byte, 4>{118, 39, 34, 9}));
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

TEST(DtmfDlg, CallListEditsSurviveCellChangesTabSwitchesAndTheCloseBox) {
  RadioImage image = newDocument();
  AppState state;
  CDtmfDlg dlg(image, state);
  showActive(&dlg);
  dlg.tabs()->setCurrentIndex(2);
  CDtmfCallListPage* page = dlg.callListPage();
  GridCellEditor* editor = page->cellEditor();
  ASSERT_TRUE(editor->isOpen());  // the page opens with entry 1 being edited
  focusOn(editor);
  QTest::keyClicks(editor, "111");
  page->grid()->setCurrentCell(4, 1);  // entering another cell commits into the one left
  EXPECT_EQ(page->grid()->item(1, 1)->text(), "111");
  QTest::keyClicks(editor, "444");

  dlg.tabs()->setCurrentIndex(0);  // switching tabs stores the list ...
  EXPECT_EQ(image.text(0x1380, 16), "111");
  dlg.tabs()->setCurrentIndex(2);

  page->grid()->setCurrentCell(1, 1);
  ASSERT_TRUE(editor->isOpen());
  focusOn(editor);
  editor->selectAll();
  QTest::keyClicks(editor, "12abe");  // e is not a DTMF digit
  QTest::keyClick(editor, Qt::Key_3, Qt::ShiftModifier);
  QTest::keyClick(editor, Qt::Key_5, Qt::ShiftModifier);
  QTest::keyClicks(editor, "*");
  QTest::keyClick(editor, Qt::Key_8, Qt::ShiftModifier);
  EXPECT_EQ(editor->text(), "12AB#**");

  dlg.close();  // the close box, with the cell still being edited
  EXPECT_EQ(image.text(0x1380, 16), "12AB#**");
  EXPECT_EQ(image.at(0x1380 + 7), 0xFF);
}

TEST(DtmfDlg, KeyboardMovesBetweenFieldsAndPagesSelectsAndEscClosesAsTheCloseBox) {
  RadioImage image = newDocument();
  AppState state;
  CDtmfDlg dlg(image, state);
  showActive(&dlg);
  CDtmfEncodePage* encode = dlg.encodePage();
  focusOn(encode->edit(0));  // "DTMF Speed", where the window opens
  QTest::keyClick(encode->edit(0), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), encode->edit(1));
  QTest::keyClick(encode->edit(1), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), encode->edit(0));
  encode->edit(0)->deselect();
  QTest::keyClick(encode->edit(0), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(encode->edit(0)->selectedText(), encode->edit(0)->text());
  EXPECT_FALSE(encode->edit(0)->text().isEmpty());

  QTest::keyClick(encode->edit(0), Qt::Key_Tab, Qt::ControlModifier);
  ASSERT_EQ(dlg.tabs()->currentIndex(), 1);
  QLineEdit* idCode = dlg.decodePage()->idCode();
  focusOn(idCode);
  idCode->selectAll();
  QTest::keyClicks(idCode, "77");
  QTest::keyClick(idCode, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(image.text(0x1320, 10), "77");  // closing stored the visible page
}

// ---- MSK ----------------------------------------------------------------------

TEST(MskDlg, OkCommitsTheOpenCellEditorTheCloseBoxWritesNothing) {
  RadioImage image = newDocument();
  image.fill(0x12D0, 8, 0x33);
  const RadioImage before = image;
  AppState state;
  {
    CMskDlg dlg(image, state);
    showActive(&dlg);
    // Entry 1 is already current: a click on it opens the editor.
    const QRect cell = dlg.grid()->visualItemRect(dlg.grid()->item(1, 1));
    QTest::mouseClick(dlg.grid()->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(dlg.cellEditor()->isOpen());
    focusOn(dlg.cellEditor());
    QTest::keyClicks(dlg.cellEditor(), "12");
    focusOn(dlg.idCode());  // commits the cell editor into the grid only
    dlg.close();            // the close box, like Cancel, writes nothing
    EXPECT_EQ(image, before);
  }

  CMskDlg dlg(image, state);
  showActive(&dlg);
  focusOn(dlg.idCode());
  QTest::keyClick(dlg.idCode(), Qt::Key_A, Qt::ControlModifier);  // selects the stored code
  QTest::keyClick(dlg.idCode(), Qt::Key_A, Qt::ShiftModifier);    // letters count typed either way
  QTest::keyClick(dlg.idCode(), Qt::Key_B, Qt::ShiftModifier);
  EXPECT_EQ(dlg.idCode()->text(), "AB");
  dlg.idCode()->clear();
  QTest::keyClicks(dlg.idCode(), "1a2fg");
  EXPECT_EQ(dlg.idCode()->text(), "1A2F");
  dlg.grid()->setCurrentCell(4, 1);
  GridCellEditor* editor = dlg.cellEditor();
  ASSERT_TRUE(editor->isOpen());
  focusOn(editor);
  QTest::keyClicks(editor, "abcdh");
  QTest::keyClick(editor, Qt::Key_Return);  // discarded: the dialog stays open

  dlg.okButton()->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(image.text(0x12C0, 4), "1A2F");
  EXPECT_EQ(image.text(0x12D8, 4), "ABCD");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(image.at(0x12D0 + i), 0x33);
}

// ---- 2-Tone -------------------------------------------------------------------

TEST(TwoToneDlg, DecodePagesStoreBeforeTheNextLoadsAndClosingStoresOpenEdits) {
  RadioImage image = newDocument();
  AppState state;
  CTwoToneDlg dlg(image, state);
  showActive(&dlg);
  CTwoToneEncodePage* encode = dlg.encodePage();
  encode->grid()->setCurrentCell(2, 1);  // entry 2, Tone1
  GridCellEditor* editor = encode->cellEditor();
  ASSERT_TRUE(editor->isOpen());
  focusOn(editor);
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Delete);
  QTest::keyClicks(editor, "1000.0");  // the main keyboard's point, as on a laptop

  dlg.tabs()->setCurrentIndex(1);
  EXPECT_EQ(image.be16(0x1504), 0x2710);
  CTwoToneDecodeTabs* tabs = dlg.decodeTabs();
  CTwoToneDecodePage* first = tabs->page(1);
  focusOn(first->edit(0));
  first->edit(0)->selectAll();
  QTest::keyClicks(first->edit(0), "5000");
  focusOn(first->edit(1));  // leaving the A tone clamps it
  EXPECT_EQ(first->edit(0)->text(), "3106.0");
  tabs->tabs()->setCurrentIndex(1);  // "2-Tone2"
  EXPECT_EQ(image.be16(0x15C0), 31060);

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
