// SPDX-License-Identifier: GPL-3.0-or-later
// Fill Series...: over the selected channels (the rows can be changed), a first Rx frequency and a step, the
// Tx frequency equal to the Rx one or a fixed offset from it, and names with a
// running number (%d). OK fills as one change; when a channel refuses a value the
// refusals are listed in the window and nothing changes.
#pragma once

#include <QDialog>

#include "channels/ChannelPlan.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace radio::gui {

class CProgramView;

class FillSeriesDialog : public QDialog {
  Q_OBJECT

 public:
  FillSeriesDialog(CProgramView& view, ChannelSpan rows, QWidget* parent = nullptr);

  [[nodiscard]] QLineEdit* rowsEdit() const { return rowsEdit_; }
  [[nodiscard]] QLineEdit* startEdit() const { return start_; }
  [[nodiscard]] QLineEdit* stepEdit() const { return step_; }
  [[nodiscard]] QCheckBox* offsetBox() const { return useOffset_; }
  [[nodiscard]] QLineEdit* offsetEdit() const { return offset_; }
  [[nodiscard]] QLineEdit* nameEdit() const { return name_; }
  // What the window says about the last OK that did not fill.
  [[nodiscard]] QString problems() const;

  void accept() override;

 private:
  void showProblems(const QString& text);

  CProgramView& view_;
  QLineEdit* rowsEdit_ = nullptr;
  QLineEdit* start_ = nullptr;
  QLineEdit* step_ = nullptr;
  QCheckBox* useOffset_ = nullptr;
  QLineEdit* offset_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPlainTextEdit* problems_ = nullptr;
};

}  // namespace radio::gui
