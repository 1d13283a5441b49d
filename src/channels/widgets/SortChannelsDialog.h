// SPDX-License-Identifier: GPL-3.0-or-later
// Sort Channels...: the key (Rx, Tx or name) and the rows (the selected channels or
// every channel). OK sorts the view's channels as one change.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "channels/ChannelPlan.h"

class QRadioButton;

namespace radio::gui {

class CProgramView;

class SortChannelsDialog : public QDialog {
  Q_OBJECT

 public:
  SortChannelsDialog(CProgramView& view, QWidget* parent = nullptr);

  [[nodiscard]] SortKey key() const;
  // The rows the sort works on.
  [[nodiscard]] ChannelSpan span() const;
  [[nodiscard]] QRadioButton* keyButton(SortKey key) const { return keys_.at(static_cast<std::size_t>(key)); }
  [[nodiscard]] QRadioButton* selectedRowsButton() const { return selected_; }

  void accept() override;

 private:
  CProgramView& view_;
  std::optional<ChannelSpan> selection_;
  std::array<QRadioButton*, 3> keys_{};
  QRadioButton* selected_ = nullptr;
  QRadioButton* all_ = nullptr;
};

}  // namespace radio::gui
