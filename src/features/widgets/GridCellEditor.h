// SPDX-License-Identifier: GPL-3.0-or-later
// The edit box laid over a call-list grid cell. It opens on the current cell
// when a cell is entered or the grid is clicked, and commits its text back into
// the cell it was opened on when the cell is left, the grid scrolls, or the page
// stores. The grids keep one heading row and one number column fixed.
#pragma once

#include <QLineEdit>
#include <functional>
#include <string>
#include <utility>

class QTableWidget;
class QWidget;

namespace radio::gui {

// Makes an edit put its letters in upper case as they are typed.
void setUpperCaseInput(QLineEdit* edit);

// Two small arrow buttons beside an edit: onStep(+1) for up, onStep(-1) for down.
// The buttons are named "up" and "down".
[[nodiscard]] QWidget* makeSpinArrows(QWidget* parent, std::function<void(int step)> onStep);

// Sets up a grid of rows x cols with a fixed heading row and number column:
// the fixed cells can be neither current nor edited.
void setUpCallGrid(QTableWidget* grid, int rows, int cols);

class GridCellEditor;

// A call grid of count codes: the heading row ("Num" and heading), the numbers
// 1..count, the codes in Courier, the two columns as wide as given, and room for
// every row so that it never scrolls. Its cell editor takes at most codeLength
// characters in upper case, in font, with no context menu and no drops (a paste
// would get past the key filter).
[[nodiscard]] GridCellEditor* setUpCodeGrid(QTableWidget* grid, int count, const QString& heading,
                                            std::pair<int, int> columnWidths, std::size_t codeLength,
                                            const QFont& font);

class GridCellEditor : public QLineEdit {
  Q_OBJECT

 public:
  // Committed text goes through commitRule (e.g. clamping a tone); by default it
  // is stored as typed.
  using CommitRule = std::function<std::string(const std::string&)>;

  GridCellEditor(QTableWidget* grid, int maxLength, bool upperCase, QWidget* parent = nullptr);

  void setCommitRule(CommitRule rule) { commitRule_ = std::move(rule); }

  // Opens the editor over the grid's current cell (after committing an open one).
  void openOnCurrentCell();
  // Writes the text into the cell the editor was opened on and hides it; nothing
  // happens while it is hidden.
  void commit();

  [[nodiscard]] bool isOpen() const { return !isHidden(); }
  [[nodiscard]] int openRow() const { return row_; }
  [[nodiscard]] int openColumn() const { return col_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTableWidget* grid_;
  CommitRule commitRule_;
  int row_ = -1;
  int col_ = -1;
};

}  // namespace radio::gui
