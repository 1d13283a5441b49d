// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CDtmfCallListPage.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "features/DtmfCallListForm.h"
#include "features/widgets/FieldKeyFilter.h"
#include "features/widgets/GridCellEditor.h"
#include "gui/HelpHook.h"
#include "gui/Text.h"

namespace radio::gui {

namespace {
constexpr int kBaseColumnWidth = 60;  // the number column as the grid is created, in pixels
}  // namespace

CDtmfCallListPage::CDtmfCallListPage(RadioImage& image, AppState& state, QWidget* parent)
    : QWidget(parent), image_(image), state_(state) {
  setHelpId(this, 142);
  auto* layout = new QVBoxLayout(this);
  grid_ = new QTableWidget(this);
  setHelpId(grid_, kDtmfCallField.helpId);
  editor_ = setUpCodeGrid(grid_, kDtmfCallCount, QString::fromUtf8(kDtmfCallField.label.in(state_.lang)),
                          {static_cast<int>(kBaseColumnWidth * 0.8), static_cast<int>(kBaseColumnWidth * 2.3)},
                          addr::kDtmfCalls.length, font());
  setHelpId(editor_, 1125);
  layout->addWidget(grid_);
  layout->addStretch(1);

  auto* filter = new FieldKeyFilter([](const KeyStroke& key, QWidget*) { return dtmfCallListKey(key); }, this);
  filter->watch(this);
}

void CDtmfCallListPage::load() {
  editor_->commit();
  const DtmfCallListForm form = loadDtmfCallList(image_);
  for (int n = 1; n <= kDtmfCallCount; ++n)
    grid_->item(n, 1)->setText(codeQs(form.entries[static_cast<std::size_t>(n - 1)]));
  // The page opens with the first entry current and its editor open.
  {
    const QSignalBlocker block(grid_);
    grid_->setCurrentCell(1, 1);
  }
  editor_->openOnCurrentCell();
}

void CDtmfCallListPage::store() {
  editor_->commit();
  DtmfCallListForm form;
  for (int n = 1; n <= kDtmfCallCount; ++n)
    form.entries[static_cast<std::size_t>(n - 1)] = codeBytes(grid_->item(n, 1)->text());
  storeDtmfCallList(form, image_);
}

}  // namespace radio::gui
