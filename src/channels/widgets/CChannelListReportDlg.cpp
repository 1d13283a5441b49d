#include "channels/widgets/CChannelListReportDlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace radio::gui {
namespace {

QString localText(const Text& t, Language lang) { return QString::fromUtf8(t.in(lang)); }

}  // namespace

CChannelListReportDlg::CChannelListReportDlg(const CsvImportResult& result, const QString& fileName, Language lang,
                                             QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("channelListReport"));
  setWindowTitle(localText({"Import Channels", "导入信道"}, lang));
  setAttribute(Qt::WA_DeleteOnClose);

  const QString text =
      result.imported() == 0
          ? localText(
                {"No channel was imported from %1; the document is unchanged.", "未从 %1 导入任何信道，文档未改变。"},
                lang)
                .arg(fileName)
          : localText({"%1 channel(s) imported from %2, %3 row(s) skipped.", "已从 %2 导入 %1 个信道，跳过 %3 行。"},
                      lang)
                .arg(result.imported())
                .arg(fileName)
                .arg(result.skipped.size());
  summary_ = new QLabel(text, this);
  summary_->setWordWrap(true);

  QStringList lines;
  if (!result.skipped.empty()) lines << localText({"Skipped rows:", "跳过的行："}, lang);
  for (const CsvReportLine& line : result.skipped) lines << QString::fromStdString(line.text(lang));
  if (!result.notes.empty()) lines << localText({"Changed on the way:", "导入时的改动："}, lang);
  for (const CsvReportLine& line : result.notes) lines << QString::fromStdString(line.text(lang));
  lines_ = new QPlainTextEdit(lines.join(QLatin1Char('\n')), this);
  lines_->setReadOnly(true);
  // Long lines wrap: every message is read whole without scrolling sideways.
  lines_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  lines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  lines_->setVisible(!lines.isEmpty());

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(localText({"Close", "关闭"}, lang));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(lines_, 1);
  layout->addWidget(buttons);
  resize(lines.isEmpty() ? 420 : 640, lines.isEmpty() ? 120 : 360);
}

QString CChannelListReportDlg::summary() const { return summary_->text(); }

QString CChannelListReportDlg::lines() const { return lines_->toPlainText(); }

}  // namespace radio::gui
