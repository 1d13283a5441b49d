// SPDX-License-Identifier: GPL-3.0-or-later
// The band record and the limits it gives, held once per running program: the
// grid, the Product Information dialog and the commands read and change them.
#pragma once

#include "model/RadioImage.h"

namespace radio {

struct BandState {
  BandRecord record{};  // initially all zero, which counts as absent
  BandLimits limits{};
};

}  // namespace radio
