// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "model/Language.h"

namespace radio::gui {

HelpWindow::HelpWindow(const QString& helpFolder, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(helpFolder) {
  setWindowTitle(caption);
  browser_ = new QTextBrowser(this);
  browser_->setSearchPaths({folder_});
  browser_->setOpenExternalLinks(true);

  auto* bar = new QToolBar(this);
  QAction* back =
      bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString(), browser_, &QTextBrowser::backward);
  QAction* forward =
      bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString(), browser_, &QTextBrowser::forward);
  QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QString(), this, [this] {
    showPage(QString::fromUtf8(kHelpContentsPage.data(), static_cast<int>(kHelpContentsPage.size())));
  });
  back->setShortcut(QKeySequence::Back);
  forward->setShortcut(QKeySequence::Forward);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  home->setObjectName(QStringLiteral("contents"));
  // Esc closes the window, as it closes a dialog.
  auto* close = new QAction(this);
  close->setShortcut(QKeySequence(Qt::Key_Escape));
  close->setShortcutContext(Qt::WindowShortcut);
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(browser_);
  resize(640, 560);
}

void HelpWindow::showPage(const QString& page, const QString& anchor) {
  QUrl url = QUrl::fromLocalFile(QDir(folder_).filePath(page));
  if (!anchor.isEmpty()) url.setFragment(anchor);
  browser_->setSource(url);
}

QString HelpWindow::currentPage() const { return QFileInfo(browser_->source().toLocalFile()).fileName(); }

}  // namespace radio::gui
