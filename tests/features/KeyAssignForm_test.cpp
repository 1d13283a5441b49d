#include "features/KeyAssignForm.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

TEST(KeyAssignForm, EveryChoiceOverEveryByteKeepsBitsTwoToSeven) {
  for (unsigned v = 0; v < 256; ++v) {
    for (int choice = 0; choice < kSideKeyChoices; ++choice) {
      RadioImage image;
      image.set(addr::kKeyAssign, static_cast<Byte>(v));
      storeKeyAssign({choice}, image);
      EXPECT_EQ(image.at(addr::kKeyAssign), (v & 0xFC) | static_cast<unsigned>(3 - choice));
      EXPECT_EQ(loadKeyAssign(image).choice, choice);
    }
  }
}

}  // namespace
}  // namespace radio
