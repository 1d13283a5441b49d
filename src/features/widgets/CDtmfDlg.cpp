#include "features/widgets/CDtmfDlg.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "features/widgets/CDtmfCallListPage.h"
#include "features/widgets/CDtmfDecodePage.h"
#include "features/widgets/CDtmfEncodePage.h"

namespace radio::gui {

namespace {
constexpr Text kEncode{"Encode", "编码"};
constexpr Text kDecode{"Decode", "解码"};
constexpr Text kCallList{"CallList", "呼叫列表"};
}  // namespace

CDtmfDlg::CDtmfDlg(RadioImage& image, AppState& state, QWidget* parent)
    : QDialog(parent), image_(image), state_(state) {
  setWindowTitle(tr("DTMF"));
  setProperty("controlId", 141);
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setProperty("controlId", 1036);
  tabs_->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 60px; }"));
  encode_ = new CDtmfEncodePage(image_, state_);
  decode_ = new CDtmfDecodePage(image_, state_);
  callList_ = new CDtmfCallListPage(image_, state_);
  tabs_->addTab(encode_, QString::fromUtf8(kEncode.in(state_.lang)));
  tabs_->addTab(decode_, QString::fromUtf8(kDecode.in(state_.lang)));
  tabs_->addTab(callList_, QString::fromUtf8(kCallList.in(state_.lang)));
  layout->addWidget(tabs_);
  tabs_->setCurrentIndex(0);
  loadPage(0);
  connect(tabs_, &QTabWidget::currentChanged, this, &CDtmfDlg::switchTo);
}

void CDtmfDlg::loadPage(int index) {
  if (index == 0)
    encode_->load();
  else if (index == 1)
    decode_->load();
  else if (index == 2)
    callList_->load();
  shown_ = index;
}

void CDtmfDlg::storePage(int index) {
  if (index == 0)
    encode_->store();
  else if (index == 1)
    decode_->store();
  else if (index == 2)
    callList_->store();
}

void CDtmfDlg::switchTo(int index) {
  // The page being left stores before the page being entered loads.
  storePage(shown_);
  loadPage(index);
}

void CDtmfDlg::showEvent(QShowEvent* event) {
  if (shown_ < 0) loadPage(tabs_->currentIndex());
  QDialog::showEvent(event);
}

void CDtmfDlg::done(int result) {
  if (shown_ >= 0) {
    storePage(shown_);
    shown_ = -1;
  }
  QDialog::done(result);
}

}  // namespace radio::gui
