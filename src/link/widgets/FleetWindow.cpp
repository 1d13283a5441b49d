// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/widgets/FleetWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <ctime>

#include "app/HelpTopics.h"
#include "features/ProductInfoForm.h"
#include "gui/HelpHook.h"
#include "gui/ProgramSettings.h"
#include "gui/Prompts.h"
#include "link/serial/SerialLink.h"
#include "model/ImageCheck.h"

namespace radio::gui {
namespace {

enum Column { kPort, kState, kOk, kFailed, kColumns };

}  // namespace

FleetSetupDialog::FleetSetupDialog(const QString& logPath, bool verify, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Program Several Radios"));
  setHelpId(this, windowhelp::kFleet.id);
  installHelpKey(this);

  ports_ = new QListWidget(this);
  for (const SerialPortEntry& entry : listSerialPorts()) {
    QString label = QString::fromStdString(entry.device);
    if (!entry.description.empty()) label += QStringLiteral("  (%1)").arg(QString::fromStdString(entry.description));
    const bool available = !entry.busy && !entry.inaccessible;
    label += QStringLiteral("  ") + (entry.busy ? tr("[busy]") : entry.inaccessible ? tr("[no access]") : tr("[free]"));
    auto* item = new QListWidgetItem(label, ports_);
    item->setData(Qt::UserRole, QString::fromStdString(entry.device));
    item->setFlags(available ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled : Qt::NoItemFlags);
    item->setCheckState(Qt::Unchecked);
  }
  auto* device = new QLineEdit(this);
  device->setPlaceholderText(QStringLiteral("/dev/pts/3"));
  auto* add = new QPushButton(tr("&Add"), this);
  const auto addTyped = [this, device] {
    if (!device->text().trimmed().isEmpty()) addDevice(device->text().trimmed());
    device->clear();
  };
  connect(add, &QPushButton::clicked, this, addTyped);
  // Return in the field adds the device; it never starts the fleet.
  connect(device, &QLineEdit::returnPressed, this, addTyped);
  auto* deviceRow = new QHBoxLayout;
  deviceRow->addWidget(new QLabel(tr("Device:"), this));
  deviceRow->addWidget(device, 1);
  deviceRow->addWidget(add);

  verify_ = new QCheckBox(tr("&Verify each radio after writing"), this);
  verify_->setChecked(verify);
  count_ = new QSpinBox(this);
  count_->setRange(1, 9999);
  count_->setValue(10);
  noLimit_ = new QCheckBox(tr("&No limit"), this);
  connect(noLimit_, &QCheckBox::toggled, count_, &QWidget::setDisabled);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(count_);
  countRow->addWidget(noLimit_);
  countRow->addStretch(1);
  log_ = new QLineEdit(logPath, this);
  log_->setMinimumWidth(360);

  auto* form = new QFormLayout;
  form->addRow(tr("Radios in all:"), countRow);
  form->addRow(tr("Log file:"), log_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* start = buttons->addButton(tr("Start"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  for (QAbstractButton* button : buttons->buttons()) qobject_cast<QPushButton*>(button)->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Start needs a port checked and a log file; checking a port or adding one changes the list.
  const auto updateStart = [this, start] {
    start->setEnabled(!ports().isEmpty() && !log_->text().trimmed().isEmpty());
  };
  connect(ports_, &QListWidget::itemChanged, this, updateStart);
  connect(log_, &QLineEdit::textChanged, this, updateStart);
  updateStart();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Ports (one radio at a time on each):"), this));
  layout->addWidget(ports_);
  layout->addLayout(deviceRow);
  layout->addWidget(verify_);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void FleetSetupDialog::addDevice(const QString& device) {
  auto* item = new QListWidgetItem(device, ports_);
  item->setData(Qt::UserRole, device);
  item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
  item->setCheckState(Qt::Checked);
}

QStringList FleetSetupDialog::ports() const {
  QStringList list;
  for (int i = 0; i < ports_->count(); ++i)
    if (ports_->item(i)->checkState() == Qt::Checked) list << ports_->item(i)->data(Qt::UserRole).toString();
  list.removeDuplicates();
  return list;
}

bool FleetSetupDialog::verify() const { return verify_->isChecked(); }

int FleetSetupDialog::count() const { return noLimit_->isChecked() ? 0 : count_->value(); }

QString FleetSetupDialog::logPath() const { return log_->text().trimmed(); }

FleetWindow::FleetWindow(FleetOptions options, const QString& logPath, LinkOpener opener, QWidget* parent)
    : QDialog(parent), options_(std::move(options)), logPath_(logPath), fleet_(std::move(opener)) {
  setWindowTitle(tr("Program Several Radios"));
  setHelpId(this, windowhelp::kFleet.id);
  installHelpKey(this);
  setModal(true);

  table_ = new QTableWidget(static_cast<int>(options_.ports.size()), kColumns, this);
  table_->setHorizontalHeaderLabels({tr("Port"), tr("State"), tr("Radios ok"), tr("Failed")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setFocusPolicy(Qt::NoFocus);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(kState, QHeaderView::Stretch);
  for (int row = 0; row < table_->rowCount(); ++row) {
    table_->setItem(row, kPort, new QTableWidgetItem(QString::fromStdString(options_.ports[row])));
    for (int column : {kState, kOk, kFailed}) table_->setItem(row, column, new QTableWidgetItem);
    FleetPortStatus opening;
    opening.index = static_cast<std::size_t>(row);
    onPortChanged(opening);
  }
  table_->resizeColumnToContents(kPort);
  table_->setMinimumSize(560, 60 + 30 * table_->rowCount());

  totals_ = new QLabel(this);
  auto* logLabel = new QLabel(tr("Log: %1").arg(logPath_), this);
  logLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  stop_ = new QPushButton(tr("&Stop"), this);
  stop_->setToolTip(tr("No new radio; the radios being written finish and are verified"));
  connect(stop_, &QPushButton::clicked, this, [this] {
    if (running_)
      stop();
    else
      accept();
  });
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(totals_, 1);
  bottom->addWidget(stop_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(logLabel);
  layout->addLayout(bottom);
  updateTotals();
}

FleetWindow::~FleetWindow() {
  fleet_.stop();
  fleet_.stop();
  fleet_.wait();
}

bool FleetWindow::start(QString& error) {
  std::string reason;
  if (!log_.open(logPath_.toStdString(), reason)) {
    error = QString::fromStdString(reason);
    return false;
  }
  FleetEvents events;
  // Posted to the window; dropped if it has gone meanwhile.
  events.portChanged = [this](const FleetPortStatus& status) {
    QMetaObject::invokeMethod(
        this, [this, status] { onPortChanged(status); }, Qt::QueuedConnection);
  };
  events.radioEnded = [this](const FleetRecord& record) {
    QMetaObject::invokeMethod(
        this, [this, record] { onRadioEnded(record); }, Qt::QueuedConnection);
  };
  events.finished = [this] {
    QMetaObject::invokeMethod(
        this, [this] { onEnded(); }, Qt::QueuedConnection);
  };
  running_ = fleet_.start(options_, std::move(events), &log_);
  return running_;
}

void FleetWindow::stop() {
  fleet_.stop();
  if (fleet_.stopLevel() == 1) {
    stop_->setText(tr("Stop &Now"));
    stop_->setToolTip(tr("Cut the writes at once: those radios hold a partial write"));
  } else {
    stop_->setEnabled(false);
  }
}

void FleetWindow::onPortChanged(const FleetPortStatus& status) {
  const int row = static_cast<int>(status.index);
  if (row >= table_->rowCount()) return;
  table_->item(row, kState)->setText(QString::fromStdString(fleetStateText(status, options_.context.lang)));
  table_->item(row, kOk)->setText(QString::number(status.ok));
  table_->item(row, kFailed)->setText(QString::number(status.failed));
  if (status.state == FleetState::Writing && status.percent == 0) {
    ++started_;
    updateTotals();
  }
}

void FleetWindow::onRadioEnded(const FleetRecord& record) {
  if (record.radio == 0) return;
  ++(record.ok ? ok_ : failed_);
  updateTotals();
}

void FleetWindow::updateTotals() {
  totals_->setText(tr("Radios: %1 ok, %2 failed, %3 being written")
                       .arg(ok_)
                       .arg(failed_)
                       .arg(std::max(0, started_ - ok_ - failed_)));
}

void FleetWindow::onEnded() {
  running_ = false;
  fleet_.wait();
  stop_->setText(tr("&Close"));
  stop_->setToolTip({});
  stop_->setEnabled(true);
  emit fleetEnded();
}

void FleetWindow::closeEvent(QCloseEvent* event) {
  if (!running_) return QDialog::closeEvent(event);
  event->ignore();
  stop();
}

void FleetWindow::reject() {
  if (running_)
    stop();
  else
    QDialog::reject();
}

void programFleet(const RadioImage& image, const AppState& state, QWidget* owner, const LinkOpener& opener) {
  const std::vector<std::string> problems = writeProblems(image, state.band.limits, state.lang);
  if (!problems.empty()) {
    QStringList lines;
    for (const std::string& line : problems) lines << QString::fromStdString(line);
    MessageRequest request;
    request.caption = QGuiApplication::applicationDisplayName();
    request.text = FleetWindow::tr("This document should not go to the radios as it is:") + QLatin1Char('\n') +
                   lines.join(QLatin1Char('\n')) + QLatin1Char('\n') + FleetWindow::tr("Write it anyway?");
    request.icon = QMessageBox::Warning;
    request.buttons = QMessageBox::Yes | QMessageBox::Cancel;
    request.defaultButton = QMessageBox::Cancel;
    request.buttonTexts = {{QMessageBox::Yes, FleetWindow::tr("Write Anyway")}};
    if (showMessage(owner, request) != QMessageBox::Yes) return;
  }
  const ProgramSettings settings(state.appName);
  FleetSetupDialog setup(QString::fromStdString(defaultFleetLogPath(systemEnvironment, std::time(nullptr)).string()),
                         settings.value(Setting::VerifyAfterWrite).toBool(), owner);
  if (runDialog(setup) != QDialog::Accepted) return;

  FleetOptions options;
  for (const QString& port : setup.ports()) options.ports.push_back(port.toStdString());
  options.image = image;
  options.context.lang = state.lang;
  options.context.bandRecord = state.band.record;
  options.context.models = modelNames(state.config);
  options.verify = setup.verify();
  options.count = setup.count();
  FleetWindow window(std::move(options), setup.logPath(), opener, owner);
  QString error;
  if (!window.start(error)) {
    MessageRequest request;
    request.caption = QGuiApplication::applicationDisplayName();
    request.text = FleetWindow::tr("The log cannot be written:") + QLatin1Char('\n') + error;
    request.icon = QMessageBox::Warning;
    (void)showMessage(owner, request);
    return;
  }
  (void)runDialog(window);
}

}  // namespace radio::gui
