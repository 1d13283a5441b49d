// SPDX-License-Identifier: GPL-3.0-or-later
// The fleet window over in-process virtual radios: each port's row ends saying
// to take the radio off, the totals count the radios, and the window closes
// only once the ports have ended.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "TestImages.h"
#include "link/VirtualRadio.h"
#include "link/VirtualRadioLink.h"
#include "link/widgets/FleetWindow.h"

namespace radio::gui {
namespace {

// Runs a fleet window on two ports over virtual radios with these faults.
struct Bench {
  explicit Bench(RadioFaults faults)
      : radios{VirtualRadio(defaultRadioMemory(), faults), VirtualRadio(defaultRadioMemory(), faults)} {
    FleetOptions options;
    options.ports = {"COM1", "COM2"};
    options.image = test::newDocument();
    options.count = 2;  // one radio on each port: a radio left on its cable is not taken twice
    window = std::make_unique<FleetWindow>(
        std::move(options), dir.filePath("fleet.csv"), [this](const std::string& port, Language) {
          return OpenedLink{std::make_unique<VirtualRadioLink>(radios[port == "COM1" ? 0 : 1]), {}};
        });
  }
  QTemporaryDir dir;
  std::vector<VirtualRadio> radios;
  std::unique_ptr<FleetWindow> window;
};

TEST(FleetWindow, RowsAndTotalsFollowTheRadios) {
  Bench bench({});
  FleetWindow& window = *bench.window;
  QSignalSpy ended(&window, &FleetWindow::fleetEnded);
  QString error;
  ASSERT_TRUE(window.start(error)) << error.toStdString();
  window.show();
  ASSERT_TRUE(ended.count() > 0 || ended.wait(60'000));
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(window.table()->item(row, 1)->text(), QStringLiteral("done: take the radio off"));
    EXPECT_EQ(window.table()->item(row, 2)->text(), QStringLiteral("1"));
  }
  EXPECT_EQ(window.totals()->text(), QStringLiteral("Radios: 2 ok, 0 failed, 0 being written"));
  EXPECT_EQ(window.stopButton()->text(), QStringLiteral("&Close"));
  window.stopButton()->click();
  EXPECT_FALSE(window.isVisible());
}

// Esc while the ports wait stops them instead of closing the window.
TEST(FleetWindow, EscapeWhileRunningStopsAndTheWindowStays) {
  RadioFaults silent;
  silent.silent = true;
  Bench bench(silent);
  FleetWindow& window = *bench.window;
  QSignalSpy ended(&window, &FleetWindow::fleetEnded);
  QString error;
  ASSERT_TRUE(window.start(error));
  window.show();
  window.reject();
  EXPECT_TRUE(window.isVisible());
  ASSERT_TRUE(ended.count() > 0 || ended.wait(60'000));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.table()->item(0, 1)->text(), QStringLiteral("ended"));
  window.reject();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace radio::gui
