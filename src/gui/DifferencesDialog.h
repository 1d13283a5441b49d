// SPDX-License-Identifier: GPL-3.0-or-later
// The window of differences between two images, Compare With... of two documents
// and a verify of the radio against the document: the channel rows of both sides
// with the changed cells marked, the settings that differ side by side, and the
// bytes no field shows counted in one line, listed by their addresses with "Show
// bytes".
#pragma once

#include <QDialog>
#include <QString>

#include "compare/ImageDiff.h"
#include "model/Language.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

namespace radio::gui {

class DifferencesDialog : public QDialog {
  Q_OBJECT

 public:
  // nameA and nameB: what the two sides are called (the document, a file, the radio).
  DifferencesDialog(const QString& title, const QString& summary, const radio::ImageComparison& comparison,
                    const QString& nameA, const QString& nameB, radio::Language lang, QWidget* parent = nullptr);

  // The differences as `diff` prints them, with the byte ranges when they are shown.
  [[nodiscard]] QString listText() const;
  [[nodiscard]] QTableWidget* channelTable() const { return channels_; }
  [[nodiscard]] QTableWidget* settingTable() const { return settings_; }
  [[nodiscard]] QCheckBox* showBytesBox() const { return showBytes_; }
  // Whether a cell is marked as changed.
  [[nodiscard]] static bool marked(const QTableWidget* table, int row, int column);

 private:
  void fillChannels(const QString& nameA, const QString& nameB);
  void fillSettings(const QString& nameA, const QString& nameB);

  radio::ImageComparison comparison_;
  radio::Language lang_;
  QTableWidget* channels_ = nullptr;
  QTableWidget* settings_ = nullptr;
  QCheckBox* showBytes_ = nullptr;
  QPlainTextEdit* bytes_ = nullptr;
};

}  // namespace radio::gui
