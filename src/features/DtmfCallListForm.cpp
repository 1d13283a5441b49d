#include "features/DtmfCallListForm.h"

namespace radio {

DtmfCallListForm loadDtmfCallList(const RadioImage& image) {
  DtmfCallListForm form;
  for (int n = 1; n <= kDtmfCallCount; ++n)
    form.entries[static_cast<std::size_t>(n - 1)] = image.text(dtmfCallOffset(n), kDtmfCallLength);
  return form;
}

void storeDtmfCallList(const DtmfCallListForm& form, RadioImage& image) {
  for (int n = 1; n <= kDtmfCallCount; ++n)
    image.setText(dtmfCallOffset(n), kDtmfCallLength, form.entries[static_cast<std::size_t>(n - 1)]);
}

KeyDecision dtmfCallListKey(const KeyStroke& key) {
  if (key.kind == KeyKind::F1) return {true, true};
  if (key.shift) return {isHashOrStar(key), false};
  return {isDigitOrEditingKey(key, true) || isLetterUpTo(key, 'D'), false};
}

}  // namespace radio
