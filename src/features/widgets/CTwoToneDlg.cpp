#include "features/widgets/CTwoToneDlg.h"

#include "features/widgets/CTwoToneDecodeTabs.h"
#include "features/widgets/CTwoToneEncodePage.h"

namespace radio::gui {

namespace {
constexpr Text kEncode{"Encode", "编码"};
constexpr Text kDecode{"Decode", "解码"};
}  // namespace

CTwoToneDlg::CTwoToneDlg(RadioImage& image, AppState& state, QWidget* parent) : CTabDlg(state.lang, 1074, parent) {
  setWindowTitle(tr("2-Tone"));
  setProperty("controlId", 155);
  encode_ = new CTwoToneEncodePage(image, state);
  decode_ = new CTwoToneDecodeTabs(image, state);
  addPage(encode_, kEncode);
  addPage(decode_, kDecode);
  showFirstPage();
}

}  // namespace radio::gui
