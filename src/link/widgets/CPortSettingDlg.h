// The "Port Setting" window: the serial ports of the system as choices (busy or
// inaccessible ones disabled, the current one checked) and a field for any device
// path, such as the pseudo-terminal of the virtual radio. OK stores the choice as
// the settings value "com", where every radio job takes it from; Cancel changes
// nothing.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace radio {
struct AppState;
}

namespace radio::gui {

class CPortSettingDlg : public QDialog {
  Q_OBJECT

 public:
  // One choice of the window.
  struct PortChoice {
    QString device;  // what is opened: a device path or a port name
    QString label;   // what the user reads
    bool available = false;
  };

  CPortSettingDlg(AppState& state, QWidget* parent = nullptr);

  // The ports shown (for tests and for the window's owner).
  [[nodiscard]] const std::vector<PortChoice>& choices() const { return choices_; }
  [[nodiscard]] QRadioButton* choiceButton(int index) const;
  [[nodiscard]] QRadioButton* deviceButton() const { return deviceButton_; }
  [[nodiscard]] QLineEdit* deviceEdit() const { return deviceEdit_; }
  // The device OK would store; empty when nothing is chosen.
  [[nodiscard]] QString chosenDevice() const;

  void accept() override;

 private:
  void probePorts();

  AppState& state_;
  std::vector<PortChoice> choices_;
  QButtonGroup* group_ = nullptr;
  QRadioButton* deviceButton_ = nullptr;
  QLineEdit* deviceEdit_ = nullptr;
};

}  // namespace radio::gui
