// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CTwoToneDlg.h"

#include "app/HelpTopics.h"
#include "features/widgets/CTwoToneDecodeTabs.h"
#include "features/widgets/CTwoToneEncodePage.h"

namespace radio::gui {

CTwoToneDlg::CTwoToneDlg(RadioImage& image, AppState& state, QWidget* parent)
    : TabbedDialog(tr("2-Tone"), windowhelp::kTwoTone.id, 1074, parent) {
  encode_ = new CTwoToneEncodePage(image, state);
  decode_ = new CTwoToneDecodeTabs(image, state);
  addPage(encode_, tr("Encode"));
  addPage(decode_, tr("Decode"));
  showFirstPage();
}

}  // namespace radio::gui
