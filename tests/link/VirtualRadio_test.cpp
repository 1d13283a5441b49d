// The virtual radio's own rules: strictness, fault parsing, the memory map.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "link/RadioMemoryMap.h"
#include "link/VirtualRadio.h"

namespace radio {
namespace {

std::vector<Byte> feed(VirtualRadio& radio, std::initializer_list<Byte> bytes) {
  std::vector<Byte> out;
  for (Byte b : bytes) radio.receive(b, out);
  return out;
}

TEST(VirtualRadio, AnswersOnlyInProtocolOrderAndRecordsSlips) {
  VirtualRadio radio(test::randomMemory(1));
  // A read request before any wake-up is ignored like line noise.
  EXPECT_TRUE(feed(radio, {0x52, 0x00, 0x00, 0x08}).empty());
  EXPECT_EQ(feed(radio, {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41}), std::vector<Byte>{0x06});
  // A read request instead of Identify is a protocol slip.
  EXPECT_TRUE(feed(radio, {0x52}).empty());
  EXPECT_EQ(radio.violations().size(), 1u);
  feed(radio, {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41});
  EXPECT_EQ(feed(radio, {0x4D, 0x02}).size(), 8u);
  EXPECT_EQ(feed(radio, {0x06}), std::vector<Byte>{0x06});
  // An acknowledge with no read reply to confirm is a slip too.
  EXPECT_TRUE(feed(radio, {0x06}).empty());
  EXPECT_EQ(radio.violations().size(), 2u);
  // Data bytes of a write may look like STX without restarting the wake-up.
  EXPECT_EQ(feed(radio, {0x57, 0x00, 0x10, 0x02, 0x02, 0x06}), std::vector<Byte>{0x06});
  EXPECT_EQ(radio.memory()[0x10], 0x02);
  EXPECT_EQ(radio.memory()[0x11], 0x06);
  // Requests past the memory end are refused.
  EXPECT_TRUE(feed(radio, {0x52, 0x0F, 0xFC, 0x08}).empty());
  EXPECT_EQ(radio.violations().size(), 3u);
}

TEST(RadioMemoryMap, EveryRadioAddressHasItsOwnImageByte) {
  std::vector<int> hits(kImageSize, 0);
  for (unsigned a = 0; a < kRadioMemorySize; ++a) ++hits[imageOffsetForRadioAddress(static_cast<std::uint16_t>(a))];
  for (std::size_t off = 0; off < kImageSize; ++off) {
    const std::size_t row = off / kRecordSize;
    const bool moved = row <= 129 || (row >= 195 && off % kRecordSize < 16);
    ASSERT_EQ(hits[off], moved ? 1 : 0) << off;
  }
  EXPECT_EQ(imageOffsetForRadioAddress(0x0FD1), addr::kBandType);
  EXPECT_EQ(imageOffsetForRadioAddress(0x0FE2), addr::kPassword);
  EXPECT_EQ(imageOffsetForRadioAddress(0x0FF6), addr::kSquelch);
  EXPECT_EQ(imageOffsetForRadioAddress(0x0C73), addr::kMskFlags);
}

}  // namespace
}  // namespace radio
