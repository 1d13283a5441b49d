// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/widgets/ChannelListReportDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace radio::gui {

ChannelListReportDialog::ChannelListReportDialog(const CsvImportResult& result, const QString& fileName, Language lang,
                                                 QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("channelListReport"));
  setWindowTitle(tr("Import Channels"));
  setAttribute(Qt::WA_DeleteOnClose);

  const QString text = result.imported() == 0
                           ? tr("No channel was imported from %1; the document is unchanged.").arg(fileName)
                           : tr("%1 channel(s) imported from %2, %3 row(s) skipped.")
                                 .arg(result.imported())
                                 .arg(fileName)
                                 .arg(result.skipped.size());
  summary_ = new QLabel(text, this);
  summary_->setWordWrap(true);

  QStringList lines;
  if (!result.skipped.empty()) lines << tr("Skipped rows:");
  for (const CsvReportLine& line : result.skipped) lines << QString::fromStdString(line.text(lang));
  if (!result.notes.empty()) lines << tr("Changed on the way:");
  for (const CsvReportLine& line : result.notes) lines << QString::fromStdString(line.text(lang));
  lines_ = new QPlainTextEdit(lines.join(QLatin1Char('\n')), this);
  lines_->setReadOnly(true);
  // Long lines wrap: every message is read whole without scrolling sideways.
  lines_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  lines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  lines_->setVisible(!lines.isEmpty());

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(lines_, 1);
  layout->addWidget(buttons);
  resize(lines.isEmpty() ? 420 : 640, lines.isEmpty() ? 120 : 360);
}

QString ChannelListReportDialog::summary() const { return summary_->text(); }

QString ChannelListReportDialog::lines() const { return lines_->toPlainText(); }

}  // namespace radio::gui
