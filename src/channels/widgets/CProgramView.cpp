// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/widgets/CProgramView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "app/HelpTopics.h"
#include "gui/CProgramDoc.h"
#include "gui/HelpHook.h"
#include "gui/Text.h"
#include "link/widgets/TransferController.h"

namespace radio::gui {

namespace {

// The label of the change a refresh of the grid makes to the document.
constexpr std::string_view kRefreshLabel = "Refresh";

const QColor kHeaderColour(0, 50, 240);
constexpr int kWheelNotch = 120;

// Names are shown in Courier, or the system's fixed-pitch font where there is no
// Courier, so that the seven characters line up from row to row.
// The font is looked up once: matching it is a search of the font database, and
// the name editor and the 128 name cells ask for it as the view is made.
QFont fixedPitchFont(const QFont& base) {
  static QFont found;
  static int foundFor = -1;
  if (foundFor == base.pointSize()) return found;
  QFont font(QStringLiteral("Courier"), base.pointSize());
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (!QFontInfo(font).fixedPitch()) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(base.pointSize());
  }
  found = font;
  foundFor = base.pointSize();
  return font;
}

}  // namespace

CProgramView::CProgramView(CProgramDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc), lang_(doc.state().lang) {
  setWindowTitle(tr("Channel Information"));
  setHelpId(this, windowhelp::kChannelView.id);

  table_ = new QTableWidget(kChannelRows, kGridColumns, this);
  setHelpId(table_, kChannelGridHelpId);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setSelectionBehavior(QAbstractItemView::SelectItems);
  // Moving to a partly visible cell must not scroll: scrolling hides the editor
  // without a commit, which would drop what was typed into the cell being left.
  table_->setAutoScroll(false);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setSectionsClickable(false);
  table_->horizontalHeader()->setHighlightSections(false);
  for (int c = 0; c < kGridColumns; ++c) {
    auto* header = new QTableWidgetItem(qs(columnHeader(c, lang_)));
    header->setForeground(kHeaderColour);
    header->setTextAlignment(Qt::AlignCenter);
    table_->setHorizontalHeaderItem(c, header);
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(table_);

  buildEditors();
  fillTable();

  connect(table_, &QTableWidget::currentCellChanged, this, &CProgramView::onCurrentCellChanged);
  connect(table_, &QTableWidget::cellPressed, this, &CProgramView::onCellPressed);
  connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this, &CProgramView::hideCellEditors);
  connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &CProgramView::hideCellEditors);
  table_->viewport()->installEventFilter(this);
  table_->installEventFilter(this);
  installEventFilter(this);

  connect(&doc_, &CProgramDoc::changed, this, &CProgramView::showChangedRows);
  setupEditing();
  doc_.setGridStore([this] { storeGrid(); });
  docGuard_ = &doc_;

  takeBandRecord();
  for (int n = 1; n <= kChannelRows; ++n)
    for (int c = 1; c < kGridColumns; ++c) setCellText(n, c, grid_.cell(n, c));
  // The grid starts with row 1, column 5 current and no editor shown.
  filling_ = true;
  table_->setCurrentCell(0, ColName);
  filling_ = false;
  applyColumnWidths();
}

CProgramView::~CProgramView() {
  if (docGuard_) docGuard_->setGridStore({});
}

// ---------------------------------------------------------------------------
// Grid set-up and filling

void CProgramView::buildEditors() {
  QWidget* host = table_->viewport();
  auto makeEdit = [&](int column, int limit) {
    auto* edit = new QLineEdit(host);
    setHelpId(edit, columnInfo(column).editorHelpId);
    edit->setMaxLength(limit);
    edit->setFrame(false);
    edit->setAlignment(Qt::AlignCenter);
    edit->hide();
    edit->installEventFilter(this);
    return edit;
  };
  frequencyEdit_ = makeEdit(ColRx, kFrequencyEditLimit);
  // A pasted text would get past the key filter; the commit parses only the leading
  // number anyway, but there is no reason to offer it.
  frequencyEdit_->setContextMenuPolicy(Qt::NoContextMenu);
  nameEdit_ = makeEdit(ColName, kNameEditLimit);
  nameEdit_->setFont(fixedPitchFont(font()));

  auto makeList = [&](int column) {
    auto* list = new QComboBox(host);
    setHelpId(list, columnInfo(column).editorHelpId);
    list->hide();
    list->installEventFilter(this);
    return list;
  };
  QComboBox* toneList = makeList(ColDecode);
  for (int c = ColRx; c < kGridColumns; ++c) {
    QWidget*& editor = editors_.at(static_cast<std::size_t>(c));
    switch (columnInfo(c).editor) {
      case EditorKind::Frequency: editor = frequencyEdit_; break;
      case EditorKind::Name: editor = nameEdit_; break;
      case EditorKind::ToneList: editor = toneList; break;
      case EditorKind::FlagList: editor = makeList(c); break;
      case EditorKind::None: break;
    }
  }
}

void CProgramView::fillTable() {
  filling_ = true;
  const QFont nameFont = fixedPitchFont(font());
  for (int r = 0; r < kChannelRows; ++r) {
    auto* label = new QTableWidgetItem(qs(rowLabel(r + 1)));
    label->setFlags(Qt::ItemIsEnabled);
    label->setTextAlignment(Qt::AlignCenter);
    label->setForeground(kHeaderColour);
    label->setBackground(palette().button());
    table_->setItem(r, 0, label);
    for (int c = 1; c < kGridColumns; ++c) {
      auto* item = new QTableWidgetItem;
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      item->setTextAlignment(Qt::AlignCenter);
      if (c == ColName) item->setFont(nameFont);
      table_->setItem(r, c, item);
    }
  }
  filling_ = false;
}

void CProgramView::setCellText(int row, int column, const std::string& cellText) {
  QTableWidgetItem* item = table_->item(row - 1, column);
  item->setText(qs(cellText));
  if (column != ColName) return;
  // A name holding the text Find marks keeps its mark through every change.
  static const QColor kMarked(255, 226, 150);
  item->setBackground(nameHolds(cellText, marked_, markCase_) ? QBrush(kMarked) : QBrush());
}

void CProgramView::setRowTexts(int row, const RowTexts& texts) {
  RowTexts& current = grid_.row(row);
  for (int c = 1; c < kGridColumns; ++c)
    if (current[c] != texts[c]) setCellText(row, c, texts[c]);
  current = texts;
}

void CProgramView::takeBandRecord() {
  // The grid holds the image's channels already; showing the image moves its band
  // record into the application's band state.
  ownChange_ = true;
  doc_.change(
      kRefreshLabel, [this](RadioImage& image) { imageToGrid(image, grid_, doc_.state().band, lang_); },
      ChangeKind::View);
  ownChange_ = false;
}

void CProgramView::storeGrid() {
  commitEdit();
  storeRows(tr("Edit"), ChangeKind::View);
}

RadioImage CProgramView::storedImage() {
  commitEdit();
  RadioImage image = doc_.image();
  gridToImage(grid_, image, doc_.state().band.limits, lang_);
  return image;
}

void CProgramView::applyColumnWidths() {
  // Every column is a fixed multiple of column 0; the base width fills the view but
  // never gets so narrow that a header is cut.
  double factorSum = 0;
  int base = 0;
  const QFontMetrics metrics(table_->horizontalHeader()->font());
  for (int c = 0; c < kGridColumns; ++c) {
    const double factor = columnInfo(c).widthFactor;
    factorSum += factor;
    const int needed = metrics.horizontalAdvance(qs(columnHeader(c, lang_))) + 12;
    base = std::max(base, static_cast<int>(needed / factor) + 1);
  }
  const int available = table_->viewport()->width();
  base = std::max(base, static_cast<int>(available / factorSum));
  if (base == baseColumnWidth_) return;
  baseColumnWidth_ = base;
  for (int c = 0; c < kGridColumns; ++c) table_->setColumnWidth(c, static_cast<int>(base * columnInfo(c).widthFactor));
  if (QWidget* editor = visibleEditor()) placeEditor(editor, table_->currentRow(), table_->currentColumn());
}

void CProgramView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  applyColumnWidths();
}

void CProgramView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyColumnWidths();
}

// ---------------------------------------------------------------------------
// Editors

// A list gets its entries when it is first shown, not while the view is made:
// the tone list holds over 200 of them, and a new document is shown at start-up.
void CProgramView::fillList(QComboBox* list, int column) {
  if (list->count() > 0) return;
  QStringList items;
  for (const std::string& item : listItemsForColumn(column, lang_)) items.append(qs(item));
  list->addItems(items);  // in one step: one by one each would resize the list
  list->setMaxVisibleItems(column == ColDecode || column == ColEncode ? 12 : list->count());
  // Return in the open drop-down picks the entry and then commits it.
  list->view()->installEventFilter(this);
}

QWidget* CProgramView::editorForColumn(int column) const {
  return column >= 0 && column < kGridColumns ? editors_.at(static_cast<std::size_t>(column)) : nullptr;
}

QWidget* CProgramView::visibleEditor() const {
  for (QWidget* editor : editors_)
    if (editor && !editor->isHidden()) return editor;
  return nullptr;
}

QString CProgramView::editorText(int row, int column) const {
  QWidget* editor = editorForColumn(column);
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    // Over a field it cannot read the editor opens empty; left untouched it gives
    // back the cell's own text, which keeps the field's bytes.
    if (!edit->isModified() && isRawFieldText(grid_.cell(row, column))) return qs(grid_.cell(row, column));
    return edit->text();
  }
  if (auto* list = qobject_cast<QComboBox*>(editor)) return list->currentText();
  return {};
}

void CProgramView::placeEditor(QWidget* editor, int row, int column) {
  QTableWidgetItem* item = table_->item(row, column);
  if (!item) return;
  editor->setGeometry(table_->visualItemRect(item));
}

void CProgramView::onCurrentCellChanged(int row, int column, int previousRow, int previousColumn) {
  if (filling_) return;
  if (previousRow >= 0 && previousColumn >= 0 && !commitCell(previousRow + 1, previousColumn)) {
    // The value typed into the cell being left was refused: the editor stays over
    // that cell, so the grid returns there to keep the two together.
    filling_ = true;
    table_->setCurrentCell(previousRow, previousColumn);
    filling_ = false;
    return;
  }
  if (row >= 0 && column >= 0) showCellEditor();
}

void CProgramView::onCellPressed(int row, int column) {
  if (filling_) return;
  // A press on the current cell shows its editor again; a press that did not make
  // the cell current (a refused commit kept the old one) does nothing.
  if (row != table_->currentRow() || column != table_->currentColumn()) return;
  if (QWidget* editor = editorForColumn(column); editor && !editor->isHidden()) return;
  showCellEditor();
}

void CProgramView::showCellEditor() {
  if (transferRunning()) return;
  const int row = table_->currentRow();
  const int column = table_->currentColumn();
  QWidget* editor = editorForColumn(column);
  if (row < 0 || !editor) return;
  const std::string& cellText = grid_.cell(row + 1, column);
  if (auto* list = qobject_cast<QComboBox*>(editor)) {
    fillList(list, column);
    // A field the list cannot show is offered as its own first item, so that the
    // list left unchanged keeps it.
    if (list->count() > 0 && isRawFieldText(list->itemText(0).toStdString())) list->removeItem(0);
    if (isRawFieldText(cellText)) {
      list->insertItem(0, qs(cellText));
      list->setCurrentIndex(0);
    } else {
      list->setCurrentIndex(listSelectionForText(listItemsForColumn(column, lang_), cellText));
    }
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->setText(isRawFieldText(cellText) ? QString() : qs(cellText));
    edit->selectAll();
  }
  session_.open(cellText);
  placeEditor(editor, row, column);
  editor->show();
  editor->raise();
  editor->setFocus(Qt::MouseFocusReason);
  table_->viewport()->update();
}

bool CProgramView::commitCell(int row, int column) {
  QWidget* editor = editorForColumn(column);
  if (!editor || editor->isHidden()) return true;
  const std::string typed = editorText(row, column).toStdString();
  const CommitResult result = radio::commitCellEdit(grid_.row(row), column, typed, doc_.state().band.limits, lang_);
  if (!(result.row == grid_.row(row))) {
    setRowTexts(row, result.row);
    storeRows(tr("Typing"));
  }
  // A refusal that keeps the editor is told once; leaving again with the same
  // text keeps the editor without repeating the box.
  if (!result.message.valid() && (!result.editorShown || session_.refusalToShow(typed))) showCaution(result.message);
  if (result.editorShown) {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) edit->setText(qs(result.editorText));
    editor->setFocus(Qt::OtherFocusReason);
    return false;
  }
  hideEditor(editor);
  return true;
}

void CProgramView::commitEdit() {
  const int row = table_->currentRow();
  const int column = table_->currentColumn();
  if (row < 0 || column < 0) return;
  (void)commitCell(row + 1, column);
}

void CProgramView::commitFrequencyOnEnter() {
  const int row = table_->currentRow() + 1;
  const int column = table_->currentColumn();
  if (row < 1 || (column != ColRx && column != ColTx) || frequencyEdit_->isHidden()) return;
  const CommitResult result = radio::commitFrequencyOnEnter(
      grid_.row(row), column, editorText(row, column).toStdString(), doc_.state().band.limits, lang_);
  if (!(result.row == grid_.row(row))) {
    setRowTexts(row, result.row);
    storeRows(tr("Typing"));
  }
  if (!result.message.valid()) showCaution(result.message);
  if (result.editorShown) {
    frequencyEdit_->setText(qs(result.editorText));
    frequencyEdit_->setFocus(Qt::OtherFocusReason);
  } else {
    hideEditor(frequencyEdit_);
  }
}

void CProgramView::hideEditor(QWidget* editor) {
  // A focused widget that hides passes the focus on to the next one, and the grid
  // takes it as a Tab to the next cell. The grid takes the focus first instead.
  if (editor->hasFocus()) table_->setFocus(Qt::OtherFocusReason);
  editor->hide();
  session_.close();
}

void CProgramView::cancelEdit() {
  QWidget* editor = visibleEditor();
  if (!editor) return;
  // The cell's text goes back into the editor, which hides; the cell never changed.
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) edit->setText(qs(session_.originalText()));
  hideEditor(editor);
  table_->viewport()->update();
}

void CProgramView::commitAndMoveNext(QWidget* editor) {
  if (editor->isHidden()) return;
  // Exactly what Tab does: the grid commits the cell it leaves and enters the next.
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QCoreApplication::sendEvent(editor, &tab);
}

void CProgramView::hideCellEditors() {
  for (int c = 1; c < kGridColumns; ++c)
    if (QWidget* editor = editorForColumn(c)) hideEditor(editor);
  table_->viewport()->update();
}

void CProgramView::showCaution(const Validation& validation) {
  MessageRequest request;
  request.caption = QString::fromUtf8(messageText(MessageId::Caution, lang_));
  request.text = QString::fromUtf8(messageText(validation.message, lang_));
  switch (validation.icon) {
    case MessageIcon::Stop: request.icon = QMessageBox::Critical; break;
    case MessageIcon::Exclamation: request.icon = QMessageBox::Warning; break;
    case MessageIcon::Question: request.icon = QMessageBox::Question; break;
    case MessageIcon::Information: request.icon = QMessageBox::Information; break;
    case MessageIcon::None: request.icon = QMessageBox::NoIcon; break;
  }
  request.buttons = QMessageBox::Ok;
  (void)showMessage(this, request);
}

// ---------------------------------------------------------------------------
// Keys, help and the wheel

bool CProgramView::frequencyKeyPassesFilter(const QKeyEvent& key) const {
  const bool shift = key.modifiers() & Qt::ShiftModifier;
  const bool keypad = key.modifiers() & Qt::KeypadModifier;
  switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: return true;
    case Qt::Key_Period: return keypad || !shift;
    // A transmit offset: one sign, in front.
    case Qt::Key_Plus:
    case Qt::Key_Minus: {
      // The text the key would leave (it replaces a selection) must be one the editor takes.
      QString after = frequencyEdit_->text();
      const int at =
          frequencyEdit_->hasSelectedText() ? frequencyEdit_->selectionStart() : frequencyEdit_->cursorPosition();
      after.replace(at, static_cast<int>(frequencyEdit_->selectedText().size()), key.text());
      return frequencyEditorTakes(table_->currentColumn(), ss(after));
    }
    default: break;
  }
  if (key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9) return keypad || !shift;
  return false;
}

int CProgramView::helpContextForFocus() const {
  const int column = table_->currentColumn();
  for (QWidget* w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
    const auto id = helpIdOf(w);
    if (!id) continue;
    // An editor is shown only over the current cell, and answers for its column.
    if (w == editorForColumn(column)) return columnInfo(column).helpId;
    return *id;
  }
  return kChannelGridHelpId;
}

void CProgramView::mouseWheelOverGrid(int delta) {
  // One notch of the wheel pages the grid; smooth-scrolling devices send parts of
  // a notch, which add up to one.
  wheelRemainder_ += delta;
  while (wheelRemainder_ <= -kWheelNotch) {
    table_->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    wheelRemainder_ += kWheelNotch;
  }
  while (wheelRemainder_ >= kWheelNotch) {
    table_->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    wheelRemainder_ -= kWheelNotch;
  }
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // F1 belongs to the view's help, ahead of any shortcut of the main window.
      auto* key = static_cast<QKeyEvent*>(event);
      if (editingKeyEvent(watched, key)) return true;
      if (key->key() == Qt::Key_F1) {
        event->accept();
        return true;
      }
      if (watched == frequencyEdit_) {
        // Shortcuts of the main window (Ctrl+S, Ctrl+R, ...) still work; the
        // line edit's own editing shortcuts are not offered.
        return false;
      }
      break;
    }
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (editingKeyEvent(watched, key)) return true;
      if (key->key() == Qt::Key_F1) {
        requestHelp(this, helpContextForFocus());
        return true;
      }
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      if (enter && watched != table_ && watched != table_->viewport()) {
        // Return in an open drop-down: the list takes the entry first, then it is
        // committed as Tab would.
        for (QWidget* editor : editors_) {
          auto* list = qobject_cast<QComboBox*>(editor);
          // (A list never shown has no drop-down yet; asking for it would make one.)
          if (!list || list->count() == 0 || watched != list->view()) continue;
          QTimer::singleShot(0, list, [this, list] { commitAndMoveNext(list); });
          return false;
        }
      }
      const int column = table_->currentColumn();
      if (watched == editorForColumn(column) && !key->modifiers().testFlag(Qt::ControlModifier)) {
        const EditorKey editorKey = key->key() == Qt::Key_Escape ? EditorKey::Escape
                                    : enter                      ? EditorKey::Return
                                                                 : EditorKey::Other;
        switch (editorKeyAction(radio::editorForColumn(column), editorKey)) {
          case EditorAction::Cancel: cancelEdit(); return true;
          case EditorAction::CommitOnEnter: commitFrequencyOnEnter(); return true;
          case EditorAction::CommitAndMoveNext: commitAndMoveNext(static_cast<QWidget*>(watched)); return true;
          case EditorAction::PassOn: break;
        }
      }
      if (watched == frequencyEdit_) return !frequencyKeyPassesFilter(*key);
      break;
    }
    case QEvent::Wheel:
      if (watched == table_->viewport()) {
        mouseWheelOverGrid(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
      }
      break;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Read and Write

void CProgramView::bindTransfers(TransferController& transfers) {
  transfers_ = &transfers;
  connect(&transfers, &TransferController::commitRequested, this, &CProgramView::commitEdit);
  // The image gets the grid's edits first; the grid takes no edits until the end.
  connect(&transfers, &TransferController::storeRequested, this, [this] {
    storeGrid();
    hideCellEditors();
  });
  // The rows of a read follow the document's change; its band record is taken here.
  connect(&transfers, &TransferController::imageRead, this, &CProgramView::takeBandRecord);
}

bool CProgramView::transferRunning() const { return transfers_ && transfers_->running(); }

}  // namespace radio::gui
