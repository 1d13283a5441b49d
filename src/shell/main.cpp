// The desktop application: start-up, the event loop, shut-down.
#include <QApplication>
#include <QTimer>

#include "shell/ProgramFiles.h"
#include "shell/widgets/CProgramApp.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  radio::gui::CProgramApp program(radio::gui::UserPrompts::standard());
  // The shipped files lie beside the program in a build tree, in ../share/radioprog
  // when installed.
  const auto dataDirectory = radio::findDataDirectory(QCoreApplication::applicationDirPath().toStdString());
  if (!program.initInstance(QApplication::arguments(), QString::fromStdString(dataDirectory.string()))) {
    program.exitInstance();
    return 1;
  }
  // For start-up measurements: end after the first turn of the event loop.
  if (QApplication::arguments().contains(QStringLiteral("--quit-after-start")))
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
  const int result = QApplication::exec();
  program.exitInstance();
  return result;
}
