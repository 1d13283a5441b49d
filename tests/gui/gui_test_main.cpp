// main() of the widget tests: the C locale, a QApplication on the offscreen
// platform, and a temporary home and configuration folder so that no test reads
// or writes the user's real settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("LC_ALL", "C", 1);
  ::setenv("LANG", "C", 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::setlocale(LC_ALL, "C");

  QTemporaryDir home;
  if (!home.isValid()) return 2;
  ::setenv("HOME", home.path().toLocal8Bit().constData(), 1);
  ::setenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit().constData(), 1);
  QStandardPaths::setTestModeEnabled(true);

  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());
  return RUN_ALL_TESTS();
}
