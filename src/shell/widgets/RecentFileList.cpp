// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/RecentFileList.h"

#include <QDir>
#include <QFileInfo>

#include "gui/ProgramSettings.h"

namespace radio::gui {
namespace {

QString normalised(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

}  // namespace

RecentFileList::RecentFileList(QString appName) : appName_(std::move(appName)) {
  const ProgramSettings settings(appName_.toStdString());
  for (int i = 0; i < kSize; ++i) {
    const QString path = settings.value(Setting::RecentFile, i).toString();
    if (!path.isEmpty() && !files_.contains(path)) files_.append(path);
  }
}

void RecentFileList::add(const QString& path) {
  const QString clean = normalised(path);
  files_.removeAll(clean);
  files_.prepend(clean);
  while (files_.size() > kSize) files_.removeLast();
  store();
}

void RecentFileList::remove(const QString& path) {
  if (files_.removeAll(normalised(path)) > 0) store();
}

void RecentFileList::store() const {
  ProgramSettings settings(appName_.toStdString());
  for (int i = 0; i < kSize; ++i)
    settings.setValue(Setting::RecentFile, i < files_.size() ? files_.at(i) : QString(), i);
}

}  // namespace radio::gui
