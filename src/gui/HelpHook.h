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

class QDialog;
class QDialogButtonBox;

namespace radio::gui {

// The help context of a control, read by the F1 key of its window.
inline constexpr char kHelpIdProperty[] = "helpId";
void setHelpId(QWidget* widget, int contextId);

// F1 anywhere in the window asks for help at the id of the focused control, or of
// the nearest of its parents that has one.
void installHelpKey(QWidget* window);

// OK and Cancel (help ids 1 and 2) wired to the dialog's accept and reject.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

}  // namespace radio::gui
