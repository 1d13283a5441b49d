// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/DifferencesDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace radio::gui {

DifferencesDialog::DifferencesDialog(const QString& title, const QString& summary,
                                     const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(summary, this);
  label->setWordWrap(true);
  layout->addWidget(label);
  list_ = new QPlainTextEdit(this);
  list_->setReadOnly(true);
  list_->setLineWrapMode(QPlainTextEdit::NoWrap);
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  list_->setPlainText(text.join(QLatin1Char('\n')));
  list_->setVisible(!lines.empty());
  layout->addWidget(list_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(560, lines.empty() ? 120 : 380);
}

QString DifferencesDialog::listText() const { return list_->toPlainText(); }

}  // namespace radio::gui
