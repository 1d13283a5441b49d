// SPDX-License-Identifier: GPL-3.0-or-later
// The 2-Tone dialog's "Encode" page: the five sending times with spin arrows,
// the short beep tone, and the 32 tone pairs in a grid with an in-place editor.
// It loads when shown and stores both the display and the radio form when hidden.
#pragma once

#include <QWidget>
#include <array>

#include "features/TwoToneNumber.h"
#include "gui/AppState.h"
#include "model/RadioImage.h"

class QCheckBox;
class QLineEdit;
class QTableWidget;

namespace radio::gui {

class TwoToneFields;

class GridCellEditor;

class CTwoToneEncodePage : public QWidget {
  Q_OBJECT

 public:
  CTwoToneEncodePage(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  void load();
  void store();

  // The timing edits in the order first delay, second delay, long tone delay,
  // tone interval, Tx rise.
  [[nodiscard]] QLineEdit* edit(int i) const;
  void spin(int i, int step);
  [[nodiscard]] QCheckBox* shortBeep() const { return shortBeep_; }
  [[nodiscard]] QTableWidget* grid() const { return grid_; }
  [[nodiscard]] GridCellEditor* cellEditor() const { return editor_; }

 private:
  RadioImage& image_;
  AppState& state_;
  TwoToneFields* fields_ = nullptr;
  QCheckBox* shortBeep_ = nullptr;
  QTableWidget* grid_ = nullptr;
  GridCellEditor* editor_ = nullptr;
};

}  // namespace radio::gui
