// SPDX-License-Identifier: GPL-3.0-or-later
// Help by id. Every control that has help carries a help id, and every window the
// id of its template (or of the command it answers, where all of it asks with
// that): set with setHelpId, the only way to give a widget one. F1 asks for help
// at the id of the focused control, or of the nearest widget around it that has
// one; the handler the main window installs finds the page from the ids around
// the asking widget (app/HelpTopics.h). Windows only call requestHelp().
#pragma once

#include <functional>
#include <optional>
#include <vector>

class QDialog;
class QDialogButtonBox;
class QWidget;

namespace radio::gui {

using HelpHandler = std::function<void(QWidget* from, int contextId)>;

void setHelpHandler(HelpHandler handler);
// Shows help at contextId; nothing happens while no handler is installed.
void requestHelp(QWidget* from, int contextId);

void setHelpId(QWidget* widget, int contextId);
// The widget's own help id; none when it has none.
[[nodiscard]] std::optional<int> helpIdOf(const QWidget* widget);
// The help id of widget or of the nearest widget around it that has one; fallback
// when none has.
[[nodiscard]] int helpIdAt(const QWidget* widget, int fallback = 0);
// The help ids of widget and of every widget around it, innermost first.
[[nodiscard]] std::vector<int> helpIdsAround(const QWidget* widget);

// F1 anywhere in the window asks for help at helpIdAt() of the focused control
// (the window's own id when nothing inside has one).
void installHelpKey(QWidget* window);

// OK and Cancel (help ids 1 and 2) wired to the dialog's accept and reject.
QDialogButtonBox* okCancelButtons(QDialog* dialog);

}  // namespace radio::gui
