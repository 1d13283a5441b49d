// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the image as the printed report shows them: the bytes up to the first
// 0xFF (or 0x00), through the language's code page, with whatever does not print
// shown as "?". The report's pages and the printout's own readings of the settings
// fields use them.
#pragma once

#include <cstddef>
#include <string>

#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// Image bytes from offset up to the first 0xFF (or 0x00), at most maxLength, as
// UTF-8 through the language's code page; a byte that is no printable character
// shows as "?".
[[nodiscard]] std::string imageText(const RadioImage& image, std::size_t offset, std::size_t maxLength, Language lang);

}  // namespace radio
