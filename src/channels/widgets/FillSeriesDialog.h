// SPDX-License-Identifier: GPL-3.0-or-later
// Fill Series...: over the selected channels (the rows can be changed), a first Rx frequency and a step, the
// Tx frequency equal to the Rx one or a fixed offset from it, and names with a
// running number (%d). OK fills as one change; when a channel refuses a value the
// refusals are listed in the window and nothing changes.
#pragma once

#include <QDialog>
#include <array>

#include "channels/ChannelPlan.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace radio::gui {

class CProgramView;

class FillSeriesDialog : public QDialog {
  Q_OBJECT

 public:
  // The window's edits, in their order.
  enum class Edit { Rows, Start, Step, Offset, Name };

  FillSeriesDialog(CProgramView& view, ChannelSpan rows, QWidget* parent = nullptr);

  [[nodiscard]] QLineEdit* edit(Edit which) const { return edits_.at(static_cast<std::size_t>(which)); }
  [[nodiscard]] QCheckBox* offsetBox() const { return useOffset_; }
  // What the window says about the last OK that did not fill.
  [[nodiscard]] QString problems() const;

  void accept() override;

 private:
  // OK did not fill: says why and puts the focus on the edit at fault.
  void refuse(Edit which, const QString& text);
  void showProblems(const QString& text);

  CProgramView& view_;
  std::array<QLineEdit*, 5> edits_{};
  QCheckBox* useOffset_ = nullptr;
  QPlainTextEdit* problems_ = nullptr;
};

}  // namespace radio::gui
