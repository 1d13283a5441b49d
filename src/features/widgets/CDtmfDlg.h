// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF window: three tab pages, "Encode", "Decode" and "CallList", loaded and
// stored as TabbedDialog describes.
#pragma once

#include "features/widgets/TabbedDialog.h"
#include "gui/AppState.h"
#include "model/RadioImage.h"

namespace radio::gui {

class CDtmfEncodePage;
class CDtmfDecodePage;
class CDtmfCallListPage;

class CDtmfDlg : public TabbedDialog {
  Q_OBJECT

 public:
  CDtmfDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  [[nodiscard]] CDtmfEncodePage* encodePage() const { return encode_; }
  [[nodiscard]] CDtmfDecodePage* decodePage() const { return decode_; }
  [[nodiscard]] CDtmfCallListPage* callListPage() const { return callList_; }

 private:
  CDtmfEncodePage* encode_ = nullptr;
  CDtmfDecodePage* decode_ = nullptr;
  CDtmfCallListPage* callList_ = nullptr;
};

}  // namespace radio::gui
