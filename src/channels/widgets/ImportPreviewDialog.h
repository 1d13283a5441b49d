// SPDX-License-Identifier: GPL-3.0-or-later
// The preview of a channel-list import: the rows it takes (line, location, the
// channel each goes to and what that channel will hold) and the rows it refuses
// with their reasons, placed by Location or from a channel in file order. It
// changes nothing: OK hands the placed import on, Cancel drops it.
#pragma once

#include <QDialog>
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
  // text: the channel list; base: the image the import starts from. Placing by
  // Location is chosen first unless some Location is outside 1-128.
  ImportPreviewDialog(std::string text, const RadioImage& base, const CsvImportOptions& options,
                      const QString& fileName, QWidget* parent = nullptr);

  // The import as placed now.
  [[nodiscard]] const CsvImportResult& result() const { return result_; }
  [[nodiscard]] QRadioButton* byLocationButton() const { return byLocation_; }
  [[nodiscard]] QRadioButton* inOrderButton() const { return inOrder_; }
  [[nodiscard]] QSpinBox* firstChannelBox() const { return first_; }
  [[nodiscard]] QTableWidget* takenTable() const { return taken_; }
  [[nodiscard]] QTableWidget* refusedTable() const { return refused_; }
  [[nodiscard]] QPushButton* importButton() const { return import_; }

 private:
  void place();

  std::string text_;
  RadioImage base_;
  CsvImportOptions options_;
  CsvImportResult result_;
  QRadioButton* byLocation_ = nullptr;
  QRadioButton* inOrder_ = nullptr;
  QSpinBox* first_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* hint_ = nullptr;
  QTableWidget* taken_ = nullptr;
  QTableWidget* refused_ = nullptr;
  QPushButton* import_ = nullptr;
};

}  // namespace radio::gui
