#include "shell/widgets/CLanguageDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/HelpHook.h"

namespace radio::gui {

CLanguageDlg::CLanguageDlg(Language current, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Language"));
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

void CLanguageDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    requestHelp(this, kHelpContext);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace radio::gui
