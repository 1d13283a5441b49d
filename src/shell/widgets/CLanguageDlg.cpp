// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/CLanguageDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/HelpHook.h"
#include "shell/widgets/Commands.h"

namespace radio::gui {

CLanguageDlg::CLanguageDlg(Language current, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Language"));
  // F1 anywhere asks about the command that opens the window.
  setHelpId(this, cmd::kLanguage);
  installHelpKey(this);
  english_ = new QRadioButton(tr("English"), this);
  chinese_ = new QRadioButton(tr("Chinese"), this);
  auto* group = new QButtonGroup(this);
  group->addButton(english_, 0);
  group->addButton(chinese_, 1);
  (current == Language::Chinese ? chinese_ : english_)->setChecked(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(english_);
  layout->addWidget(chinese_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

Language CLanguageDlg::choice() const { return chinese_->isChecked() ? Language::Chinese : Language::English; }

}  // namespace radio::gui
