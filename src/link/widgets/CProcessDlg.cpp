// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/widgets/CProcessDlg.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "gui/HelpHook.h"
#include "link/TransferEngine.h"

namespace radio::gui {

CProcessDlg::CProcessDlg(const QString& title, QWidget* parent) : QDialog(parent) {
  setWindowTitle(title);
  // The window has one help page; its buttons carry no help id of their own.
  setHelpId(this, windowhelp::kProcess.id);
  installHelpKey(this);
  setModal(false);

  startButton_ = new QPushButton(tr("Start"), this);
  startButton_->setDefault(true);
  cancelButton_ = new QPushButton(tr("Cancel"), this);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, kProgressRange);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  progress_->setMinimumWidth(260);
  status_ = new QLabel(tr("Not start yet"), this);
  status_->setMinimumWidth(progress_->minimumWidth());

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Progress："), this), 0, 0);
  grid->addWidget(progress_, 0, 1);
  grid->addWidget(status_, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(startButton_);
  buttons->addWidget(cancelButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());

  connect(startButton_, &QPushButton::clicked, this, &CProcessDlg::onStart);
  connect(cancelButton_, &QPushButton::clicked, this, &CProcessDlg::reject);
}

QString CProcessDlg::statusText() const { return status_->text(); }

void CProcessDlg::onStart() {
  if (started_) return;
  started_ = true;
  startButton_->setEnabled(false);
  emit startRequested();
}

void CProcessDlg::setProgress(int position) { progress_->setValue(position); }

void CProcessDlg::setStatusText(const QString& text) { status_->setText(text); }

void CProcessDlg::finish() {
  finishing_ = true;
  hide();
  deleteLater();
}

void CProcessDlg::reject() {
  cancelled_ = true;
  if (!started_) {
    // Nothing has started: the window simply goes.
    finishing_ = true;
    QDialog::reject();
    return;
  }
  // The running transfer stops at its next check and then closes the window.
  emit cancelRequested();
}

void CProcessDlg::closeEvent(QCloseEvent* event) {
  if (finishing_ || !started_) {
    // The close box before Start works as Cancel; the window goes.
    cancelled_ = cancelled_ || !finishing_;
    finishing_ = true;
    event->accept();
    return;
  }
  cancelled_ = true;
  emit cancelRequested();
  event->ignore();
}

}  // namespace radio::gui
