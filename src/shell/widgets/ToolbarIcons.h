// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the toolbar buttons, drawn at 16 by 16 pixels.
#pragma once

#include <QIcon>

namespace radio::gui {

enum class ToolbarIcon { New, Open, Save, Read, Write, Print, About };

[[nodiscard]] QIcon toolbarIcon(ToolbarIcon which);

}  // namespace radio::gui
