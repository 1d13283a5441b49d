// SPDX-License-Identifier: GPL-3.0-or-later
// The Optional Features dialog: binds its lists, check boxes and password edit to
// OptionalFeaturesForm. It loads the image each time it is shown and stores into
// it on OK only. The bottom row (MSK Type, Keypad Lock, Repeater Msk Invert) is
// kept out of sight but still loaded and stored, so its bits pass through.
#pragma once

#include <array>

#include "features/OptionalFeaturesForm.h"
#include "features/widgets/FormDialog.h"
#include "gui/AppState.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace radio::gui {

class COptionalFeaturesDlg : public FormDialog {
  Q_OBJECT

 public:
  COptionalFeaturesDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  [[nodiscard]] QComboBox* list(OptionalList which) const { return lists_.at(static_cast<std::size_t>(which)); }
  [[nodiscard]] QCheckBox* check(OptionalCheck which) const { return checks_.at(static_cast<std::size_t>(which)); }
  [[nodiscard]] QLineEdit* passwordEdit() const { return password_; }

  // The form as the controls hold it now.
  [[nodiscard]] OptionalFeaturesForm form() const;

  void accept() override;

 private:
  [[nodiscard]] QString labelText(OptionalList which) const;
  void load() override;

  std::array<QComboBox*, kOptionalListCount> lists_{};
  std::array<QCheckBox*, kOptionalCheckCount> checks_{};
  QLineEdit* password_ = nullptr;
};

}  // namespace radio::gui
