// SPDX-License-Identifier: GPL-3.0-or-later
// The channel record's fields, the code pages of names and the band record: the
// exact bytes of each value, exhaustive round trips where the values are few.
#include <gtest/gtest.h>

#include <cmath>

#include "model/ChannelCodec.h"
#include "model/CodePage.h"
#include "model/RadioImage.h"

namespace radio {
namespace {

// ---- Channel fields ---------------------------------------------------------

TEST(FrequencyText, ExactDecimalScalingTruncates) {
  struct Case {
    const char* text;
    std::int32_t value;
    const char* normalised;
  };
  const Case cases[] = {
      {"136.0125", 13'601'250, "136.01250"},    // plain double arithmetic gives ...249
      {"145.123456", 14'512'345, "145.12346"},  // truncated to 10 Hz, text rounded by %3.5f
      {"67", 6'700'000, "67.00000"},
      {"  438.5abc", 43'850'000, "438.50000"},  // blanks skipped, stops at the letter
      {"", 0, "0.00000"},
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
  EXPECT_EQ(encodeFrequencyField(6'700'000), (std::array<Byte, 4>{0x00, 0x00, 0x70, 0x06}));
  for (std::int32_t v : {0, 1, 99, 6'700'000, 14'512'500, 43'999'375, 60'000'000, 99'999'999}) {
    const auto bytes = encodeFrequencyField(v);
    EXPECT_EQ(decodeFrequencyField(bytes), v);
  }
}

TEST(Validation, RangeStepAndBandInThatOrder) {
  const BandLimits limits{13'600'000, 17'400'000, 40'000'000, 52'000'000};
  const std::pair<const char*, MessageId> cases[] = {
      {"66.99375", MessageId::DataFormat},
      {"600.00625", MessageId::DataFormat},
      {"145.0025", MessageId::StepValue},
      {"174.00500", MessageId::OutOfRange},
      {"67", MessageId::OutOfRange},
      // In range and off-step outside the bands: the step message comes first.
      {"300.0025", MessageId::StepValue},
  };
  for (const auto& [text, message] : cases)
    EXPECT_EQ(validateReceiveFrequency(parseFrequencyText(text).value, limits).message, message) << text;
  for (const char* text : {"145.00625", "174.00000", "400.00000"})
    EXPECT_TRUE(validateReceiveFrequency(parseFrequencyText(text).value, limits).valid()) << text;
  EXPECT_EQ(validateReceiveFrequency(parseFrequencyText("66").value, limits).icon, MessageIcon::Stop);
  EXPECT_EQ(validateReceiveFrequency(parseFrequencyText("145.0025").value, limits).icon, MessageIcon::Exclamation);
}

TEST(ToneField, EveryListedToneRoundTrips) {
  for (Language lang : {Language::English, Language::Chinese}) {
    for (const auto& text : toneList(lang)) {
      const ToneBytes b = encodeToneField(text);
      EXPECT_EQ(decodeToneField(b.low, b.high, true, lang), text) << text;
    }
  }
}

TEST(ToneField, StoredBytesOfEachKind) {
  struct Case {
    const char* text;
    Byte low, high;
  };
  const Case cases[] = {{"D023N", 0x23, 0x80}, {"D754I", 0x54, 0xC7}, {"D754N", 0x54, 0x87}, {"D114N", 0x14, 0x81},
                        {"254.1", 0x41, 0x25}, {"67.0", 0x70, 0x06},  {"None", 0xFF, 0xFF}};
  for (const Case& c : cases) {
    EXPECT_EQ(encodeToneField(c.text), (ToneBytes{c.low, c.high})) << c.text;
    EXPECT_EQ(decodeToneField(c.low, c.high, true, Language::English), c.text) << c.text;
  }
  EXPECT_EQ(encodeToneField("无"), (ToneBytes{0xFF, 0xFF}));
  EXPECT_EQ(encodeToneField(""), (ToneBytes{0xFF, 0xFF}));
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
}

TEST(RawField, OnlyTheExactTextOfFourBytesParses) {
  struct Case {
    const char* text;
    bool fourBytes;
  };
  for (const Case c : {Case{"Invalid 000000fa", true}, Case{"无效 000000FA", true}, Case{"Invalid 000000F", false},
                       Case{"Invalid 0000000G", false}, Case{"invalid 000000FA", false}, Case{"145.125", false}}) {
    std::array<Byte, 4> out{1, 2, 3, 4};
    EXPECT_EQ(parseRawFieldText(c.text, out), c.fourBytes) << c.text;
    EXPECT_EQ(out, c.fourBytes ? (std::array<Byte, 4>{0x00, 0x00, 0x00, 0xFA}) : (std::array<Byte, 4>{1, 2, 3, 4}))
        << c.text;
  }
  EXPECT_EQ(encodeOffsetDirection("Invalid 000000FA", "145.0", 0xBF), 0xBF);
}

TEST(Flags, BothLanguagesEncodeAndUnknownTextsFallBack) {
  struct Case {
    FlagField field;
    const char* text;
    Byte before, after;
  };
  const Case cases[] = {
      {FlagField::Power, "高", 0, 0x20},      {FlagField::Power, "high", 0xFF, 0xDF},  // exact comparison
      {FlagField::Bandwidth, "宽", 0, 0x10},  {FlagField::Scan, "Yes", 0, 0x08},
      {FlagField::Scan, "否", 0xFF, 0xF7},    {FlagField::BusyLock, "Off", 0xFF, 0xF9},
      {FlagField::BusyLock, "载波", 0, 0x02}, {FlagField::BusyLock, "QT/DQT", 0, 0x04},
      {FlagField::BusyLock, "", 0x01, 0x05},
  };
  for (const Case& c : cases) EXPECT_EQ(encodeFlag(c.field, c.text, c.before), c.after) << c.text;
  EXPECT_EQ(decodeFlag(FlagField::BusyLock, 0x06, Language::English), "QT/DQT");
  EXPECT_EQ(decodeFlag(FlagField::BusyLock, 0x02, Language::Chinese), "载波");
  EXPECT_EQ(decodeFlag(FlagField::Power, 0x00, Language::Chinese), "低");
  // Offset direction: up, down, none; an empty side says none.
  EXPECT_EQ(encodeOffsetDirection("145.000", "145.600", 0xC0), 0x80);
  EXPECT_EQ(encodeOffsetDirection("145.600", "145.000", 0x00), 0x40);
  EXPECT_EQ(encodeOffsetDirection("145.600", "145.600", 0xFF), 0x3F);
  EXPECT_EQ(encodeOffsetDirection("", "145.600", 0xFF), 0x3F);
  EXPECT_EQ(encodeOffsetDirection("145.600", "", 0x80), 0x00);
}

// ---- Code pages -------------------------------------------------------------

// Chinese names in GBK, cut between characters, are tried through edit and the
// channel list import.
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

// ---- Band record ------------------------------------------------------------

TEST(BandRecord, NibbleEncodingBothWays) {
  const BandLimits l = bandLimitsFromRecord({0x13, 0x17, 0x64, 0x40, 0x48, 0x00});
  EXPECT_EQ(l, (BandLimits{13'600'000, 17'400'000, 40'000'000, 48'000'000}));
  EXPECT_EQ(bandRecordFromLimits({13'600'000, 17'400'000, 40'000'000, 52'000'000}), kGridBandRecord);
  // Every three-digit edge survives the trip through the record.
  for (int a = 0; a < 1000; a += 37) {
    const BandLimits in{a * 100'000, (999 - a) * 100'000, (a / 2) * 100'000, (a + 1) % 1000 * 100'000};
    EXPECT_EQ(bandLimitsFromRecord(bandRecordFromLimits(in)), in) << a;
  }
  // Edges are cut to whole MHz.
  EXPECT_EQ(bandRecordFromLimits({13'699'999, 17'400'000, 40'000'000, 48'000'000}), kDefaultBandRecord);
}

TEST(BandRecord, AbsentRecordsGiveTheDefault) {
  EXPECT_EQ(normalisedBandRecord({0, 0, 0, 0, 0, 0}), kDefaultBandRecord);
  EXPECT_EQ(normalisedBandRecord({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), kDefaultBandRecord);
  const BandRecord odd{0x00, 0x00, 0x00, 0x00, 0x00, 0x01};
  EXPECT_EQ(normalisedBandRecord(odd), odd);
}

}  // namespace
}  // namespace radio
