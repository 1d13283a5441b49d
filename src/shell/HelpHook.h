// F1 in any window asks for help at a context id. The main window installs the
// handler that shows the help page; windows only call requestHelp().
#pragma once

#include <functional>

class QWidget;

namespace radio::gui {

using HelpHandler = std::function<void(QWidget* from, int contextId)>;

void setHelpHandler(HelpHandler handler);
// Shows help at contextId; nothing happens while no handler is installed.
void requestHelp(QWidget* from, int contextId);

}  // namespace radio::gui
