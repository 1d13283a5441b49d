// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/NavigationBar.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

namespace radio::gui {
namespace {

constexpr int kTreeLeft = 5;
constexpr int kTreeRightInset = 8;
constexpr int kTreeBottomGap = 51;
constexpr int kFrameLeft = 3;
constexpr int kFrameTop = 6;
constexpr int kFrameRight = 6;
constexpr int kFrameBottom = 49;
constexpr int kCloseSize = 16;

QIcon closeIcon(const QColor& colour) {
  QPixmap pixmap(kCloseSize, kCloseSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour, 1.6));
  p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
  p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
  return QIcon(pixmap);
}

}  // namespace

NavigationBar::NavigationBar(const QString& caption, const QString& rootLabel, Language lang, QWidget* parent)
    : QWidget(parent), caption_(caption), lang_(lang) {
  setObjectName(QStringLiteral("IE Control Bar"));
  setWindowTitle(QStringLiteral("IE Control Bar"));
  QFont barFont(QStringLiteral("Time New Roman"));
  barFont.setPixelSize(12);
  setFont(barFont);
  setFixedWidth(kInitialWidth);
  setMouseTracking(true);

  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("PageTree"));
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  tree_->setColumnCount(1);
  root_ = new QTreeWidgetItem(tree_, QStringList(rootLabel));
  for (const Page page : kTreePages) new QTreeWidgetItem(root_, QStringList(QString::fromUtf8(pageLabel(page, lang))));
  root_->setExpanded(true);
  tree_->setCurrentItem(root_);
  tree_->viewport()->setMouseTracking(true);
  tree_->viewport()->installEventFilter(this);
  connect(tree_, &QTreeWidget::itemSelectionChanged, this, &NavigationBar::onSelectionChanged);

  closeButton_ = new QToolButton(this);
  closeButton_->setAutoRaise(true);  // raised while hot, sunken while pressed
  closeButton_->setIcon(closeIcon(palette().color(QPalette::WindowText)));
  closeButton_->setIconSize(QSize(kCloseSize, kCloseSize));
  closeButton_->setToolTip(tr("Close"));
  closeButton_->setFocusPolicy(Qt::NoFocus);
  connect(closeButton_, &QToolButton::clicked, this, [this] {
    hide();
    emit closedByButton();
  });
}

QTreeWidgetItem* NavigationBar::pageItem(Page page) const {
  const auto it = std::find(kTreePages.begin(), kTreePages.end(), page);
  return root_->child(static_cast<int>(it - kTreePages.begin()));
}

int NavigationBar::widthForRelease(int x, int areaWidth) {
  int width = x <= kSmallestWidth - 1 ? kSmallestWidth : x;
  const int half = areaWidth / 2;
  if (width > half) width = half;
  return width;
}

int NavigationBar::dragLinePosition(int x, int areaWidth) {
  const int half = std::max(areaWidth / 2, kMinDragLine);
  return std::clamp(x, kMinDragLine, half);
}

QSize NavigationBar::sizeHint() const { return QSize(width(), QWidget::sizeHint().height()); }

int NavigationBar::areaWidth() const { return parentWidget() ? parentWidget()->width() : width() * 2; }

void NavigationBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int treeTop = kTopMargin + kCaptionHeight + 1;
  tree_->setGeometry(kTreeLeft, treeTop, std::max(0, width() - kTreeRightInset - kTreeLeft),
                     std::max(0, height() - kTreeBottomGap - treeTop));
  closeButton_->setGeometry(width() - kFrameRight - kCloseSize - 5, kTopMargin + (kCaptionHeight - kCloseSize - 2) / 2,
                            kCloseSize + 2, kCloseSize + 2);
}

void NavigationBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect framed(kFrameLeft, kFrameTop, width() - kFrameLeft - kFrameRight, height() - kFrameTop - kFrameBottom);
  p.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
  p.drawRect(framed.adjusted(0, 0, -1, -1));
  p.setPen(palette().color(QPalette::Light));
  p.drawRect(framed.adjusted(1, 1, -2, -2));

  const QRect captionRect(kFrameLeft + 5, kTopMargin, closeButton_->x() - kFrameLeft - 7, kCaptionHeight);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter,
             p.fontMetrics().elidedText(caption_, Qt::ElideRight, captionRect.width()));
  p.setPen(palette().color(QPalette::Mid));
  p.drawLine(kFrameLeft + 2, kTopMargin + kCaptionHeight, width() - kFrameRight - 3, kTopMargin + kCaptionHeight);
}

bool NavigationBar::onEdge(const QPoint& pos) const { return pos.x() >= width() - kEdgeStrip && pos.x() < width(); }

void NavigationBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !onEdge(event->position().toPoint())) {
    QWidget::mousePressEvent(event);
    return;
  }
  dragging_ = true;
  if (parentWidget()) {
    if (!dragLine_) dragLine_ = new QRubberBand(QRubberBand::Line, parentWidget());
    const int x = dragLinePosition(event->position().toPoint().x(), areaWidth());
    dragLine_->setGeometry(mapToParent(QPoint(x, 0)).x() - 1, 0, 3, parentWidget()->height());
    dragLine_->show();
  }
}

void NavigationBar::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (dragging_) {
    if (dragLine_) {
      const int x = dragLinePosition(pos.x(), areaWidth());
      dragLine_->move(mapToParent(QPoint(x, 0)).x() - 1, 0);
    }
    return;
  }
  setCursor(onEdge(pos) ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void NavigationBar::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  dragging_ = false;
  if (dragLine_) dragLine_->hide();
  setFixedWidth(widthForRelease(event->position().toPoint().x(), areaWidth()));
  updateGeometry();
}

bool NavigationBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tree_->viewport()) {
    switch (event->type()) {
      case QEvent::MouseMove:
        pointer_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        // Dragging over the tree would select the items passed over, and so open
        // them; only a click selects.
        if (static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton) return true;
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick: pointer_ = static_cast<QMouseEvent*>(event)->position().toPoint(); break;
      case QEvent::Leave: pointer_.reset(); break;
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

QTreeWidgetItem* NavigationBar::itemUnderPointer() const { return pointer_ ? tree_->itemAt(*pointer_) : nullptr; }

void NavigationBar::onSelectionChanged() {
  // Putting the selection back on the root raises this notification again; that
  // one is ours and opens nothing.
  if (resetting_) return;
  const QTreeWidgetItem* item = itemUnderPointer();
  resetting_ = true;
  tree_->setCurrentItem(root_);
  resetting_ = false;
  if (!item) return;
  const std::optional<Page> page = pageForLabel(item->text(0).toStdString(), lang_);
  if (!page) return;
  // The page opens after the click has been handled, so that a dialog does not
  // start in the middle of the tree's mouse handling.
  QTimer::singleShot(0, this, [this, p = *page] { emit pageActivated(p); });
}

}  // namespace radio::gui
