#include "features/widgets/CDtmfDlg.h"

#include <QTabWidget>

#include "features/widgets/CDtmfCallListPage.h"
#include "features/widgets/CDtmfDecodePage.h"
#include "features/widgets/CDtmfEncodePage.h"

namespace radio::gui {

namespace {
constexpr Text kEncode{"Encode", "编码"};
constexpr Text kDecode{"Decode", "解码"};
constexpr Text kCallList{"CallList", "呼叫列表"};
}  // namespace

CDtmfDlg::CDtmfDlg(RadioImage& image, AppState& state, QWidget* parent) : CTabDlg(state.lang, 1036, parent) {
  setWindowTitle(tr("DTMF"));
  setProperty("controlId", 141);
  tabs()->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 60px; }"));
  encode_ = new CDtmfEncodePage(image, state);
  decode_ = new CDtmfDecodePage(image, state);
  callList_ = new CDtmfCallListPage(image, state);
  addPage(encode_, kEncode);
  addPage(decode_, kDecode);
  addPage(callList_, kCallList);
  showFirstPage();
}

}  // namespace radio::gui
