#include "features/widgets/CDtmfEncodePage.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "features/DtmfEncodeForm.h"
#include "features/widgets/CGridCellEditor.h"
#include "features/widgets/FieldKeyFilter.h"
#include "gui/HelpHook.h"
#include "gui/Text.h"

namespace radio::gui {

CDtmfEncodePage::CDtmfEncodePage(RadioImage& image, AppState& state, QWidget* parent)
    : QWidget(parent), image_(image), state_(state) {
  setHelpId(this, 143);
  auto* grid = new QGridLayout(this);
  const int maxLengths[4] = {static_cast<int>(dtmf::kSpeedMaxLength), 32767,
                             static_cast<int>(dtmf::kDigitTimeMaxLength), static_cast<int>(dtmf::kDigitTimeMaxLength)};
  fields_[0].leave = normaliseDtmfSpeed;
  fields_[0].spin = spinDtmfSpeed;
  fields_[1].leave = normaliseDtmfFirstDelay;
  fields_[1].spin = spinDtmfFirstDelay;
  fields_[2].leave = fields_[3].leave = normaliseDtmfDigitTime;
  fields_[2].spin = fields_[3].spin = spinDtmfDigitTime;
  for (int i = 0; i < 4; ++i) {
    auto* edit = new QLineEdit(this);
    const FieldInfo& info = kDtmfEncodeFields[static_cast<std::size_t>(i)];
    edit->setObjectName(QStringLiteral("edit%1").arg(info.helpId));
    setHelpId(edit, info.helpId);
    edit->setMaxLength(maxLengths[i]);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    edit->installEventFilter(this);
    fields_[static_cast<std::size_t>(i)].edit = edit;
    QWidget* arrows = makeSpinArrows(this, [this, i](int step) { spin(i, step); });
    setHelpId(arrows, info.spinHelpId);
    grid->addWidget(new QLabel(QString::fromUtf8(info.label.in(state_.lang)), this), i, 0);
    grid->addWidget(edit, i, 1);
    grid->addWidget(arrows, i, 2);
  }
  sideTone_ = new QCheckBox(QString::fromUtf8(kDtmfEncodeFields[4].label.in(state_.lang)), this);
  setHelpId(sideTone_, kDtmfEncodeFields[4].helpId);
  grid->addWidget(sideTone_, 4, 0, 1, 3);
  grid->setRowStretch(5, 1);

  auto* filter = new FieldKeyFilter([](const KeyStroke& key, QWidget*) { return dtmfEncodeKey(key); }, this);
  filter->watch(this);
}

void CDtmfEncodePage::load() {
  const DtmfEncodeForm form = loadDtmfEncode(image_);
  fields_[0].edit->setText(qs(form.speed));
  fields_[1].edit->setText(qs(form.firstDelay));
  fields_[2].edit->setText(qs(form.firstTime));
  fields_[3].edit->setText(qs(form.starHashTime));
  sideTone_->setChecked(form.sideTone);
}

void CDtmfEncodePage::store() {
  DtmfEncodeForm form;
  form.speed = ss(fields_[0].edit->text());
  form.firstDelay = ss(fields_[1].edit->text());
  form.firstTime = ss(fields_[2].edit->text());
  form.starHashTime = ss(fields_[3].edit->text());
  form.sideTone = sideTone_->isChecked();
  storeDtmfEncode(form, image_);
  // The edits show what was stored.
  fields_[0].edit->setText(qs(form.speed));
  fields_[1].edit->setText(qs(form.firstDelay));
  fields_[2].edit->setText(qs(form.firstTime));
  fields_[3].edit->setText(qs(form.starHashTime));
}

void CDtmfEncodePage::spin(int i, int step) {
  Field& f = fields_.at(static_cast<std::size_t>(i));
  f.edit->setText(qs(f.spin(ss(f.edit->text()), step)));
}

bool CDtmfEncodePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    for (Field& f : fields_)
      if (watched == f.edit) f.edit->setText(qs(f.leave(ss(f.edit->text()))));
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace radio::gui
