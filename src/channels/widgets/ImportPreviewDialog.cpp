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

void setRow(QTableWidget* table, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
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

  byLocation_ = new QRadioButton(tr("Place by Location"), this);
  inOrder_ = new QRadioButton(tr("Place in file order from channel"), this);
  first_ = new QSpinBox(this);
  first_->setRange(1, kCsvChannels);
  first_->setValue(options.at > 0 ? options.at : 1);
  auto* choice = new QHBoxLayout;
  choice->addWidget(byLocation_);
  choice->addSpacing(12);
  choice->addWidget(inOrder_);
  choice->addWidget(first_);
  choice->addStretch(1);

  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  hint_ = new QLabel(tr("Some rows name a Location outside 1-128; placing the rows in file order takes them."), this);
  hint_->setWordWrap(true);

  QStringList takenHeads{tr("Line"), tr("Location"), tr("Channel")};
  for (const int c : {ColRx, ColTx, ColDecode, ColEncode, ColName, ColPower})
    takenHeads << qs(columnHeader(c, options.lang)).trimmed();
  takenHeads << tr("Note");
  taken_ = newTable(this, takenHeads);
  refused_ = newTable(this, {tr("Line"), tr("Location"), tr("Name"), tr("Reason")});

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
  layout->addWidget(taken_, 3);
  layout->addWidget(new QLabel(tr("Refused rows:"), this));
  layout->addWidget(refused_, 2);
  layout->addWidget(hint_);
  layout->addWidget(buttons);
  resize(900, 560);

  // Many shared lists number their rows from 0: file order is preselected when
  // placing by Location would refuse rows for where they are.
  options_.at = 0;
  result_ = importChannelsCsv(text_, base_, options_);
  (result_.locationsOutside() ? inOrder_ : byLocation_)->setChecked(true);
  place();
  connect(byLocation_, &QRadioButton::toggled, this, &ImportPreviewDialog::place);
  connect(first_, &QSpinBox::valueChanged, this, [this] {
    if (!inOrder_->isChecked()) inOrder_->setChecked(true);
    place();
  });
}

void ImportPreviewDialog::place() {
  options_.at = inOrder_->isChecked() ? first_->value() : 0;
  result_ = importChannelsCsv(text_, base_, options_);

  std::map<int, QStringList> notes;  // by line
  for (const CsvReportLine& note : result_.notes) notes[note.line] << qs(note.message);
  taken_->setRowCount(static_cast<int>(result_.placed.size()));
  int row = 0;
  for (const CsvPlacedRow& placed : result_.placed) {
    QStringList cells{QString::number(placed.line), qs(placed.location), qs(rowLabel(placed.channel))};
    for (const int c : {ColRx, ColTx, ColDecode, ColEncode, ColName, ColPower}) cells << qs(placed.texts[c]);
    cells << notes[placed.line].join(QStringLiteral("; "));
    setRow(taken_, row++, cells);
  }
  refused_->setRowCount(static_cast<int>(result_.skipped.size()));
  row = 0;
  for (const CsvReportLine& line : result_.skipped)
    setRow(refused_, row++, {QString::number(line.line), qs(line.location), qs(line.name), qs(line.message)});
  taken_->resizeColumnsToContents();
  refused_->resizeColumnsToContents();

  summary_->setText(tr("%1 channel(s) to import, %2 row(s) refused.")
                        .arg(result_.imported())
                        .arg(static_cast<int>(result_.skipped.size())));
  hint_->setVisible(result_.locationsOutside());
  import_->setEnabled(result_.imported() > 0);
}

}  // namespace radio::gui
