// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: a bare Qt main window holding what
// the application's main window must show at start-up and nothing more, a menu
// bar with the same menus and items and a table of 129 channel rows by 10
// columns. It starts, shows itself, says "started" after the first turn of the
// event loop and ends, as the application does with --quit-after-start.
#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>
#include <initializer_list>

namespace {

void addMenu(QMenuBar* bar, const char* title, std::initializer_list<const char*> items) {
  QMenu* menu = bar->addMenu(QString::fromLatin1(title));
  for (const char* item : items) {
    if (*item == '\0')
      menu->addSeparator();
    else
      menu->addAction(QString::fromLatin1(item));
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  QMenuBar* bar = window.menuBar();
  addMenu(bar, "&File",
          {"&New",
           "&Open...",
           "&Close",
           "&Save",
           "Save &As...",
           "",
           "Compare &With...",
           "Open &Backup...",
           "",
           "&Import Channels...",
           "E&xport Channels...",
           "",
           "&Print...",
           "Print Pre&view",
           "P&rint Setup...",
           "",
           "1",
           "2",
           "3",
           "4",
           "",
           "E&xit"});
  addMenu(bar, "&Edit",
          {"Product &Information",
           "&Channel Information",
           "",
           "&Optional Features",
           "",
           "&DTMF",
           "&Key Assignment",
           "&MSK",
           "&2-Tone",
           "S&quelch Tuning",
           "",
           "&Undo",
           "&Redo",
           "Undo &History",
           "",
           "Cu&t",
           "&Copy",
           "&Paste",
           "&Delete",
           "Select &All"});
  addMenu(bar, "&Channels", {"&Insert Channel", "&Remove Channel", "Move &Up", "Move &Down"});
  addMenu(bar, "&Program", {"&Read", "&Write", "", "&Verify", "&Identify Radio", "Verify &After Write"});
  addMenu(bar, "&Setup", {"&Com Setup", "&Language"});
  addMenu(bar, "&View", {"&Toolbar", "&Status Bar", "", "Control &Bar"});
  addMenu(bar, "&Window", {"&Cascade", "&Tile", "&Arrange Icons"});
  addMenu(bar, "&Help", {"&Help Topics", "", "&About"});

  auto* table = new QTableWidget(129, 10, &window);
  table->setHorizontalHeaderLabels({"Rx", "Tx", "Dec", "Enc", "Name", "Power", "W/N", "Scan", "Busy", "Lock"});
  for (int row = 0; row < 129; ++row)
    table->setVerticalHeaderItem(row, new QTableWidgetItem(row < 128 ? QString::number(row + 1) : QString("Fr")));
  window.setCentralWidget(table);
  window.resize(1000, 700);
  window.show();
  QTimer::singleShot(0, &app, [] {
    std::fputs("started\n", stdout);
    std::fflush(stdout);
    QCoreApplication::quit();
  });
  return QApplication::exec();
}
