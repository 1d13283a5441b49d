#include "model/CodePage.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

TEST(CodePage, ChineseNamesAreGbkAndCutBetweenCharacters) {
  EXPECT_EQ(encodeCodePage("信道", Language::Chinese), "\xD0\xC5\xB5\xC0");
  // Five characters are ten bytes: an 8-byte field takes four of them, never half.
  EXPECT_EQ(encodeCodePage("信道名字信", Language::Chinese, 8).size(), 8u);
  EXPECT_EQ(encodeCodePage("A信道名字", Language::Chinese, 8), "A\xD0\xC5\xB5\xC0\xC3\xFB");
  EXPECT_EQ(decodeCodePage("\xD0\xC5\xB5\xC0", Language::Chinese), "信道");
}

TEST(CodePage, EveryByteSurvivesDecodeThenEncode) {
  // Bytes that are no character of the code page still come back unchanged, so a
  // name read from a radio is written back as it was.
  for (Language lang : {Language::English, Language::Chinese}) {
    for (int b = 1; b < 256; ++b) {
      const std::string one(1, static_cast<char>(b));
      EXPECT_EQ(encodeCodePage(decodeCodePage(one, lang), lang), one) << b;
    }
    const std::string mixed = "\x81\x40\xFE\x41\x80\xA1";
    EXPECT_EQ(encodeCodePage(decodeCodePage(mixed, lang), lang), mixed);
  }
}

TEST(CodePage, WesternNamesAreWindows1252) {
  EXPECT_EQ(encodeCodePage("Café €", Language::English), "Caf\xE9 \x80");
  EXPECT_EQ(decodeCodePage("\x80\xE9", Language::English), "€é");
  EXPECT_EQ(encodeCodePage("信", Language::English), "?");
  EXPECT_EQ(utf8Length("信道A"), 3u);
  EXPECT_EQ(utf8Left("信道A", 2), "信道");
}

}  // namespace
}  // namespace radio
