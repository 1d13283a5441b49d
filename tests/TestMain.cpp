// SPDX-License-Identifier: GPL-3.0-or-later
// main() of every test executable: a fixed locale, Qt's offscreen platform and a
// home and configuration folder of the run's own (neither the tests nor the
// programs they start read the user's Program.ini), whatever the environment of
// the run. Executables built with RADIOPROG_TEST_APP set to QApplication or
// QCoreApplication also get that application object, made once here.
#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef RADIOPROG_TEST_APP
#if __has_include(<QApplication>)
#include <QApplication>
#endif
#include <QCoreApplication>
#include <QLocale>
#include <QStandardPaths>
#endif

int main(int argc, char** argv) {
  ::setenv("LC_ALL", "C", 1);
  ::setenv("LANG", "C", 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::setlocale(LC_ALL, "C");
  const auto home = std::filesystem::temp_directory_path() / ("radioprog-test-home-" + std::to_string(::getpid()));
  const auto config = home / ".config";
  std::error_code ignored;
  std::filesystem::create_directories(config, ignored);
  ::setenv("HOME", home.c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  ::testing::InitGoogleTest(&argc, argv);
#ifdef RADIOPROG_TEST_APP
  QStandardPaths::setTestModeEnabled(true);
  RADIOPROG_TEST_APP app(argc, argv);
  QLocale::setDefault(QLocale::c());
#endif
  const int result = RUN_ALL_TESTS();
  std::filesystem::remove_all(home, ignored);
  return result;
}
