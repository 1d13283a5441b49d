// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/MdiBackground.h"

#include <QBrush>
#include <QDir>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QResizeEvent>
#include <algorithm>

namespace radio::gui {

MdiBackground::MdiBackground(const QString& programDirectory, QWidget* parent) : QMdiArea(parent) {
  QPixmap picture(QDir(programDirectory).filePath(QStringLiteral("background.bmp")));
  fromFile_ = !picture.isNull();
  if (!fromFile_) picture.load(QStringLiteral(":/shell/background.png"));
  // A texture brush repeats the picture from the top-left corner in rows and
  // columns, and is redrawn whole when the area changes size.
  setBackground(QBrush(picture));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void MdiBackground::fitWindow(QMdiSubWindow* window) const {
  // Before the area is shown its size is not yet the one laid out: the windows
  // are fitted when it is (a resize event comes with the showing).
  if (!window || !isVisible() || window->isMaximized() || window->isMinimized()) return;
  const QSize area = viewport()->size();
  if (area.isEmpty()) return;
  QRect frame = window->geometry();
  const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
  frame.setWidth(std::max(std::min(frame.width(), area.width()), least.width()));
  frame.setHeight(std::max(std::min(frame.height(), area.height()), least.height()));
  frame.moveLeft(std::max(0, std::min(frame.left(), area.width() - frame.width())));
  frame.moveTop(std::max(0, std::min(frame.top(), area.height() - frame.height())));
  if (frame != window->geometry()) window->setGeometry(frame);
}

void MdiBackground::resizeEvent(QResizeEvent* event) {
  QMdiArea::resizeEvent(event);
  for (QMdiSubWindow* window : subWindowList())
    if (!window->isHidden()) fitWindow(window);
}

}  // namespace radio::gui
