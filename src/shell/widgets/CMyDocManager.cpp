// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/CMyDocManager.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>

#include "gui/CProgramDoc.h"
#include "model/Backups.h"
#include "shell/widgets/CChildFrame.h"

namespace radio::gui {

CMyDocManager::CMyDocManager(AppState& state, QMdiArea& area) : state_(state), area_(area) {}

void CMyDocManager::addFrame(CChildFrame* frame) {
  area_.addSubWindow(frame);
  frame->hide();
  frame->setGeometry(0, 0, CChildFrame::kInitialWidth, CChildFrame::kInitialHeight);
}

CChildFrame* CMyDocManager::newDocument() {
  auto* frame = new CChildFrame(state_);
  frame->document().newDocument();
  frame->createView();
  addFrame(frame);
  return frame;
}

CChildFrame* CMyDocManager::openDocumentFile(const QString& path, QString* error) {
  // Quotes around a name given on the command line or by a drop are not part of it.
  QString name = path.trimmed();
  if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
    name = name.mid(1, name.size() - 2);
  name = QDir::cleanPath(QFileInfo(name).absoluteFilePath());

  // The document is loaded before its window exists, so a refused file leaves no
  // trace; an open copy of the same file does not matter.
  // A backup stays as it was read: whatever route opened it, it becomes an
  // untitled copy, which Save never writes back over it.
  auto* frame = new CChildFrame(state_);
  const FileResult result = isBackup(name) ? frame->document().openCopy(name) : frame->document().open(name);
  if (!result) {
    if (error) *error = QString::fromStdString(result.error);
    delete frame;
    return nullptr;
  }
  frame->createView();
  frame->updateTitle();
  addFrame(frame);
  return frame;
}

bool CMyDocManager::isBackup(const QString& path) {
  const std::filesystem::path folder = backupFolder(systemEnvironment);
  return !folder.empty() && isInsideFolder(path.toStdString(), folder);
}

QList<CChildFrame*> CMyDocManager::frames() const {
  QList<CChildFrame*> result;
  for (QMdiSubWindow* window : area_.subWindowList())
    if (auto* frame = qobject_cast<CChildFrame*>(window)) result.append(frame);
  return result;
}

}  // namespace radio::gui
