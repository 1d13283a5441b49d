// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace radio::gui {
namespace {

constexpr int kSize = 16;

void drawPage(QPainter& p) {
  QPainterPath page;
  page.moveTo(3.5, 1.5);
  page.lineTo(10.5, 1.5);
  page.lineTo(13.5, 4.5);
  page.lineTo(13.5, 14.5);
  page.lineTo(3.5, 14.5);
  page.closeSubpath();
  p.setPen(QPen(QColor(70, 70, 70), 1));
  p.setBrush(Qt::white);
  p.drawPath(page);
  p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
  p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
}

// A small radio: body, display and antenna.
void drawRadio(QPainter& p, qreal x) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 50, 50));
  p.drawRect(QRectF(x + 1, 0.5, 1.5, 5));
  p.drawRoundedRect(QRectF(x, 4.5, 6, 11), 1.5, 1.5);
  p.setBrush(QColor(140, 210, 140));
  p.drawRect(QRectF(x + 1, 6, 4, 3));
}

void drawArrow(QPainter& p, bool toRadio) {
  // The arrow points from the computer side (left) to the radio (right) or back.
  p.setPen(QPen(QColor(30, 100, 180), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const qreal y = 10;
  p.drawLine(QPointF(1.5, y), QPointF(8.5, y));
  if (toRadio) {
    p.drawLine(QPointF(8.5, y), QPointF(5.5, y - 3));
    p.drawLine(QPointF(8.5, y), QPointF(5.5, y + 3));
  } else {
    p.drawLine(QPointF(1.5, y), QPointF(4.5, y - 3));
    p.drawLine(QPointF(1.5, y), QPointF(4.5, y + 3));
  }
}

}  // namespace

QIcon toolbarIcon(ToolbarIcon which) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (which) {
    case ToolbarIcon::New: drawPage(p); break;
    case ToolbarIcon::Open:
      p.setPen(QPen(QColor(120, 90, 20), 1));
      p.setBrush(QColor(240, 200, 90));
      p.drawRect(QRectF(1.5, 4.5, 12, 9));
      p.drawRect(QRectF(1.5, 3.5, 5, 2));
      p.setBrush(QColor(250, 225, 130));
      p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
      break;
    case ToolbarIcon::Save:
      p.setPen(QPen(QColor(30, 50, 110), 1));
      p.setBrush(QColor(60, 90, 170));
      p.drawRect(QRectF(1.5, 1.5, 13, 13));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 1.5, 7, 5));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(4.5, 9.5, 7, 5));
      break;
    case ToolbarIcon::Read:
      drawRadio(p, 9.5);
      drawArrow(p, false);
      break;
    case ToolbarIcon::Write:
      drawRadio(p, 9.5);
      drawArrow(p, true);
      break;
    case ToolbarIcon::Print:
      p.setPen(QPen(QColor(60, 60, 60), 1));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 1.5, 7, 5));
      p.setBrush(QColor(170, 170, 170));
      p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 10.5, 7, 4));
      break;
    case ToolbarIcon::About:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(30, 100, 180));
      p.drawEllipse(QRectF(1, 1, 14, 14));
      p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
      p.drawPoint(QPointF(8, 4.5));
      p.drawLine(QPointF(8, 7.5), QPointF(8, 12));
      break;
  }
  return QIcon(pixmap);
}

}  // namespace radio::gui
