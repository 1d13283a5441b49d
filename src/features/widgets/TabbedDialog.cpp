// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/TabbedDialog.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/HelpHook.h"

namespace radio::gui {

TabbedDialog::TabbedDialog(const QString& title, int windowHelpId, int tabsHelpId, QWidget* parent) : QDialog(parent) {
  setWindowTitle(title);
  setHelpId(this, windowHelpId);
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  setHelpId(tabs_, tabsHelpId);
  layout->addWidget(tabs_);
}

void TabbedDialog::addPage(QWidget* page, const QString& label, std::function<void()> load,
                           std::function<void()> store) {
  tabs_->addTab(page, label);
  loads_.push_back(std::move(load));
  stores_.push_back(std::move(store));
}

void TabbedDialog::showFirstPage() {
  tabs_->setCurrentIndex(0);
  loadPage(0);
  connect(tabs_, &QTabWidget::currentChanged, this, &TabbedDialog::switchTo);
}

void TabbedDialog::loadPage(int index) {
  if (index >= 0 && index < static_cast<int>(loads_.size())) loads_[static_cast<std::size_t>(index)]();
  shown_ = index;
}

void TabbedDialog::switchTo(int index) {
  // The page being left stores before the page being entered loads.
  if (shown_ >= 0 && shown_ < static_cast<int>(stores_.size())) stores_[static_cast<std::size_t>(shown_)]();
  loadPage(index);
}

void TabbedDialog::showEvent(QShowEvent* event) {
  if (shown_ < 0) loadPage(tabs_->currentIndex());
  QDialog::showEvent(event);
}

void TabbedDialog::done(int result) {
  if (shown_ >= 0) {
    stores_.at(static_cast<std::size_t>(shown_))();
    shown_ = -1;
  }
  QDialog::done(result);
}

}  // namespace radio::gui
