#include "features/SquelchForm.h"

#include <gtest/gtest.h>

#include "TestImages.h"

namespace radio {
namespace {

std::array<std::optional<int>, 4> defaults() { return {-23, -25, -30, -34}; }

TEST(SquelchForm, BytesOutsideNineTo119ShowTheDefaults) {
  for (Byte fill : {Byte{0xFF}, Byte{0x00}, Byte{8}, Byte{120}}) {
    RadioImage image;
    image.fill(addr::kSquelch, 4, fill);
    const RadioImage before = image;
    EXPECT_EQ(loadSquelch(image).shown, defaults()) << int(fill);
    EXPECT_EQ(image, before);
  }
  EXPECT_EQ(loadSquelch(test::newDocument()).shown, defaults());
}

TEST(SquelchForm, ExtremesOfTheAcceptedRangeAndEntriesNotInTheList) {
  RadioImage image;
  setSquelchBytes(image, {9, 118, 119, 64});
  SquelchForm form = loadSquelch(image);
  EXPECT_EQ(form.shown, (std::array<std::optional<int>, 4>{-55, 54, std::nullopt, 0}))
      << "119 is accepted but no entry";
  form.shown[3] = 99;
  storeSquelch(form, image);
  EXPECT_EQ(squelchBytes(image), (std::array<Byte, 4>{9, 118, 34, 30})) << "no entry stores the default";
}

}  // namespace
}  // namespace radio
