// SPDX-License-Identifier: GPL-3.0-or-later
// The MSK dialog: the radio's MSK ID code and its nine-entry call list, edited
// in a grid through the grid cell editor. OK stores (an open cell editor is
// committed first); Cancel and the close box leave the image as it was.
#pragma once

#include "features/widgets/FormDialog.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace radio::gui {

class GridCellEditor;

class CMskDlg : public FormDialog {
  Q_OBJECT

 public:
  CMskDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  [[nodiscard]] QLineEdit* idCode() const { return idCode_; }
  [[nodiscard]] QTableWidget* grid() const { return grid_; }
  [[nodiscard]] GridCellEditor* cellEditor() const { return editor_; }
  [[nodiscard]] QPushButton* okButton() const { return ok_; }

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void load() override;

  QLineEdit* idCode_ = nullptr;
  QTableWidget* grid_ = nullptr;
  GridCellEditor* editor_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace radio::gui
