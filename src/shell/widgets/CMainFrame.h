// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menus for the states without and with a document, the toolbar,
// the status bar, the navigation bar with its page tree, and the area of document
// windows with its tiled background. It routes every command of the program to
// the document window, the grid or the window that carries it out.
#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <memory>

#include "app/Pages.h"
#include "app/StartupConfig.h"
#include "gui/AppState.h"
#include "gui/Prompts.h"
#include "shell/widgets/RecentFileList.h"

class QAction;
class QMenu;

namespace radio::gui {

class CChildFrame;
class CMyDocManager;
class EditCommands;
class LockIndicators;
class MdiBackground;
class NavigationBar;
class ReportPrinter;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame(AppState& state, const StartupConfig& config, QWidget* parent = nullptr);
  ~CMainFrame() override;

  // The command of a menu, toolbar or accelerator id (see Commands.h).
  [[nodiscard]] QAction* action(int commandId) const { return actions_.value(commandId); }
  [[nodiscard]] NavigationBar* navigationBar() const { return nav_; }
  [[nodiscard]] MdiBackground* mdiArea() const { return mdi_; }
  [[nodiscard]] CMyDocManager& documents() const { return *docs_; }
  [[nodiscard]] const RecentFileList& recentFiles() const { return recent_; }
  // The menus of the menu bar as they stand (the document-less set shows fewer).
  [[nodiscard]] QList<QMenu*> visibleMenus() const;
  [[nodiscard]] QMenu* editMenu() const { return editMenu_; }
  [[nodiscard]] QMenu* channelsMenu() const { return channelsMenu_; }
  [[nodiscard]] QMenu* setupMenu() const { return setupMenu_; }
  // The grid's editing commands (Undo, Redo, clipboard, channel rows).
  [[nodiscard]] EditCommands& editCommands() const { return *edit_; }

  // The document window that commands act on: the active one, or the one last
  // active when it has been hidden. Null with no document window.
  [[nodiscard]] CChildFrame* activeChildFrame() const;
  // The same when it is shown; null when it has been closed (hidden). Commands
  // that edit, save, print or transfer a document act only on this one.
  [[nodiscard]] CChildFrame* shownChildFrame() const;
  [[nodiscard]] QMenu* windowMenu() const { return windowMenu_; }

  // File New as the command runs it (with the question when a window is active).
  void fileNew();
  // Opens a file in a new document window; false (after a message) when refused.
  bool openFile(const QString& path);
  // Saves a document window's document, asking for a name when it has none;
  // false when it was not saved (cancelled or failed, after a message).
  bool saveDocument(CChildFrame* frame, bool askName);
  // Runs the command of a page, as the tree and the Edit menu do.
  void openPage(Page page);

 signals:
  // The user chose the other language and it is on disk: start the program anew.
  void restartRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QAction* addCommand(int id, const QString& text, const QKeySequence& shortcut = {}, const QString& statusTip = {});
  void createActions();
  void createMenus();
  void createToolBar();
  void createStatusBar();
  void updateCommandStates();
  void updateRecentFileMenu();
  void updateWindowMenu();
  // A message in the status bar until the next one (a completed transfer).
  void showStatusMessage(const QString& message);
  void showFrame(CChildFrame* frame);
  void watchFrame(CChildFrame* frame);

  // Opening a file: the question about the document it hides, then the file.
  enum class OpenOutcome { Opened, Refused, Cancelled };
  OpenOutcome openFileAsking(const QString& path);
  [[nodiscard]] QString saveQuestion(CChildFrame* frame) const;
  // Where Open and Save start: the folder last used, else the documents folder.
  [[nodiscard]] QString startFolder() const;

  // Commands.
  void onFileOpen();
  void onFileClose();
  void onChannelInformation();
  void onLanguage();
  void onPrint(bool preview);
  void onPrintSetup();
  [[nodiscard]] ReportPrinter& reportPrinter();
  void onAbout();
  void onHelpTopics();
  void onComSetup();
  void onTransfer(bool write);
  void onCompareWith();
  void onBackupSaved(const QString& path);
  void onOpenBackup();
  void onImportChannels();
  void onExportChannels();
  template <class Dialog>
  void runFeatureDialog();

  // A page's command as the Edit menu shows it, with its letter.
  [[nodiscard]] QString pageMenuText(Page page) const;
  [[nodiscard]] bool activeTransferRunning() const;

  AppState& state_;
  const StartupConfig& config_;
  MdiBackground* mdi_ = nullptr;
  NavigationBar* nav_ = nullptr;
  LockIndicators* locks_ = nullptr;
  std::unique_ptr<CMyDocManager> docs_;
  RecentFileList recent_;
  std::unique_ptr<ReportPrinter> printer_;
  EditCommands* edit_ = nullptr;
  QMap<int, QAction*> actions_;
  QList<QAction*> recentActions_;
  QAction* recentSeparator_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QMenu* channelsMenu_ = nullptr;
  QMenu* programMenu_ = nullptr;
  QMenu* setupMenu_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  // The document window last active. Held as a plain object so that it is never
  // cast while the window is half destroyed (its activation signal still fires then).
  QPointer<QObject> lastActive_;
  // Windows discarded by the questions of Exit, deleted with this window at the latest.
  QList<QPointer<CChildFrame>> discarded_;
};

}  // namespace radio::gui
