// SPDX-License-Identifier: GPL-3.0-or-later
// The timing and tone edits of the 2-Tone pages: a label, an edit and spin arrows
// on each row. An edit is normalised when it loses the focus, and a value still
// being typed is taken the same way when the page stores.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "features/TwoToneEncodeForm.h"
#include "model/Language.h"

class QGridLayout;
class QLineEdit;
class QWidget;

namespace radio::gui {

class TwoToneFields : public QObject {
  Q_OBJECT

 public:
  // Puts one row per entry of rows into layout (rows 0.. of columns 0 to 2) on page.
  template <class Rows>
  TwoToneFields(QWidget* page, QGridLayout* layout, Language lang, const Rows& rows) : QObject(page) {
    for (const auto& row : rows) addRow(page, layout, lang, *row.info);
  }

  // The form's texts into the edits, and back.
  template <class Rows, class Form>
  void load(const Rows& rows, const Form& form) {
    for (std::size_t i = 0; i < rows.size(); ++i) setText(i, form.*rows[i].text);
  }
  // Every edit's text into the form, an edit still being typed in normalised first.
  template <class Rows, class Form>
  void store(const Rows& rows, Form& form) {
    for (std::size_t i = 0; i < rows.size(); ++i) form.*rows[i].text = text(i);
  }

  [[nodiscard]] QLineEdit* edit(int i) const { return edits_.at(static_cast<std::size_t>(i)); }
  void spin(int i, int step);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addRow(QWidget* page, QGridLayout* layout, Language lang, const FieldInfo& info);
  void setText(std::size_t i, const std::string& text);
  [[nodiscard]] std::string text(std::size_t i);
  void leave(std::size_t i);

  std::vector<QLineEdit*> edits_;
  std::vector<const ValueRule*> rules_;
};

}  // namespace radio::gui
