// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CDtmfDecodePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "features/DtmfDecodeForm.h"
#include "features/widgets/FieldKeyFilter.h"
#include "features/widgets/GridCellEditor.h"
#include "gui/HelpHook.h"
#include "gui/Text.h"

namespace radio::gui {

namespace {

QComboBox* makeList(QWidget* parent, const std::vector<std::string>& entries, int id) {
  auto* list = new QComboBox(parent);
  setHelpId(list, id);
  for (const auto& e : entries) list->addItem(QString::fromStdString(e));
  list->setMaxVisibleItems(9);
  list->hide();
  return list;
}

}  // namespace

CDtmfDecodePage::CDtmfDecodePage(RadioImage& image, AppState& state, QWidget* parent)
    : QWidget(parent), image_(image), state_(state) {
  const auto label = [this](std::size_t field) {
    return QString::fromUtf8(kDtmfDecodeFields[field].label.in(state_.lang));
  };
  setHelpId(this, 144);
  auto* layout = new QGridLayout(this);

  idCode_ = new QLineEdit(this);
  setHelpId(idCode_, kDtmfDecodeFields[0].helpId);
  idCode_->setMaxLength(static_cast<int>(dtmf::kCodeLength));
  setUpperCaseInput(idCode_);
  layout->addWidget(new QLabel(label(0), this), 0, 0);
  layout->addWidget(idCode_, 0, 1);

  groupCode_.edit = new QLineEdit(this);
  setHelpId(groupCode_.edit, kDtmfDecodeFields[1].helpId);
  groupCode_.edit->setReadOnly(true);
  groupCode_.edit->installEventFilter(this);
  layout->addWidget(new QLabel(label(1), this), 1, 0);
  layout->addWidget(groupCode_.edit, 1, 1);

  auto* stunBox = new QGroupBox(tr("Stun"), this);
  auto* stun = new QGridLayout(stunBox);
  stunActivation_ = new QCheckBox(label(2), stunBox);
  setHelpId(stunActivation_, kDtmfDecodeFields[2].helpId);
  auto* stunCodeLabel = new QLabel(label(3), stunBox);
  stunCode_ = new QLineEdit(stunBox);
  setHelpId(stunCode_, kDtmfDecodeFields[3].helpId);
  stunCode_->setMaxLength(static_cast<int>(dtmf::kCodeLength));
  stunCode_->setContextMenuPolicy(Qt::NoContextMenu);
  stunCode_->setAcceptDrops(false);
  setUpperCaseInput(stunCode_);
  auto* stunTypeLabel = new QLabel(label(4), stunBox);
  stunType_.edit = new QLineEdit(stunBox);
  setHelpId(stunType_.edit, kDtmfDecodeFields[4].helpId);
  stunType_.edit->setReadOnly(true);
  stunType_.edit->installEventFilter(this);
  stun->addWidget(stunActivation_, 0, 0, 1, 2);
  stun->addWidget(stunCodeLabel, 1, 0);
  stun->addWidget(stunCode_, 1, 1);
  stun->addWidget(stunTypeLabel, 2, 0);
  stun->addWidget(stunType_.edit, 2, 1);
  stunControls_ = {stunCodeLabel, stunCode_, stunTypeLabel, stunType_.edit};
  layout->addWidget(stunBox, 2, 0, 1, 2);
  layout->setRowStretch(3, 1);

  // The two lists laid over their edits while these have the focus.
  groupCode_.list = makeList(this, dtmfGroupCodeChoices(state_.lang), 1124);
  stunType_.list = makeList(stunBox, dtmfStunTypeChoices(state_.lang), 1136);
  groupCode_.list->installEventFilter(this);
  stunType_.list->installEventFilter(this);
  // Tab goes from each list to the field after its edit; Shift+Tab from the
  // field after it reaches the edit again (an open list hides its edit).
  QWidget* order[] = {idCode_,   groupCode_.edit, groupCode_.list, stunActivation_,
                      stunCode_, stunType_.edit,  stunType_.list};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(stunActivation_, &QCheckBox::clicked, this, [this] { enableStunControls(); });

  auto* filter = new FieldKeyFilter(
      [this](const KeyStroke& key, QWidget* focus) { return dtmfDecodeKey(key, focus == stunCode_); }, this);
  filter->watch(this);
}

void CDtmfDecodePage::load() {
  closeLists();
  const DtmfDecodeForm form = loadDtmfDecode(image_, state_.lang);
  idCode_->setText(codeQs(form.idCode));
  groupCode_.edit->setText(QString::fromStdString(form.groupCode));
  stunActivation_->setChecked(form.stunActivation);
  stunCode_->setText(codeQs(form.stunCode));
  stunType_.edit->setText(QString::fromStdString(form.stunType));
  enableStunControls();
}

void CDtmfDecodePage::store() {
  // An open list writes its choice back first.
  closeLists();
  DtmfDecodeForm form;
  form.idCode = codeBytes(idCode_->text());
  // "Off" is compared as the text it is (the Chinese one is no Latin-1 text); a
  // code is its character's byte.
  const QString group = groupCode_.edit->text();
  const bool off = group == QString::fromUtf8(kGroupCodeOff.en) || group == QString::fromUtf8(kGroupCodeOff.zh);
  form.groupCode = off ? group.toStdString() : codeBytes(group);
  form.stunActivation = stunActivation_->isChecked();
  form.stunCode = codeBytes(stunCode_->text());
  form.stunType = stunType_.edit->text().toStdString();
  storeDtmfDecode(form, image_);
}

void CDtmfDecodePage::enableStunControls() {
  const bool on = stunActivation_->isChecked();
  for (QWidget* w : stunControls_) w->setEnabled(on);
}

void CDtmfDecodePage::openList(const ChoiceEdit& choice) {
  QLineEdit* edit = choice.edit;
  QComboBox* list = choice.list;
  int index = list->findText(edit->text());
  if (index < 0 && !edit->text().isEmpty()) {
    // A stored value the list does not offer stays choosable, so leaving the
    // list without a choice keeps it.
    list->addItem(edit->text());
    index = list->count() - 1;
  }
  list->setCurrentIndex(index);
  list->setGeometry(edit->geometry());
  list->show();
  list->raise();
  list->setFocus(Qt::OtherFocusReason);
  edit->hide();
}

void CDtmfDecodePage::closeList(const ChoiceEdit& choice) {
  if (choice.list->isHidden()) return;
  choice.list->hide();
  choice.edit->setText(choice.list->currentText());
  choice.edit->show();
}

void CDtmfDecodePage::closeLists() {
  closeList(groupCode_);
  closeList(stunType_);
}

bool CDtmfDecodePage::eventFilter(QObject* watched, QEvent* event) {
  for (const ChoiceEdit* choice : {&groupCode_, &stunType_}) {
    if (event->type() == QEvent::FocusIn && watched == choice->edit) openList(*choice);
    // The list's own drop-down takes the focus for a moment: that is no leaving.
    if (event->type() == QEvent::FocusOut && watched == choice->list &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
      closeList(*choice);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace radio::gui
