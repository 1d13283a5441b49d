// SPDX-License-Identifier: GPL-3.0-or-later
// The "Language" window: English or Chinese. It only reports the choice; the main
// window carries out a switch (Program.ini, then a restart in the new language).
#pragma once

#include <QDialog>

#include "model/Language.h"

class QRadioButton;

namespace radio::gui {

class CLanguageDlg : public QDialog {
  Q_OBJECT

 public:
  CLanguageDlg(Language current, QWidget* parent = nullptr);

  [[nodiscard]] Language choice() const;
  [[nodiscard]] QRadioButton* englishButton() const { return english_; }
  [[nodiscard]] QRadioButton* chineseButton() const { return chinese_; }

 private:
  QRadioButton* english_ = nullptr;
  QRadioButton* chinese_ = nullptr;
};

}  // namespace radio::gui
