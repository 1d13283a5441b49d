// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CKeyAssignDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "gui/HelpHook.h"

namespace radio::gui {
namespace {}  // namespace

CKeyAssignDlg::CKeyAssignDlg(RadioImage& image, AppState& state, QWidget* parent)
    : FormDialog(image, state, tr("Key Assignment"), windowhelp::kKeyAssign.id, parent) {
  auto* box = new QGroupBox(QString::fromUtf8(kSideKeyField.label.in(state_.lang)), this);
  auto* boxLayout = new QVBoxLayout(box);
  group_ = new QButtonGroup(this);
  for (int choice = 0; choice < kSideKeyChoices; ++choice) {
    auto* button =
        new QRadioButton(QString::fromUtf8(kSideKeyChoiceTexts[static_cast<std::size_t>(choice)].in(state_.lang)), box);
    // F1 on any of the four buttons asks for the Key Assignment command's help.
    setHelpId(button, kSideKeyField.helpId);
    group_->addButton(button, choice);
    boxLayout->addWidget(button);
    buttons_[static_cast<std::size_t>(choice)] = button;
  }

  auto* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(buttons);

  load();
}

void CKeyAssignDlg::load() { buttons_.at(static_cast<std::size_t>(loadKeyAssign(image_).choice))->setChecked(true); }

void CKeyAssignDlg::accept() {
  storeKeyAssign({group_->checkedId()}, image_);
  QDialog::accept();
}

}  // namespace radio::gui
