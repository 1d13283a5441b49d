#include "shell/HelpHook.h"

#include <utility>

namespace radio::gui {
namespace {
HelpHandler& handler() {
  static HelpHandler h;
  return h;
}
}  // namespace

void setHelpHandler(HelpHandler h) { handler() = std::move(h); }

void requestHelp(QWidget* from, int contextId) {
  if (handler()) handler()(from, contextId);
}

}  // namespace radio::gui
