#include "features/widgets/CKeyAssignDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include "shell/HelpHook.h"

namespace radio::gui {
namespace {
const char* const kHelpIdProperty = "helpId";
}  // namespace

CKeyAssignDlg::CKeyAssignDlg(RadioImage& image, AppState& state, QWidget* parent)
    : QDialog(parent), image_(image), state_(state) {
  setWindowTitle(tr("Key Assignment"));

  auto* box = new QGroupBox(tr("Side Key"), this);
  auto* boxLayout = new QVBoxLayout(box);
  group_ = new QButtonGroup(this);
  const std::array<QString, kSideKeyChoices> texts{tr("Option Singalling Call"), tr("Emergency Call"),
                                                   tr("Send 1750Hz Singal"), tr("Squelch Off Momentary")};
  for (int choice = 0; choice < kSideKeyChoices; ++choice) {
    auto* button = new QRadioButton(texts[static_cast<std::size_t>(choice)], box);
    // F1 on any of the four buttons asks for the Key Assignment command's help.
    button->setProperty(kHelpIdProperty, kKeyAssignHelpContext);
    group_->addButton(button, choice);
    boxLayout->addWidget(button);
    buttons_[static_cast<std::size_t>(choice)] = button;
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Ok)->setProperty(kHelpIdProperty, 1);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  buttons->button(QDialogButtonBox::Cancel)->setProperty(kHelpIdProperty, 2);
  connect(buttons, &QDialogButtonBox::accepted, this, &CKeyAssignDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CKeyAssignDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(buttons);

  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WidgetWithChildrenShortcut);
  connect(help, &QShortcut::activated, this, &CKeyAssignDlg::showHelp);

  load();
}

void CKeyAssignDlg::load() { buttons_.at(static_cast<std::size_t>(loadKeyAssign(image_).choice))->setChecked(true); }

void CKeyAssignDlg::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) load();
  QDialog::showEvent(event);
}

void CKeyAssignDlg::accept() {
  storeKeyAssign({group_->checkedId()}, image_);
  QDialog::accept();
}

void CKeyAssignDlg::showHelp() {
  for (QWidget* w = focusWidget(); w && w != this; w = w->parentWidget()) {
    const QVariant id = w->property(kHelpIdProperty);
    if (id.isValid()) {
      requestHelp(this, id.toInt());
      return;
    }
  }
}

}  // namespace radio::gui
