// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF window's "Encode" page: digit speed, the three digit times with their
// spin arrows, and the side tone. It loads when shown and stores when hidden.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <string_view>

#include "features/DtmfEncodeForm.h"
#include "gui/AppState.h"
#include "model/RadioImage.h"

class QCheckBox;
class QLineEdit;

namespace radio::gui {

class CDtmfEncodePage : public QWidget {
  Q_OBJECT

 public:
  CDtmfEncodePage(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  void load();
  void store();

  // For tests and the window: the edits in the order speed, first delay, first
  // time, "* and #" time, and each one's spin step.
  [[nodiscard]] QLineEdit* edit(int i) const { return fields_.at(static_cast<std::size_t>(i)); }
  void spin(int i, int step);
  [[nodiscard]] QCheckBox* sideTone() const { return sideTone_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showForm(const DtmfEncodeForm& form);

  RadioImage& image_;
  AppState& state_;
  // The edits of the page's fields with spin arrows, in the order of its table.
  std::array<QLineEdit*, 4> fields_{};
  QCheckBox* sideTone_ = nullptr;
};

}  // namespace radio::gui
