#include "shell/widgets/CChildFrame.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>

#include "channels/widgets/CProgramView.h"
#include "features/ProductInfoForm.h"
#include "gui/CProgramDoc.h"
#include "gui/ProgramSettings.h"
#include "link/serial/SerialLink.h"
#include "link/widgets/TransferController.h"

namespace radio::gui {

CChildFrame::CChildFrame(AppState& state, QWidget* parent) : QMdiSubWindow(parent), state_(state) {
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
  // The transfer's worker must be stopped, and the grid gone, before the document goes.
  cancelTransfer();
  delete transfers_;
  transfers_ = nullptr;
  delete view_;
  view_ = nullptr;
}

void CChildFrame::createView() {
  if (view_) return;
  view_ = new CProgramView(*doc_, this);
  setWidget(view_);
  transfers_ = new TransferController(doc_->document(), state_, this, this);
  view_->bindTransfers(*transfers_);
  connect(transfers_, &TransferController::runningChanged, this, &CChildFrame::transferStateChanged);
}

bool CChildFrame::transferRunning() const { return transfers_ && transfers_->running(); }

void CChildFrame::cancelTransfer() {
  if (!transfers_) return;
  transfers_->cancel();
  if (!transfers_->running()) return;
  // The worker stops at its next check; wait for it without freezing the window.
  QEventLoop loop;
  connect(transfers_, &TransferController::runningChanged, &loop, [&loop](bool running) {
    if (!running) loop.quit();
  });
  if (transfers_->running()) loop.exec();
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

QString CChildFrame::documentName() const {
  if (doc_->isCopy()) return QFileInfo(doc_->filePath()).fileName() + tr(" (backup copy)");
  return doc_->hasFile() ? QFileInfo(doc_->filePath()).fileName() : doc_->title();
}

void CChildFrame::updateTitle() {
  QString caption = doc_->title();
  if (doc_->hasFile() || doc_->isCopy()) caption += QStringLiteral(" - ") + documentName();
  setWindowTitle(caption + QStringLiteral("[*]"));
  setWindowModified(doc_->isModified());
}

void CChildFrame::showEvent(QShowEvent* event) {
  QMdiSubWindow::showEvent(event);
  emit shownChanged();
}

void CChildFrame::hideEvent(QHideEvent* event) {
  QMdiSubWindow::hideEvent(event);
  emit shownChanged();
}

}  // namespace radio::gui
