// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/widgets/SortChannelsDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "channels/widgets/CProgramView.h"
#include "gui/HelpHook.h"

namespace radio::gui {

SortChannelsDialog::SortChannelsDialog(CProgramView& view, QWidget* parent)
    : QDialog(parent), view_(view), selection_(view.selectedSpan()) {
  setObjectName(QStringLiteral("sortChannels"));
  setWindowTitle(tr("Sort Channels"));
  setHelpId(this, windowhelp::kSortChannels.id);
  installHelpKey(this);

  auto* byBox = new QGroupBox(tr("Sort by"), this);
  auto* byLayout = new QVBoxLayout(byBox);
  keys_ = {new QRadioButton(tr("&Rx frequency"), byBox), new QRadioButton(tr("&Tx frequency"), byBox),
           new QRadioButton(tr("&Name"), byBox)};
  for (QRadioButton* b : keys_) byLayout->addWidget(b);
  keys_[0]->setChecked(true);

  auto* rowsBox = new QGroupBox(tr("Channels"), this);
  auto* rowsLayout = new QVBoxLayout(rowsBox);
  selected_ = new QRadioButton(selection_ ? tr("&Selected channels %1-%2").arg(selection_->first).arg(selection_->last)
                                          : tr("&Selected channels"),
                               rowsBox);
  all_ = new QRadioButton(tr("&All channels 1-128"), rowsBox);
  selected_->setEnabled(selection_.has_value());
  (selection_ ? selected_ : all_)->setChecked(true);
  rowsLayout->addWidget(selected_);
  rowsLayout->addWidget(all_);

  auto* note = new QLabel(tr("Channels in use come first, in order; empty channels follow. "
                             "Whole channels move, and the priority channel follows its channel."),
                          this);
  note->setWordWrap(true);

  QDialogButtonBox* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(byBox);
  layout->addWidget(rowsBox);
  layout->addWidget(note);
  layout->addWidget(buttons);
  setMinimumWidth(340);
}

SortKey SortChannelsDialog::key() const {
  if (keys_[1]->isChecked()) return SortKey::Tx;
  if (keys_[2]->isChecked()) return SortKey::Name;
  return SortKey::Rx;
}

ChannelSpan SortChannelsDialog::span() const {
  return selection_ && selected_->isChecked() ? *selection_ : ChannelSpan{};
}

void SortChannelsDialog::accept() {
  view_.sortChannels(key(), span());
  QDialog::accept();
}

}  // namespace radio::gui
