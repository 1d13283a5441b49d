// MSK codes: the offsets that skip the row tails, the bytes written, the key filter.
#include <gtest/gtest.h>

#include "features/MskForm.h"

namespace radio {
namespace {

TEST(Msk, CodeOffsetsSkipBytes16To23OfEachRow) {
  const std::size_t expected[] = {0x12C0, 0x12C4, 0x12C8, 0x12CC, 0x12D8, 0x12DC, 0x12E0, 0x12E4, 0x12F0, 0x12F4};
  for (int code = 0; code <= 9; ++code) EXPECT_EQ(mskCodeOffset(code), expected[code]) << code;
}

TEST(Msk, StoreWritesCodesAndLeavesTheRowTails) {
  RadioImage image;
  for (std::size_t a = 0x12C0; a < 0x12F8; ++a) image.set(a, static_cast<Byte>(a & 0x7F));
  const RadioImage before = image;
  MskForm form = loadMsk(image);
  form.idCode = "1A2F";
  form.calls[0] = "12";
  form.calls[3] = "ABCD";
  form.calls[7] = "";
  storeMsk(form, image);
  EXPECT_EQ(image.at(0x12C0), 0x31);
  EXPECT_EQ(image.at(0x12C1), 0x41);
  EXPECT_EQ(image.at(0x12C2), 0x32);
  EXPECT_EQ(image.at(0x12C3), 0x46);
  EXPECT_EQ(image.at(0x12C4), 0x31);
  EXPECT_EQ(image.at(0x12C5), 0x32);
  EXPECT_EQ(image.at(0x12C6), 0xFF);
  EXPECT_EQ(image.at(0x12C7), 0xFF);
  EXPECT_EQ(image.text(0x12D8, 4), "ABCD");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(image.at(0x12F0 + i), 0xFF);
  for (std::size_t a = 0x12D0; a < 0x12D8; ++a) EXPECT_EQ(image.at(a), before.at(a)) << std::hex << a;
  for (std::size_t a = 0x12E8; a < 0x12F0; ++a) EXPECT_EQ(image.at(a), before.at(a)) << std::hex << a;
  EXPECT_EQ(image.at(0x12BF), before.at(0x12BF));
  EXPECT_EQ(image.at(0x12F8), before.at(0x12F8));
  EXPECT_EQ(loadMsk(image).calls[3], "ABCD");
}

TEST(Msk, KeyFilter) {
  EXPECT_TRUE(mskKey({KeyKind::Letter, 'F'}).pass);
  EXPECT_FALSE(mskKey({KeyKind::Letter, 'G'}).pass);
  EXPECT_TRUE(mskKey({KeyKind::Digit, '0', true}).pass);
  EXPECT_TRUE(mskKey({KeyKind::Up}).pass);
  EXPECT_FALSE(mskKey({KeyKind::Digit, '3', false, true}).pass);  // Shift discards every key
  EXPECT_FALSE(mskKey({KeyKind::Letter, 'A', false, true}).pass);
  for (KeyKind k :
       {KeyKind::Tab, KeyKind::Enter, KeyKind::Escape, KeyKind::Other, KeyKind::KeypadDecimal, KeyKind::FullStop})
    EXPECT_FALSE(mskKey({k}).pass);
  EXPECT_EQ(mskKey({KeyKind::F1}), (KeyDecision{true, true}));
}

}  // namespace
}  // namespace radio
