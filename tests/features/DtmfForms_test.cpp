// DTMF Encode, Decode and CallList pages: values shown, rules on leaving an edit
// and on the spin arrows, and the bytes stored (other bits and bytes untouched).
#include <gtest/gtest.h>

#include "features/DtmfCallListForm.h"
#include "features/DtmfDecodeForm.h"
#include "features/DtmfEncodeForm.h"

namespace radio {
namespace {

KeyStroke digit(char c, bool shift = false, bool keypad = false) { return {KeyKind::Digit, c, keypad, shift}; }
KeyStroke letter(char c, bool shift = false) { return {KeyKind::Letter, c, false, shift}; }
KeyStroke named(KeyKind kind) { return {kind, 0, false, false}; }

TEST(DtmfEncode, BlankImageShowsCodesAsStoredAndStoresNormalised) {
  RadioImage image;  // all 0xFF
  DtmfEncodeForm form = loadDtmfEncode(image);
  EXPECT_EQ(form.speed, "15");
  EXPECT_EQ(form.firstDelay, "1550");
  EXPECT_EQ(form.firstTime, "1550");
  EXPECT_EQ(form.starHashTime, "1550");
  EXPECT_TRUE(form.sideTone);

  storeDtmfEncode(form, image);  // what a tab switch stores
  EXPECT_EQ(image.at(0x1308), 0xFF);
  EXPECT_EQ(image.at(0x1309), 20);
  EXPECT_EQ(image.at(0x130A), 20);
  EXPECT_EQ(image.at(0x130B), 20);
  EXPECT_EQ(image.at(0x12A8), 0xFF);
  EXPECT_EQ(form.firstDelay, "1000");
}

TEST(DtmfEncode, StoreWritesOnlyItsBits) {
  RadioImage image;
  image.set(0x1308, 0xA4);  // bits 2-7 belong to no field of the page
  image.set(0x12A8, 0x00);
  DtmfEncodeForm form{"8", "275", "250", "600", true};
  storeDtmfEncode(form, image);
  EXPECT_EQ(image.at(0x1308), 0xA5);
  EXPECT_EQ(image.at(0x1309), 5);   // 250 ms
  EXPECT_EQ(image.at(0x130A), 2);   // 100 ms
  EXPECT_EQ(image.at(0x130B), 10);  // 500 ms
  EXPECT_EQ(image.at(0x12A8), 0x40);
  EXPECT_EQ(image.at(0x130C), 0xFF);

  form.sideTone = false;
  form.speed = "10";
  storeDtmfEncode(form, image);
  EXPECT_EQ(image.at(0x12A8), 0x00);
  EXPECT_EQ(image.at(0x1308), 0xA6);
  EXPECT_EQ(loadDtmfEncode(image).speed, "10");
}

TEST(DtmfEncode, LeavingAnEditNormalises) {
  const std::pair<const char*, const char*> speed[] = {{"7", "6"},   {"0", "6"},   {"8", "8"},   {"9", "8"},
                                                       {"12", "10"}, {"14", "10"}, {"99", "15"}, {"", "6"}};
  for (const auto& [in, out] : speed) EXPECT_EQ(normaliseDtmfSpeed(in), out) << in;
  const std::pair<const char*, const char*> delay[] = {{"1234", "1000"}, {"275", "250"}, {"49", "0"},
                                                       {"1000", "1000"}, {"", "0"},      {"99999999999999", "1000"}};
  for (const auto& [in, out] : delay) EXPECT_EQ(normaliseDtmfFirstDelay(in), out) << in;
  const std::pair<const char*, const char*> time[] = {{"250", "100"}, {"99", "0"},    {"499", "100"},
                                                      {"500", "500"}, {"999", "500"}, {"1000", "1000"}};
  for (const auto& [in, out] : time) EXPECT_EQ(normaliseDtmfDigitTime(in), out) << in;
}

TEST(DtmfEncode, SpinArrowsCycleAndWrap) {
  EXPECT_EQ(spinDtmfFirstDelay("275", +1), "300");
  EXPECT_EQ(spinDtmfFirstDelay("275", -1), "250");
  EXPECT_EQ(spinDtmfFirstDelay("300", -1), "250");
  EXPECT_EQ(spinDtmfFirstDelay("1000", +1), "0");
  EXPECT_EQ(spinDtmfFirstDelay("0", -1), "1000");
  EXPECT_EQ(spinDtmfDigitTime("1000", +1), "0");
  EXPECT_EQ(spinDtmfDigitTime("0", -1), "1000");
  EXPECT_EQ(spinDtmfDigitTime("250", +1), "500");
  EXPECT_EQ(spinDtmfDigitTime("250", -1), "100");

  std::string up = "6", down = "6";
  std::vector<std::string> ups, downs;
  for (int i = 0; i < 4; ++i) {
    ups.push_back(up = spinDtmfSpeed(up, +1));
    downs.push_back(down = spinDtmfSpeed(down, -1));
  }
  EXPECT_EQ(ups, (std::vector<std::string>{"8", "10", "15", "6"}));
  EXPECT_EQ(downs, (std::vector<std::string>{"15", "10", "8", "6"}));
  EXPECT_EQ(spinDtmfSpeed("12", +1), "15");
  EXPECT_EQ(spinDtmfSpeed("40", -1), "15");
}

TEST(DtmfEncode, KeyFilterTakesDigitsAndEditingKeysOnly) {
  EXPECT_TRUE(dtmfEncodeKey(digit('5')).pass);
  EXPECT_TRUE(dtmfEncodeKey(digit('5', false, true)).pass);
  EXPECT_TRUE(dtmfEncodeKey(named(KeyKind::Backspace)).pass);
  EXPECT_TRUE(dtmfEncodeKey(named(KeyKind::Left)).pass);
  EXPECT_FALSE(dtmfEncodeKey(digit('5', true)).pass);
  EXPECT_FALSE(dtmfEncodeKey(named(KeyKind::Up)).pass);
  EXPECT_FALSE(dtmfEncodeKey(named(KeyKind::Escape)).pass);
  EXPECT_FALSE(dtmfEncodeKey(named(KeyKind::Enter)).pass);
  EXPECT_FALSE(dtmfEncodeKey(letter('A')).pass);
  EXPECT_EQ(dtmfEncodeKey(named(KeyKind::F1)), (KeyDecision{true, true}));
}

TEST(DtmfDecode, GroupCodeAndStunTypeTexts) {
  RadioImage image;
  image.set(0x12A8, 0x81);  // bits 0 and 7 belong to the optional features
  DtmfDecodeForm form = loadDtmfDecode(image, Language::English);
  EXPECT_EQ(form.groupCode, "Off");
  EXPECT_EQ(form.stunType, "Transceiver inhibit");
  EXPECT_FALSE(form.stunActivation);
  EXPECT_EQ(loadDtmfDecode(image, Language::Chinese).groupCode, "关");

  form.groupCode = "*";
  form.stunType = "Tx inhibit";
  form.stunActivation = true;
  storeDtmfDecode(form, image);
  EXPECT_EQ(image.at(0x132F), 0x2A);
  EXPECT_EQ(image.at(0x12A8), 0x81 | 0x30);

  form.groupCode = "关";
  form.stunType = "禁止收发";
  form.stunActivation = false;
  storeDtmfDecode(form, image);
  EXPECT_EQ(image.at(0x132F), 0xFF);
  EXPECT_EQ(image.at(0x12A8), 0x81);
  form.stunType = "禁止发射";
  storeDtmfDecode(form, image);
  EXPECT_EQ(loadDtmfDecode(image, Language::Chinese).stunType, "禁止发射");
}

TEST(DtmfDecode, CodesFillTenBytes) {
  RadioImage image;
  image.set(0x132A, 0x11);  // between the ID code and the group code
  DtmfDecodeForm form = loadDtmfDecode(image, Language::English);
  form.idCode = "0123456789";
  form.stunCode = "12AB";
  storeDtmfDecode(form, image);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(image.at(0x1320 + i), '0' + i);
  EXPECT_EQ(image.at(0x132A), 0x11);
  EXPECT_EQ(image.text(0x1338, 10), "12AB");
  EXPECT_EQ(image.at(0x133C), 0xFF);
  EXPECT_EQ(image.at(0x1341), 0xFF);
  EXPECT_EQ(loadDtmfDecode(image, Language::English).idCode, "0123456789");

  form.idCode.clear();
  storeDtmfDecode(form, image);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(image.at(0x1320 + i), 0xFF);
}

TEST(DtmfDecode, KeyFilterOnlyGuardsTheStunCode) {
  EXPECT_TRUE(dtmfDecodeKey(letter('Z'), false).pass);
  EXPECT_TRUE(dtmfDecodeKey(named(KeyKind::Escape), false).pass);
  EXPECT_TRUE(dtmfDecodeKey(letter('D'), true).pass);
  EXPECT_FALSE(dtmfDecodeKey(letter('E'), true).pass);
  EXPECT_TRUE(dtmfDecodeKey(digit('3', true), true).pass);
  EXPECT_TRUE(dtmfDecodeKey(digit('8', true), true).pass);
  EXPECT_FALSE(dtmfDecodeKey(digit('5', true), true).pass);
  EXPECT_FALSE(dtmfDecodeKey(letter('A', true), true).pass);
  EXPECT_FALSE(dtmfDecodeKey(named(KeyKind::Up), true).pass);
  EXPECT_FALSE(dtmfDecodeKey(named(KeyKind::Escape), true).pass);
  EXPECT_EQ(dtmfDecodeKey(named(KeyKind::F1), true), (KeyDecision{true, true}));
}

TEST(DtmfCallList, EntriesAtTheirRowsWithTheRowTailsUntouched) {
  RadioImage image;
  for (int n = 1; n <= 9; ++n) image.fill(dtmfCallOffset(n) + 16, 8, 0x5A);
  image.setText(dtmfCallOffset(2), 16, "12");
  image.set(dtmfCallOffset(2) + 2, 0xFF);
  image.set(dtmfCallOffset(2) + 3, '9');  // after the 0xFF: not part of the entry
  DtmfCallListForm form = loadDtmfCallList(image);
  EXPECT_EQ(form.entries[1], "12");

  form.entries[0] = "0123456789ABCD*#";  // exactly 16
  form.entries[8] = "#";
  storeDtmfCallList(form, image);
  EXPECT_EQ(dtmfCallOffset(1), 0x1380u);
  EXPECT_EQ(dtmfCallOffset(9), 0x1440u);
  for (int i = 0; i < 16; ++i) EXPECT_NE(image.at(0x1380 + i), 0xFF);
  EXPECT_EQ(image.at(0x1398 + 3), 0xFF);  // the rest after the cut is 0xFF
  EXPECT_EQ(image.at(0x1440), '#');
  for (int n = 1; n <= 9; ++n)
    for (int i = 16; i < 24; ++i) EXPECT_EQ(image.at(dtmfCallOffset(n) + i), 0x5A);
  EXPECT_EQ(loadDtmfCallList(image).entries[0], "0123456789ABCD*#");
}

TEST(DtmfCallList, KeyFilter) {
  for (char c : {'A', 'B', 'C', 'D'}) EXPECT_TRUE(dtmfCallListKey(letter(c)).pass);
  EXPECT_FALSE(dtmfCallListKey(letter('E')).pass);
  EXPECT_TRUE(dtmfCallListKey(digit('3', true)).pass);
  EXPECT_EQ(typedCharacter(digit('3', true)), '#');
  EXPECT_EQ(typedCharacter(digit('8', true)), '*');
  EXPECT_FALSE(dtmfCallListKey(digit('5', true)).pass);
  EXPECT_TRUE(dtmfCallListKey(named(KeyKind::Down)).pass);
  EXPECT_FALSE(dtmfCallListKey(named(KeyKind::Enter)).pass);
  EXPECT_FALSE(dtmfCallListKey(named(KeyKind::Escape)).pass);
}

}  // namespace
}  // namespace radio
