// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CTwoToneDecodeTabs.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "features/widgets/CTwoToneDecodePage.h"
#include "gui/HelpHook.h"

namespace radio::gui {

CTwoToneDecodeTabs::CTwoToneDecodeTabs(RadioImage& image, AppState& state, QWidget* parent) : QWidget(parent) {
  setHelpId(this, 157);
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  setHelpId(tabs_, 1075);
  tabs_->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 56px; }"));
  tabs_->setUsesScrollButtons(false);
  for (int k = 1; k <= 8; ++k) {
    pages_[static_cast<std::size_t>(k - 1)] = new CTwoToneDecodePage(image, state, k);
    tabs_->addTab(pages_[static_cast<std::size_t>(k - 1)], QStringLiteral("2-Tone%1").arg(k));
  }
  tabs_->setCurrentIndex(0);
  layout->addWidget(tabs_);
  connect(tabs_, &QTabWidget::currentChanged, this, &CTwoToneDecodeTabs::switchTo);
}

void CTwoToneDecodeTabs::load() {
  shown_ = tabs_->currentIndex();
  pages_.at(static_cast<std::size_t>(shown_))->load();
}

void CTwoToneDecodeTabs::store() {
  if (shown_ < 0) return;
  pages_.at(static_cast<std::size_t>(shown_))->store();
  shown_ = -1;
}

void CTwoToneDecodeTabs::switchTo(int) {
  // Only while the decode tab is the visible one: its page being left stores
  // before the selected page loads.
  if (shown_ < 0) return;
  store();
  load();
}

}  // namespace radio::gui
