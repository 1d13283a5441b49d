#include "gui/HelpHook.h"

#include <utility>

namespace radio::gui {
namespace {
HelpHandler& handler() {
  static HelpHandler h;
  return h;
}
}  // namespace

void setHelpHandler(HelpHandler h) { handler() = std::move(h); }

void requestHelp(QWidget* from, int contextId) {
  if (handler()) handler()(from, contextId);
}

}  // namespace radio::gui

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QVariant>

namespace radio::gui {

void setHelpId(QWidget* widget, int contextId) { widget->setProperty(kHelpIdProperty, contextId); }

void installHelpKey(QWidget* window) {
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
  key->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(key, &QShortcut::activated, window, [window] {
    for (QWidget* w = window->focusWidget(); w && w != window; w = w->parentWidget()) {
      const QVariant id = w->property(kHelpIdProperty);
      if (id.isValid()) {
        requestHelp(window, id.toInt());
        return;
      }
    }
  });
}

QDialogButtonBox* okCancelButtons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
  ok->setText(QCoreApplication::translate("radio::gui::Dialog", "OK"));
  cancel->setText(QCoreApplication::translate("radio::gui::Dialog", "Cancel"));
  setHelpId(ok, 1);
  setHelpId(cancel, 2);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace radio::gui
