#include "features/MskForm.h"

namespace radio {

MskForm loadMsk(const RadioImage& image) {
  MskForm form;
  form.idCode = image.text(mskCodeOffset(0), kMskCodeLength);
  for (int n = 1; n <= kMskCallCount; ++n)
    form.calls[static_cast<std::size_t>(n - 1)] = image.text(mskCodeOffset(n), kMskCodeLength);
  return form;
}

void storeMsk(const MskForm& form, RadioImage& image) {
  image.setText(mskCodeOffset(0), kMskCodeLength, form.idCode);
  for (int n = 1; n <= kMskCallCount; ++n)
    image.setText(mskCodeOffset(n), kMskCodeLength, form.calls[static_cast<std::size_t>(n - 1)]);
}

KeyDecision mskKey(const KeyStroke& key) {
  if (key.kind == KeyKind::F1) return {true, true};
  if (key.shift) return {};
  return {isDigitOrEditingKey(key, true) || isLetterUpTo(key, 'F'), false};
}

}  // namespace radio
