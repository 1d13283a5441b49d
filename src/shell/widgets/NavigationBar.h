// SPDX-License-Identifier: GPL-3.0-or-later
// The bar on the left of the main window: a caption, a close button and the tree
// of pages. Its right edge can be dragged to change its width. Clicking a page
// opens it; only the item under the mouse pointer counts, and the selection goes
// back to the root each time so that the same page can be clicked again.
#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

#include "app/Pages.h"
#include "model/Language.h"

class QRubberBand;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace radio::gui {

class NavigationBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kInitialWidth = 185;
  static constexpr int kCaptionHeight = 22;
  static constexpr int kTopMargin = 8;
  static constexpr int kEdgeStrip = 6;       // the draggable strip at the right edge
  static constexpr int kMinDragLine = 80;    // the drag line stays right of this
  static constexpr int kSmallestWidth = 11;  // a width of 10 or less becomes this

  // caption: the "company" entry; rootLabel: the "Company" entry (the same).
  NavigationBar(const QString& caption, const QString& rootLabel, Language lang, QWidget* parent = nullptr);

  [[nodiscard]] QTreeWidget* tree() const { return tree_; }
  [[nodiscard]] QToolButton* closeButton() const { return closeButton_; }
  [[nodiscard]] QTreeWidgetItem* rootItem() const { return root_; }
  [[nodiscard]] QTreeWidgetItem* pageItem(Page page) const;

  // The width a drag released at x (bar coordinates) gives, when the area the bar
  // sits in is areaWidth wide.
  [[nodiscard]] static int widthForRelease(int x, int areaWidth);
  // Where the drag line is drawn while the pointer is at x.
  [[nodiscard]] static int dragLinePosition(int x, int areaWidth);

  QSize sizeHint() const override;

 signals:
  // A page was clicked (delivered after the click has been handled).
  void pageActivated(radio::Page page);
  // The close button hid the bar.
  void closedByButton();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  [[nodiscard]] bool onEdge(const QPoint& pos) const;
  [[nodiscard]] int areaWidth() const;
  [[nodiscard]] QTreeWidgetItem* itemUnderPointer() const;
  void onSelectionChanged();

  QString caption_;
  Language lang_;
  QTreeWidget* tree_ = nullptr;
  QTreeWidgetItem* root_ = nullptr;
  QToolButton* closeButton_ = nullptr;
  QRubberBand* dragLine_ = nullptr;
  bool dragging_ = false;
  std::optional<QPoint> pointer_;  // the mouse pointer over the tree, when it is there
  bool resetting_ = false;
};

}  // namespace radio::gui
