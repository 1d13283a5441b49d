// Which help page answers a help request. Pages are HTML files in the help folder
// of the language; a window asks for help with a context id (a command id or the
// id of its focused control), and the windows around the asking widget are known
// by their own help ids: the ids of their templates, below.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace radio {

// The help ids of the windows, each set on its window: F1 on a control without an
// id of its own asks with it, and it picks the window's page. (About and Language
// ask with the command that opens them, whose page is theirs.)
namespace windowhelp {
inline constexpr int kChannelView = 101;
inline constexpr int kMainFrame = 128;
inline constexpr int kOptionalFeatures = 133;
inline constexpr int kProductInfo = 135;
inline constexpr int kDtmf = 141;
inline constexpr int kProcess = 146;
inline constexpr int kTwoTone = 155;
inline constexpr int kMsk = 162;
inline constexpr int kPrintList = 169;
inline constexpr int kKeyAssign = 202;
inline constexpr int kSquelchTuning = 203;
inline constexpr int kPortSetting = 204;
}  // namespace windowhelp

// The contents page that "Help Topics" opens.
inline constexpr std::string_view kHelpContentsPage = "index.html";

// The page of a window's help id; empty for ids that are no window's.
[[nodiscard]] std::string helpPageForWindow(int windowId);

// The page of a command id or of a control id that belongs to one window only;
// empty for ids that several windows share.
[[nodiscard]] std::string helpPageForContext(int contextId);

// The page for a request at contextId from a widget with the help ids around it
// (innermost first): a command's page; else the nearest window's page; else the
// page of the control id; else the contents page.
[[nodiscard]] std::string helpPageFor(int contextId, std::span<const int> idsAround);

// The anchor inside a page that describes a control or command ("id1127").
[[nodiscard]] std::string helpAnchorFor(int contextId);

}  // namespace radio
