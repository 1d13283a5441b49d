#include "model/RadioImage.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

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
