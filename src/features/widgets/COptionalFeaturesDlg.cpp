#include "features/widgets/COptionalFeaturesDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "gui/HelpHook.h"

namespace radio::gui {
namespace {

// The dialog's two columns of lists, as its template places them.
constexpr std::array<OptionalList, 10> kLeftColumn{OptionalList::BackLight,    OptionalList::BackLightColor,
                                                   OptionalList::PowerOnStyle, OptionalList::KeyLock,
                                                   OptionalList::Priority,     OptionalList::Vox,
                                                   OptionalList::DisplayMode,  OptionalList::BatterySaver,
                                                   OptionalList::Beep,         OptionalList::Tail};
constexpr std::array<OptionalList, 9> kRightColumn{
    OptionalList::ScanMode,   OptionalList::Squelch,  OptionalList::Step,
    OptionalList::Tot,        OptionalList::PreAlert, OptionalList::Stopwatch,
    OptionalList::ShortPress, OptionalList::StrSet,   OptionalList::AllowReset};

}  // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(RadioImage& image, AppState& state, QWidget* parent)
    : QDialog(parent), image_(image), state_(state) {
  setWindowTitle(tr("Optional Features"));

  for (int i = 0; i < kOptionalListCount; ++i) {
    auto* combo = new QComboBox(this);
    combo->setProperty(kHelpIdProperty, optionalListInfo(static_cast<OptionalList>(i)).controlId);
    lists_[static_cast<std::size_t>(i)] = combo;
  }
  password_ = new QLineEdit(this);
  password_->setProperty(kHelpIdProperty, optionalPasswordInfo().controlId);
  checks_[0] = new QCheckBox(tr("Keypad Lock"), this);
  checks_[1] = new QCheckBox(tr("Repeater Msk Invert"), this);
  for (int i = 0; i < kOptionalCheckCount; ++i)
    checks_[static_cast<std::size_t>(i)]->setProperty(kHelpIdProperty,
                                                      optionalCheckInfo(static_cast<OptionalCheck>(i)).controlId);

  auto* grid = new QGridLayout;
  auto addRow = [&](int row, int column, const QString& label, QWidget* control) {
    auto* text = new QLabel(label, this);
    text->setBuddy(control);
    grid->addWidget(text, row, column * 2);
    grid->addWidget(control, row, column * 2 + 1);
  };
  for (std::size_t r = 0; r < kLeftColumn.size(); ++r)
    addRow(static_cast<int>(r), 0, labelText(kLeftColumn[r]), list(kLeftColumn[r]));
  for (std::size_t r = 0; r < kRightColumn.size(); ++r)
    addRow(static_cast<int>(r), 1, labelText(kRightColumn[r]), list(kRightColumn[r]));
  addRow(static_cast<int>(kRightColumn.size()), 1, tr("Password"), password_);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);

  // The bottom row is never visible; its controls still carry their bits.
  auto* hiddenRow = new QWidget(this);
  auto* hiddenLayout = new QHBoxLayout(hiddenRow);
  hiddenLayout->addWidget(new QLabel(labelText(OptionalList::MskType), hiddenRow));
  hiddenLayout->addWidget(list(OptionalList::MskType));
  hiddenLayout->addWidget(checks_[0]);
  hiddenLayout->addWidget(checks_[1]);
  hiddenRow->setVisible(false);

  auto* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  layout->addWidget(hiddenRow);

  installHelpKey(this);

  load();
}

QString COptionalFeaturesDlg::labelText(OptionalList which) const {
  switch (which) {
    case OptionalList::Tot: return tr("TOT (s)");
    case OptionalList::Squelch: return tr("Squelch Level");
    case OptionalList::Vox: return tr("Vox Gain Level");
    case OptionalList::Step: return tr("Step (k)");
    case OptionalList::PreAlert: return tr("TOT Pre-Alert (s)");
    case OptionalList::Priority: return tr("Priority Channel");
    case OptionalList::ShortPress: return tr("Short Press Orange Key");
    case OptionalList::KeyLock: return tr("Key Lock");
    case OptionalList::Beep: return tr("Beep");
    case OptionalList::Stopwatch: return tr("Stopwatch");
    case OptionalList::ScanMode: return tr("Scan Mode");
    case OptionalList::Tail: return tr("Tail");
    case OptionalList::StrSet: return tr("STR Set");
    case OptionalList::PowerOnStyle: return tr("Power-on Style");
    case OptionalList::BackLight: return tr("Back Light");
    case OptionalList::BackLightColor: return tr("Back Light Color");
    case OptionalList::DisplayMode: return tr("Display Mode");
    case OptionalList::BatterySaver: return tr("Battery Saver");
    case OptionalList::AllowReset: return tr("Allow Reset");
    case OptionalList::MskType: return tr("MSK Type");
  }
  return {};
}

void COptionalFeaturesDlg::load() {
  const OptionalFeaturesForm form = loadOptionalFeatures(image_);
  for (int i = 0; i < kOptionalListCount; ++i) {
    const auto which = static_cast<OptionalList>(i);
    QComboBox* combo = list(which);
    combo->clear();
    for (const std::string& item : optionalListItems(which, state_.lang)) combo->addItem(QString::fromStdString(item));
    combo->setCurrentIndex(form[which]);
  }
  for (int i = 0; i < kOptionalCheckCount; ++i) {
    const auto which = static_cast<OptionalCheck>(i);
    check(which)->setChecked(form[which]);
  }
  password_->setText(QString::fromStdString(form.password));
}

void COptionalFeaturesDlg::showEvent(QShowEvent* event) {
  // Every opening shows the image as it is now.
  if (!event->spontaneous()) load();
  QDialog::showEvent(event);
}

OptionalFeaturesForm COptionalFeaturesDlg::form() const {
  OptionalFeaturesForm form;
  for (int i = 0; i < kOptionalListCount; ++i) {
    const auto which = static_cast<OptionalList>(i);
    form[which] = list(which)->currentIndex();
  }
  for (int i = 0; i < kOptionalCheckCount; ++i) {
    const auto which = static_cast<OptionalCheck>(i);
    form[which] = check(which)->isChecked();
  }
  form.password = password_->text().toStdString();
  return form;
}

void COptionalFeaturesDlg::accept() {
  storeOptionalFeatures(form(), image_, state_.lang);
  QDialog::accept();
}

}  // namespace radio::gui
