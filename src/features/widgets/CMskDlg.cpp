// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CMskDlg.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "features/MskForm.h"
#include "features/widgets/FieldKeyFilter.h"
#include "features/widgets/GridCellEditor.h"
#include "gui/HelpHook.h"
#include "gui/Text.h"

namespace radio::gui {

namespace {
constexpr int kBaseColumnWidth = 80;  // the number column as the grid is created, in pixels
}  // namespace

CMskDlg::CMskDlg(RadioImage& image, AppState& state, QWidget* parent)
    : FormDialog(image, state, tr("MSK"), windowhelp::kMsk.id, parent) {
  auto* layout = new QVBoxLayout(this);

  auto* idRow = new QHBoxLayout;
  idCode_ = new QLineEdit(this);
  setHelpId(idCode_, kMskIdField.helpId);
  idCode_->setMaxLength(static_cast<int>(addr::kMskCodes.length));
  idCode_->setContextMenuPolicy(Qt::NoContextMenu);
  idCode_->setAcceptDrops(false);
  setUpperCaseInput(idCode_);
  idCode_->installEventFilter(this);
  idRow->addWidget(new QLabel(QString::fromUtf8(kMskIdField.label.in(state_.lang)), this));
  idRow->addWidget(idCode_);
  layout->addLayout(idRow);

  auto* box = new QGroupBox(QString::fromUtf8(kMskCallField.label.in(state_.lang)), this);
  auto* boxLayout = new QVBoxLayout(box);
  grid_ = new QTableWidget(box);
  setHelpId(grid_, kMskCallField.helpId);
  editor_ = setUpCodeGrid(grid_, kMskCallCount, QString::fromUtf8(kMskCallField.label.in(state_.lang)),
                          {static_cast<int>(kBaseColumnWidth * 0.8), static_cast<int>(kBaseColumnWidth * 1.43)},
                          addr::kMskCodes.length, font());
  setHelpId(editor_, 1123);
  boxLayout->addWidget(grid_);
  layout->addWidget(box);

  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton(tr("OK"), this);
  setHelpId(ok_, 1);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  setHelpId(cancel, 2);
  ok_->setAutoDefault(false);
  cancel->setAutoDefault(false);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, &CMskDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  // One key filter for the whole dialog, whatever control has the focus.
  auto* filter = new FieldKeyFilter([](const KeyStroke& key, QWidget*) { return mskKey(key); }, this);
  filter->watch(this);
  load();
}

void CMskDlg::load() {
  const MskForm form = loadMsk(image_);
  {
    const QSignalBlocker block(grid_);
    for (int n = 1; n <= kMskCallCount; ++n)
      grid_->item(n, 1)->setText(codeQs(form.calls[static_cast<std::size_t>(n - 1)]));
    grid_->setCurrentCell(1, 1);
  }
  idCode_->setText(codeQs(form.idCode));
  editor_->hide();
}

void CMskDlg::accept() {
  editor_->commit();
  MskForm form;
  form.idCode = codeBytes(idCode_->text());
  for (int n = 1; n <= kMskCallCount; ++n)
    form.calls[static_cast<std::size_t>(n - 1)] = codeBytes(grid_->item(n, 1)->text());
  storeMsk(form, image_);
  QDialog::accept();
}

bool CMskDlg::eventFilter(QObject* watched, QEvent* event) {
  // Clicking into the ID Code edit does not leave the grid's cell: the edit's
  // focus commits the cell editor instead.
  if (watched == idCode_ && event->type() == QEvent::FocusIn) editor_->commit();
  return QDialog::eventFilter(watched, event);
}

}  // namespace radio::gui
