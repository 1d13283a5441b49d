// SPDX-License-Identifier: GPL-3.0-or-later
// The checks an image passes before it is written to a radio.
#include "model/ImageCheck.h"

#include <gtest/gtest.h>

#include "TestImages.h"

namespace radio {
namespace {

const BandLimits kGridBands = bandLimitsFromRecord(kGridBandRecord);

void setPassword(RadioImage& image, std::initializer_list<Byte> bytes) {
  std::size_t i = 0;
  for (const Byte b : bytes) image.set(addr::kPassword + i++, b);
}

TEST(WriteProblems, GoodImagesPass) {
  RadioImage image = test::newDocument();
  EXPECT_TRUE(writeProblems(image, kGridBands, Language::English).empty());
  test::putChannel(image, 1, "145.12500");
  test::putChannel(image, kChannelRows, "450.00000");
  image.set(addr::kChannels + chan::kTx + 3, 0xFF);  // channel 1 receive-only: nothing to check on transmit
  for (const auto& password : {std::string("123456"), std::string("1"), std::string()}) {
    image.setText(addr::kPassword, addr::kPasswordLength, password);
    EXPECT_TRUE(writeProblems(image, kGridBands, Language::English).empty()) << password;
  }
  EXPECT_EQ(undecodableChannelValues(image), 0);
}

TEST(WriteProblems, PasswordMustBeDigitsThenPadding) {
  RadioImage image = test::newDocument();
  setPassword(image, {'1', '2', 0xFF, '3', 0xFF, 0xFF});  // a digit after the padding
  auto problems = writeProblems(image, kGridBands, Language::English);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("31 32 FF 33 FF FF"), std::string::npos) << problems[0];
  EXPECT_NE(problems[0].find("password"), std::string::npos) << problems[0];

  setPassword(image, {'1', 'A', 0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(writeProblems(image, kGridBands, Language::English).size(), 1u);
  setPassword(image, {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  problems = writeProblems(image, kGridBands, Language::Chinese);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("电台密码"), std::string::npos) << problems[0];
}

TEST(WriteProblems, ChannelFrequenciesMustBeDigitsInsideTheBands) {
  RadioImage image = test::newDocument();
  test::putChannel(image, 3, "145.00000");
  test::putChannel(image, kChannelRows, "145.00000");
  image.channel(3)[chan::kRx] = 0x0A;                                     // not a digit pair
  image.copyIn(addr::kFr + chan::kTx, encodeFrequencyField(60'000'000));  // 600 MHz
  const auto problems = writeProblems(image, kGridBands, Language::English);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0], "Channel 3: the receive frequency bytes 0A 00 50 14 are not a frequency");
  EXPECT_EQ(problems[1],
            "Channel Fr: the transmit frequency 600.00000 MHz is outside the bands 136-174 MHz, 400-520 MHz");
  // The bands in force decide: with the default record 500 MHz is outside.
  image.copyIn(addr::kFr + chan::kTx, encodeFrequencyField(50'000'000));
  EXPECT_EQ(writeProblems(image, kGridBands, Language::English).size(), 1u);
  EXPECT_EQ(writeProblems(image, bandLimitsFromRecord(kDefaultBandRecord), Language::English).size(), 2u);
  // A record without a receive frequency is not in use: its leftover bytes are not checked.
  image.channel(3)[chan::kRx + 3] = 0xFF;
  EXPECT_EQ(writeProblems(image, kGridBands, Language::English).size(), 0u);
}

TEST(UndecodableChannelValues, CountsFrequenciesAndTonesOfEveryRowWithFr) {
  RadioImage image = test::newDocument();
  test::putChannel(image, 1, "145.00000");
  image.channel(1)[chan::kTx + 1] = 0xB0;  // transmit frequency
  image.channel(1)[chan::kRxTone] = 0x1A;  // CTCSS low byte
  image.channel(1)[chan::kRxTone + 1] = 0x01;
  image.channel(kChannelRows)[chan::kTxTone] = 0xAA;  // a DCS code on an unused row still shows
  image.channel(kChannelRows)[chan::kTxTone + 1] = 0x80;
  image.channel(kChannelRows + 1)[chan::kRx] = 0xAA;  // record 129 is no grid row
  image.channel(kChannelRows + 1)[chan::kRx + 3] = 0x14;
  EXPECT_EQ(undecodableChannelValues(image), 3);
}

}  // namespace
}  // namespace radio
