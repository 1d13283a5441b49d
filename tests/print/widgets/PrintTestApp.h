// The one application object the widget and PDF tests of this executable share.
#pragma once

#include <QApplication>
#include <clocale>

namespace radio::gui::test {

inline void ensureApplication() {
  if (QCoreApplication::instance()) return;
  // No display is needed; a fixed locale keeps number texts stable.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::setlocale(LC_ALL, "C");
  static int argc = 1;
  static char name[] = "tests_print_widgets";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

}  // namespace radio::gui::test
