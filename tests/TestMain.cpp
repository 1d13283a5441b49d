// main() of the test executables that do not bring their own: a fixed locale,
// Qt's offscreen platform and a configuration folder of the run's own (the
// programs started by the tests never read the user's Program.ini), whatever the
// environment of the run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  ::setenv("LC_ALL", "C", 1);
  ::setenv("LANG", "C", 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const auto config = std::filesystem::temp_directory_path() / ("radioprog-test-config-" + std::to_string(::getpid()));
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  std::setlocale(LC_ALL, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
