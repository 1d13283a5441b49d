// The settings dialogs bind their controls to the forms: open, change a control,
// OK or Cancel, look at the image. The rules themselves are tested on the forms.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/IniFile.h"
#include "features/widgets/CKeyAssignDlg.h"
#include "features/widgets/COptionalFeaturesDlg.h"
#include "features/widgets/CProductInfoDlg.h"
#include "features/widgets/CSquelchTuningDlg.h"
#include "gui/HelpHook.h"
#include "gui/ProgramSettings.h"
#include "link/VirtualRadio.h"
#include "link/VirtualRadioLink.h"
#include "model/Document.h"

namespace radio::gui {
namespace {

RadioImage newDocument() {
  BandRecord band{};
  return newDocumentImage(band);
}

// Records the help context each F1 asks for.
struct HelpRecorder {
  HelpRecorder() {
    setHelpHandler([this](QWidget*, int id) { ids.push_back(id); });
  }
  ~HelpRecorder() { setHelpHandler({}); }
  std::vector<int> ids;
};

void pressF1(QWidget* dialog, QWidget* focus) {
  dialog->show();
  dialog->activateWindow();
  focus->setFocus();
  QApplication::processEvents();
  QTest::keyClick(focus, Qt::Key_F1);
}

// ---- Optional Features ----------------------------------------------------------

TEST(COptionalFeaturesDlg, ShowsTheImageInTheLanguageAndStoresOnOk) {
  RadioImage image = newDocument();
  AppState state;
  state.lang = Language::Chinese;
  COptionalFeaturesDlg dlg(image, state);
  EXPECT_EQ(dlg.list(OptionalList::Tot)->currentText(), "30");
  EXPECT_EQ(dlg.list(OptionalList::BackLight)->currentText(), QString::fromUtf8("自动"));
  EXPECT_EQ(dlg.list(OptionalList::Priority)->count(), 129);
  EXPECT_FALSE(dlg.list(OptionalList::MskType)->isVisibleTo(&dlg)) << "the bottom row stays out of sight";

  dlg.list(OptionalList::Tot)->setCurrentIndex(2);
  dlg.list(OptionalList::DisplayMode)->setCurrentIndex(3);
  dlg.check(OptionalCheck::KeypadLock)->setChecked(true);
  dlg.passwordEdit()->setText("4321");
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(image.at(0x1260), 2);
  EXPECT_EQ(image.at(0x1267), 0x7B);
  EXPECT_EQ(image.at(0x12A8), 0x7D);
  EXPECT_EQ(image.text(addr::kPassword, 6), "4321");
}

TEST(COptionalFeaturesDlg, CancelWritesNothing) {
  RadioImage image;  // blank: OK would normalise several bytes
  const RadioImage before = image;
  AppState state;
  COptionalFeaturesDlg dlg(image, state);
  dlg.list(OptionalList::Squelch)->setCurrentIndex(7);
  dlg.passwordEdit()->setText("1");
  dlg.reject();
  EXPECT_EQ(image, before);
}

TEST(COptionalFeaturesDlg, F1AsksForTheFocusedControlsHelp) {
  HelpRecorder help;
  RadioImage image = newDocument();
  AppState state;
  COptionalFeaturesDlg dlg(image, state);
  pressF1(&dlg, dlg.list(OptionalList::Step));
  pressF1(&dlg, dlg.passwordEdit());
  EXPECT_EQ(help.ids, (std::vector<int>{1124, 1133}));
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
  ProgramSettings(QString::fromStdString(state_.appName)).setValue("Type", 1);
  CProductInfoDlg dlg(image, state_);
  ASSERT_EQ(dlg.modelList()->count(), 3);
  EXPECT_EQ(dlg.modelList()->currentText(), "Beta");
  EXPECT_EQ(dlg.bandEdit(0)->text(), "136");
  EXPECT_EQ(dlg.bandEdit(3)->text(), "520");
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(dlg.bandEdit(i)->isEnabled());

  dlg.modelList()->setCurrentIndex(2);
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(image.at(addr::kModelIndex), 2);
  EXPECT_EQ(image.bandRecord(), kGridBandRecord);
  EXPECT_EQ(state_.band.record, kGridBandRecord);
  EXPECT_EQ(ProgramSettings(QString::fromStdString(state_.appName)).value("Type").toInt(), 2);
}

TEST_F(CProductInfoDlgTest, InvertedBandShowsTheMessageAndStaysOpen) {
  RadioImage image = newDocument();
  const RadioImage before = image;
  state_.lang = Language::Chinese;
  state_.band.limits = {17'400'000, 13'600'000, 40'000'000, 48'000'000};
  CProductInfoDlg dlg(image, state_);
  QStringList messages;
  dlg.setMessagePrompt([&](QWidget*, const MessageRequest& r) {
    messages << r.text;
    return QMessageBox::Ok;
  });
  dlg.show();
  dlg.modelList()->setCurrentIndex(1);
  dlg.accept();
  EXPECT_EQ(messages, QStringList{QString::fromUtf8("起始频率应小于结束频率")});
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(image, before);
  EXPECT_FALSE(ProgramSettings(QString::fromStdString(state_.appName)).contains("Type"));
}

TEST_F(CProductInfoDlgTest, WithoutConfigurationTheListIsEmptyAndOkWritesFF) {
  RadioImage image = newDocument();
  state_.config = nullptr;
  CProductInfoDlg dlg(image, state_);
  EXPECT_EQ(dlg.modelList()->count(), 0);
  dlg.accept();
  EXPECT_EQ(image.at(addr::kModelIndex), 0xFF);
}

// ---- Key Assignment -------------------------------------------------------------

TEST(CKeyAssignDlg, ShowsTheChoiceAndStoresOnlyOnOk) {
  RadioImage image;
  image.set(addr::kKeyAssign, 0x81);
  AppState state;
  {
    CKeyAssignDlg dlg(image, state);
    EXPECT_TRUE(dlg.choiceButton(2)->isChecked());
    dlg.choiceButton(3)->setChecked(true);
    dlg.reject();
    EXPECT_EQ(image.at(addr::kKeyAssign), 0x81);
  }
  CKeyAssignDlg dlg(image, state);
  dlg.choiceButton(3)->click();
  dlg.accept();
  EXPECT_EQ(image.at(addr::kKeyAssign), 0x80);
}

TEST(CKeyAssignDlg, F1OnTheChoicesAsksForTheCommandsHelp) {
  HelpRecorder help;
  RadioImage image;
  AppState state;
  CKeyAssignDlg dlg(image, state);
  pressF1(&dlg, dlg.choiceButton(1));
  EXPECT_EQ(help.ids, std::vector<int>{32800});
}

// ---- Squelch Tuning -------------------------------------------------------------

// A virtual radio that outlives the exchanges of one test.
struct RadioBench {
  RadioFaults faults;
  std::shared_ptr<VirtualRadio> radio;

  RadioBench() : radio(std::make_shared<VirtualRadio>(defaultRadioMemory())) {}
  void reset() { radio = std::make_shared<VirtualRadio>(defaultRadioMemory(), faults); }

  LinkOpener opener() {
    auto radio = this->radio;
    return [radio](const std::string&, Language) {
      struct OwningLink : VirtualRadioLink {
        explicit OwningLink(std::shared_ptr<VirtualRadio> r) : VirtualRadioLink(*r), keep(std::move(r)) {}
        std::shared_ptr<VirtualRadio> keep;
      };
      return OpenedLink{std::make_unique<OwningLink>(radio), {}};
    };
  }
  [[nodiscard]] std::array<Byte, 4> squelch() const {
    const auto& m = radio->memory();
    return {m[0x0FF6], m[0x0FF7], m[0x0FF8], m[0x0FF9]};
  }
};

void runExchange(CSquelchTuningDlg& dlg, QPushButton* button) {
  QSignalSpy finished(&dlg, &CSquelchTuningDlg::exchangeFinished);
  button->click();
  ASSERT_TRUE(finished.wait(20000));
}

TEST(CSquelchTuningDlg, ShowsDefaultsForBytesOutOfRangeAndStoresOnOk) {
  RadioImage image;
  setSquelchBytes(image, {0xFF, 0x00, 119, 9});
  AppState state;
  CSquelchTuningDlg dlg(image, state);
  EXPECT_EQ(dlg.list(0)->currentText(), "-23");
  EXPECT_EQ(dlg.list(1)->currentText(), "-25");
  EXPECT_EQ(dlg.list(2)->currentIndex(), -1);
  EXPECT_EQ(dlg.list(3)->currentText(), "-55");
  dlg.list(0)->setCurrentText("54");
  dlg.accept();
  EXPECT_EQ(squelchBytes(image), (std::array<Byte, 4>{118, 39, 34, 9}));
}

TEST(CSquelchTuningDlg, CancelWritesNothing) {
  RadioImage image;
  AppState state;
  CSquelchTuningDlg dlg(image, state);
  dlg.list(0)->setCurrentText("0");
  dlg.reject();
  EXPECT_EQ(squelchBytes(image), (std::array<Byte, 4>{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(CSquelchTuningDlg, WriteSendsTheShownValuesAndKeepsThemEvenAfterCancel) {
  RadioBench bench;
  RadioImage image = newDocument();
  AppState state;
  QStringList messages;
  CSquelchTuningDlg dlg(image, state);
  dlg.setLinkOpener(bench.opener());
  dlg.setMessagePrompt([&](QWidget*, const MessageRequest& r) {
    messages << r.text;
    return QMessageBox::Ok;
  });
  dlg.list(0)->setCurrentText("-55");
  dlg.list(3)->setCurrentText("54");
  runExchange(dlg, dlg.writeButton());
  EXPECT_EQ(messages, QStringList{"Write Successfully"});
  EXPECT_EQ(bench.squelch(), (std::array<Byte, 4>{9, 39, 34, 118}));
  EXPECT_TRUE(bench.radio->violations().empty());
  EXPECT_TRUE(dlg.writeButton()->isEnabled());
  dlg.reject();
  EXPECT_EQ(squelchBytes(image), (std::array<Byte, 4>{9, 39, 34, 118}));
}

TEST(CSquelchTuningDlg, ReadFillsTheImageAndTheLists) {
  RadioBench bench;
  for (auto [address, value] : {std::pair{0x0FF6, 50}, {0x0FF7, 51}, {0x0FF8, 52}, {0x0FF9, 53}})
    bench.radio->memory()[static_cast<std::size_t>(address)] = static_cast<Byte>(value);
  RadioImage image = newDocument();
  AppState state;
  state.lang = Language::Chinese;
  QStringList messages;
  CSquelchTuningDlg dlg(image, state);
  dlg.setLinkOpener(bench.opener());
  dlg.setMessagePrompt([&](QWidget*, const MessageRequest& r) {
    messages << r.text;
    return QMessageBox::Ok;
  });
  runExchange(dlg, dlg.readButton());
  EXPECT_EQ(messages, QStringList{QString::fromUtf8("读数据成功")});
  EXPECT_EQ(squelchBytes(image), (std::array<Byte, 4>{50, 51, 52, 53}));
  EXPECT_EQ(dlg.list(0)->currentText(), "-14");
  EXPECT_EQ(dlg.list(3)->currentText(), "-11");
}

TEST(CSquelchTuningDlg, SilentRadioAsksRetryAndCancelLeavesTheImage) {
  RadioBench bench;
  bench.faults.silent = true;
  bench.reset();
  RadioImage image = newDocument();
  const RadioImage before = image;
  AppState state;
  int questions = 0;
  CSquelchTuningDlg dlg(image, state);
  dlg.setLinkOpener(bench.opener());
  dlg.setMessagePrompt([&](QWidget*, const MessageRequest& r) {
    if (r.buttons & QMessageBox::Retry) ++questions;
    return questions == 1 && (r.buttons & QMessageBox::Retry) ? QMessageBox::Retry : QMessageBox::Cancel;
  });
  dlg.list(1)->setCurrentText("0");
  runExchange(dlg, dlg.writeButton());
  EXPECT_EQ(questions, 2) << "Retry gives another round of attempts";
  EXPECT_EQ(image, before) << "without a handshake the write stores nothing";
}

TEST(CSquelchTuningDlg, PortThatCannotOpenIsReported) {
  RadioImage image = newDocument();
  const RadioImage before = image;
  AppState state;
  QStringList messages;
  CSquelchTuningDlg dlg(image, state);
  dlg.setLinkOpener([](const std::string&, Language lang) {
    return OpenedLink{nullptr, linkResult(LinkOutcome::PortError, lang)};
  });
  dlg.setMessagePrompt([&](QWidget*, const MessageRequest& r) {
    messages << r.text;
    return QMessageBox::Ok;
  });
  runExchange(dlg, dlg.readButton());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0].toStdString(), messageText(MessageId::OpenPort, Language::English));
  EXPECT_EQ(image, before);
}

}  // namespace
}  // namespace radio::gui
