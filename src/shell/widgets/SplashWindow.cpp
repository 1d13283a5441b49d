// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/SplashWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace radio::gui {

SplashWindow::SplashWindow(QPixmap picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(std::move(picture)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setCursor(Qt::ArrowCursor);
  setFixedSize(picture_.deviceIndependentSize().toSize());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
  qApp->installEventFilter(this);
}

SplashWindow* SplashWindow::showPicture(const QString& path) {
  QPixmap picture(path);
  if (picture.isNull()) return nullptr;
  auto* splash = new SplashWindow(std::move(picture));
  splash->show();
  splash->shown_.start();
  // Painted now: the rest of start-up runs before the event loop does.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  return splash;
}

void SplashWindow::finish() {
  const qint64 left = kShowMilliseconds - shown_.elapsed();
  if (!dismissed_ && left > 0) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(left), &loop, &QEventLoop::quit);
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
      if (dismissed_) loop.quit();
    });
    poll.start(20);
    loop.exec();
  }
  qApp->removeEventFilter(this);
  close();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, picture_);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
      // The key or click that dismisses the picture goes nowhere else.
      dismissed_ = true;
      hide();
      return true;
    default: return QWidget::eventFilter(watched, event);
  }
}

}  // namespace radio::gui
