#include "link/widgets/CPortSettingDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "gui/AppState.h"
#include "gui/HelpHook.h"
#include "gui/ProgramSettings.h"
#include "link/serial/SerialLink.h"

namespace radio::gui {

namespace {
constexpr int kDeviceChoice = -2;  // button id of the device-path choice
}  // namespace

CPortSettingDlg::CPortSettingDlg(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setWindowTitle(tr("Port Setting"));
  setHelpId(this, windowhelp::kPortSetting.id);
  installHelpKey(this);

  auto* box = new QGroupBox(tr("Port"), this);
  auto* boxLayout = new QVBoxLayout(box);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);

  probePorts();
  for (std::size_t i = 0; i < choices_.size(); ++i) {
    auto* button = new QRadioButton(choices_[i].label, box);
    button->setEnabled(choices_[i].available);
    group_->addButton(button, static_cast<int>(i));
    boxLayout->addWidget(button);
  }
  if (choices_.empty()) {
    auto* none = new QLabel(tr("No serial port found"), box);
    none->setEnabled(false);
    boxLayout->addWidget(none);
  }

  auto* deviceRow = new QHBoxLayout;
  deviceButton_ = new QRadioButton(tr("Device:"), box);
  deviceEdit_ = new QLineEdit(box);
  deviceEdit_->setPlaceholderText(QStringLiteral("/dev/pts/3"));
  deviceEdit_->setMinimumWidth(200);
  group_->addButton(deviceButton_, kDeviceChoice);
  deviceRow->addWidget(deviceButton_);
  deviceRow->addWidget(deviceEdit_, 1);
  boxLayout->addLayout(deviceRow);
  // Typing a path chooses it.
  connect(deviceEdit_, &QLineEdit::textEdited, this, [this] { deviceButton_->setChecked(true); });

  // The current port is checked when it can be opened now; one that is busy or
  // gone leaves every choice unchecked. A device that is not among the listed
  // ports (a pseudo-terminal) is shown in the field.
  const std::string stored = ProgramSettings(state_.appName).port();
  const QString current = QString::fromStdString(stored);
  bool listed = false;
  for (std::size_t i = 0; i < choices_.size(); ++i) {
    if (choices_[i].device != current) continue;
    listed = true;
    if (choices_[i].available) group_->button(static_cast<int>(i))->setChecked(true);
  }
  if (!listed && !current.isEmpty()) {
    deviceEdit_->setText(current);
    if (canOpenPort(stored)) deviceButton_->setChecked(true);
  }

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPortSettingDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPortSettingDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(buttons);
}

void CPortSettingDlg::probePorts() {
  for (const SerialPortEntry& entry : listSerialPorts()) {
    PortChoice choice;
    choice.device = QString::fromStdString(entry.device);
    choice.label = choice.device;
    if (!entry.description.empty())
      choice.label += QStringLiteral("  (%1)").arg(QString::fromStdString(entry.description));
    if (entry.busy) {
      choice.label += QLatin1Char(' ') + tr("[busy]");
      if (!entry.heldBy.empty()) choice.label += QLatin1Char(' ') + QString::fromStdString(entry.heldBy);
    } else if (entry.inaccessible)
      choice.label += QLatin1Char(' ') + tr("[no access]");
    choice.available = !entry.busy && !entry.inaccessible;
    choices_.push_back(std::move(choice));
  }
}

QRadioButton* CPortSettingDlg::choiceButton(int index) const {
  return qobject_cast<QRadioButton*>(group_->button(index));
}

QString CPortSettingDlg::chosenDevice() const {
  const int id = group_->checkedId();
  if (id == kDeviceChoice) return deviceEdit_->text().trimmed();
  if (id >= 0 && static_cast<std::size_t>(id) < choices_.size()) return choices_[static_cast<std::size_t>(id)].device;
  return {};
}

void CPortSettingDlg::accept() {
  // Nothing chosen: the window closes and the port stays as it was.
  const QString device = chosenDevice();
  if (!device.isEmpty()) ProgramSettings(state_.appName).setPort(device.toStdString());
  QDialog::accept();
}

}  // namespace radio::gui
