// SPDX-License-Identifier: GPL-3.0-or-later
// One 2-Tone decode entry ("2-Tone1" ... "2-Tone8"): A and B tones and the four
// recognition times, each edit with spin arrows. It loads when shown and stores
// both the display and the radio form when hidden.
#pragma once

#include <QWidget>
#include <array>

#include "features/TwoToneNumber.h"
#include "gui/AppState.h"
#include "model/RadioImage.h"

class QLineEdit;

namespace radio::gui {

class TwoToneFields;

class CTwoToneDecodePage : public QWidget {
  Q_OBJECT

 public:
  // entry: 1..8.
  CTwoToneDecodePage(RadioImage& image, AppState& state, int entry, QWidget* parent = nullptr);

  void load();
  void store();

  [[nodiscard]] int entry() const { return entry_; }
  // The edits in the order A tone, B tone, first delay, second delay, interval,
  // long tone delay.
  [[nodiscard]] QLineEdit* edit(int i) const;
  void spin(int i, int step);

 private:
  RadioImage& image_;
  AppState& state_;
  int entry_;
  TwoToneFields* fields_ = nullptr;
};

}  // namespace radio::gui
