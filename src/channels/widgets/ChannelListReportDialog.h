// SPDX-License-Identifier: GPL-3.0-or-later
// The report of a channel-list import: how many channels went in, and each row that
// was skipped or changed on the way, one line each. Modeless, so the list can stay
// open beside the grid while the rows are put right.
#pragma once

#include <QDialog>

#include "channels/ChannelCsv.h"

class QLabel;
class QPlainTextEdit;

namespace radio::gui {

class ChannelListReportDialog : public QDialog {
  Q_OBJECT

 public:
  ChannelListReportDialog(const CsvImportResult& result, const QString& fileName, Language lang,
                          QWidget* parent = nullptr);

  [[nodiscard]] QString summary() const;
  [[nodiscard]] QString lines() const;

 private:
  QLabel* summary_ = nullptr;
  QPlainTextEdit* lines_ = nullptr;
};

}  // namespace radio::gui
