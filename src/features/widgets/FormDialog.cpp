// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/FormDialog.h"

#include <QShowEvent>

#include "gui/HelpHook.h"

namespace radio::gui {

FormDialog::FormDialog(RadioImage& image, AppState& state, const QString& title, int windowHelpId, QWidget* parent)
    : QDialog(parent), image_(image), state_(state) {
  setWindowTitle(title);
  setHelpId(this, windowHelpId);
  installHelpKey(this);
}

void FormDialog::showEvent(QShowEvent* event) {
  // Every opening shows the image as it is now.
  if (!event->spontaneous()) load();
  QDialog::showEvent(event);
}

}  // namespace radio::gui
