// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/COptionalFeaturesDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
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
    : FormDialog(image, state, tr("Optional Features"), windowhelp::kOptionalFeatures.id, parent) {
  for (int i = 0; i < kOptionalListCount; ++i) {
    auto* combo = new QComboBox(this);
    setHelpId(combo, optionalListInfo(static_cast<OptionalList>(i)).helpId);
    lists_[static_cast<std::size_t>(i)] = combo;
  }
  password_ = new QLineEdit(this);
  setHelpId(password_, optionalPasswordInfo().helpId);
  // The radio's password is up to six digits; the field takes nothing else.
  password_->setMaxLength(static_cast<int>(kPasswordLength));
  password_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), password_));
  for (int i = 0; i < kOptionalCheckCount; ++i)
    checks_[static_cast<std::size_t>(i)] =
        new QCheckBox(QString::fromUtf8(optionalCheckInfo(static_cast<OptionalCheck>(i)).label.in(state_.lang)), this);
  for (int i = 0; i < kOptionalCheckCount; ++i)
    setHelpId(checks_[static_cast<std::size_t>(i)], optionalCheckInfo(static_cast<OptionalCheck>(i)).helpId);

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
  addRow(static_cast<int>(kRightColumn.size()), 1, QString::fromUtf8(optionalPasswordInfo().label.in(state_.lang)),
         password_);
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

  load();
}

QString COptionalFeaturesDlg::labelText(OptionalList which) const {
  return QString::fromUtf8(optionalListInfo(which).label.in(state_.lang));
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
  storeOptionalFeatures(form(), image_);
  QDialog::accept();
}

}  // namespace radio::gui
