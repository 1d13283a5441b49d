// SPDX-License-Identifier: GPL-3.0-or-later
// The Product Information dialog: the model list from Program.ini, preselected by
// the remembered model choice, and the two bands in read-only edits. OK writes the
// model and the band record into the image, sets the application's band state and
// remembers the model choice; an inverted band is refused with a message and
// the dialog stays open.
#pragma once

#include <array>

#include "features/ProductInfoForm.h"
#include "features/widgets/FormDialog.h"
#include "gui/AppState.h"
#include "gui/Prompts.h"

class QComboBox;
class QLineEdit;

namespace radio::gui {

class CProductInfoDlg : public FormDialog {
  Q_OBJECT

 public:
  CProductInfoDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  [[nodiscard]] QComboBox* modelList() const { return model_; }
  [[nodiscard]] QLineEdit* bandEdit(int index) const { return edges_.at(static_cast<std::size_t>(index)); }
  // Tests answer the message box instead of a user.

  void accept() override;

 private:
  void load() override;

  QComboBox* model_ = nullptr;
  std::array<QLineEdit*, 4> edges_{};
  std::vector<std::string> models_;
};

}  // namespace radio::gui
