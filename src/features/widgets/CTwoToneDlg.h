// SPDX-License-Identifier: GPL-3.0-or-later
// The 2-Tone window: "Encode" and "Decode" tabs, loaded and stored as TabbedDialog
// describes.
#pragma once

#include "features/widgets/TabbedDialog.h"
#include "gui/AppState.h"
#include "model/RadioImage.h"

namespace radio::gui {

class CTwoToneEncodePage;
class CTwoToneDecodeTabs;

class CTwoToneDlg : public TabbedDialog {
  Q_OBJECT

 public:
  CTwoToneDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  [[nodiscard]] CTwoToneEncodePage* encodePage() const { return encode_; }
  [[nodiscard]] CTwoToneDecodeTabs* decodeTabs() const { return decode_; }

 private:
  CTwoToneEncodePage* encode_ = nullptr;
  CTwoToneDecodeTabs* decode_ = nullptr;
};

}  // namespace radio::gui
