// SPDX-License-Identifier: GPL-3.0-or-later
// The Key Assignment dialog: four radio buttons choosing the side key's function,
// bound to KeyAssignForm. OK stores the choice; Cancel writes nothing.
#pragma once

#include <array>

#include "features/KeyAssignForm.h"
#include "features/widgets/FormDialog.h"
#include "gui/AppState.h"

class QButtonGroup;
class QRadioButton;

namespace radio::gui {

class CKeyAssignDlg : public FormDialog {
  Q_OBJECT

 public:
  CKeyAssignDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  [[nodiscard]] QRadioButton* choiceButton(int choice) const { return buttons_.at(static_cast<std::size_t>(choice)); }

  void accept() override;

 private:
  void load() override;

  QButtonGroup* group_ = nullptr;
  std::array<QRadioButton*, kSideKeyChoices> buttons_{};
};

}  // namespace radio::gui
