// The settings dialogs bind their controls to the forms: open, change a control,
// OK or Cancel, look at the image. Each stores only in its OK; Cancel is proven
// once, on Optional Features. The rules themselves and the radio exchange of the
// squelch levels are tested in the core.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include "TestImages.h"
#include "app/IniFile.h"
#include "features/widgets/CKeyAssignDlg.h"
#include "features/widgets/COptionalFeaturesDlg.h"
#include "features/widgets/CProductInfoDlg.h"
#include "features/widgets/CSquelchTuningDlg.h"
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

}  // namespace
}  // namespace radio::gui
