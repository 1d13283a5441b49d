#include <gtest/gtest.h>

#include "link/PortName.h"

namespace radio {
namespace {

TEST(PortName, NumbersBelowTenArePlainAndTheRestUseTheDeviceNamespace) {
  const std::pair<int, const char*> names[] = {{0, "COM0"}, {1, "COM1"}, {9, "COM9"}, {10, "\\\\.\\COM10"}};
  for (const auto& [n, name] : names) EXPECT_EQ(portNameForNumber(n), name);
  for (int n = 0; n <= 16; ++n) EXPECT_EQ(portNumberFromName(portNameForNumber(n)), n);
}

TEST(PortName, TheNumberFollowsTheFirstM) {
  EXPECT_EQ(portNumberFromName("COM3"), 3);
  EXPECT_EQ(portNumberFromName("\\\\.\\COM12"), 12);
  EXPECT_EQ(portNumberFromName("COM"), std::nullopt);
  EXPECT_EQ(portNumberFromName("/dev/ttyUSB0"), std::nullopt);
  // Only the first M counts, whatever the name.
  EXPECT_EQ(portNumberFromName("/dev/ttyACM0"), 0);
  EXPECT_EQ(portNumberFromName("COM 7"), 7);
}

}  // namespace
}  // namespace radio
