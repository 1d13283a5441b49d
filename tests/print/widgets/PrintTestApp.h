// The one application object the widget and PDF tests of this executable share.
#pragma once

#include <QApplication>

namespace radio::gui::test {

inline void ensureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "tests_print_widgets";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

}  // namespace radio::gui::test
