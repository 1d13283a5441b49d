// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF window's "CallList" page: the nine fast-call numbers in a grid edited
// through the grid cell editor. It loads when shown and stores when hidden.
#pragma once

#include <QWidget>

#include "gui/AppState.h"
#include "model/RadioImage.h"

class QTableWidget;

namespace radio::gui {

class GridCellEditor;

class CDtmfCallListPage : public QWidget {
  Q_OBJECT

 public:
  CDtmfCallListPage(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  void load();
  void store();

  [[nodiscard]] QTableWidget* grid() const { return grid_; }
  [[nodiscard]] GridCellEditor* cellEditor() const { return editor_; }

 private:
  RadioImage& image_;
  AppState& state_;
  QTableWidget* grid_ = nullptr;
  GridCellEditor* editor_ = nullptr;
};

}  // namespace radio::gui
