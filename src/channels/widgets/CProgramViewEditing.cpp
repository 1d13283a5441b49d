// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's spreadsheet editing: selection of cells and whole rows, the clipboard
// as tab-separated text, delete, insert, remove and move of channels, one list
// value chosen for many rows, and the context menu. The rules are the core's
// (channels/ChannelEditing.h); every command here is one change of the document.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTableWidget>
#include <algorithm>
#include <set>

#include "channels/widgets/CProgramView.h"
#include "gui/Text.h"

namespace radio::gui {

void CProgramView::setupEditing() {
  connect(table_, &QTableWidget::cellPressed, this, &CProgramView::onRowLabelPressed);
  for (int column : {ColDecode, ColEncode, ColPower, ColBandwidth, ColScan, ColBusy}) {
    auto* list = static_cast<QComboBox*>(editorForColumn(column));
    connect(list, &QComboBox::activated, this, [this] { onListActivated(table_->currentColumn()); });
  }
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table_, &QWidget::customContextMenuRequested, this, &CProgramView::showContextMenu);
}

CellRange CProgramView::selectedRange() const {
  CellRange range{table_->currentRow() + 1, table_->currentColumn(), table_->currentRow() + 1, table_->currentColumn()};
  const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
  if (!ranges.isEmpty()) {
    range = {kChannelRows, ColBusy, 1, ColRx};
    for (const QTableWidgetSelectionRange& r : ranges) {
      range.top = std::min(range.top, r.topRow() + 1);
      range.bottom = std::max(range.bottom, r.bottomRow() + 1);
      range.left = std::min(range.left, r.leftColumn());
      range.right = std::max(range.right, r.rightColumn());
    }
  }
  range.top = std::max(range.top, 1);
  range.bottom = std::max(range.bottom, range.top);
  range.left = std::clamp(range.left, static_cast<int>(ColRx), static_cast<int>(ColBusy));
  range.right = std::clamp(range.right, range.left, static_cast<int>(ColBusy));
  // A row label alone stands for its whole row.
  if (ranges.isEmpty() && table_->currentColumn() == 0) {
    range.left = ColRx;
    range.right = ColBusy;
  }
  return range;
}

std::vector<int> CProgramView::selectedRows() const {
  std::set<int> rows;
  for (const QTableWidgetSelectionRange& r : table_->selectedRanges())
    for (int row = r.topRow(); row <= r.bottomRow(); ++row) rows.insert(row + 1);
  if (rows.empty() && table_->currentRow() >= 0) rows.insert(table_->currentRow() + 1);
  return {rows.begin(), rows.end()};
}

void CProgramView::storeRows(const QString& label, ChangeKind kind) {
  ownChange_ = true;
  doc_.change(
      label.toStdString(), [this](RadioImage& image) { gridToImage(grid_, image, doc_.state().band.limits, lang_); },
      kind);
  ownChange_ = false;
}

void CProgramView::applyGrid(const ChannelGrid& next, const QString& label) {
  for (int n = 1; n <= kChannelRows; ++n)
    if (!(next.row(n) == grid_.row(n))) setRowTexts(n, next.row(n));
  storeRows(label);
}

void CProgramView::showChangedRows() {
  if (ownChange_) return;
  std::vector<std::pair<int, RowTexts>> changed;
  for (int n = 1; n <= kChannelRows; ++n)
    if (RowTexts texts = decodeChannel(doc_.image().channel(n), lang_); texts != grid_.row(n))
      changed.emplace_back(n, std::move(texts));
  if (changed.empty()) return;
  // The document's image wins over what an open editor holds.
  hideCellEditors();
  for (const auto& [n, texts] : changed) setRowTexts(n, texts);
}

bool CProgramView::settleEditor() {
  commitEdit();
  return visibleEditor() == nullptr;
}

void CProgramView::copySelection() {
  if (!settleEditor()) return;
  QApplication::clipboard()->setText(qs(copyCells(grid_, selectedRange())));
}

void CProgramView::cutSelection() {
  if (!settleEditor()) return;
  const CellRange range = selectedRange();
  QApplication::clipboard()->setText(qs(copyCells(grid_, range)));
  ChannelGrid next = grid_;
  if (!deleteCells(next, range, doc_.state().band.limits, lang_).empty()) applyGrid(next, tr("Cut"));
}

void CProgramView::deleteSelection() {
  if (transferRunning()) return;
  if (!settleEditor()) return;
  ChannelGrid next = grid_;
  if (!deleteCells(next, selectedRange(), doc_.state().band.limits, lang_).empty()) {
    hideCellEditors();
    applyGrid(next, tr("Delete"));
  }
}

void CProgramView::pasteClipboard() { pasteText(QApplication::clipboard()->text()); }

void CProgramView::pasteText(const QString& pasted) {
  if (transferRunning()) return;
  // A refused value keeps its editor open: the paste waits until it is settled.
  if (!settleEditor()) return;
  ChannelGrid next = grid_;
  const PasteResult result = pasteCells(next, selectedRange(), ss(pasted), doc_.state().band.limits, lang_);
  if (!result.changedRows.empty()) {
    hideCellEditors();
    applyGrid(next, tr("Paste"));
  }
  const std::string report = pasteReport(result, lang_);
  if (report.empty()) return;
  MessageRequest request;
  request.caption = tr("Paste");
  request.text = qs(report);
  request.icon = QMessageBox::Warning;
  request.buttons = QMessageBox::Ok;
  (void)showMessage(this, request);
}

void CProgramView::moveRecords(const QString& label, const std::function<void(RadioImage&)>& edit) {
  if (transferRunning() || !settleEditor()) return;
  doc_.change(label.toStdString(), [&](RadioImage& image) {
    gridToImage(grid_, image, doc_.state().band.limits, lang_);
    edit(image);
  });
}

void CProgramView::insertChannel() {
  const std::vector<int> rows = selectedRows();
  if (rows.empty() || rows.front() >= kChannelRows) return;
  const int count = std::min(rows.back(), kChannelRows - 1) - rows.front() + 1;
  bool refused = false;
  moveRecords(tr("Insert Channel"), [&](RadioImage& image) { refused = !insertChannels(image, rows.front(), count); });
  if (!refused) return;
  MessageRequest request;
  request.caption = QString::fromUtf8(messageText(MessageId::Caution, lang_));
  request.text = tr("Channel 128 is in use: no channel can be inserted before it is removed.");
  request.icon = QMessageBox::Warning;
  request.buttons = QMessageBox::Ok;
  (void)showMessage(this, request);
}

void CProgramView::removeChannel() {
  const std::vector<int> rows = selectedRows();
  if (rows.empty() || rows.front() >= kChannelRows) return;
  const int count = std::min(rows.back(), kChannelRows - 1) - rows.front() + 1;
  moveRecords(tr("Remove Channel"), [&](RadioImage& image) { removeChannels(image, rows.front(), count); });
}

void CProgramView::moveSelection(int delta) {
  const std::vector<int> rows = selectedRows();
  if (rows.empty() || rows.back() >= kChannelRows) return;
  const CellRange range = selectedRange();
  const int first = rows.front();
  const int last = rows.back();
  bool moved = false;
  moveRecords(delta < 0 ? tr("Move Up") : tr("Move Down"),
              [&](RadioImage& image) { moved = moveChannels(image, first, last, delta); });
  if (!moved) return;
  // The selection goes with the channels.
  filling_ = true;
  table_->setCurrentCell(table_->currentRow() + delta, table_->currentColumn(), QItemSelectionModel::NoUpdate);
  table_->clearSelection();
  table_->setRangeSelected(QTableWidgetSelectionRange(first - 1 + delta, range.left, last - 1 + delta, range.right),
                           true);
  filling_ = false;
}

void CProgramView::selectWholeRows() {
  const std::vector<int> rows = selectedRows();
  if (rows.empty()) return;
  table_->clearSelection();
  table_->setRangeSelected(QTableWidgetSelectionRange(rows.front() - 1, ColRx, rows.back() - 1, ColBusy), true);
}

void CProgramView::onRowLabelPressed(int row, int column) {
  if (column != 0 || filling_) return;
  const bool extend = (QApplication::keyboardModifiers() & Qt::ShiftModifier) && rowAnchor_ >= 0;
  if (!extend) rowAnchor_ = row;
  table_->clearSelection();
  table_->setRangeSelected(
      QTableWidgetSelectionRange(std::min(row, rowAnchor_), ColRx, std::max(row, rowAnchor_), ColBusy), true);
}

void CProgramView::onListActivated(int column) {
  const std::vector<int> rows = selectedRows();
  const int current = table_->currentRow() + 1;
  if (rows.size() < 2 || !std::binary_search(rows.begin(), rows.end(), current)) return;
  setListOnRows(rows, column, ss(editorText(current, column)));
}

void CProgramView::setListOnRows(const std::vector<int>& rows, int column, const std::string& value) {
  ChannelGrid next = grid_;
  if (!setListValue(next, rows, column, value, doc_.state().band.limits, lang_).empty())
    applyGrid(next, tr("Set %1").arg(qs(columnHeader(column, lang_)).trimmed()));
}

bool CProgramView::editingKeyEvent(QObject* watched, QKeyEvent* key) {
  const bool lineEditor = watched == frequencyEdit_ || watched == nameEdit_;
  if (key->type() == QEvent::ShortcutOverride) {
    // The line editors keep their own clipboard keys for the text they hold, except
    // while several cells are selected, and undo always undoes the document.
    if (!lineEditor) return false;
    const CellRange range = selectedRange();
    const bool manyCells = range.rows() > 1 || range.columns() > 1;
    const bool clipboardKey =
        key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Paste);
    // Fill Down, Find and Replace reach the grid from an open editor too.
    const bool planKey = key->modifiers() == Qt::ControlModifier &&
                         (key->key() == Qt::Key_D || key->key() == Qt::Key_F || key->key() == Qt::Key_H);
    if ((manyCells && clipboardKey) || planKey || key->matches(QKeySequence::Undo) ||
        key->matches(QKeySequence::Redo) ||
        (key->key() == Qt::Key_Z && key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier))) {
      key->ignore();
      return true;
    }
    return false;
  }
  if (key->key() == Qt::Key_Space && key->modifiers() == Qt::ShiftModifier && watched != nameEdit_) {
    selectWholeRows();
    return true;
  }
  return false;
}

QString CProgramView::setListMenuText(int column) const {
  // Letters apart from those of the commands above them.
  switch (column) {
    case ColPower: return tr("Set P&ower");
    case ColBandwidth: return tr("Set &W/N");
    case ColScan: return tr("Set &Scan Add");
    case ColBusy: return tr("Set &Busy Lock");
    default: return qs(columnHeader(column, lang_)).trimmed();
  }
}

QString CProgramView::withMnemonic(const QString& item, int number) {
  // A list entry that starts with a letter takes it; the others (Chinese entries)
  // take their number after the name, as "(&1)".
  if (!item.isEmpty() && item.front().isLetter() && item.front().unicode() < 0x80) return QLatin1Char('&') + item;
  return item + QStringLiteral("(&%1)").arg(number);
}

void CProgramView::showContextMenu(const QPoint& pos) {
  QMenu menu(this);
  menu.addActions(contextActions_);
  if (!contextActions_.isEmpty()) menu.addSeparator();
  QAction* all = menu.addAction(tr("Select &All"), table_, &QTableWidget::selectAll);
  all->setShortcut(QKeySequence::SelectAll);
  all->setEnabled(!transferRunning());
  // The short lists can be set on every selected row from here.
  menu.addSeparator();
  for (int column : {ColPower, ColBandwidth, ColScan, ColBusy}) {
    QMenu* sub = menu.addMenu(setListMenuText(column));
    sub->setEnabled(!transferRunning());
    const std::vector<std::string> items = listItemsForColumn(column, lang_);
    for (std::size_t i = 0; i < items.size(); ++i) {
      const std::string& item = items[i];
      sub->addAction(withMnemonic(qs(item), static_cast<int>(i) + 1), this, [this, column, item] {
        commitEdit();
        setListOnRows(selectedRows(), column, item);
      });
    }
  }
  menu.exec(table_->viewport()->mapToGlobal(pos));
}

}  // namespace radio::gui
