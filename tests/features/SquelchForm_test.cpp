#include "features/SquelchForm.h"

#include <gtest/gtest.h>

#include "model/Document.h"

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
  BandRecord band{};
  EXPECT_EQ(loadSquelch(newDocumentImage(band)).shown, defaults());
}

TEST(SquelchForm, ExtremesOfTheAcceptedRange) {
  RadioImage image;
  setSquelchBytes(image, {9, 118, 119, 64});
  const SquelchForm form = loadSquelch(image);
  EXPECT_EQ(form.shown[0], -55);
  EXPECT_EQ(form.shown[1], 54);
  EXPECT_EQ(form.shown[2], std::nullopt) << "119 is accepted but is no entry";
  EXPECT_EQ(form.shown[3], 0);
  storeSquelch(form, image);
  EXPECT_EQ(squelchBytes(image), (std::array<Byte, 4>{9, 118, 34, 64})) << "no entry stores the default";
}

TEST(SquelchForm, StoreTouchesOnlyTheFourBytes) {
  RadioImage image;
  for (std::size_t o = 0; o < kImageSize; ++o) image.set(o, static_cast<Byte>(o * 13));
  const RadioImage before = image;
  SquelchForm form;
  form.shown = {-55, 54, std::nullopt, 99};  // 99 is not in the list: the default
  storeSquelch(form, image);
  EXPECT_EQ(squelchBytes(image), (std::array<Byte, 4>{9, 118, 34, 30}));
  for (std::size_t o = 0; o < kImageSize; ++o) {
    if (o >= addr::kSquelch && o < addr::kSquelch + 4) continue;
    ASSERT_EQ(image.at(o), before.at(o)) << o;
  }
}

}  // namespace
}  // namespace radio
