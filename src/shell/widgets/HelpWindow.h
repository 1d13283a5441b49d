// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the help pages of the current language in a browser with
// Back, Forward and Contents.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace radio::gui {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // helpFolder holds index.html and the other pages of one language.
  HelpWindow(const QString& helpFolder, const QString& caption, QWidget* parent = nullptr);

  // Shows page (a file name in the help folder), scrolled to anchor when the page
  // has it.
  void showPage(const QString& page, const QString& anchor = {});
  [[nodiscard]] QTextBrowser* browser() const { return browser_; }
  // The page shown, as a file name.
  [[nodiscard]] QString currentPage() const;

 private:
  QString folder_;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace radio::gui
