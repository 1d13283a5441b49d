// The MSK dialog: the radio's MSK ID code and its nine-entry call list, edited
// in a grid through the grid cell editor. OK stores (an open cell editor is
// committed first); Cancel and the close box leave the image as it was.
#pragma once

#include <QDialog>

#include "gui/AppState.h"
#include "model/RadioImage.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace radio::gui {

class CGridCellEditor;

class CMskDlg : public QDialog {
  Q_OBJECT

 public:
  CMskDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  [[nodiscard]] QLineEdit* idCode() const { return idCode_; }
  [[nodiscard]] QTableWidget* grid() const { return grid_; }
  [[nodiscard]] CGridCellEditor* cellEditor() const { return editor_; }
  [[nodiscard]] QPushButton* okButton() const { return ok_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void load();
  void onOk();

  RadioImage& image_;
  AppState& state_;
  QLineEdit* idCode_ = nullptr;
  QTableWidget* grid_ = nullptr;
  CGridCellEditor* editor_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool loaded_ = false;
};

}  // namespace radio::gui
