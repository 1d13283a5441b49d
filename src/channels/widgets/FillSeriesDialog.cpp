// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/widgets/FillSeriesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "channels/widgets/CProgramView.h"
#include "gui/HelpHook.h"
#include "gui/Text.h"

namespace radio::gui {

FillSeriesDialog::FillSeriesDialog(CProgramView& view, ChannelSpan rows, QWidget* parent)
    : QDialog(parent), view_(view) {
  setObjectName(QStringLiteral("fillSeries"));
  setWindowTitle(tr("Fill Series"));
  setHelpId(this, windowhelp::kFillSeries.id);
  installHelpKey(this);

  rowsEdit_ = new QLineEdit(QStringLiteral("%1-%2").arg(rows.first).arg(rows.last), this);
  start_ = new QLineEdit(qs(view.grid().cell(rows.first, ColRx)), this);
  start_->setPlaceholderText(QStringLiteral("446.00625"));
  step_ = new QLineEdit(this);
  step_->setPlaceholderText(QStringLiteral("0.0125"));
  useOffset_ = new QCheckBox(tr("Tx &offset (MHz):"), this);
  offset_ = new QLineEdit(this);
  offset_->setPlaceholderText(QStringLiteral("-7.6"));
  offset_->setEnabled(false);
  connect(useOffset_, &QCheckBox::toggled, offset_, &QWidget::setEnabled);
  name_ = new QLineEdit(this);
  name_->setPlaceholderText(QStringLiteral("PMR%d"));

  auto* form = new QFormLayout;
  form->addRow(tr("&Channels (A-B):"), rowsEdit_);
  form->addRow(tr("&First Rx frequency (MHz):"), start_);
  form->addRow(tr("&Step (MHz):"), step_);
  form->addRow(useOffset_, offset_);
  form->addRow(tr("&Names (%d counts 1, 2, ...):"), name_);
  auto* note = new QLabel(tr("Without an offset the Tx frequency equals the Rx one. An empty step keeps one "
                             "frequency; an empty name pattern keeps the names."),
                          this);
  note->setWordWrap(true);

  problems_ = new QPlainTextEdit(this);
  problems_->setReadOnly(true);
  problems_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  problems_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  problems_->hide();

  QDialogButtonBox* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(problems_, 1);
  layout->addWidget(buttons);
  setMinimumWidth(420);
}

QString FillSeriesDialog::problems() const { return problems_->isHidden() ? QString() : problems_->toPlainText(); }

void FillSeriesDialog::showProblems(const QString& text) {
  problems_->setPlainText(text);
  problems_->setVisible(!text.isEmpty());
  if (!text.isEmpty()) resize(width(), std::max(height(), 360));
}

void FillSeriesDialog::accept() {
  const std::optional<ChannelSpan> rows = parseChannelSpan(ss(rowsEdit_->text().trimmed()));
  if (!rows) {
    showProblems(tr("The channels are A-B, from 1 to 128, such as 1-16."));
    rowsEdit_->setFocus();
    return;
  }
  const std::string start = ss(start_->text().trimmed());
  if (start.empty() || !frequencyEditorTakes(ColRx, start)) {
    showProblems(tr("The first Rx frequency is a frequency in MHz, such as 446.00625."));
    start_->setFocus();
    return;
  }
  SeriesPlan plan;
  plan.start = parseFrequencyText(start).value;
  const auto step =
      step_->text().trimmed().isEmpty() ? std::optional<std::int32_t>(0) : parseMegahertz(ss(step_->text()));
  if (!step) {
    showProblems(tr("The step is a number of MHz, such as 0.0125 or -0.025."));
    step_->setFocus();
    return;
  }
  plan.step = *step;
  if (useOffset_->isChecked()) {
    plan.offset = parseMegahertz(ss(offset_->text()));
    if (!plan.offset) {
      showProblems(tr("The offset is a number of MHz, such as -7.6 or 0.6."));
      offset_->setFocus();
      return;
    }
  }
  plan.namePattern = ss(name_->text());
  const QString refused = view_.fillSeries(*rows, plan);
  if (!refused.isEmpty()) {
    showProblems(refused);
    return;
  }
  QDialog::accept();
}

}  // namespace radio::gui
