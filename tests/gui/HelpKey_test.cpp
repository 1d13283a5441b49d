// F1 in the windows: the help id asked for is the focused control's, else the
// window's, and the ids around the asking widget find the window's page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>

#include "app/HelpTopics.h"
#include "features/OptionalFeaturesForm.h"
#include "features/widgets/COptionalFeaturesDlg.h"
#include "gui/HelpHook.h"
#include "link/widgets/CProcessDlg.h"
#include "model/RadioImage.h"

namespace radio::gui {
namespace {

struct Asked {
  int id = -1;
  std::string page;
};

// Shows window, focuses target (the window itself when null), presses F1.
Asked pressF1(QWidget& window, QWidget* target) {
  Asked asked;
  setHelpHandler([&](QWidget* from, int id) {
    asked.id = id;
    asked.page = helpPageFor(id, helpIdsAround(from));
  });
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  QWidget* focus = target ? target : &window;
  focus->setFocus();
  QTest::keyClick(focus, Qt::Key_F1);
  setHelpHandler({});
  window.close();
  return asked;
}

TEST(HelpKey, AsksWithTheFocusedControlOrTheWindowAndFindsItsPage) {
  RadioImage image;
  AppState state;

  CProcessDlg process(QStringLiteral("Read Data"), Language::English);
  const Asked fromProcess = pressF1(process, nullptr);
  EXPECT_EQ(fromProcess.id, windowhelp::kProcess.id);
  EXPECT_EQ(fromProcess.page, "transfer.html");

  COptionalFeaturesDlg optional(image, state);
  const Asked fromPassword = pressF1(optional, optional.findChild<QLineEdit*>());
  EXPECT_EQ(fromPassword.id, optionalPasswordInfo().helpId);
  EXPECT_EQ(fromPassword.page, "optional.html");
}

}  // namespace
}  // namespace radio::gui
