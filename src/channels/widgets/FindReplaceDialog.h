// SPDX-License-Identifier: GPL-3.0-or-later
// Find and Replace in the channel names (Ctrl+F, Ctrl+H): the names holding the
// text are marked in the grid while the window is open; Find Next goes to the next
// one, Replace changes the current channel's name, Replace All every name, each as
// one change. A name the replacement would make too long is listed, never cut.
#pragma once

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace radio::gui {

class CProgramView;

class FindReplaceDialog : public QDialog {
  Q_OBJECT

 public:
  FindReplaceDialog(CProgramView& view, QWidget* parent = nullptr);

  [[nodiscard]] CProgramView* view() const { return view_; }
  // Ctrl+F puts the cursor into the text to find, Ctrl+H into its replacement.
  void focusFind();
  void focusReplace();

  [[nodiscard]] QLineEdit* findEdit() const { return find_; }
  [[nodiscard]] QLineEdit* replaceEdit() const { return replace_; }
  [[nodiscard]] QCheckBox* matchCaseBox() const { return matchCase_; }
  [[nodiscard]] QString status() const;
  void findNext();
  void replaceCurrent();
  void replaceAll();

 protected:
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void mark();
  void report(const QString& refused, int changed);

  QPointer<CProgramView> view_;
  QLineEdit* find_ = nullptr;
  QLineEdit* replace_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QLabel* status_ = nullptr;
  int matches_ = 0;
};

}  // namespace radio::gui
