// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CDtmfDlg.h"

#include <QTabWidget>

#include "app/HelpTopics.h"
#include "features/widgets/CDtmfCallListPage.h"
#include "features/widgets/CDtmfDecodePage.h"
#include "features/widgets/CDtmfEncodePage.h"

namespace radio::gui {

CDtmfDlg::CDtmfDlg(RadioImage& image, AppState& state, QWidget* parent)
    : TabbedDialog(tr("DTMF"), windowhelp::kDtmf.id, 1036, parent) {
  tabs()->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 60px; }"));
  encode_ = new CDtmfEncodePage(image, state);
  decode_ = new CDtmfDecodePage(image, state);
  callList_ = new CDtmfCallListPage(image, state);
  addPage(encode_, tr("Encode"));
  addPage(decode_, tr("Decode"));
  addPage(callList_, tr("CallList"));
  showFirstPage();
}

}  // namespace radio::gui
