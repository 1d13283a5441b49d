#include <gtest/gtest.h>

#include "link/PortName.h"

namespace radio {
namespace {

TEST(PortName, NumbersBelowTenArePlainAndTheRestUseTheDeviceNamespace) {
  EXPECT_EQ(portNameForNumber(1), "COM1");
  EXPECT_EQ(portNameForNumber(9), "COM9");
  EXPECT_EQ(portNameForNumber(10), "\\\\.\\COM10");
  EXPECT_EQ(portNameForNumber(16), "\\\\.\\COM16");
  EXPECT_EQ(portNameForNumber(0), "COM0");
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
