// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/MskForm.h"

namespace radio {

MskForm loadMsk(const RadioImage& image) {
  MskForm form;
  form.idCode = image.code(addr::kMskCodes, 0);
  for (std::size_t i = 0; i < form.calls.size(); ++i) form.calls[i] = image.code(addr::kMskCodes, i + 1);
  return form;
}

void storeMsk(const MskForm& form, RadioImage& image) {
  image.setCode(addr::kMskCodes, 0, form.idCode);
  for (std::size_t i = 0; i < form.calls.size(); ++i) image.setCode(addr::kMskCodes, i + 1, form.calls[i]);
}

KeyDecision mskKey(const KeyStroke& key) {
  if (key.kind == KeyKind::F1) return {true, true};
  if (isNavigationKey(key)) return {true, false};
  if (key.shift) return {isLetterUpTo(key, 'F'), false};
  return {isDigitOrEditingKey(key, true) || isLetterUpTo(key, 'F'), false};
}

}  // namespace radio
