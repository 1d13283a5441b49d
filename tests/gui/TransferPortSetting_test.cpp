// The Port Setting window: the current port checked when it can be opened, a
// device path typed into its field, what OK and Cancel store.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "gui/AppState.h"
#include "gui/ProgramSettings.h"
#include "link/serial/SerialLink.h"
#include "link/widgets/CPortSettingDlg.h"

namespace radio::gui {
namespace {

// A pseudo-terminal whose device path a port can be opened at.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) path_ = ptsname(master_);
  }
  ~PseudoTerminal() {
    if (master_ >= 0) close(master_);
  }
  [[nodiscard]] const std::string& path() const { return path_; }

 private:
  int master_ = -1;
  std::string path_;
};

class PortSettingWindow : public ::testing::Test {
 protected:
  void SetUp() override { state.appName = "radioprog-port-test"; }
  QString storedPort() const { return ProgramSettings("radioprog-port-test").value("com").toString(); }

  AppState state;
};

TEST_F(PortSettingWindow, DevicePathTypedIntoTheFieldIsStoredOnOk) {
  PseudoTerminal pty;
  ASSERT_FALSE(pty.path().empty());
  state.portName = "/dev/does-not-exist";
  CPortSettingDlg dlg(state);
  EXPECT_EQ(dlg.windowTitle(), "Port Setting");
  // The stored port is gone: it is shown but not chosen.
  EXPECT_EQ(dlg.deviceEdit()->text(), "/dev/does-not-exist");
  EXPECT_FALSE(dlg.deviceButton()->isChecked());
  for (std::size_t i = 0; i < dlg.choices().size(); ++i) {
    EXPECT_FALSE(dlg.choiceButton(static_cast<int>(i))->isChecked());
    EXPECT_EQ(dlg.choiceButton(static_cast<int>(i))->isEnabled(), dlg.choices()[i].available);
  }
  dlg.deviceEdit()->clear();
  QTest::keyClicks(dlg.deviceEdit(), QString::fromStdString(pty.path()));
  EXPECT_TRUE(dlg.deviceButton()->isChecked());
  dlg.accept();
  EXPECT_EQ(state.portName, pty.path());
  EXPECT_EQ(storedPort().toStdString(), pty.path());
  EXPECT_EQ(loadPortSetting(state.appName), pty.path());

  // Opened again, the window checks the port it can open.
  CPortSettingDlg again(state);
  EXPECT_TRUE(again.deviceButton()->isChecked());
  EXPECT_EQ(again.chosenDevice().toStdString(), pty.path());
}

TEST_F(PortSettingWindow, NothingChosenOrCancelChangesNothing) {
  state.portName = "/dev/does-not-exist";
  {
    CPortSettingDlg dlg(state);
    ASSERT_TRUE(dlg.chosenDevice().isEmpty());
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
  }
  EXPECT_EQ(state.portName, "/dev/does-not-exist");
  {
    CPortSettingDlg dlg(state);
    QTest::keyClicks(dlg.deviceEdit(), "/dev/ttyUSB7");
    dlg.reject();
  }
  EXPECT_EQ(state.portName, "/dev/does-not-exist");
  {
    // A blank path counts as no choice.
    CPortSettingDlg dlg(state);
    dlg.deviceEdit()->clear();
    QTest::keyClicks(dlg.deviceEdit(), "   ");
    dlg.accept();
  }
  EXPECT_EQ(state.portName, "/dev/does-not-exist");
}

}  // namespace
}  // namespace radio::gui
