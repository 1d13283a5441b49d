// SPDX-License-Identifier: GPL-3.0-or-later
// The monotonic clock in nanoseconds and its timespecs, for the POSIX waits of
// the serial link and the virtual radio's terminal (ppoll, clock_nanosleep).
#pragma once

#include <cstdint>
#include <ctime>

namespace radio {

[[nodiscard]] inline std::int64_t monotonicNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// A duration, or a point of CLOCK_MONOTONIC, as a timespec.
[[nodiscard]] inline timespec timespecOf(std::int64_t ns) {
  return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

}  // namespace radio
