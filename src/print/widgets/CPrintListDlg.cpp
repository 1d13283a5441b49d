// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/widgets/CPrintListDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "gui/HelpHook.h"

namespace radio::gui {

using radio::print::kSectionCount;
using radio::print::Section;

namespace {
constexpr int kBoxIds[kSectionCount] = {CPrintListDlg::IdDtmf,        CPrintListDlg::IdMsk,
                                        CPrintListDlg::IdOptional,    CPrintListDlg::IdTwoTone,
                                        CPrintListDlg::IdChannelInfo, CPrintListDlg::IdChannelTable};
}  // namespace

CPrintListDlg::CPrintListDlg(int channelPages, int tablePages, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("PrintList"));
  setHelpId(this, windowhelp::kPrintList.id);
  installHelpKey(this);
  setObjectName(QStringLiteral("PrintList"));

  const QString texts[kSectionCount] = {tr("DTMF"),   tr("MSK"),          tr("Optional"),
                                        tr("2-Tone"), tr("Channel Info"), tr("Channel Table")};
  auto* boxes = new QVBoxLayout;
  for (int i = 0; i < kSectionCount; ++i) {
    auto* box = new QCheckBox(texts[i], this);
    setHelpId(box, kBoxIds[i]);
    boxes_[static_cast<std::size_t>(i)] = box;
    boxes->addWidget(box);
    connect(box, &QCheckBox::clicked, this, [this, i] { toggle(i); });
  }

  selectAll_ = new QPushButton(tr("Select All"), this);
  setHelpId(selectAll_, IdSelectAll);
  clearAll_ = new QPushButton(tr("Clear All"), this);
  setHelpId(clearAll_, IdClearAll);
  connect(selectAll_, &QPushButton::clicked, this, &CPrintListDlg::selectAll);
  connect(clearAll_, &QPushButton::clicked, this, &CPrintListDlg::clearAll);
  auto* choose = new QHBoxLayout;
  choose->addWidget(selectAll_);
  choose->addWidget(clearAll_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  ok->setObjectName(QStringLiteral("ok"));
  cancel->setObjectName(QStringLiteral("cancel"));
  setHelpId(ok, IdOk);
  setHelpId(cancel, IdCancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPrintListDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPrintListDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addLayout(choose);
  layout->addWidget(buttons);

  // The initial state: Optional and Channel Info checked, nothing handed on yet.
  checks_ = radio::print::defaultSections();
  pages_ = radio::print::PrintPlan(checks_, channelPages, tablePages).sectionPages();
  selection_.fill(false);
  showChecks();
}

QCheckBox* CPrintListDlg::checkBox(Section section) const { return boxes_[static_cast<std::size_t>(section)]; }

void CPrintListDlg::showChecks() {
  for (int i = 0; i < kSectionCount; ++i)
    boxes_[static_cast<std::size_t>(i)]->setChecked(checks_[static_cast<std::size_t>(i)]);
}

void CPrintListDlg::takeChecks() {
  for (int i = 0; i < kSectionCount; ++i)
    checks_[static_cast<std::size_t>(i)] = boxes_[static_cast<std::size_t>(i)]->isChecked();
}

void CPrintListDlg::toggle(int index) {
  takeChecks();
  selection_[static_cast<std::size_t>(index)] = checks_[static_cast<std::size_t>(index)];
}

void CPrintListDlg::selectAll() {
  checks_.fill(true);
  showChecks();
}

void CPrintListDlg::clearAll() {
  checks_.fill(false);
  showChecks();
}

void CPrintListDlg::accept() {
  takeChecks();
  selection_ = checks_;
  QDialog::accept();
}

}  // namespace radio::gui
