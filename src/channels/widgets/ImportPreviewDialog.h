// SPDX-License-Identifier: GPL-3.0-or-later
// The preview of a channel-list import: the rows it takes (line, location, the
// channel each goes to and what that channel will hold) and the rows it refuses
// with their reasons, placed by Location or from a channel in file order. It
// changes nothing: OK hands the placed import on, Cancel drops it.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "channels/ChannelCsv.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace radio::gui {

class ImportPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  // The preview's two tables.
  enum class Rows { Taken, Refused };

  // text: the channel list; base: the image the import starts from. Placing by
  // Location is chosen first unless some Location is outside 1-128.
  ImportPreviewDialog(std::string text, const RadioImage& base, const CsvImportOptions& options,
                      const QString& fileName, QWidget* parent = nullptr);

  // The import as placed now.
  [[nodiscard]] const CsvImportResult& result() const { return result_; }
  [[nodiscard]] QRadioButton* byLocationButton() const { return placement_.byLocation; }
  [[nodiscard]] QRadioButton* inOrderButton() const { return placement_.inOrder; }
  [[nodiscard]] QTableWidget* table(Rows which) const { return tables_.at(static_cast<std::size_t>(which)); }

 private:
  // Where the rows go: by Location, or in file order from the first channel.
  struct Placement {
    QRadioButton* byLocation = nullptr;
    QRadioButton* inOrder = nullptr;
    QSpinBox* first = nullptr;
    // The channel the import starts at; 0: by Location.
    [[nodiscard]] int at() const;
  };

  void place();

  std::string text_;
  RadioImage base_;
  CsvImportOptions options_;
  CsvImportResult result_;
  Placement placement_;
  QLabel* summary_ = nullptr;
  std::array<QTableWidget*, 2> tables_{};
  QLabel* hint_ = nullptr;
  QPushButton* import_ = nullptr;
};

}  // namespace radio::gui
