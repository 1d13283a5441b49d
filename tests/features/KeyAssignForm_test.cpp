#include "features/KeyAssignForm.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

TEST(KeyAssignForm, ExamplesOfTheSideKeyByte) {
  RadioImage image;  // 0x12AA = 0xFF
  KeyAssignForm form = loadKeyAssign(image);
  EXPECT_EQ(form.choice, 0);
  EXPECT_STREQ(kSideKeyChoiceTexts[0].en, "Option Singalling Call");
  form.choice = 3;  // "Squelch Off Momentary"
  storeKeyAssign(form, image);
  EXPECT_EQ(image.at(addr::kKeyAssign), 0xFC);

  image.set(addr::kKeyAssign, 0x81);
  form = loadKeyAssign(image);
  EXPECT_EQ(form.choice, 2);
  EXPECT_STREQ(kSideKeyChoiceTexts[2].en, "Send 1750Hz Singal");
  storeKeyAssign(form, image);
  EXPECT_EQ(image.at(addr::kKeyAssign), 0x81);
}

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
