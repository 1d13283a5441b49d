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

  // Created in the window's tab order: the offset's check box comes before its edit.
  const auto newEdit = [this](Edit which, const QString& placeholder, const QString& text = {}) {
    auto* line = new QLineEdit(text, this);
    line->setPlaceholderText(placeholder);
    edits_.at(static_cast<std::size_t>(which)) = line;
    return line;
  };
  newEdit(Edit::Rows, {}, QStringLiteral("%1-%2").arg(rows.first).arg(rows.last));
  newEdit(Edit::Start, QStringLiteral("446.00625"), qs(view.grid().cell(rows.first, ColRx)));
  newEdit(Edit::Step, QStringLiteral("0.0125"));
  useOffset_ = new QCheckBox(tr("Tx &offset (MHz):"), this);
  QLineEdit* offset = newEdit(Edit::Offset, QStringLiteral("-7.6"));
  offset->setEnabled(false);
  connect(useOffset_, &QCheckBox::toggled, offset, &QWidget::setEnabled);
  newEdit(Edit::Name, QStringLiteral("PMR%d"));

  auto* form = new QFormLayout;
  form->addRow(tr("&Channels (A-B):"), edit(Edit::Rows));
  form->addRow(tr("&First Rx frequency (MHz):"), edit(Edit::Start));
  form->addRow(tr("&Step (MHz):"), edit(Edit::Step));
  form->addRow(useOffset_, offset);
  form->addRow(tr("&Names (%d counts 1, 2, ...):"), edit(Edit::Name));
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

void FillSeriesDialog::refuse(Edit which, const QString& text) {
  showProblems(text);
  edit(which)->setFocus();
}

void FillSeriesDialog::accept() {
  const std::optional<ChannelSpan> rows = parseChannelSpan(ss(edit(Edit::Rows)->text().trimmed()));
  if (!rows) return refuse(Edit::Rows, tr("The channels are A-B, from 1 to 128, such as 1-16."));
  const std::string start = ss(edit(Edit::Start)->text().trimmed());
  if (start.empty() || !frequencyEditorTakes(ColRx, start))
    return refuse(Edit::Start, tr("The first Rx frequency is a frequency in MHz, such as 446.00625."));
  SeriesPlan plan;
  plan.start = parseFrequencyText(start).value;
  const QString step = edit(Edit::Step)->text();
  const auto stepValue = step.trimmed().isEmpty() ? std::optional<std::int32_t>(0) : parseMegahertz(ss(step));
  if (!stepValue) return refuse(Edit::Step, tr("The step is a number of MHz, such as 0.0125 or -0.025."));
  plan.step = *stepValue;
  if (useOffset_->isChecked()) {
    plan.offset = parseMegahertz(ss(edit(Edit::Offset)->text()));
    if (!plan.offset) return refuse(Edit::Offset, tr("The offset is a number of MHz, such as -7.6 or 0.6."));
  }
  plan.namePattern = ss(edit(Edit::Name)->text());
  const QString refused = view_.fillSeries(*rows, plan);
  if (!refused.isEmpty()) return showProblems(refused);
  QDialog::accept();
}

}  // namespace radio::gui
