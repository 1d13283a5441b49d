// SPDX-License-Identifier: GPL-3.0-or-later
// A settings window of tab pages with no OK or Cancel (DTMF, 2-Tone). A page
// loads from the image when it is shown and stores into it when it is left, so
// switching tabs stores the page being left before the next one loads, and every
// way of closing the window (close box, Esc or Enter reaching the window) stores
// the visible page: edits are never discarded.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class QTabWidget;

namespace radio::gui {

class TabbedDialog : public QDialog {
  Q_OBJECT

 public:
  [[nodiscard]] QTabWidget* tabs() const { return tabs_; }

  void done(int result) override;

 protected:
  // windowHelpId: the window's help id; tabsHelpId: the tab control's.
  TabbedDialog(const QString& title, int windowHelpId, int tabsHelpId, QWidget* parent);

  // Adds a page with its label; call for every page, then showFirstPage().
  template <typename Page>
  void addPage(Page* page, const QString& label) {
    addPage(
        page, label, [page] { page->load(); }, [page] { page->store(); });
  }
  void showFirstPage();

  // A window run again after closing loads its visible page afresh.
  void showEvent(QShowEvent* event) override;

 private:
  void addPage(QWidget* page, const QString& label, std::function<void()> load, std::function<void()> store);
  void loadPage(int index);
  void switchTo(int index);

  QTabWidget* tabs_ = nullptr;
  std::vector<std::function<void()>> loads_;
  std::vector<std::function<void()>> stores_;
  int shown_ = -1;  // the page that was loaded last and not yet stored
};

}  // namespace radio::gui
