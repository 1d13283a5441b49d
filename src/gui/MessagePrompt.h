// Message boxes shown by the channel grid and the transfer windows go through one
// replaceable function, so tests can answer them instead of a user.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace radio::gui {

struct MessageRequest {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// Shows the request modally over parent and returns the button chosen.
using MessagePrompt = std::function<QMessageBox::StandardButton(QWidget* parent, const MessageRequest& request)>;

// The ordinary message box.
[[nodiscard]] QMessageBox::StandardButton showMessageBox(QWidget* parent, const MessageRequest& request);

}  // namespace radio::gui
