// MSK codes: the offsets that skip the row tails and the bytes written.
#include <gtest/gtest.h>

#include "features/MskForm.h"

namespace radio {
namespace {

TEST(Msk, CodeOffsetsSkipBytes16To23OfEachRow) {
  const std::size_t expected[] = {0x12C0, 0x12C4, 0x12C8, 0x12CC, 0x12D8, 0x12DC, 0x12E0, 0x12E4, 0x12F0, 0x12F4};
  for (int code = 0; code <= 9; ++code) EXPECT_EQ(mskCodeOffset(code), expected[code]) << code;
}

TEST(Msk, StoreWritesTheCodesPaddedWithFF) {
  RadioImage image;
  MskForm form = loadMsk(image);
  form.idCode = "1A2F";
  form.calls[0] = "12";
  form.calls[3] = "ABCD";
  form.calls[7] = "";
  storeMsk(form, image);
  const auto bytes = image.span(0x12C0, 8);
  EXPECT_EQ(std::vector<Byte>(bytes.begin(), bytes.end()),
            (std::vector<Byte>{0x31, 0x41, 0x32, 0x46, 0x31, 0x32, 0xFF, 0xFF}));
  EXPECT_EQ(image.text(0x12D8, 4), "ABCD");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(image.at(0x12F0 + i), 0xFF);
  EXPECT_EQ(loadMsk(image).calls[3], "ABCD");
}

}  // namespace
}  // namespace radio
