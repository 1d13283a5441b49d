// Which page a help request opens, from its context id and the help ids of the
// windows around the asking widget.
#include "app/HelpTopics.h"

#include <gtest/gtest.h>

#include <vector>

namespace radio {
namespace {

TEST(HelpTopics, PageOfARequest) {
  struct Case {
    int contextId;
    std::vector<int> idsAround;
    const char* page;
  };
  const Case cases[] = {
      // A command names its page wherever it is asked for.
      {32788, {1036, 143, windowhelp::kDtmf.id}, "optional.html"},
      // A control asks through the nearest window that has a page.
      {1036, {1036, 143, windowhelp::kDtmf.id, windowhelp::kMainFrame.id}, "dtmf.html"},
      {1, {1, windowhelp::kSquelchTuning.id}, "squelch.html"},
      {1255, {windowhelp::kProcess.id}, "transfer.html"},
      // Without a window, a control of one window only still finds its page.
      {2127, {}, "main.html"},
      // Nothing known: the contents.
      {4321, {4321, 99}, "index.html"},
  };
  for (const Case& c : cases) EXPECT_EQ(helpPageFor(c.contextId, c.idsAround), c.page) << c.contextId;
}

}  // namespace
}  // namespace radio
