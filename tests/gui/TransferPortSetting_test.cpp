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
  QString storedPort() const { return ProgramSettings("radioprog-port-test").value(Setting::Port).toString(); }

  AppState state;
};

TEST_F(PortSettingWindow, DevicePathTypedIntoTheFieldIsStoredOnOk) {
  PseudoTerminal pty;
  ASSERT_FALSE(pty.path().empty());
  state.portName = "/dev/does-not-exist";
  CPortSettingDlg dlg(state);
  // The stored port is gone: it is shown but not chosen.
  EXPECT_EQ(dlg.deviceEdit()->text(), "/dev/does-not-exist");
  dlg.deviceEdit()->clear();
  QTest::keyClicks(dlg.deviceEdit(), QString::fromStdString(pty.path()));
  dlg.accept();
  EXPECT_EQ(state.portName, pty.path());
  EXPECT_EQ(ProgramSettings(state.appName).port(), pty.path());
}

// Nothing chosen, Cancel, or a blank path: the stored port stays.
TEST_F(PortSettingWindow, NothingChosenOrCancelChangesNothing) {
  state.portName = "/dev/does-not-exist";
  const struct {
    const char* typed;  // nullptr: the field as the window shows it
    bool ok;
  } cases[] = {{nullptr, true}, {"/dev/ttyUSB7", false}, {"   ", true}};
  for (const auto& c : cases) {
    CPortSettingDlg dlg(state);
    if (c.typed) {
      dlg.deviceEdit()->clear();
      QTest::keyClicks(dlg.deviceEdit(), c.typed);
    } else {
      ASSERT_TRUE(dlg.chosenDevice().isEmpty());
    }
    c.ok ? dlg.accept() : dlg.reject();
    EXPECT_EQ(dlg.result(), c.ok ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(state.portName, "/dev/does-not-exist") << (c.typed ? c.typed : "");
  }
}

}  // namespace
}  // namespace radio::gui
