#include "features/widgets/CTwoToneDecodePage.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "features/TwoToneDecodeForm.h"
#include "features/widgets/CGridCellEditor.h"
#include "features/widgets/CGridCellEditorKeyFilter.h"
#include "gui/Text.h"

namespace radio::gui {

CTwoToneDecodePage::CTwoToneDecodePage(RadioImage& image, AppState& state, int entry, QWidget* parent)
    : QWidget(parent), image_(image), state_(state), entry_(entry) {
  setProperty("controlId", 146 + entry);
  auto* layout = new QGridLayout(this);
  kinds_ = {TwoToneField::Tone,  TwoToneField::Tone,           TwoToneField::Delay,
            TwoToneField::Delay, TwoToneField::DecodeInterval, TwoToneField::Delay};
  for (int i = 0; i < 6; ++i) {
    auto* edit = new QLineEdit(this);
    const FieldInfo& info = kTwoToneDecodeFields[static_cast<std::size_t>(i)];
    edit->setProperty("controlId", info.helpId);
    edit->setMaxLength(static_cast<int>(twoToneMaxLength(kinds_[static_cast<std::size_t>(i)])));
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    edit->installEventFilter(this);
    edits_[static_cast<std::size_t>(i)] = edit;
    QWidget* arrows = makeSpinArrows(this, [this, i](int step) { spin(i, step); });
    arrows->setProperty("controlId", 1068 + i);
    layout->addWidget(new QLabel(QString::fromUtf8(info.label.in(state_.lang)), this), i, 0);
    layout->addWidget(edit, i, 1);
    layout->addWidget(arrows, i, 2);
  }
  layout->setRowStretch(6, 1);
  auto* filter = new CGridCellEditorKeyFilter([](const KeyStroke& key, QWidget*) { return twoToneKey(key, false); },
                                              146 + entry, this);
  filter->watch(this);
}

void CTwoToneDecodePage::load() {
  const TwoToneDecodeForm form = loadTwoToneDecode(image_, entry_);
  const std::string* texts[6] = {&form.aTone,       &form.bTone,    &form.firstDelay,
                                 &form.secondDelay, &form.interval, &form.longDelay};
  for (int i = 0; i < 6; ++i) edits_[static_cast<std::size_t>(i)]->setText(qs(*texts[i]));
}

void CTwoToneDecodePage::store() {
  // A value still being typed is taken as leaving its edit would leave it.
  for (std::size_t i = 0; i < edits_.size(); ++i)
    if (edits_[i] == QApplication::focusWidget() && edits_[i]->isModified())
      edits_[i]->setText(qs(twoToneLeave(kinds_[i], ss(edits_[i]->text()))));
  TwoToneDecodeForm form;
  std::string* texts[6] = {&form.aTone,       &form.bTone,    &form.firstDelay,
                           &form.secondDelay, &form.interval, &form.longDelay};
  for (int i = 0; i < 6; ++i) *texts[i] = ss(edits_[static_cast<std::size_t>(i)]->text());
  storeTwoToneDecode(form, image_, entry_);
}

void CTwoToneDecodePage::spin(int i, int step) {
  QLineEdit* e = edits_.at(static_cast<std::size_t>(i));
  e->setText(qs(twoToneSpin(kinds_.at(static_cast<std::size_t>(i)), ss(e->text()), step)));
}

bool CTwoToneDecodePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    for (std::size_t i = 0; i < edits_.size(); ++i)
      if (watched == edits_[i]) edits_[i]->setText(qs(twoToneLeave(kinds_[i], ss(edits_[i]->text()))));
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace radio::gui
