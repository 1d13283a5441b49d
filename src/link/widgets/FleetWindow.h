// SPDX-License-Identifier: GPL-3.0-or-later
// Program > Program Several Radios…: the setup window (the ports with their state,
// verify, a count or no limit, the log file) and the fleet window, a row per port
// with its state and its radios, the totals and Stop. The fleet window is modal:
// the document it writes is not editable while the fleet runs. The fleet's events
// come from its workers and are posted to the window, which stays responsive.
//
// Usage:
//   view.storeGrid();
//   programFleet(doc.image(), state, mainWindow);   // returns when the window is closed
#pragma once

#include <QDialog>
#include <QStringList>

#include "gui/AppState.h"
#include "link/Fleet.h"
#include "link/widgets/QueuedJobRunner.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace radio::gui {

class FleetSetupDialog : public QDialog {
  Q_OBJECT

 public:
  FleetSetupDialog(const QString& logPath, bool verify, QWidget* parent = nullptr);

  // The ports checked, in the list's order.
  [[nodiscard]] QStringList ports() const;
  [[nodiscard]] bool verify() const;
  [[nodiscard]] int count() const;  // 0: no limit
  [[nodiscard]] QString logPath() const;

  // Adds a device to the list, checked (a pseudo-terminal is not among the ports).
  void addDevice(const QString& device);

 private:
  // The ports, each checkable; a change to the list enables or disables Start.
  QListWidget* ports_ = nullptr;
  QCheckBox* verify_ = nullptr;
  // The count, unless there is no limit.
  QSpinBox* count_ = nullptr;
  QCheckBox* noLimit_ = nullptr;
  QLineEdit* log_ = nullptr;
};

class FleetWindow : public QDialog {
  Q_OBJECT

 public:
  FleetWindow(FleetOptions options, const QString& logPath, LinkOpener opener, QWidget* parent = nullptr);
  // Cuts what still runs and waits for the ports.
  ~FleetWindow() override;

  // Opens the log and starts the ports; false with the reason when the log cannot be written.
  [[nodiscard]] bool start(QString& error);
  [[nodiscard]] bool running() const { return running_; }
  // Stop: the radios being written finish; pressed again, they are cut.
  void stop();
  // Esc: Stop while the fleet runs, closes the window once it has ended.
  void reject() override;

  [[nodiscard]] QTableWidget* table() const { return table_; }
  [[nodiscard]] QLabel* totals() const { return totals_; }
  [[nodiscard]] QPushButton* stopButton() const { return stop_; }

 signals:
  // Every port has ended.
  void fleetEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void onPortChanged(const FleetPortStatus& status);
  void onRadioEnded(const FleetRecord& record);
  void onEnded();
  void updateTotals();

  FleetOptions options_;
  QString logPath_;
  FleetLog log_;
  // A row per port: the port, its state, its radios ok and failed.
  QTableWidget* table_ = nullptr;
  QLabel* totals_ = nullptr;
  QPushButton* stop_ = nullptr;
  bool running_ = false;
  // The radios started, and those ended ok or failed, in all ports.
  int started_ = 0;
  int ok_ = 0;
  int failed_ = 0;
  Fleet fleet_;  // last: it goes first, while the window's parts are still there
};

// Asks for the setup and runs the fleet window over image (the grid stored into
// it) until it is closed. A document that fails the check before a write goes
// only when the user says "Write Anyway".
void programFleet(const RadioImage& image, const AppState& state, QWidget* owner,
                  const LinkOpener& opener = &openSerialPort);

}  // namespace radio::gui
