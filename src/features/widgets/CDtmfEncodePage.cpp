// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CDtmfEncodePage.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "features/DtmfEncodeForm.h"
#include "features/widgets/FieldKeyFilter.h"
#include "features/widgets/GridCellEditor.h"
#include "gui/HelpHook.h"
#include "gui/Text.h"

namespace radio::gui {

CDtmfEncodePage::CDtmfEncodePage(RadioImage& image, AppState& state, QWidget* parent)
    : QWidget(parent), image_(image), state_(state) {
  setHelpId(this, 143);
  auto* grid = new QGridLayout(this);
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const FieldInfo& info = *kDtmfEncodeRows[i].info;
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("edit%1").arg(info.helpId));
    setHelpId(edit, info.helpId);
    if (info.rule.maxLength) edit->setMaxLength(static_cast<int>(info.rule.maxLength));
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    edit->installEventFilter(this);
    fields_[i] = edit;
    const int row = static_cast<int>(i);
    QWidget* arrows = makeSpinArrows(this, [this, row](int step) { spin(row, step); });
    setHelpId(arrows, info.spinHelpId);
    grid->addWidget(new QLabel(QString::fromUtf8(info.label.in(state_.lang)), this), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(arrows, row, 2);
  }
  const FieldInfo& sideTone = *kDtmfEncodeRows[4].info;
  sideTone_ = new QCheckBox(QString::fromUtf8(sideTone.label.in(state_.lang)), this);
  setHelpId(sideTone_, sideTone.helpId);
  grid->addWidget(sideTone_, 4, 0, 1, 3);
  grid->setRowStretch(5, 1);

  auto* filter = new FieldKeyFilter([](const KeyStroke& key, QWidget*) { return dtmfEncodeKey(key); }, this);
  filter->watch(this);
}

void CDtmfEncodePage::load() { showForm(loadDtmfEncode(image_)); }

void CDtmfEncodePage::store() {
  DtmfEncodeForm form;
  for (std::size_t i = 0; i < fields_.size(); ++i) form.*kDtmfEncodeRows[i].text = ss(fields_[i]->text());
  form.sideTone = sideTone_->isChecked();
  storeDtmfEncode(form, image_);
  showForm(form);  // the edits show what was stored
}

void CDtmfEncodePage::showForm(const DtmfEncodeForm& form) {
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(qs(form.*kDtmfEncodeRows[i].text));
  sideTone_->setChecked(form.sideTone);
}

void CDtmfEncodePage::spin(int i, int step) {
  QLineEdit* edit = fields_.at(static_cast<std::size_t>(i));
  edit->setText(qs(kDtmfEncodeRows.at(static_cast<std::size_t>(i)).info->rule.spin(ss(edit->text()), step)));
}

bool CDtmfEncodePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    for (std::size_t i = 0; i < fields_.size(); ++i)
      if (watched == fields_[i]) fields_[i]->setText(qs(kDtmfEncodeRows[i].info->rule.leave(ss(fields_[i]->text()))));
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace radio::gui
