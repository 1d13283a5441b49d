// SPDX-License-Identifier: GPL-3.0-or-later
// The area that holds the document windows, painted with a tiled picture:
// "background.bmp" beside the program, or the built-in picture without it.
// A document window never stands out of the area: one larger than the area (a
// small screen, a large scale factor) is made to fit when it is shown and when
// the area shrinks, and scroll bars reach whatever still lies outside.
#pragma once

#include <QMdiArea>
#include <QString>

namespace radio::gui {

class MdiBackground : public QMdiArea {
  Q_OBJECT

 public:
  explicit MdiBackground(const QString& programDirectory, QWidget* parent = nullptr);

  // True when the picture came from beside the program.
  [[nodiscard]] bool usesPictureFile() const { return fromFile_; }

  // Shrinks and moves window, when it is neither maximized nor minimized, so that
  // it lies inside the area; a window that fits stays as it is.
  void fitWindow(QMdiSubWindow* window) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool fromFile_ = false;
};

}  // namespace radio::gui
