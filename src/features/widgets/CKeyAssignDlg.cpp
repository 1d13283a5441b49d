#include "features/widgets/CKeyAssignDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "gui/HelpHook.h"

namespace radio::gui {
namespace {}  // namespace

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

  auto* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(buttons);

  installHelpKey(this);

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

}  // namespace radio::gui
