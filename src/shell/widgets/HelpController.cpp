// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/HelpController.h"

#include <QApplication>
#include <QWidget>

#include "app/HelpTopics.h"
#include "gui/HelpHook.h"
#include "shell/widgets/HelpWindow.h"

namespace radio::gui {

HelpController::HelpController(QString helpFolder, QString caption, QObject* parent)
    : QObject(parent), folder_(std::move(helpFolder)), caption_(std::move(caption)) {}

HelpController::~HelpController() { delete window_.data(); }

HelpWindow* HelpController::window() const { return window_.data(); }

void HelpController::showHelp(QWidget* from, int contextId) {
  const std::string page = helpPageFor(contextId, helpIdsAround(from));
  show(from, QString::fromStdString(page), QString::fromStdString(helpAnchorFor(contextId)));
}

void HelpController::showContents(QWidget* from) {
  show(from, QString::fromUtf8(kHelpContentsPage.data(), static_cast<int>(kHelpContentsPage.size())), {});
}

void HelpController::show(QWidget* from, const QString& page, const QString& anchor) {
  // A modal window blocks every window that is not its own: the help window
  // then opens as a window of the modal one.
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner && from) owner = from->window();
  if (!window_ || window_->parentWidget() != owner) {
    delete window_.data();
    window_ = new HelpWindow(folder_, caption_, owner);
    window_->setAttribute(Qt::WA_DeleteOnClose);
  }
  window_->showPage(page, anchor);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace radio::gui
