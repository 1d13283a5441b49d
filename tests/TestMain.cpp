// main() of the test executables that do not bring their own: a fixed locale and
// Qt's offscreen platform, whatever the environment of the run.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("LC_ALL", "C", 1);
  ::setenv("LANG", "C", 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::setlocale(LC_ALL, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
