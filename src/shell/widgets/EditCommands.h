// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's editing commands of the main window: Undo and Redo named after the
// step they take back or repeat, the clipboard, Delete, Insert/Remove Channel,
// Move Up/Down, the channel plan (sort, compact, fill, find and replace) and the
// Undo History window. They act on the active document window.
#pragma once

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QUndoGroup>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace radio::gui {

class CChildFrame;
class CProgramView;

class EditCommands : public QObject {
  Q_OBJECT

 public:
  enum Id {
    Undo,
    Redo,
    UndoHistory,
    Cut,
    Copy,
    Paste,
    Delete,
    InsertChannel,
    RemoveChannel,
    MoveUp,
    MoveDown,
    SortChannels,
    CompactChannels,
    FillDown,
    FillSeries,
    Find,
    Replace,
  };

  // The commands' shortcuts work anywhere in window.
  EditCommands(QWidget* window, std::function<CChildFrame*()> activeFrame);

  [[nodiscard]] QAction* action(Id id) const { return actions_.value(id); }
  // Appends Undo, Redo, the clipboard commands and Undo History to the Edit menu.
  void addToMenu(QMenu* menu);
  // Appends the channel-row commands (insert, remove, move) to the Channels menu.
  void addChannelsTo(QMenu* menu);
  // The commands the grid's context menu offers, separators included; the
  // channel-row commands there are a submenu.
  [[nodiscard]] const QList<QAction*>& gridActions() const { return gridActions_; }
  // Follows the active document window (its undo stack) and whether a transfer runs.
  void update(bool transferRunning);

 private:
  QAction* add(Id id, const QString& label, const QList<QKeySequence>& keys, std::function<void(CProgramView&)> run);
  [[nodiscard]] CProgramView* activeView() const;
  void refreshUndoTexts();
  // Find and Replace over view, the cursor in the replacement when replace.
  void openFindReplace(CProgramView& view, bool replace);

  QWidget* window_;
  std::function<CChildFrame*()> activeFrame_;
  QUndoGroup group_;
  QMap<int, QAction*> actions_;
  QList<QAction*> gridActions_;
  QList<QAction*> channelActions_;
  QPointer<QWidget> history_;
  QPointer<class FindReplaceDialog> findReplace_;
  bool busy_ = false;
};

}  // namespace radio::gui
