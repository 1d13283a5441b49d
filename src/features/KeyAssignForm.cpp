// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/KeyAssignForm.h"

namespace radio {

KeyAssignForm loadKeyAssign(const RadioImage& image) { return {3 - static_cast<int>(image.field(field::kSideKey))}; }

void storeKeyAssign(const KeyAssignForm& form, RadioImage& image) {
  const int choice = form.choice >= 0 && form.choice < kSideKeyChoices ? form.choice : 0;
  image.setField(field::kSideKey, static_cast<unsigned>(3 - choice));
}

}  // namespace radio
