// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CTwoToneDecodePage.h"

#include <QGridLayout>

#include "features/TwoToneDecodeForm.h"
#include "features/widgets/FieldKeyFilter.h"
#include "features/widgets/TwoToneFields.h"
#include "gui/HelpHook.h"
#include "gui/Text.h"

namespace radio::gui {

CTwoToneDecodePage::CTwoToneDecodePage(RadioImage& image, AppState& state, int entry, QWidget* parent)
    : QWidget(parent), image_(image), state_(state), entry_(entry) {
  setHelpId(this, 146 + entry);
  auto* layout = new QGridLayout(this);
  fields_ = new TwoToneFields(this, layout, state_.lang, kTwoToneDecodeRows);
  layout->setRowStretch(6, 1);
  auto* filter = new FieldKeyFilter([](const KeyStroke& key, QWidget*) { return twoToneKey(key, false); }, this);
  filter->watch(this);
}

void CTwoToneDecodePage::load() { fields_->load(kTwoToneDecodeRows, loadTwoToneDecode(image_, entry_)); }

void CTwoToneDecodePage::store() {
  TwoToneDecodeForm form;
  fields_->store(kTwoToneDecodeRows, form);
  storeTwoToneDecode(form, image_, entry_);
}

QLineEdit* CTwoToneDecodePage::edit(int i) const { return fields_->edit(i); }

void CTwoToneDecodePage::spin(int i, int step) { fields_->spin(i, step); }

}  // namespace radio::gui
