// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CTwoToneEncodePage.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

#include "features/TwoToneEncodeForm.h"
#include "features/widgets/FieldKeyFilter.h"
#include "features/widgets/GridCellEditor.h"
#include "features/widgets/TwoToneFields.h"
#include "gui/HelpHook.h"
#include "gui/Text.h"

namespace radio::gui {

namespace {
constexpr int kBaseColumnWidth = 90;  // the number column as the grid is created, in pixels
constexpr int kRows = twotone::kEncodeEntries + 1;

}  // namespace

CTwoToneEncodePage::CTwoToneEncodePage(RadioImage& image, AppState& state, QWidget* parent)
    : QWidget(parent), image_(image), state_(state) {
  setHelpId(this, 156);
  auto* layout = new QHBoxLayout(this);
  auto* timing = new QGridLayout;
  fields_ = new TwoToneFields(this, timing, state_.lang, kTwoToneTimingRows);
  shortBeep_ = new QCheckBox(QString::fromUtf8(kTwoToneTimingFields[5].label.in(state_.lang)), this);
  setHelpId(shortBeep_, kTwoToneTimingFields[5].helpId);
  timing->addWidget(shortBeep_, 5, 0, 1, 3);
  timing->setRowStretch(6, 1);
  layout->addLayout(timing);

  grid_ = new QTableWidget(this);
  setHelpId(grid_, kTwoToneToneFields[0].helpId);
  setUpCallGrid(grid_, kRows, 3);
  grid_->item(0, 0)->setText(tr("Num"));
  grid_->item(0, 1)->setText(QString::fromUtf8(kTwoToneToneFields[0].label.in(state_.lang)));
  grid_->item(0, 2)->setText(QString::fromUtf8(kTwoToneToneFields[1].label.in(state_.lang)));
  for (int r = 1; r < kRows; ++r) grid_->item(r, 0)->setText(QString::number(r));
  grid_->setColumnWidth(0, static_cast<int>(kBaseColumnWidth * 0.51));
  grid_->setColumnWidth(1, static_cast<int>(kBaseColumnWidth * 1.22));
  grid_->setColumnWidth(2, static_cast<int>(kBaseColumnWidth * 1.22));
  grid_->setMinimumWidth(grid_->columnWidth(0) + 2 * grid_->columnWidth(1) + 2 * grid_->frameWidth() +
                         grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
  grid_->setMinimumHeight(12 * grid_->rowHeight(0));
  layout->addWidget(grid_, 1);

  editor_ = new GridCellEditor(grid_, static_cast<int>(kTwoToneToneFields[0].rule.maxLength), false);
  setHelpId(editor_, 1135);
  editor_->setFont(font());
  editor_->setContextMenuPolicy(Qt::NoContextMenu);
  editor_->setAcceptDrops(false);
  editor_->setCommitRule([](const std::string& text) { return kTwoToneToneFields[0].rule.leave(text); });

  auto* filter = new FieldKeyFilter([](const KeyStroke& key, QWidget*) { return twoToneKey(key, true); }, this);
  filter->watch(this);
}

void CTwoToneEncodePage::load() {
  editor_->hide();
  const TwoToneEncodeForm form = loadTwoToneEncode(image_);
  fields_->load(kTwoToneTimingRows, form);
  shortBeep_->setChecked(form.shortBeep);
  const QSignalBlocker block(grid_);
  for (int n = 0; n < twotone::kEncodeEntries; ++n)
    for (int t = 0; t < 2; ++t)
      grid_->item(n + 1, t + 1)->setText(qs(form.tones[static_cast<std::size_t>(n)][static_cast<std::size_t>(t)]));
}

void CTwoToneEncodePage::store() {
  editor_->commit();
  TwoToneEncodeForm form;
  fields_->store(kTwoToneTimingRows, form);
  form.shortBeep = shortBeep_->isChecked();
  for (int n = 0; n < twotone::kEncodeEntries; ++n)
    for (int t = 0; t < 2; ++t)
      form.tones[static_cast<std::size_t>(n)][static_cast<std::size_t>(t)] = ss(grid_->item(n + 1, t + 1)->text());
  storeTwoToneEncode(form, image_);
}

QLineEdit* CTwoToneEncodePage::edit(int i) const { return fields_->edit(i); }

void CTwoToneEncodePage::spin(int i, int step) { fields_->spin(i, step); }

}  // namespace radio::gui
