#include <gtest/gtest.h>

#include "link/PortName.h"

namespace radio {
namespace {

TEST(PortName, NamesBelowTenArePlainAndNumbersFollowTheFirstM) {
  const std::pair<int, const char*> names[] = {{0, "COM0"}, {1, "COM1"}, {9, "COM9"}, {10, "\\\\.\\COM10"}};
  for (const auto& [n, name] : names) EXPECT_EQ(portNameForNumber(n), name);
  for (int n = 0; n <= 16; ++n) EXPECT_EQ(portNumberFromName(portNameForNumber(n)), n);
  // The number follows the first M, whatever the name.
  const std::pair<const char*, std::optional<int>> numbers[] = {
      {"COM", std::nullopt}, {"/dev/ttyUSB0", std::nullopt}, {"/dev/ttyACM0", 0}, {"COM 7", 7}};
  for (const auto& [name, n] : numbers) EXPECT_EQ(portNumberFromName(name), n) << name;
}

}  // namespace
}  // namespace radio
