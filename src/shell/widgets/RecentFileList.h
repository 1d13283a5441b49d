// SPDX-License-Identifier: GPL-3.0-or-later
// The four most recently opened or saved files, most recent first, kept in the
// program's settings key so that they survive the program.
#pragma once

#include <QString>
#include <QStringList>

namespace radio::gui {

class RecentFileList {
 public:
  static constexpr int kSize = 4;

  explicit RecentFileList(QString appName);

  [[nodiscard]] const QStringList& files() const { return files_; }
  // Puts path first (once), drops the oldest beyond four, and stores the list.
  void add(const QString& path);
  // Takes a file out (it could not be opened any more) and stores the list.
  void remove(const QString& path);

 private:
  void store() const;

  QString appName_;
  QStringList files_;
};

}  // namespace radio::gui
