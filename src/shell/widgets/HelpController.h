// SPDX-License-Identifier: GPL-3.0-or-later
// Answers F1 and "Help Topics": finds the page for the asking window and context
// id and shows it in the help window. While a modal window runs, the help window
// belongs to it, so that it can be read and scrolled beside it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace radio::gui {

class HelpWindow;

class HelpController : public QObject {
  Q_OBJECT

 public:
  HelpController(QString helpFolder, QString caption, QObject* parent = nullptr);
  ~HelpController() override;

  // The handler for requestHelp().
  void showHelp(QWidget* from, int contextId);
  void showContents(QWidget* from);

  // The window shown last; null before the first request.
  [[nodiscard]] HelpWindow* window() const;

 private:
  void show(QWidget* from, const QString& page, const QString& anchor);

  QString folder_;
  QString caption_;
  QPointer<HelpWindow> window_;
};

}  // namespace radio::gui
