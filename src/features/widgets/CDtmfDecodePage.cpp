#include "features/widgets/CDtmfDecodePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "features/DtmfDecodeForm.h"
#include "features/widgets/CGridCellEditor.h"
#include "features/widgets/CGridCellEditorKeyFilter.h"
#include "gui/HelpHook.h"

namespace radio::gui {

namespace {

QString latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
std::string bytes(const QString& s) { return s.toLatin1().toStdString(); }

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

  groupCode_ = new QLineEdit(this);
  setHelpId(groupCode_, kDtmfDecodeFields[1].helpId);
  groupCode_->setReadOnly(true);
  groupCode_->installEventFilter(this);
  layout->addWidget(new QLabel(label(1), this), 1, 0);
  layout->addWidget(groupCode_, 1, 1);

  auto* stunBox = new QGroupBox(tr("Stun"), this);
  auto* stun = new QGridLayout(stunBox);
  stunActivation_ = new QCheckBox(label(2), stunBox);
  setHelpId(stunActivation_, kDtmfDecodeFields[2].helpId);
  stunCodeLabel_ = new QLabel(label(3), stunBox);
  stunCode_ = new QLineEdit(stunBox);
  setHelpId(stunCode_, kDtmfDecodeFields[3].helpId);
  stunCode_->setMaxLength(static_cast<int>(dtmf::kCodeLength));
  stunCode_->setContextMenuPolicy(Qt::NoContextMenu);
  stunCode_->setAcceptDrops(false);
  setUpperCaseInput(stunCode_);
  stunTypeLabel_ = new QLabel(label(4), stunBox);
  stunType_ = new QLineEdit(stunBox);
  setHelpId(stunType_, kDtmfDecodeFields[4].helpId);
  stunType_->setReadOnly(true);
  stunType_->installEventFilter(this);
  stun->addWidget(stunActivation_, 0, 0, 1, 2);
  stun->addWidget(stunCodeLabel_, 1, 0);
  stun->addWidget(stunCode_, 1, 1);
  stun->addWidget(stunTypeLabel_, 2, 0);
  stun->addWidget(stunType_, 2, 1);
  layout->addWidget(stunBox, 2, 0, 1, 2);
  layout->setRowStretch(3, 1);

  // The two lists laid over their edits while these have the focus.
  groupList_ = makeList(this, dtmfGroupCodeChoices(state_.lang), 1124);
  stunTypeList_ = makeList(stunBox, dtmfStunTypeChoices(state_.lang), 1136);
  groupList_->installEventFilter(this);
  stunTypeList_->installEventFilter(this);

  connect(stunActivation_, &QCheckBox::clicked, this, [this] { enableStunControls(); });

  auto* filter = new CGridCellEditorKeyFilter(
      [this](const KeyStroke& key, QWidget* focus) { return dtmfDecodeKey(key, focus == stunCode_); }, this);
  filter->watch(this);
}

void CDtmfDecodePage::load() {
  closeLists();
  const DtmfDecodeForm form = loadDtmfDecode(image_, state_.lang);
  idCode_->setText(latin1(form.idCode));
  groupCode_->setText(QString::fromStdString(form.groupCode));
  stunActivation_->setChecked(form.stunActivation);
  stunCode_->setText(latin1(form.stunCode));
  stunType_->setText(QString::fromStdString(form.stunType));
  enableStunControls();
}

void CDtmfDecodePage::store() {
  // An open list writes its choice back first.
  closeLists();
  DtmfDecodeForm form;
  form.idCode = bytes(idCode_->text());
  // "Off" is compared as the text it is (the Chinese one is no Latin-1 text); a
  // code is its character's byte.
  const QString group = groupCode_->text();
  const bool off = group == QString::fromUtf8(kGroupCodeOff.en) || group == QString::fromUtf8(kGroupCodeOff.zh);
  form.groupCode = off ? group.toStdString() : bytes(group);
  form.stunActivation = stunActivation_->isChecked();
  form.stunCode = bytes(stunCode_->text());
  form.stunType = stunType_->text().toStdString();
  storeDtmfDecode(form, image_);
}

void CDtmfDecodePage::enableStunControls() {
  const bool on = stunActivation_->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(stunCodeLabel_), static_cast<QWidget*>(stunCode_),
                     static_cast<QWidget*>(stunTypeLabel_), static_cast<QWidget*>(stunType_)})
    w->setEnabled(on);
}

void CDtmfDecodePage::openList(QLineEdit* edit, QComboBox* list) {
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

void CDtmfDecodePage::closeList(QLineEdit* edit, QComboBox* list) {
  if (list->isHidden()) return;
  list->hide();
  edit->setText(list->currentText());
  edit->show();
}

void CDtmfDecodePage::closeLists() {
  closeList(groupCode_, groupList_);
  closeList(stunType_, stunTypeList_);
}

bool CDtmfDecodePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == groupCode_)
      openList(groupCode_, groupList_);
    else if (watched == stunType_)
      openList(stunType_, stunTypeList_);
  } else if (event->type() == QEvent::FocusOut) {
    // The list's own drop-down takes the focus for a moment: that is no leaving.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason) {
      if (watched == groupList_)
        closeList(groupCode_, groupList_);
      else if (watched == stunTypeList_)
        closeList(stunType_, stunTypeList_);
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace radio::gui
