// SPDX-License-Identifier: GPL-3.0-or-later
// A window listing differences as the diff command prints them: Compare With...
// of two documents, and a verify of the radio against the document.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace radio::gui {

class DifferencesDialog : public QDialog {
  Q_OBJECT

 public:
  DifferencesDialog(const QString& title, const QString& summary, const std::vector<std::string>& lines,
                    QWidget* parent = nullptr);
  [[nodiscard]] QString listText() const;

 private:
  QPlainTextEdit* list_ = nullptr;
};

}  // namespace radio::gui
