#include "model/ChannelCodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace radio {
namespace {

TEST(FrequencyText, ExactDecimalScalingTruncates) {
  struct Case {
    const char* text;
    std::int32_t value;
    const char* normalised;
  };
  const Case cases[] = {
      {"136.0125", 13'601'250, "136.01250"},  // plain double arithmetic gives ...249
      {"145.125", 14'512'500, "145.12500"},
      {"145.123456", 14'512'345, "145.12346"},  // truncated to 10 Hz, text rounded by %3.5f
      {"67", 6'700'000, "67.00000"},
      {"600", 60'000'000, "600.00000"},
      {"  438.5abc", 43'850'000, "438.50000"},  // blanks skipped, stops at the letter
      {"", 0, "0.00000"},
      {"abc", 0, "0.00000"},
      {"-145", -14'500'000, "-145.00000"},
      {"1e2", 10'000'000, "100.00000"},
      {"+440.00625", 44'000'625, "440.00625"},
      {".5", 50'000, "0.50000"},
  };
  for (const auto& c : cases) {
    const ParsedFrequency p = parseFrequencyText(c.text);
    EXPECT_EQ(p.value, c.value) << c.text;
    EXPECT_EQ(p.text, c.normalised) << c.text;
  }
}

TEST(FrequencyText, EveryStepFrequencyOfBothBandsRoundTrips) {
  // Each 6.25 kHz and 5 kHz channel of the two default bands, formatted and parsed
  // back, gives its own value: the decimal scaling never loses the last 10 Hz.
  for (std::int32_t v = 13'600'000; v <= 17'400'000; v += 625)
    ASSERT_EQ(parseFrequencyText(formatFrequency(v)).value, v) << v;
  for (std::int32_t v = 40'000'000; v <= 52'000'000; v += 500)
    ASSERT_EQ(parseFrequencyText(formatFrequency(v)).value, v) << v;
}

TEST(FrequencyText, HugeAndNonFiniteNumbersStayOutOfRange) {
  const BandLimits limits;
  for (const char* text : {"1e30", "99999999999", "inf", "-1e30"}) {
    const auto p = parseFrequencyText(text);
    EXPECT_EQ(validateReceiveFrequency(p.value, limits).message, MessageId::DataFormat) << text;
  }
  EXPECT_EQ(parseFrequencyText("nan").value, 0);
}

TEST(FrequencyField, PackedBcdLeastSignificantPairFirst) {
  EXPECT_EQ(encodeFrequencyField(14'512'500), (std::array<Byte, 4>{0x00, 0x25, 0x51, 0x14}));
  EXPECT_EQ(encodeFrequencyField(60'000'000), (std::array<Byte, 4>{0x00, 0x00, 0x00, 0x60}));
  EXPECT_EQ(encodeFrequencyField(6'700'000), (std::array<Byte, 4>{0x00, 0x00, 0x70, 0x06}));
  for (std::int32_t v : {0, 1, 99, 6'700'000, 14'512'500, 43'999'375, 60'000'000, 99'999'999}) {
    const auto bytes = encodeFrequencyField(v);
    EXPECT_EQ(decodeFrequencyField(bytes), v);
  }
  EXPECT_EQ(formatFrequency(14'512'500), "145.12500");
}

TEST(Validation, RangeStepAndBandInThatOrder) {
  BandLimits limits{13'600'000, 17'400'000, 40'000'000, 52'000'000};
  auto check = [&](const char* text) { return validateReceiveFrequency(parseFrequencyText(text).value, limits); };
  EXPECT_EQ(check("66.99375").message, MessageId::DataFormat);
  EXPECT_EQ(check("66.99375").icon, MessageIcon::Stop);
  EXPECT_EQ(check("600.00625").message, MessageId::DataFormat);
  EXPECT_EQ(check("145.0025").message, MessageId::StepValue);
  EXPECT_EQ(check("145.0025").icon, MessageIcon::Exclamation);
  EXPECT_TRUE(check("145.00625").valid());
  EXPECT_TRUE(check("174.00000").valid());
  EXPECT_TRUE(check("400.00000").valid());
  EXPECT_EQ(check("174.00500").message, MessageId::OutOfRange);
  // In range and off-step outside the bands: the step message comes first.
  EXPECT_EQ(check("300.0025").message, MessageId::StepValue);
  EXPECT_EQ(check("67").message, MessageId::OutOfRange);
  EXPECT_EQ(check("600").message, MessageId::OutOfRange);
}

TEST(Validation, TransmitOutsideBothBandsBecomesBandOneLowerEdge) {
  const BandLimits limits{13'600'000, 17'400'000, 40'000'000, 52'000'000};
  EXPECT_EQ(validateTransmitFrequency(parseFrequencyText("145.0025"), limits), "145.00250");
  EXPECT_EQ(validateTransmitFrequency(parseFrequencyText("300"), limits), "136.00000");
  EXPECT_EQ(validateTransmitFrequency(parseFrequencyText(""), limits), "136.00000");
}

TEST(ToneList, HasTheFullListInOrder) {
  const auto& en = toneList(Language::English);
  const auto& zh = toneList(Language::Chinese);
  ASSERT_EQ(en.size(), 261u);
  ASSERT_EQ(zh.size(), 261u);
  EXPECT_EQ(en[0], "None");
  EXPECT_EQ(zh[0], "无");
  EXPECT_EQ(en[1], "67.0");
  EXPECT_EQ(en[50], "254.1");
  EXPECT_EQ(en[51], "D023N");
  EXPECT_EQ(en[155], "D754N");
  EXPECT_EQ(en[156], "D023I");
  EXPECT_EQ(en[260], "D754I");
  EXPECT_EQ(std::set<std::string>(en.begin(), en.end()).size(), 261u);
}

TEST(ToneField, EveryListedToneRoundTrips) {
  for (Language lang : {Language::English, Language::Chinese}) {
    for (const auto& text : toneList(lang)) {
      const ToneBytes b = encodeToneField(text);
      EXPECT_EQ(decodeToneField(b.low, b.high, true, lang), text) << text;
    }
  }
}

TEST(ToneField, KnownEncodings) {
  EXPECT_EQ(encodeToneField("D023N"), (ToneBytes{0x23, 0x80}));
  EXPECT_EQ(encodeToneField("D754I"), (ToneBytes{0x54, 0xC7}));
  EXPECT_EQ(encodeToneField("D754N"), (ToneBytes{0x54, 0x87}));
  EXPECT_EQ(encodeToneField("254.1"), (ToneBytes{0x41, 0x25}));
  EXPECT_EQ(encodeToneField("67.0"), (ToneBytes{0x70, 0x06}));
  EXPECT_EQ(encodeToneField("None"), (ToneBytes{0xFF, 0xFF}));
  EXPECT_EQ(encodeToneField("无"), (ToneBytes{0xFF, 0xFF}));
  EXPECT_EQ(encodeToneField(""), (ToneBytes{0xFF, 0xFF}));
}

TEST(ToneField, DecodingOfStoredBytes) {
  EXPECT_EQ(decodeToneField(0x70, 0x06, true, Language::English), "67.0");
  EXPECT_EQ(decodeToneField(0x23, 0xC0, true, Language::English), "D023I");
  EXPECT_EQ(decodeToneField(0x14, 0x81, true, Language::English), "D114N");
  EXPECT_EQ(decodeToneField(0xFF, 0xFF, true, Language::English), "None");
  EXPECT_EQ(decodeToneField(0x00, 0x00, true, Language::Chinese), "无");
  EXPECT_EQ(decodeToneField(0xFF, 0xFF, false, Language::English), "");
  // A present tone shows even on a channel not in use.
  EXPECT_EQ(decodeToneField(0x70, 0x06, false, Language::English), "67.0");
}

// Every pair of tone bytes that shows a tone is stored back byte for byte, and
// every pair that is not digit pairs says so instead of showing a wrong tone.
TEST(ToneField, EveryBytePairShowsExactlyOrAsRawBytes) {
  for (Language lang : {Language::English, Language::Chinese}) {
    for (unsigned v = 0; v < 0x10000; ++v) {
      const Byte low = v & 0xFF, high = static_cast<Byte>(v >> 8);
      if (high == 0x00 || high == 0xFF) continue;  // no tone, whatever the low byte
      const std::string text = decodeToneField(low, high, true, lang);
      const bool digits = isDigitPair(low) && (high >= 0x80 || isDigitPair(high));
      ASSERT_EQ(isRawFieldText(text), !digits) << std::hex << v << " " << text;
      ASSERT_EQ(encodeToneField(text), (ToneBytes{low, high})) << std::hex << v << " " << text;
    }
  }
  EXPECT_EQ(decodeToneField(0xFF, 0x7F, true, Language::English), "Invalid FF7F");
  EXPECT_EQ(decodeToneField(0xFF, 0xBF, true, Language::Chinese), "无效 FFBF");
}

TEST(RawField, TextsOfBothLanguagesAndWhatIsNotOne) {
  const Byte bytes[4] = {0x00, 0x00, 0x00, 0xFA};
  EXPECT_EQ(frequencyFieldText(bytes, Language::English), "Invalid 000000FA");
  EXPECT_EQ(frequencyFieldText(bytes, Language::Chinese), "无效 000000FA");
  const Byte valid[4] = {0x00, 0x25, 0x51, 0x14};
  EXPECT_EQ(frequencyFieldText(valid, Language::English), "145.12500");
  struct Case {
    const char* text;
    bool fourBytes;
  };
  for (const Case c : {Case{"Invalid 000000fa", true}, Case{"无效 000000FA", true}, Case{"Invalid 000000F", false},
                       Case{"Invalid 00000FA", false}, Case{"Invalid 0000000G", false}, Case{"Invalid ", false},
                       Case{"invalid 000000FA", false}, Case{"145.125", false}}) {
    std::array<Byte, 4> out{1, 2, 3, 4};
    EXPECT_EQ(parseRawFieldText(c.text, out), c.fourBytes) << c.text;
    EXPECT_EQ(out, c.fourBytes ? (std::array<Byte, 4>{0x00, 0x00, 0x00, 0xFA}) : (std::array<Byte, 4>{1, 2, 3, 4}))
        << c.text;
  }
  EXPECT_EQ(encodeOffsetDirection("Invalid 000000FA", "145.0", 0xBF), 0xBF);
}

TEST(Flags, BothLanguagesEncodeAndUnknownTextsFallBack) {
  EXPECT_EQ(encodeFlag(FlagField::Power, "High", 0), 0x20);
  EXPECT_EQ(encodeFlag(FlagField::Power, "高", 0), 0x20);
  EXPECT_EQ(encodeFlag(FlagField::Power, "high", 0xFF), 0xDF);  // exact comparison
  EXPECT_EQ(encodeFlag(FlagField::Bandwidth, "宽", 0), 0x10);
  EXPECT_EQ(encodeFlag(FlagField::Scan, "Yes", 0), 0x08);
  EXPECT_EQ(encodeFlag(FlagField::Scan, "否", 0xFF), 0xF7);
  EXPECT_EQ(encodeFlag(FlagField::BusyLock, "Off", 0xFF), 0xF9);
  EXPECT_EQ(encodeFlag(FlagField::BusyLock, "载波", 0x00), 0x02);
  EXPECT_EQ(encodeFlag(FlagField::BusyLock, "QT/DQT", 0x00), 0x04);
  EXPECT_EQ(encodeFlag(FlagField::BusyLock, "", 0x01), 0x05);
  EXPECT_EQ(decodeFlag(FlagField::BusyLock, 0x06, Language::English), "QT/DQT");
  EXPECT_EQ(decodeFlag(FlagField::BusyLock, 0x02, Language::Chinese), "载波");
  EXPECT_EQ(decodeFlag(FlagField::Power, 0x00, Language::Chinese), "低");
}

TEST(Flags, OffsetDirection) {
  EXPECT_EQ(encodeOffsetDirection("145.000", "145.600", 0xC0), 0x80);
  EXPECT_EQ(encodeOffsetDirection("145.600", "145.000", 0x00), 0x40);
  EXPECT_EQ(encodeOffsetDirection("145.600", "145.600", 0xFF), 0x3F);
  EXPECT_EQ(encodeOffsetDirection("", "145.600", 0xFF), 0x3F);
  EXPECT_EQ(encodeOffsetDirection("145.600", "", 0x80), 0x00);
}

}  // namespace
}  // namespace radio
