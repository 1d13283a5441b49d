// SPDX-License-Identifier: GPL-3.0-or-later
// Makes and opens the documents, each in a document window of its own. A file
// that is already open is opened again as a new document in a new window: the
// two windows are independent copies. A file in the backups folder opens as an
// untitled copy.
#pragma once

#include <QList>
#include <QString>

#include "gui/AppState.h"

class QMdiArea;

namespace radio::gui {

class CChildFrame;

class CMyDocManager {
 public:
  CMyDocManager(AppState& state, QMdiArea& area);

  // A new document with the factory defaults, in a new (not yet shown) window.
  CChildFrame* newDocument();
  // The file in a new (not yet shown) window; null with *error set when the file
  // was refused, and nothing else changes then.
  CChildFrame* openDocumentFile(const QString& path, QString* error);

  // True when path lies in the folder of the backups a read keeps.
  [[nodiscard]] static bool isBackup(const QString& path);

  // Every document window, hidden ones included.
  [[nodiscard]] QList<CChildFrame*> frames() const;

 private:
  void addFrame(CChildFrame* frame);

  AppState& state_;
  QMdiArea& area_;
};

}  // namespace radio::gui
