#include "shell/widgets/CChildFrame.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMdiArea>
#include <QMenu>

#include "channels/widgets/CProgramView.h"
#include "gui/CProgramDoc.h"

namespace radio::gui {

CChildFrame::CChildFrame(AppState& state, QWidget* parent) : QMdiSubWindow(parent) {
  doc_ = new CProgramDoc(state, this);
  // Ctrl+W writes to the radio; the window's own menu closes with Ctrl+F4 only.
  if (QMenu* menu = systemMenu()) {
    for (QAction* action : menu->actions()) {
      if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    }
  }
  setAttribute(Qt::WA_DeleteOnClose, false);
  setGeometry(0, 0, kInitialWidth, kInitialHeight);
  connect(doc_, &CProgramDoc::modifiedChanged, this, &CChildFrame::updateTitle);
  updateTitle();
}

CChildFrame::~CChildFrame() {
  // The grid's worker must be stopped, and the grid gone, before its document goes.
  cancelTransfer();
  delete view_;
  view_ = nullptr;
}

void CChildFrame::createView() {
  if (view_) return;
  view_ = new CProgramView(*doc_, this);
  setWidget(view_);
  connect(view_, &CProgramView::transferStateChanged, this, &CChildFrame::transferStateChanged);
}

bool CChildFrame::transferRunning() const { return view_ && view_->transferRunning(); }

void CChildFrame::cancelTransfer() {
  if (!view_) return;
  view_->cancelTransfer();
  if (!view_->transferRunning()) return;
  // The worker stops at its next check; wait for it without freezing the window.
  QEventLoop loop;
  connect(view_, &CProgramView::transferStateChanged, &loop, [&loop](bool running) {
    if (!running) loop.quit();
  });
  if (view_->transferRunning()) loop.exec();
}

void CChildFrame::destroyFrame() {
  cancelTransfer();
  destroying_ = true;
  hide();
  // Out of the window list at once, so that no command finds it any more.
  if (QMdiArea* area = mdiArea()) area->removeSubWindow(this);
  deleteLater();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (destroying_) {
    QMdiSubWindow::closeEvent(event);
    return;
  }
  // A document window is hidden, not closed; a running transfer stops first.
  cancelTransfer();
  event->ignore();
  hide();
}

void CChildFrame::updateTitle() {
  // The title is the document's, whatever file is open; "*" marks unsaved changes.
  setWindowTitle(doc_->title() + QStringLiteral("[*]"));
  setWindowModified(doc_->isModified());
}

}  // namespace radio::gui
