// 2-Tone encode and decode pages: exact numbers, the rules on leaving an edit and
// on the spin arrows, both stored forms, and the bytes no page owns.
#include <gtest/gtest.h>

#include "KeyStrokes.h"
#include "features/TwoToneDecodeForm.h"
#include "features/TwoToneEncodeForm.h"

namespace radio {
namespace {

using namespace test;

TEST(TwoToneNumber, ParsesLikeAnEditAndFormatsLikePrintf) {
  const std::pair<const char*, std::int64_t> parsed[] = {{"1000.0", 1000 * kMicro},
                                                         {" 5.0", 5 * kMicro},
                                                         {"0.35", 350'000},
                                                         {"1.2.3", 1'200'000},
                                                         {"abc", 0},
                                                         {"", 0},
                                                         {".5", 500'000}};
  for (const auto& [text, micros] : parsed) EXPECT_EQ(parseMicros(text), micros) << text;
  EXPECT_EQ(formatMicros(5 * kMicro, 4, 1), " 5.0");
  EXPECT_EQ(formatMicros(3'276'750'000, 2, 1), "3276.8");  // halves away from zero
  EXPECT_EQ(formatMicros(250'000, 2, 1), "0.3");
  EXPECT_EQ(formatMicros(300'000, 3, 2), "0.30");
}

TEST(TwoToneNumber, DivisorsAreNearestWholeNumbersHalvesUp) {
  EXPECT_EQ(nearestDivisor(twotone::kEncodeDivisor, 1000 * kMicro), 112u);   // 111.957
  EXPECT_EQ(nearestDivisor(twotone::kDecodeDivisor, 1000 * kMicro), 896u);   // 895.658
  EXPECT_EQ(nearestDivisor(10, 4 * kMicro), 3u);                             // 2.5 goes up
  EXPECT_EQ(nearestDivisor(twotone::kDecodeDivisor, 0), 0u);                 // no divisor for 0 Hz
  EXPECT_EQ(nearestDivisor(twotone::kDecodeDivisor, kMicro / 10), 0xFFFFu);  // never wraps
}

// One field, what is in it, and what leaving it or a spin arrow makes of it.
struct FieldCase {
  TwoToneField field;
  const char* text;
  const char* expected;
};

TEST(TwoToneRules, LeavingAnEditClampsAndFormats) {
  using F = TwoToneField;
  const FieldCase cases[] = {
      {F::Tone, "5000", "3106.0"},    {F::Tone, "12", "288.5"},        {F::Tone, "abc", "288.5"},
      {F::Tone, "1000.06", "1000.1"}, {F::Delay, "0.1", "0.5"},        {F::Delay, "25", "10.0"},
      {F::DecodeInterval, "", "0.0"}, {F::EncodeInterval, "3", "2.0"}, {F::TxRise, "0.33", "0.30"},
      {F::TxRise, "0.35", "0.35"},    {F::TxRise, "0.07", "0.10"},     {F::TxRise, "1.04", "1.00"}};
  for (const auto& c : cases) EXPECT_EQ(twoToneLeave(c.field, c.text), c.expected) << c.text;
  EXPECT_EQ(twoToneCellCommit(""), "");
  EXPECT_EQ(twoToneCellCommit("9999"), "3106.0");
}

TEST(TwoToneRules, SpinArrowsStepAndWrap) {
  using F = TwoToneField;
  const FieldCase up[] = {{F::Tone, "3106.0", "288.5"},      {F::Tone, "1000.0", "1000.1"}, {F::Delay, "10.0", "0.5"},
                          {F::DecodeInterval, "2.0", "0.0"}, {F::TxRise, "0.33", "0.35"},   {F::TxRise, "0.35", "0.40"},
                          {F::TxRise, "1.00", "0.10"}};
  const FieldCase down[] = {{F::Tone, "288.5", "3106.0"},      {F::Delay, "0.5", "10.0"},
                            {F::Delay, "0.6", "0.5"},  // exact: no wrap on 0.6 - 0.1
                            {F::EncodeInterval, "0.0", "2.0"}, {F::TxRise, "0.33", "0.30"},
                            {F::TxRise, "0.10", "1.00"}};
  for (const auto& c : up) EXPECT_EQ(twoToneSpin(c.field, c.text, +1), c.expected) << c.text;
  for (const auto& c : down) EXPECT_EQ(twoToneSpin(c.field, c.text, -1), c.expected) << c.text;
}

TEST(TwoToneRules, KeyFilterTakesEitherDecimalPointAndNoShiftedDigit) {
  for (const bool keypad : {false, true}) {
    for (const KeyStroke& k : {named(KeyKind::KeypadDecimal), named(KeyKind::FullStop), digit('4', false, true)})
      EXPECT_TRUE(twoToneKey(k, keypad).pass) << int(k.kind) << keypad;
    for (const KeyStroke& k : {named(KeyKind::Other), digit('4', true), named(KeyKind::Escape), named(KeyKind::Enter)})
      EXPECT_FALSE(twoToneKey(k, keypad).pass) << int(k.kind) << keypad;
  }
}

TEST(TwoToneEncode, StoresBothFormsOfCellsAndTiming) {
  RadioImage image;
  TwoToneEncodeForm form = loadTwoToneEncode(image);
  EXPECT_EQ(form.tones[0][0], "");  // 0xFFFF is an empty cell
  EXPECT_EQ(form.firstDelay, "25.5");
  form.tones[0][0] = "1000.0";
  form.tones[5][1] = "";
  form.firstDelay = "10.0";
  form.secondDelay = "0.5";
  form.longDelay = "2.3";
  form.toneInterval = "1.5";
  form.txRise = "0.35";
  form.shortBeep = true;
  storeTwoToneEncode(form, image);

  EXPECT_EQ(image.be16(0x1500), 0x2710);
  EXPECT_EQ(image.be16(0x1680), 112);
  const std::size_t cell = twoToneEncodeOffset(5, 1);
  EXPECT_EQ(cell, 0x1500u + 24 + 4 + 2);
  EXPECT_EQ(image.be16(cell), 0xFFFF);
  EXPECT_EQ(image.be16(cell + 0x180), 0x0000);
  // Each timing byte in its shown form and, 0x180 further on, the radio's.
  const std::tuple<std::size_t, unsigned, unsigned> timing[] = {
      {0x1620, 100, 200}, {0x1621, 5, 10}, {0x1622, 23, 46}, {0x1627, 1, 0xFF}};  // the short beep has no radio form
  for (const auto& [at, shown, radio] : timing) {
    EXPECT_EQ(image.at(at), shown) << std::hex << at;
    EXPECT_EQ(image.at(at + 0x180), radio) << std::hex << at;
  }
  for (std::size_t at : {0x1623u, 0x17A3u}) EXPECT_EQ(image.be16(at), 30) << std::hex << at;
  for (std::size_t at : {0x1625u, 0x17A5u}) EXPECT_EQ(image.be16(at), 7) << std::hex << at;

  const TwoToneEncodeForm again = loadTwoToneEncode(image);
  EXPECT_EQ(again.tones[0][0], "1000.0");
  EXPECT_EQ(again.txRise, "0.35");
  EXPECT_EQ(again.toneInterval, "1.5");
}

TEST(TwoToneEncode, BlankValuesNeverWrapWhenStoredBack) {
  RadioImage image;
  TwoToneEncodeForm form = loadTwoToneEncode(image);
  EXPECT_EQ(form.toneInterval, "3276.8");
  EXPECT_EQ(form.txRise, "3276.75");
  storeTwoToneEncode(form, image);
  EXPECT_EQ(image.at(0x1620), 0xFF);
  EXPECT_EQ(image.at(0x17A0), 0xFF);  // 510 fifties do not fit a byte
  EXPECT_EQ(image.be16(0x1623), 0xFFFF);
  EXPECT_EQ(image.be16(0x1625), 0xFFFF);
}

TEST(TwoToneDecode, EntriesAtTheirBasesInBothForms) {
  RadioImage image;
  TwoToneDecodeForm form{"1000.0", "3106.0", "10.0", "0.5", "1.5", "2.0"};
  storeTwoToneDecode(form, image, 3);
  EXPECT_EQ(image.be16(0x15D8), 0x2710);
  EXPECT_EQ(image.be16(0x1758), 0x0380);
  EXPECT_EQ(image.be16(0x15DA), 31060);
  EXPECT_EQ(image.be16(0x175A), 288);  // 895658 / 3106 = 288.36
  const Byte display[] = {100, 5, 15, 20};
  const Byte radioForm[] = {200, 10, 30, 40};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(image.at(0x15DC + i), display[i]);
    EXPECT_EQ(image.at(0x175C + i), radioForm[i]);
  }
  EXPECT_EQ(loadTwoToneDecode(image, 3), form);
}

TEST(TwoToneDecode, LoadedTimesShowOneDecimalAsStored) {
  RadioImage image;
  image.setBe16(0x15C0, 50);  // out of range: shown as stored
  const TwoToneDecodeForm form = loadTwoToneDecode(image, 1);
  EXPECT_EQ(form.aTone, " 5.0");
  EXPECT_EQ(form.bTone, "6553.5");
  EXPECT_EQ(form.interval, "25.5");
}

}  // namespace
}  // namespace radio
