#include "print/widgets/CPrintListDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/HelpHook.h"

namespace radio::gui {

using radio::print::kSectionCount;
using radio::print::Section;

namespace {
constexpr int kTemplateId = 169;  // the window's own help context
constexpr int kBoxIds[kSectionCount] = {CPrintListDlg::IdDtmf, CPrintListDlg::IdMsk, CPrintListDlg::IdOptional,
                                        CPrintListDlg::IdTwoTone, CPrintListDlg::IdChannelInfo};
}  // namespace

CPrintListDlg::CPrintListDlg(int channelPages, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("PrintList"));
  setObjectName(QStringLiteral("PrintList"));

  const QString texts[kSectionCount] = {tr("DTMF"), tr("MSK"), tr("Optional"), tr("2-Tone"), tr("Channel Info")};
  auto* boxes = new QVBoxLayout;
  for (int i = 0; i < kSectionCount; ++i) {
    auto* box = new QCheckBox(texts[i], this);
    box->setProperty(kHelpIdProperty, kBoxIds[i]);
    m_boxes[static_cast<std::size_t>(i)] = box;
    boxes->addWidget(box);
    connect(box, &QCheckBox::clicked, this, [this, i] { OnCheck(i); });
  }

  m_selectAll = new QPushButton(tr("Select All"), this);
  m_selectAll->setProperty(kHelpIdProperty, IdSelectAll);
  m_clearAll = new QPushButton(tr("Clear All"), this);
  m_clearAll->setProperty(kHelpIdProperty, IdClearAll);
  connect(m_selectAll, &QPushButton::clicked, this, &CPrintListDlg::OnSelectAll);
  connect(m_clearAll, &QPushButton::clicked, this, &CPrintListDlg::OnClearAll);
  auto* choose = new QHBoxLayout;
  choose->addWidget(m_selectAll);
  choose->addWidget(m_clearAll);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  ok->setObjectName(QStringLiteral("ok"));
  cancel->setObjectName(QStringLiteral("cancel"));
  ok->setProperty(kHelpIdProperty, IdOk);
  cancel->setProperty(kHelpIdProperty, IdCancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPrintListDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPrintListDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addLayout(choose);
  layout->addWidget(buttons);

  // The initial state: Optional and Channel Info checked, nothing handed on yet.
  m_bCheck = radio::print::defaultSections();
  m_nPages = radio::print::PrintPlan(m_bCheck, channelPages).sectionPages();
  m_bPrint.fill(false);
  showChecks();
}

QCheckBox* CPrintListDlg::checkBox(Section section) const { return m_boxes[static_cast<std::size_t>(section)]; }

void CPrintListDlg::showChecks() {
  for (int i = 0; i < kSectionCount; ++i)
    m_boxes[static_cast<std::size_t>(i)]->setChecked(m_bCheck[static_cast<std::size_t>(i)]);
}

void CPrintListDlg::takeChecks() {
  for (int i = 0; i < kSectionCount; ++i)
    m_bCheck[static_cast<std::size_t>(i)] = m_boxes[static_cast<std::size_t>(i)]->isChecked();
}

void CPrintListDlg::OnCheck(int index) {
  takeChecks();
  m_bPrint[static_cast<std::size_t>(index)] = m_bCheck[static_cast<std::size_t>(index)];
}

void CPrintListDlg::OnSelectAll() {
  m_bCheck.fill(true);
  showChecks();
}

void CPrintListDlg::OnClearAll() {
  m_bCheck.fill(false);
  showChecks();
}

void CPrintListDlg::accept() {
  takeChecks();
  m_bPrint = m_bCheck;
  QDialog::accept();
}

void CPrintListDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    // Help opens at the focused control's id.
    const QWidget* focused = focusWidget();
    const QVariant id = focused ? focused->property(kHelpIdProperty) : QVariant();
    requestHelp(this, id.isValid() ? id.toInt() : kTemplateId);
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace radio::gui
