#include "features/widgets/CTwoToneDlg.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "features/widgets/CTwoToneDecodeTabs.h"
#include "features/widgets/CTwoToneEncodePage.h"

namespace radio::gui {

namespace {
constexpr Text kEncode{"Encode", "编码"};
constexpr Text kDecode{"Decode", "解码"};
}  // namespace

CTwoToneDlg::CTwoToneDlg(RadioImage& image, AppState& state, QWidget* parent)
    : QDialog(parent), image_(image), state_(state) {
  setWindowTitle(tr("2-Tone"));
  setProperty("controlId", 155);
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setProperty("controlId", 1074);
  encode_ = new CTwoToneEncodePage(image_, state_);
  decode_ = new CTwoToneDecodeTabs(image_, state_);
  tabs_->addTab(encode_, QString::fromUtf8(kEncode.in(state_.lang)));
  tabs_->addTab(decode_, QString::fromUtf8(kDecode.in(state_.lang)));
  tabs_->setCurrentIndex(0);
  layout->addWidget(tabs_);
  loadPage(0);
  connect(tabs_, &QTabWidget::currentChanged, this, &CTwoToneDlg::switchTo);
}

void CTwoToneDlg::loadPage(int index) {
  if (index == 0)
    encode_->load();
  else if (index == 1)
    decode_->load();
  shown_ = index;
}

void CTwoToneDlg::storePage(int index) {
  if (index == 0)
    encode_->store();
  else if (index == 1)
    decode_->store();
}

void CTwoToneDlg::switchTo(int index) {
  storePage(shown_);
  loadPage(index);
}

void CTwoToneDlg::showEvent(QShowEvent* event) {
  if (shown_ < 0) loadPage(tabs_->currentIndex());
  QDialog::showEvent(event);
}

void CTwoToneDlg::done(int result) {
  if (shown_ >= 0) {
    storePage(shown_);
    shown_ = -1;
  }
  QDialog::done(result);
}

}  // namespace radio::gui
