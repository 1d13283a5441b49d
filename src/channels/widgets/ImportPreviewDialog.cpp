// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/widgets/ImportPreviewDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <map>

#include "app/HelpTopics.h"
#include "gui/HelpHook.h"

namespace radio::gui {

namespace {

QTableWidget* newTable(QWidget* parent, const QStringList& heads) {
  auto* table = new QTableWidget(0, static_cast<int>(heads.size()), parent);
  table->setHorizontalHeaderLabels(heads);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

void setRows(QTableWidget* table, const QList<QStringList>& rows) {
  table->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size(); ++c) table->setItem(r, c, new QTableWidgetItem(rows[r][c]));
  table->resizeColumnsToContents();
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ImportPreviewDialog::ImportPreviewDialog(std::string text, const RadioImage& base, const CsvImportOptions& options,
                                         const QString& fileName, QWidget* parent)
    : QDialog(parent), text_(std::move(text)), base_(base), options_(options) {
  setWindowTitle(tr("Import Channels"));
  setObjectName(QStringLiteral("importPreview"));
  setHelpId(this, windowhelp::kImportPreview.id);
  installHelpKey(this);

  placement_.byLocation = new QRadioButton(tr("Place by Location"), this);
  placement_.inOrder = new QRadioButton(tr("Place in file order from channel"), this);
  placement_.first = new QSpinBox(this);
  placement_.first->setRange(1, kCsvChannels);
  placement_.first->setValue(options.at > 0 ? options.at : 1);
  auto* choice = new QHBoxLayout;
  choice->addWidget(placement_.byLocation);
  choice->addSpacing(12);
  choice->addWidget(placement_.inOrder);
  choice->addWidget(placement_.first);
  choice->addStretch(1);

  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  hint_ = new QLabel(tr("Some rows name a Location outside 1-128; placing the rows in file order takes them."), this);
  hint_->setWordWrap(true);

  QStringList takenHeads{tr("Line"), tr("Location"), tr("Channel")};
  for (const int c : {ColRx, ColTx, ColDecode, ColEncode, ColName, ColPower})
    takenHeads << qs(columnHeader(c, options.lang)).trimmed();
  takenHeads << tr("Note");
  tables_ = {newTable(this, takenHeads), newTable(this, {tr("Line"), tr("Location"), tr("Name"), tr("Reason")})};

  auto* buttons = new QDialogButtonBox(this);
  import_ = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  import_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Channel list: %1").arg(fileName), this));
  layout->addLayout(choice);
  layout->addWidget(summary_);
  layout->addWidget(new QLabel(tr("Rows to import:"), this));
  layout->addWidget(table(Rows::Taken), 3);
  layout->addWidget(new QLabel(tr("Refused rows:"), this));
  layout->addWidget(table(Rows::Refused), 2);
  layout->addWidget(hint_);
  layout->addWidget(buttons);
  resize(900, 560);

  // Many shared lists number their rows from 0: file order is preselected when
  // placing by Location would refuse rows for where they are.
  options_.at = 0;
  result_ = importChannelsCsv(text_, base_, options_);
  (result_.locationsOutside() ? placement_.inOrder : placement_.byLocation)->setChecked(true);
  place();
  connect(placement_.byLocation, &QRadioButton::toggled, this, &ImportPreviewDialog::place);
  connect(placement_.first, &QSpinBox::valueChanged, this, [this] {
    if (!placement_.inOrder->isChecked()) placement_.inOrder->setChecked(true);
    place();
  });
}

int ImportPreviewDialog::Placement::at() const { return inOrder->isChecked() ? first->value() : 0; }

void ImportPreviewDialog::place() {
  options_.at = placement_.at();
  result_ = importChannelsCsv(text_, base_, options_);

  std::map<int, QStringList> notes;  // by line
  for (const CsvReportLine& note : result_.notes) notes[note.line] << qs(note.message);
  QList<QStringList> taken;
  for (const CsvPlacedRow& placed : result_.placed) {
    QStringList cells{QString::number(placed.line), qs(placed.location), qs(rowLabel(placed.channel))};
    for (const int c : {ColRx, ColTx, ColDecode, ColEncode, ColName, ColPower}) cells << qs(placed.texts[c]);
    cells << notes[placed.line].join(QStringLiteral("; "));
    taken << cells;
  }
  QList<QStringList> refused;
  for (const CsvReportLine& line : result_.skipped)
    refused << QStringList{QString::number(line.line), qs(line.location), qs(line.name), qs(line.message)};
  setRows(table(Rows::Taken), taken);
  setRows(table(Rows::Refused), refused);

  summary_->setText(tr("%1 channel(s) to import, %2 row(s) refused.")
                        .arg(result_.imported())
                        .arg(static_cast<int>(result_.skipped.size())));
  hint_->setVisible(result_.locationsOutside());
  import_->setEnabled(result_.imported() > 0);
}

}  // namespace radio::gui
