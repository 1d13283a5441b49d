// SPDX-License-Identifier: GPL-3.0-or-later
// Which help page answers a help request. Pages are HTML files in the help folder
// of the language; a window asks for help with a context id (a command id or the
// id of its focused control), and the windows around the asking widget are known
// by their own help ids: the ids of their templates, below.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace radio {

// A window's help id, set on the window, and the page that describes it. F1 on a
// control without an id of its own asks with the window's id, and the id picks
// the window's page. (About and Language ask with the command that opens them,
// whose page is theirs.)
struct WindowHelp {
  int id;  // the window's template id
  std::string_view page;
};

namespace windowhelp {
inline constexpr WindowHelp kChannelView{101, "main.html"};  // the grid of a document window
inline constexpr WindowHelp kMainFrame{128, "main.html"};
inline constexpr WindowHelp kOptionalFeatures{133, "optional.html"};
inline constexpr WindowHelp kProductInfo{135, "product.html"};
inline constexpr WindowHelp kDtmf{141, "dtmf.html"};
inline constexpr WindowHelp kProcess{146, "transfer.html"};  // Read, Write, Verify, Identify Radio
inline constexpr WindowHelp kTwoTone{155, "twotone.html"};
inline constexpr WindowHelp kMsk{162, "msk.html"};
inline constexpr WindowHelp kPrintList{169, "print.html"};
inline constexpr WindowHelp kKeyAssign{202, "keyassign.html"};
inline constexpr WindowHelp kSquelchTuning{203, "squelch.html"};
inline constexpr WindowHelp kPortSetting{204, "port.html"};
inline constexpr WindowHelp kDifferences{210, "compare.html"};  // Compare With..., Verify
inline constexpr WindowHelp kImportPreview{211, "import.html"};
inline constexpr WindowHelp kSortChannels{212, "channelplan.html"};
inline constexpr WindowHelp kFillSeries{213, "channelplan.html"};
inline constexpr WindowHelp kFindReplace{214, "channelplan.html"};
inline constexpr WindowHelp kFleet{205, "fleet.html"};  // Program Several Radios, its setup and its window
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
