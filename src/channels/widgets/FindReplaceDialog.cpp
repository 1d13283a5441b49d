// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/widgets/FindReplaceDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "channels/widgets/CProgramView.h"
#include "gui/HelpHook.h"
#include "gui/Prompts.h"

namespace radio::gui {

FindReplaceDialog::FindReplaceDialog(CProgramView& view, QWidget* parent) : QDialog(parent), view_(&view) {
  setObjectName(QStringLiteral("findReplace"));
  setWindowTitle(tr("Find and Replace"));
  setHelpId(this, windowhelp::kFindReplace.id);
  installHelpKey(this);
  setAttribute(Qt::WA_DeleteOnClose);

  find_ = new QLineEdit(this);
  replace_ = new QLineEdit(this);
  matchCase_ = new QCheckBox(tr("Match &case"), this);
  status_ = new QLabel(this);
  auto* form = new QFormLayout;
  form->addRow(tr("Fi&nd in names:"), find_);
  form->addRow(tr("Re&place with:"), replace_);
  form->addRow(QString(), matchCase_);

  auto* buttons = new QDialogButtonBox(this);
  auto* next = buttons->addButton(tr("&Find Next"), QDialogButtonBox::ActionRole);
  auto* one = buttons->addButton(tr("&Replace"), QDialogButtonBox::ActionRole);
  auto* all = buttons->addButton(tr("Replace &All"), QDialogButtonBox::ActionRole);
  auto* close = buttons->addButton(QDialogButtonBox::Close);
  close->setText(tr("Close"));
  next->setDefault(true);
  connect(next, &QPushButton::clicked, this, &FindReplaceDialog::findNext);
  connect(one, &QPushButton::clicked, this, &FindReplaceDialog::replaceCurrent);
  connect(all, &QPushButton::clicked, this, &FindReplaceDialog::replaceAll);
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
  connect(find_, &QLineEdit::textChanged, this, &FindReplaceDialog::mark);
  connect(matchCase_, &QCheckBox::toggled, this, &FindReplaceDialog::mark);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(status_);
  layout->addWidget(buttons);
  setMinimumWidth(420);
}

void FindReplaceDialog::focusFind() {
  find_->setFocus();
  find_->selectAll();
}

void FindReplaceDialog::focusReplace() {
  // Nothing to replace yet: the text to find comes first.
  if (find_->text().isEmpty()) return focusFind();
  replace_->setFocus();
  replace_->selectAll();
}

QString FindReplaceDialog::status() const { return status_->text(); }

void FindReplaceDialog::mark() {
  if (!view_) return;
  matches_ = view_->highlightNames(find_->text(), matchCase_->isChecked());
  status_->setText(find_->text().isEmpty() ? QString() : tr("%1 name(s) hold the text.").arg(matches_));
}

void FindReplaceDialog::findNext() {
  if (view_ && !view_->findNextName()) status_->setText(tr("No name holds the text."));
}

void FindReplaceDialog::replaceCurrent() {
  if (!view_) return;
  int changed = 0;
  const QString refused = view_->replaceInNames(replace_->text(), true, changed);
  report(refused, changed);
  if (refused.isEmpty()) (void)view_->findNextName();
}

void FindReplaceDialog::replaceAll() {
  if (!view_) return;
  int changed = 0;
  report(view_->replaceInNames(replace_->text(), false, changed), changed);
}

void FindReplaceDialog::report(const QString& refused, int changed) {
  mark();
  status_->setText(tr("%1 name(s) changed.").arg(changed) + QLatin1Char(' ') + status_->text());
  if (refused.isEmpty()) return;
  MessageRequest request;
  request.caption = tr("Replace");
  request.text = refused;
  request.icon = QMessageBox::Warning;
  request.buttons = QMessageBox::Ok;
  (void)showMessage(this, request);
}

void FindReplaceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  mark();
}

void FindReplaceDialog::hideEvent(QHideEvent* event) {
  // The marks go with the window.
  if (view_) (void)view_->highlightNames({}, false);
  QDialog::hideEvent(event);
}

}  // namespace radio::gui
