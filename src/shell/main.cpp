// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop application: start-up, the event loop, shut-down.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/ProgramFiles.h"
#include "shell/widgets/CProgramApp.h"

namespace {

// --help and --version answer on the terminal without opening a window.
bool answeredOnTerminal(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("radioprog %s\n", RADIOPROG_VERSION);
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::printf(
          "Usage: radioprog [--no-splash] [FILE.dat...]\n"
          "Programs dual-band handheld FM radios: reads a radio into a document, edits\n"
          "its channels and settings, prints them and writes them back.\n\n"
          "  FILE.dat      open each document in its own window (default: a new document)\n"
          "  --no-splash   start without the start-up picture\n"
          "  --help        show this text;  --version  show the version\n\n"
          "Settings: ~/.config/radioprog/Program.ini. The same engine without a display:\n"
          "radioprog-cli. See radioprog(1).\n");
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (answeredOnTerminal(argc, argv)) return 0;
  QApplication app(argc, argv);
  radio::gui::CProgramApp program;
  // The shipped files lie beside the program in a build tree, in ../share/radioprog
  // when installed.
  const auto dataDirectory = radio::findDataDirectory(QCoreApplication::applicationDirPath().toStdString());
  if (!program.initInstance(QApplication::arguments(), QString::fromStdString(dataDirectory.string()))) {
    program.exitInstance();
    return 1;
  }
  // For start-up measurements: say "started" on stdout once the first turn of
  // the event loop has shown the main window, then end.
  if (QApplication::arguments().contains(QStringLiteral("--quit-after-start")))
    QTimer::singleShot(0, &app, [] {
      std::fputs("started\n", stdout);
      std::fflush(stdout);
      QCoreApplication::quit();
    });
  const int result = QApplication::exec();
  program.exitInstance();
  return result;
}
