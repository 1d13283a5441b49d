// Which help page answers a help request. Pages are HTML files in the help folder
// of the language; a window asks for help with a context id (a command id or the
// id of its focused control) and is itself known by its class name.
#pragma once

#include <string>
#include <string_view>

namespace radio {

// The contents page that "Help Topics" opens.
inline constexpr std::string_view kHelpContentsPage = "index.html";

// The page of a window class ("CMskDlg", with or without a namespace in front);
// empty when the class has no page of its own.
[[nodiscard]] std::string helpPageForWindow(std::string_view className);

// The page of a command id or of a control id that belongs to one window only;
// empty for ids that several windows share.
[[nodiscard]] std::string helpPageForContext(int contextId);

// The page for a request: a command's page; else the asking window's own page;
// else the page of the control id; else the contents page.
[[nodiscard]] std::string helpPageFor(std::string_view className, int contextId);

// The anchor inside a page that describes a control or command ("id1127").
[[nodiscard]] std::string helpAnchorFor(int contextId);

}  // namespace radio
