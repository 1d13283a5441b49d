// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: caption, version and the two copyright lines from the language
// section of Program.ini, and the program's icon "title.ico" when it is there. The
// version shown is the one the program was built as (aboutVersionLine).
#pragma once

#include <QDialog>

#include "app/StartupConfig.h"

class QLabel;

namespace radio::gui {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  CAboutDlg(const AboutTexts& texts, const QString& programDirectory, QWidget* parent = nullptr);

  [[nodiscard]] QLabel* versionLabel() const { return version_; }
  [[nodiscard]] QLabel* copyrightsLabel() const { return copyrights_; }
  [[nodiscard]] QLabel* ownerLabel() const { return owner_; }
  [[nodiscard]] QLabel* pictureLabel() const { return picture_; }

 private:
  QLabel* picture_ = nullptr;
  QLabel* version_ = nullptr;
  QLabel* copyrights_ = nullptr;
  QLabel* owner_ = nullptr;
};

}  // namespace radio::gui
