// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/TwoToneFields.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "features/widgets/GridCellEditor.h"
#include "gui/HelpHook.h"
#include "gui/Text.h"

namespace radio::gui {

void TwoToneFields::addRow(QWidget* page, QGridLayout* layout, Language lang, const FieldInfo& info) {
  auto* edit = new QLineEdit(page);
  setHelpId(edit, info.helpId);
  edit->setMaxLength(static_cast<int>(info.rule.maxLength));
  edit->setContextMenuPolicy(Qt::NoContextMenu);
  edit->setAcceptDrops(false);
  edit->installEventFilter(this);
  const int n = static_cast<int>(edits_.size());
  edits_.push_back(edit);
  rules_.push_back(&info.rule);
  QWidget* arrows = makeSpinArrows(page, [this, n](int step) { spin(n, step); });
  setHelpId(arrows, info.spinHelpId);
  layout->addWidget(new QLabel(QString::fromUtf8(info.label.in(lang)), page), n, 0);
  layout->addWidget(edit, n, 1);
  layout->addWidget(arrows, n, 2);
}

void TwoToneFields::spin(int i, int step) {
  const auto n = static_cast<std::size_t>(i);
  edits_.at(n)->setText(qs(rules_.at(n)->spin(ss(edits_.at(n)->text()), step)));
}

void TwoToneFields::leave(std::size_t i) { edits_[i]->setText(qs(rules_[i]->leave(ss(edits_[i]->text())))); }

void TwoToneFields::setText(std::size_t i, const std::string& text) { edits_.at(i)->setText(qs(text)); }

std::string TwoToneFields::text(std::size_t i) {
  // A value still being typed is taken as leaving its edit would leave it.
  if (edits_.at(i) == QApplication::focusWidget() && edits_[i]->isModified()) leave(i);
  return ss(edits_[i]->text());
}

bool TwoToneFields::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut)
    for (std::size_t i = 0; i < edits_.size(); ++i)
      if (watched == edits_[i]) leave(i);
  return QObject::eventFilter(watched, event);
}

}  // namespace radio::gui
