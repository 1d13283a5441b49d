// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpTopics.h"

#include <array>
#include <utility>

namespace radio {
namespace {

constexpr std::array<WindowHelp, 18> kWindows{
    windowhelp::kChannelView, windowhelp::kMainFrame,     windowhelp::kOptionalFeatures, windowhelp::kProductInfo,
    windowhelp::kDtmf,        windowhelp::kProcess,       windowhelp::kTwoTone,          windowhelp::kMsk,
    windowhelp::kPrintList,   windowhelp::kKeyAssign,     windowhelp::kSquelchTuning,    windowhelp::kPortSetting,
    windowhelp::kDifferences, windowhelp::kImportPreview, windowhelp::kSortChannels,     windowhelp::kFillSeries,
    windowhelp::kFindReplace, windowhelp::kFleet,
};

}  // namespace

std::string helpPageForWindow(int windowId) {
  for (const WindowHelp& window : kWindows)
    if (window.id == windowId) return std::string(window.page);
  return {};
}

std::string helpPageForContext(int contextId) {
  switch (contextId) {
    // Document and window commands, and the channel grid's editors.
    case 57600:
    case 57601:
    case 57602:
    case 57603:
    case 57604:
    case 57665:
    case 32772:
    case 32787:
    case 2127:
    case 2128:
    case 2132:
    case 2133: return "main.html";
    case 32773:
    case 32774:
    case 1245:
    case 1062: return "transfer.html";
    case 32820: return "import.html";   // Import Channels
    case 32833: return "compare.html";  // Compare With
    case 32777: return "port.html";
    case 32835: return "fleet.html";
    case 32786: return "product.html";
    case 32788: return "optional.html";
    case 32789: return "dtmf.html";
    case 32790: return "msk.html";
    case 32791: return "twotone.html";
    case 32800: return "keyassign.html";
    case 32801: return "squelch.html";
    case 57606:
    case 57607:
    case 57608:
    case 57609: return "print.html";
    case 57664:
    case 32799: return "about.html";
    case 32793: return std::string(kHelpContentsPage);
    default: return {};
  }
}

std::string helpPageFor(int contextId, std::span<const int> idsAround) {
  // A command names its window exactly; a control id may exist in several windows,
  // so for those the asking window decides.
  constexpr int kFirstCommandId = 32768;
  if (contextId >= kFirstCommandId)
    if (std::string page = helpPageForContext(contextId); !page.empty()) return page;
  for (const int id : idsAround)
    if (std::string page = helpPageForWindow(id); !page.empty()) return page;
  if (std::string page = helpPageForContext(contextId); !page.empty()) return page;
  return std::string(kHelpContentsPage);
}

std::string helpAnchorFor(int contextId) { return "id" + std::to_string(contextId); }

}  // namespace radio
