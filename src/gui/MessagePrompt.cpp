#include "gui/MessagePrompt.h"

namespace radio::gui {

QMessageBox::StandardButton showMessageBox(QWidget* parent, const MessageRequest& request) {
  QMessageBox box(request.icon, request.caption, request.text, request.buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace radio::gui
