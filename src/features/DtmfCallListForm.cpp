// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/DtmfCallListForm.h"

namespace radio {

DtmfCallListForm loadDtmfCallList(const RadioImage& image) {
  DtmfCallListForm form;
  for (std::size_t i = 0; i < form.entries.size(); ++i) form.entries[i] = image.code(addr::kDtmfCalls, i);
  return form;
}

void storeDtmfCallList(const DtmfCallListForm& form, RadioImage& image) {
  for (std::size_t i = 0; i < form.entries.size(); ++i) image.setCode(addr::kDtmfCalls, i, form.entries[i]);
}

KeyDecision dtmfCallListKey(const KeyStroke& key) {
  if (key.kind == KeyKind::F1) return {true, true};
  if (isNavigationKey(key)) return {true, false};
  if (key.shift) return {isHashOrStar(key) || isLetterUpTo(key, 'D'), false};
  return {isDigitOrEditingKey(key, true) || isLetterUpTo(key, 'D'), false};
}

}  // namespace radio
