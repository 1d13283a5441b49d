// SPDX-License-Identifier: GPL-3.0-or-later
// The 2-Tone dialog's "Decode" tab: eight pages "2-Tone1" ... "2-Tone8". The
// visible page stores before the next one loads.
#pragma once

#include <QWidget>
#include <array>

#include "gui/AppState.h"
#include "model/RadioImage.h"

class QTabWidget;

namespace radio::gui {

class CTwoToneDecodePage;

class CTwoToneDecodeTabs : public QWidget {
  Q_OBJECT

 public:
  CTwoToneDecodeTabs(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  // Load or store the visible page.
  void load();
  void store();

  [[nodiscard]] QTabWidget* tabs() const { return tabs_; }
  [[nodiscard]] CTwoToneDecodePage* page(int entry) const { return pages_.at(static_cast<std::size_t>(entry - 1)); }

 private:
  void switchTo(int index);

  QTabWidget* tabs_ = nullptr;
  std::array<CTwoToneDecodePage*, 8> pages_{};
  int shown_ = -1;  // index of the page loaded and not yet stored
};

}  // namespace radio::gui
