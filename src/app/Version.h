// SPDX-License-Identifier: GPL-3.0-or-later
// The version the program was built as (the project version of the build), and
// the About box's line that shows it.
#pragma once

#include <string>
#include <string_view>

namespace radio {

// "1.2.0": the same for the application, the command-line tool and the package.
[[nodiscard]] const char* programVersion();

// The About box's version line. Program.ini's "Version" entry says it in the
// language of the interface ("Version 1.0.0", "版本 1.0.0"), but the user's copy
// of Program.ini outlives upgrades: the number in it (from its first digit, the
// digits and dots that follow) gives way to the built-in version. An entry
// without a number is followed by the version; an empty one gives the version
// alone.
[[nodiscard]] std::string aboutVersionLine(std::string_view entry, std::string_view version);

}  // namespace radio
