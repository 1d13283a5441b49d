// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up picture "startup.bmp": shown centred for about a second while the
// main window is built; a key press or a mouse click dismisses it at once.
#pragma once

#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

namespace radio::gui {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kShowMilliseconds = 1000;

  // Shows the picture of path; null when it cannot be loaded (no splash then).
  [[nodiscard]] static SplashWindow* showPicture(const QString& path);

  // Waits, handling events, until the second is over or the user dismissed the
  // picture, then closes it.
  void finish();
  [[nodiscard]] bool dismissed() const { return dismissed_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit SplashWindow(QPixmap picture);

  QPixmap picture_;
  QElapsedTimer shown_;
  bool dismissed_ = false;
};

}  // namespace radio::gui
