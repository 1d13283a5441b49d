// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/EditCommands.h"

#include <QAction>
#include <QMenu>
#include <QUndoView>
#include <QVBoxLayout>
#include <QWidget>

#include "channels/widgets/CProgramView.h"
#include "channels/widgets/FillSeriesDialog.h"
#include "channels/widgets/FindReplaceDialog.h"
#include "channels/widgets/SortChannelsDialog.h"
#include "gui/CProgramDoc.h"
#include "gui/Prompts.h"
#include "shell/widgets/CChildFrame.h"

namespace radio::gui {

EditCommands::EditCommands(QWidget* window, std::function<CChildFrame*()> activeFrame)
    : QObject(window), window_(window), activeFrame_(std::move(activeFrame)) {
  add(Undo, {}, {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this](CProgramView& view) {
    // What the open editor holds is committed first, so it is the step undone.
    view.commitEdit();
    group_.undo();
  });
  add(Redo, {}, {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
      [this](CProgramView&) { group_.redo(); });
  add(UndoHistory, tr("Undo &History"), {}, [this](CProgramView&) {
    if (!history_) {
      auto* w = new QWidget(window_, Qt::Tool);
      w->setAttribute(Qt::WA_DeleteOnClose);
      w->setWindowTitle(tr("Undo History"));
      // Esc closes it, as it closes a dialog.
      auto* close = new QAction(w);
      close->setShortcut(QKeySequence(Qt::Key_Escape));
      close->setShortcutContext(Qt::WindowShortcut);
      connect(close, &QAction::triggered, w, &QWidget::close);
      w->addAction(close);
      auto* layout = new QVBoxLayout(w);
      auto* list = new QUndoView(&group_, w);
      list->setEmptyLabel(tr("<opened>"));
      layout->addWidget(list);
      w->resize(280, 320);
      history_ = w;
    }
    history_->show();
    history_->raise();
  });
  add(Cut, tr("Cu&t"), {QKeySequence(Qt::CTRL | Qt::Key_X)}, &CProgramView::cutSelection);
  add(Copy, tr("&Copy"), {QKeySequence(Qt::CTRL | Qt::Key_C)}, &CProgramView::copySelection);
  add(Paste, tr("&Paste"), {QKeySequence(Qt::CTRL | Qt::Key_V)}, &CProgramView::pasteClipboard);
  add(Delete, tr("&Delete"), {QKeySequence(Qt::Key_Delete)}, &CProgramView::deleteSelection);
  add(InsertChannel, tr("&Insert Channel"), {}, &CProgramView::insertChannel);
  add(RemoveChannel, tr("&Remove Channel"), {}, &CProgramView::removeChannel);
  add(MoveUp, tr("Move &Up"), {QKeySequence(Qt::ALT | Qt::Key_Up)}, [](CProgramView& view) { view.moveSelection(-1); });
  add(MoveDown, tr("Move Do&wn"), {QKeySequence(Qt::ALT | Qt::Key_Down)},
      [](CProgramView& view) { view.moveSelection(1); });
  add(SortChannels, tr("&Sort Channels..."), {}, [this](CProgramView& view) {
    view.commitEdit();
    SortChannelsDialog dialog(view, window_);
    (void)runDialog(dialog);
  });
  add(CompactChannels, tr("&Compact Channels"), {}, &CProgramView::compactChannels);
  add(FillDown, tr("Fill &Down"), {QKeySequence(Qt::CTRL | Qt::Key_D)}, &CProgramView::fillDown);
  add(FillSeries, tr("&Fill Series..."), {}, [this](CProgramView& view) {
    view.commitEdit();
    // The selected channels, or the current one; the window lets the rows be changed.
    const int top = std::min(view.selectedRange().top, kLastChannel);
    FillSeriesDialog dialog(view, view.selectedSpan().value_or(ChannelSpan{top, top}), window_);
    (void)runDialog(dialog);
  });
  add(Find, tr("Fi&nd..."), {QKeySequence(Qt::CTRL | Qt::Key_F)},
      [this](CProgramView& view) { openFindReplace(view, false); });
  add(Replace, tr("R&eplace..."), {QKeySequence(Qt::CTRL | Qt::Key_H)},
      [this](CProgramView& view) { openFindReplace(view, true); });
  const auto separator = [this] {
    auto* a = new QAction(this);
    a->setSeparator(true);
    return a;
  };
  // The channel-row commands have a menu of their own, whose letters would meet
  // Undo's and Redo's in one list; in the grid's context menu they are a submenu.
  channelActions_ = {action(InsertChannel),   action(RemoveChannel), action(MoveUp),
                     action(MoveDown),        separator(),           action(SortChannels),
                     action(CompactChannels), separator(),           action(FillDown),
                     action(FillSeries),      separator(),           action(Find),
                     action(Replace)};
  auto* channels = new QMenu(tr("C&hannels"), window_);
  channels->addActions(channelActions_);
  gridActions_ = {action(Undo),  action(Redo),   separator(), action(Cut),           action(Copy),
                  action(Paste), action(Delete), separator(), channels->menuAction()};
  connect(&group_, &QUndoGroup::undoTextChanged, this, &EditCommands::refreshUndoTexts);
  connect(&group_, &QUndoGroup::redoTextChanged, this, &EditCommands::refreshUndoTexts);
  connect(&group_, &QUndoGroup::canUndoChanged, this, &EditCommands::refreshUndoTexts);
  connect(&group_, &QUndoGroup::canRedoChanged, this, &EditCommands::refreshUndoTexts);
  refreshUndoTexts();
}

QAction* EditCommands::add(Id id, const QString& label, const QList<QKeySequence>& keys,
                           std::function<void(CProgramView&)> run) {
  auto* a = new QAction(label, this);
  a->setShortcuts(keys);
  connect(a, &QAction::triggered, this, [this, run = std::move(run)] {
    if (CProgramView* view = activeView(); view && !busy_) run(*view);
  });
  // The shortcuts work whether or not the Edit menu is shown.
  window_->addAction(a);
  actions_.insert(id, a);
  return a;
}

CProgramView* EditCommands::activeView() const {
  CChildFrame* frame = activeFrame_ ? activeFrame_() : nullptr;
  return frame ? qobject_cast<CProgramView*>(frame->widget()) : nullptr;
}

void EditCommands::addToMenu(QMenu* menu) {
  menu->addSeparator();
  for (Id id : {Undo, Redo}) menu->addAction(action(id));
  menu->addSeparator();
  for (Id id : {Cut, Copy, Paste, Delete}) menu->addAction(action(id));
  menu->addSeparator();
  menu->addAction(action(UndoHistory));
}

void EditCommands::addChannelsTo(QMenu* menu) { menu->addActions(channelActions_); }

void EditCommands::openFindReplace(CProgramView& view, bool replace) {
  view.commitEdit();
  // One window, over the active document's grid.
  if (findReplace_ && findReplace_->view() != &view) findReplace_->close();
  if (!findReplace_) findReplace_ = new FindReplaceDialog(view, window_);
  findReplace_->show();
  findReplace_->raise();
  findReplace_->activateWindow();
  if (replace)
    findReplace_->focusReplace();
  else
    findReplace_->focusFind();
}

void EditCommands::update(bool transferRunning) {
  busy_ = transferRunning;
  CChildFrame* frame = activeFrame_ ? activeFrame_() : nullptr;
  QUndoStack* stack = frame ? frame->document().undoStack() : nullptr;
  if (stack && !group_.stacks().contains(stack)) group_.addStack(stack);
  group_.setActiveStack(stack);
  const bool editable = activeView() && !busy_;
  for (QAction* a : std::as_const(actions_)) a->setEnabled(editable);
  action(UndoHistory)->setEnabled(true);
  refreshUndoTexts();
}

void EditCommands::refreshUndoTexts() {
  const QString undo = tr("&Undo");
  const QString redo = tr("&Redo");
  const QString undoText = group_.undoText();
  const QString redoText = group_.redoText();
  action(Undo)->setText(undoText.isEmpty() ? undo : undo + QLatin1Char(' ') + undoText);
  action(Redo)->setText(redoText.isEmpty() ? redo : redo + QLatin1Char(' ') + redoText);
  const bool editable = activeView() && !busy_;
  action(Undo)->setEnabled(editable && group_.canUndo());
  action(Redo)->setEnabled(editable && group_.canRedo());
}

}  // namespace radio::gui
