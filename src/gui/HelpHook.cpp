// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/HelpHook.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QVariant>
#include <utility>

namespace radio::gui {
namespace {

constexpr char kHelpIdProperty[] = "helpId";

HelpHandler& handler() {
  static HelpHandler h;
  return h;
}

}  // namespace

void setHelpHandler(HelpHandler h) { handler() = std::move(h); }

void requestHelp(QWidget* from, int contextId) {
  if (handler()) handler()(from, contextId);
}

void setHelpId(QWidget* widget, int contextId) { widget->setProperty(kHelpIdProperty, contextId); }

std::optional<int> helpIdOf(const QWidget* widget) {
  const QVariant id = widget->property(kHelpIdProperty);
  if (!id.isValid()) return std::nullopt;
  return id.toInt();
}

int helpIdAt(const QWidget* widget, int fallback) {
  for (const QWidget* w = widget; w; w = w->parentWidget())
    if (const auto id = helpIdOf(w)) return *id;
  return fallback;
}

std::vector<int> helpIdsAround(const QWidget* widget) {
  std::vector<int> ids;
  for (const QWidget* w = widget; w; w = w->parentWidget())
    if (const auto id = helpIdOf(w)) ids.push_back(*id);
  return ids;
}

void installHelpKey(QWidget* window) {
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
  key->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(key, &QShortcut::activated, window, [window] {
    // Only the window's own widgets count, not the windows it belongs to.
    for (const QWidget* w = window->focusWidget(); w; w = w == window ? nullptr : w->parentWidget()) {
      if (const auto id = helpIdOf(w)) {
        requestHelp(window, *id);
        return;
      }
    }
    if (const auto id = helpIdOf(window)) requestHelp(window, *id);
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
