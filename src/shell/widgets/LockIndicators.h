// SPDX-License-Identifier: GPL-3.0-or-later
// The CAP, NUM and SCRL panes of the status bar: each is shown in full while its
// keyboard lock is on and greyed while it is off. The lock state is read from the
// X server's keyboard indicators; where they cannot be read the panes stay grey.
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QTimer;

namespace radio::gui {

class LockIndicators : public QWidget {
  Q_OBJECT

 public:
  explicit LockIndicators(QWidget* parent = nullptr);

  // Caps, Num and Scroll lock, in the order of the panes.
  void setLocks(bool caps, bool num, bool scroll);
  [[nodiscard]] QLabel* pane(int index) const { return panes_.at(static_cast<std::size_t>(index)); }

 private:
  void poll();

  std::array<QLabel*, 3> panes_{};
  QTimer* timer_ = nullptr;
};

}  // namespace radio::gui
