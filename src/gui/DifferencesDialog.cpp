// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/DifferencesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <tuple>

#include "app/HelpTopics.h"
#include "gui/HelpHook.h"

namespace radio::gui {

namespace {

// The mark of a changed cell: a bold text on a light background.
const QColor kChangedBackground(255, 226, 150);

QTableWidgetItem* cellItem(const std::string& text, bool changed) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  if (changed) {
    item->setBackground(kChangedBackground);
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
  }
  return item;
}

QTableWidget* newTable(QWidget* parent, const QStringList& heads) {
  auto* table = new QTableWidget(0, static_cast<int>(heads.size()), parent);
  table->setHorizontalHeaderLabels(heads);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::ContiguousSelection);
  return table;
}

}  // namespace

DifferencesDialog::DifferencesDialog(const QString& title, const QString& summary,
                                     const radio::ImageComparison& comparison, const QString& nameA,
                                     const QString& nameB, radio::Language lang, QWidget* parent)
    : QDialog(parent), comparison_(comparison), lang_(lang) {
  setWindowTitle(title);
  setObjectName(QStringLiteral("Differences"));
  setHelpId(this, windowhelp::kDifferences.id);
  installHelpKey(this);
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(summary, this);
  label->setWordWrap(true);
  layout->addWidget(label);

  fillChannels(nameA, nameB);
  fillSettings(nameA, nameB);
  // The channels take the most room, the settings the rest.
  for (const auto& [table, heading, stretch] :
       {std::tuple{channels_, tr("Channels"), 3}, std::tuple{settings_, tr("Settings"), 2}}) {
    if (table->rowCount() == 0) {
      table->hide();
      continue;
    }
    layout->addWidget(new QLabel(heading, this));
    layout->addWidget(table, stretch);
  }

  showBytes_ = new QCheckBox(tr("Show bytes"), this);
  bytes_ = new QPlainTextEdit(this);
  bytes_->setReadOnly(true);
  bytes_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QStringList ranges;
  for (const radio::ByteRange& range : comparison_.unshown) ranges << QString::fromStdString(byteRangeText(range));
  bytes_->setPlainText(ranges.join(QLatin1Char('\n')));
  bytes_->setMaximumHeight(bytes_->fontMetrics().lineSpacing() * 8);
  bytes_->hide();
  connect(showBytes_, &QCheckBox::toggled, bytes_, &QWidget::setVisible);
  if (!comparison_.unshown.empty()) {
    layout->addWidget(new QLabel(QString::fromStdString(unshownBytesText(comparison_.unshownBytes(), lang_)), this));
    layout->addWidget(showBytes_);
    layout->addWidget(bytes_);
  } else {
    showBytes_->hide();
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(comparison_.channels.empty() ? 620 : 900, comparison_.same() ? 120 : 520);
}

void DifferencesDialog::fillChannels(const QString& nameA, const QString& nameB) {
  QStringList heads{QString::fromStdString(columnHeader(0, lang_)), QString()};
  for (int c = ColRx; c <= ColBusy; ++c) heads << QString::fromStdString(columnHeader(c, lang_)).trimmed();
  channels_ = newTable(this, heads);
  // Two lines a channel: the first side's row, then the other's, changed cells marked in both.
  for (const radio::ChannelChange& change : comparison_.channels) {
    for (const bool second : {false, true}) {
      const int line = channels_->rowCount();
      channels_->insertRow(line);
      channels_->setItem(line, 0, cellItem(second ? std::string() : rowLabel(change.row), false));
      channels_->setItem(line, 1, cellItem((second ? nameB : nameA).toStdString(), false));
      const RowTexts& texts = second ? change.b : change.a;
      for (int c = ColRx; c <= ColBusy; ++c) channels_->setItem(line, c + 1, cellItem(texts[c], change.changed(c)));
    }
  }
  channels_->resizeColumnsToContents();
}

void DifferencesDialog::fillSettings(const QString& nameA, const QString& nameB) {
  settings_ = newTable(this, {tr("Setting"), tr("Key"), nameA, nameB});
  for (const radio::SettingChange& change : comparison_.settings) {
    const int line = settings_->rowCount();
    settings_->insertRow(line);
    settings_->setItem(line, 0, cellItem(change.label, false));
    settings_->setItem(line, 1, cellItem(change.key, false));
    settings_->setItem(line, 2, cellItem(change.a, true));
    settings_->setItem(line, 3, cellItem(change.b, true));
  }
  settings_->resizeColumnsToContents();
  settings_->horizontalHeader()->setStretchLastSection(true);
}

bool DifferencesDialog::marked(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item && item->font().bold();
}

QString DifferencesDialog::listText() const {
  QStringList lines;
  for (const std::string& line : comparisonLines(comparison_, showBytes_->isChecked(), lang_))
    lines << QString::fromStdString(line);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace radio::gui
