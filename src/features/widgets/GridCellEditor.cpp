// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/GridCellEditor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include "gui/Text.h"

namespace radio::gui {

namespace {

class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

// Colour of the fixed cells' texts.
const QColor kFixedText(0, 70, 213);

}  // namespace

void setUpperCaseInput(QLineEdit* edit) { edit->setValidator(new UpperCaseValidator(edit)); }

QWidget* makeSpinArrows(QWidget* parent, std::function<void(int step)> onStep) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const int step : {+1, -1}) {
    auto* button = new QToolButton(box);
    button->setObjectName(step > 0 ? "up" : "down");
    button->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    QObject::connect(button, &QToolButton::clicked, box, [onStep, step] { onStep(step); });
    layout->addWidget(button);
  }
  return box;
}

void setUpCallGrid(QTableWidget* grid, int rows, int cols) {
  grid->setRowCount(rows);
  grid->setColumnCount(cols);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setTabKeyNavigation(false);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      if (r == 0 || c == 0) {
        // Fixed cells: shown like headings, never current.
        item->setFlags(Qt::NoItemFlags);
        item->setForeground(kFixedText);
        item->setBackground(grid->palette().button());
      } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
      grid->setItem(r, c, item);
    }
  }
}

GridCellEditor* setUpCodeGrid(QTableWidget* grid, int count, const QString& heading, std::pair<int, int> columnWidths,
                              std::size_t codeLength, const QFont& font) {
  setUpCallGrid(grid, count + 1, 2);
  grid->item(0, 0)->setText(GridCellEditor::tr("Num"));
  grid->item(0, 1)->setText(heading);
  for (int n = 1; n <= count; ++n) grid->item(n, 0)->setText(QString::number(n));
  grid->setColumnWidth(0, columnWidths.first);
  grid->setColumnWidth(1, columnWidths.second);
  QFont courier(QStringLiteral("Courier"));
  courier.setStyleHint(QFont::TypeWriter);
  for (int n = 1; n <= count; ++n) grid->item(n, 1)->setFont(courier);
  int height = 2 * grid->frameWidth();
  for (int r = 0; r <= count; ++r) height += grid->rowHeight(r);
  grid->setMinimumHeight(height);
  grid->setMinimumWidth(grid->columnWidth(0) + grid->columnWidth(1) + 2 * grid->frameWidth());

  auto* editor = new GridCellEditor(grid, static_cast<int>(codeLength), true);
  editor->setFont(font);
  editor->setContextMenuPolicy(Qt::NoContextMenu);
  editor->setAcceptDrops(false);
  return editor;
}

GridCellEditor::GridCellEditor(QTableWidget* grid, int maxLength, bool upperCase, QWidget* parent)
    : QLineEdit(parent ? parent : grid->viewport()), grid_(grid) {
  setMaxLength(maxLength);
  if (upperCase) setUpperCaseInput(this);
  setAlignment(Qt::AlignCenter);
  hide();
  // Entering a cell commits the editor into the cell being left, then opens it
  // on the new one; a click on the grid opens it on the current cell.
  connect(grid_, &QTableWidget::currentCellChanged, this, [this] { openOnCurrentCell(); });
  connect(grid_, &QTableWidget::cellPressed, this, [this] { openOnCurrentCell(); });
  grid_->viewport()->installEventFilter(this);
  // Scrolling would leave the editor over the wrong cell: keep its text first.
  connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { commit(); });
  connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { commit(); });
}

void GridCellEditor::openOnCurrentCell() {
  commit();
  const int r = grid_->currentRow();
  const int c = grid_->currentColumn();
  QTableWidgetItem* item = grid_->item(r, c);
  if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
  row_ = r;
  col_ = c;
  setText(item->text());
  QRect rect = grid_->visualItemRect(item);
  if (parentWidget() != grid_->viewport()) rect.translate(grid_->viewport()->mapTo(parentWidget(), QPoint(0, 0)));
  setGeometry(rect);
  show();
  raise();
  setFocus(Qt::MouseFocusReason);
  selectAll();
  grid_->viewport()->update();
}

void GridCellEditor::commit() {
  if (isHidden()) return;
  if (QTableWidgetItem* item = grid_->item(row_, col_)) {
    std::string value = codeBytes(text());
    if (commitRule_) value = commitRule_(value);
    item->setText(codeQs(value));
  }
  hide();
  grid_->viewport()->update();
}

bool GridCellEditor::eventFilter(QObject* watched, QEvent* event) {
  // A press on a fixed cell or beside the cells leaves the current cell as it
  // is; the editor opens on it all the same.
  if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex index = grid_->indexAt(mouse->position().toPoint());
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEnabled)) openOnCurrentCell();
  }
  return QLineEdit::eventFilter(watched, event);
}

}  // namespace radio::gui
