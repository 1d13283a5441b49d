#include "features/KeyAssignForm.h"

namespace radio {

KeyAssignForm loadKeyAssign(const RadioImage& image) {
  return {3 - static_cast<int>(image.bits(addr::kKeyAssign, 0, 2))};
}

void storeKeyAssign(const KeyAssignForm& form, RadioImage& image) {
  const int choice = form.choice >= 0 && form.choice < kSideKeyChoices ? form.choice : 0;
  image.setBits(addr::kKeyAssign, 0, 2, static_cast<unsigned>(3 - choice));
}

}  // namespace radio
