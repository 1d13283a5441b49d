// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's version line: Program.ini's words, the built-in number.
#include <gtest/gtest.h>

#include "app/Version.h"

namespace radio {
namespace {

TEST(AboutVersionLine, TheEntrysNumberGivesWayToTheBuiltInVersion) {
  struct Case {
    const char* entry;
    const char* shown;
  };
  const Case cases[] = {
      // A user's copy written by an older release, in both languages.
      {"Version 1.0.0", "Version 2.10.3"},
      {"版本 1.0.0", "版本 2.10.3"},
      // Only the number changes: the words around it and a closing full stop stay.
      {"V1.0 (build for the club)", "V2.10.3 (build for the club)"},
      {"Version 1.0.", "Version 2.10.3."},
      // No number: the version follows the words; nothing at all: the version alone.
      {"Version", "Version 2.10.3"},
      {"Version \t", "Version 2.10.3"},
      {"", "2.10.3"},
  };
  for (const Case& c : cases) EXPECT_EQ(aboutVersionLine(c.entry, "2.10.3"), c.shown) << c.entry;
}

}  // namespace
}  // namespace radio
