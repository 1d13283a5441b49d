// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/CMainFrame.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app/IniFile.h"
#include "channels/ChannelCsv.h"
#include "channels/widgets/CProgramView.h"
#include "channels/widgets/ImportPreviewDialog.h"
#include "compare/ImageDiff.h"
#include "features/ProductInfoForm.h"
#include "gui/CProgramDoc.h"
#include "gui/DifferencesDialog.h"
#include "gui/HelpHook.h"
#include "gui/ProgramSettings.h"
#include "link/widgets/TransferController.h"
#include "shell/widgets/CAboutDlg.h"
#include "shell/widgets/CChildFrame.h"
#include "shell/widgets/CLanguageDlg.h"
#include "shell/widgets/CMyDocManager.h"
#include "shell/widgets/Commands.h"
#include "shell/widgets/EditCommands.h"
#include "shell/widgets/LockIndicators.h"
#include "shell/widgets/MdiBackground.h"
#include "shell/widgets/NavigationBar.h"
#include "shell/widgets/ToolbarIcons.h"

#include "app/HelpTopics.h"
#include "features/widgets/CDtmfDlg.h"
#include "features/widgets/CKeyAssignDlg.h"
#include "features/widgets/CMskDlg.h"
#include "features/widgets/COptionalFeaturesDlg.h"
#include "features/widgets/CProductInfoDlg.h"
#include "features/widgets/CSquelchTuningDlg.h"
#include "features/widgets/CTwoToneDlg.h"
#include "link/widgets/CPortSettingDlg.h"
#include "link/widgets/FleetWindow.h"
#include "model/Backups.h"
#include "model/ImageCheck.h"
#include "print/widgets/ReportPrinter.h"

namespace radio::gui {

namespace {

// What each command needs, in one table; a command not listed needs nothing.
enum Need : unsigned {
  kWithoutDocument = 1,  // shown in the document-less menus
  kShownDocument = 2,    // acts on the document shown: disabled without one (none open,
                         // or the last one closed), so nothing edits a document out of sight
  kNoTransfer = 4,       // changes or reads the active document: a running transfer disables it
};
constexpr std::pair<int, unsigned> kCommandNeeds[] = {
    {cmd::kFileNew, kWithoutDocument | kNoTransfer},
    {cmd::kFileOpen, kWithoutDocument | kNoTransfer},
    {cmd::kOpenBackup, kWithoutDocument | kNoTransfer},
    {cmd::kPrintSetup, kWithoutDocument},
    {cmd::kExit, kWithoutDocument},
    {cmd::kToolbar, kWithoutDocument},
    {cmd::kStatusBar, kWithoutDocument},
    {cmd::kAbout, kWithoutDocument},
    {cmd::kFileClose, kShownDocument},
    {cmd::kFileSave, kShownDocument | kNoTransfer},
    {cmd::kFileSaveAs, kShownDocument | kNoTransfer},
    {cmd::kPrint, kShownDocument | kNoTransfer},
    {cmd::kPrintPreview, kShownDocument | kNoTransfer},
    {cmd::kRead, kShownDocument | kNoTransfer},
    {cmd::kWrite, kShownDocument | kNoTransfer},
    {cmd::kVerify, kShownDocument | kNoTransfer},
    {cmd::kIdentifyRadio, kShownDocument | kNoTransfer},
    {cmd::kProgramFleet, kShownDocument | kNoTransfer},
    {cmd::kCompareWith, kShownDocument | kNoTransfer},
    {cmd::kProductInformation, kShownDocument | kNoTransfer},
    {cmd::kOptionalFeatures, kShownDocument | kNoTransfer},
    {cmd::kDtmf, kShownDocument | kNoTransfer},
    {cmd::kMsk, kShownDocument | kNoTransfer},
    {cmd::kTwoTone, kShownDocument | kNoTransfer},
    {cmd::kKeyAssignment, kShownDocument | kNoTransfer},
    {cmd::kSquelchTuning, kShownDocument | kNoTransfer},
    {cmd::kImportChannels, kShownDocument | kNoTransfer},
    {cmd::kExportChannels, kShownDocument | kNoTransfer},
    {cmd::kComSetup, kNoTransfer},
    {cmd::kLanguage, kNoTransfer},
};

bool needs(int id, Need need) {
  for (const auto& [command, what] : kCommandNeeds)
    if (command == id) return (what & need) != 0;
  return false;
}

}  // namespace

CMainFrame::CMainFrame(AppState& state, const StartupConfig& config, QWidget* parent)
    : QMainWindow(parent), state_(state), config_(config), recent_(QString::fromStdString(config.appName)) {
  // The title is the "Title" entry alone; it never shows the document's name.
  setWindowTitle(QString::fromStdString(config_.title));
  setHelpId(this, windowhelp::kMainFrame.id);
  setAcceptDrops(true);

  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  const QString company = QString::fromStdString(config_.company);
  nav_ = new NavigationBar(company, company, state_.lang, central);
  mdi_ = new MdiBackground(QString::fromStdString(state_.programDirectory.string()), central);
  layout->addWidget(nav_);
  layout->addWidget(mdi_, 1);
  setCentralWidget(central);
  docs_ = std::make_unique<CMyDocManager>(state_, *mdi_);

  createActions();
  createMenus();
  createToolBar();
  createStatusBar();

  connect(nav_, &NavigationBar::pageActivated, this, &CMainFrame::openPage);
  connect(nav_, &NavigationBar::closedByButton, this, [this] { action(cmd::kControlBar)->setChecked(false); });
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    if (auto* frame = qobject_cast<CChildFrame*>(window)) lastActive_ = frame;
    updateCommandStates();
  });
  updateCommandStates();
}

CMainFrame::~CMainFrame() {
  // Document windows go before the printer and the state they use, those
  // discarded on the way out too (their deferred deletion never comes then).
  for (const QPointer<CChildFrame>& frame : std::as_const(discarded_)) delete frame.data();
  for (CChildFrame* frame : docs_->frames()) delete frame;
}

QString CMainFrame::pageMenuText(Page page) const {
  // Letters of their own in the Edit menu, beside Undo, Redo, the clipboard and
  // Undo History.
  switch (page) {
    case Page::ProductInformation: return tr("Product &Information");
    case Page::ChannelInformation: return tr("Channel I&nformation");
    case Page::OptionalFeatures: return tr("&Optional Features");
    case Page::Dtmf: return tr("DT&MF");
    case Page::KeyAssignment: return tr("&Key Assignment");
    case Page::Msk: return tr("M&SK");
    case Page::TwoTone: return tr("&2-Tone");
    case Page::SquelchTuning: return tr("S&quelch Tuning");
  }
  return {};
}

QAction* CMainFrame::addCommand(int id, const QString& label, const QKeySequence& shortcut, const QString& statusTip) {
  auto* a = new QAction(label, this);
  a->setData(id);
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  if (!statusTip.isEmpty()) a->setStatusTip(statusTip);
  actions_.insert(id, a);
  return a;
}

void CMainFrame::createActions() {
  const auto on = [this](QAction* a, auto slot) { connect(a, &QAction::triggered, this, slot); };
  on(addCommand(cmd::kFileNew, tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), tr("Create a new document")),
     [this] { fileNew(); });
  on(addCommand(cmd::kFileOpen, tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), tr("Open an existing document")),
     [this] { onFileOpen(); });
  on(addCommand(cmd::kFileClose, tr("&Close"), {}, tr("Close the active document")), [this] { onFileClose(); });
  on(addCommand(cmd::kFileSave, tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), tr("Save the active document")),
     [this] {
       if (CChildFrame* frame = shownChildFrame()) saveDocument(frame, false);
     });
  on(addCommand(cmd::kFileSaveAs, tr("Save &As..."), {}, tr("Save the active document with a new name")), [this] {
    if (CChildFrame* frame = shownChildFrame()) saveDocument(frame, true);
  });
  on(addCommand(cmd::kImportChannels, tr("&Import Channels..."), {},
                tr("Read a channel list (CSV) into the channels of the active document")),
     [this] { onImportChannels(); });
  on(addCommand(cmd::kExportChannels, tr("&Export Channels..."), {},
                tr("Write the channels of the active document as a channel list (CSV)")),
     [this] { onExportChannels(); });
  on(addCommand(cmd::kPrint, tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P), tr("Print the active document")),
     [this] { onPrint(false); });
  on(addCommand(cmd::kPrintPreview, tr("Print Pre&view"), {}, tr("Display full pages")), [this] { onPrint(true); });
  on(addCommand(cmd::kPrintSetup, tr("P&rint Setup..."), {}, tr("Change the printer and printing options")),
     [this] { onPrintSetup(); });
  on(addCommand(cmd::kExit, tr("E&xit"), {}, tr("Quit the application; prompts to save documents")),
     [this] { close(); });

  for (const Page page : {Page::ProductInformation, Page::ChannelInformation, Page::OptionalFeatures, Page::Dtmf,
                          Page::KeyAssignment, Page::Msk, Page::TwoTone, Page::SquelchTuning}) {
    on(addCommand(pageCommandId(page), pageMenuText(page), {}, QString::fromUtf8(pageLabel(page, state_.lang))),
       [this, page] { openPage(page); });
  }

  on(addCommand(cmd::kRead, tr("&Read"), QKeySequence(Qt::CTRL | Qt::Key_R), tr("Read Data From Radio")),
     [this] { onTransfer(false); });
  on(addCommand(cmd::kWrite, tr("&Write"), QKeySequence(Qt::CTRL | Qt::Key_W), tr("Write Data To Radio")),
     [this] { onTransfer(true); });
  on(addCommand(cmd::kVerify, tr("&Verify"), {}, tr("Compare the radio with the document, writing nothing")), [this] {
    if (CChildFrame* frame = shownChildFrame()) frame->transfers().startVerify();
  });
  on(addCommand(cmd::kIdentifyRadio, tr("&Identify Radio"), {},
                tr("Ask the radio for its band type, model, password and bands only")),
     [this] {
       if (CChildFrame* frame = shownChildFrame()) frame->transfers().startIdentify();
     });
  on(addCommand(cmd::kProgramFleet, tr("Program &Several Radios..."), {},
                tr("Write the document into many radios, several ports at once, each verified and logged")),
     [this] {
       CChildFrame* frame = shownChildFrame();
       if (!frame || frame->transferRunning()) return;
       frame->view().commitEdit();
       frame->view().storeGrid();
       programFleet(frame->document().image(), state_, this);
     });
  // Kept in the program's settings, where each write asks for it; on by default.
  QAction* verifyAfterWrite = addCommand(cmd::kVerifyAfterWrite, tr("Verify &after Writing"), {},
                                         tr("Read the radio back after each write and compare it with the document"));
  verifyAfterWrite->setCheckable(true);
  verifyAfterWrite->setChecked(ProgramSettings(state_.appName).value(Setting::VerifyAfterWrite).toBool());
  connect(verifyAfterWrite, &QAction::toggled, this,
          [this](bool on) { ProgramSettings(state_.appName).setValue(Setting::VerifyAfterWrite, on); });
  on(addCommand(cmd::kCompareWith, tr("Co&mpare With..."), {},
                tr("List every difference between the active document and a file")),
     [this] { onCompareWith(); });
  on(addCommand(cmd::kOpenBackup, tr("Open &Backup..."), {}, tr("Open a backup kept by a read from the radio")),
     [this] { onOpenBackup(); });
  on(addCommand(cmd::kComSetup, tr("&Com Setup"), {}, tr("Choose the serial port of the programming cable")),
     [this] { onComSetup(); });
  on(addCommand(cmd::kLanguage, tr("&Language"), {}, tr("Choose the language of the program")),
     [this] { onLanguage(); });

  QAction* toolbar = addCommand(cmd::kToolbar, tr("&Toolbar"), {}, tr("Show or hide the toolbar"));
  QAction* statusBarAction = addCommand(cmd::kStatusBar, tr("&Status Bar"), {}, tr("Show or hide the status bar"));
  QAction* controlBar = addCommand(cmd::kControlBar, tr("Control &Bar"), QKeySequence(Qt::CTRL | Qt::Key_B),
                                   tr("Show or hide the navigation bar"));
  for (QAction* a : {toolbar, statusBarAction, controlBar}) {
    a->setCheckable(true);
    a->setChecked(true);
  }
  connect(controlBar, &QAction::toggled, nav_, &QWidget::setVisible);

  on(addCommand(cmd::kHelpTopics, tr("&Help Topics"), {}, tr("List Help topics")), [this] { onHelpTopics(); });
  on(addCommand(cmd::kAbout, tr("&About ..."), {}, tr("Display program information, version number and copyright")),
     [this] { onAbout(); });

  // F1 in the main window asks for help about the window itself.
  QAction* help = addCommand(57670, QString(), QKeySequence(Qt::Key_F1));
  help->setShortcutContext(Qt::WindowShortcut);
  connect(help, &QAction::triggered, this, [this] { requestHelp(this, cmd::kChannelInformation); });
  addAction(help);
}

void CMainFrame::createMenus() {
  fileMenu_ = menuBar()->addMenu(tr("&File"));
  for (int id : {cmd::kFileNew, cmd::kFileOpen, cmd::kFileClose, cmd::kFileSave, cmd::kFileSaveAs})
    fileMenu_->addAction(action(id));
  fileMenu_->addSeparator();
  for (int id : {cmd::kCompareWith, cmd::kOpenBackup}) fileMenu_->addAction(action(id));
  fileMenu_->addSeparator();
  for (int id : {cmd::kImportChannels, cmd::kExportChannels}) fileMenu_->addAction(action(id));
  fileMenu_->addSeparator();
  for (int id : {cmd::kPrint, cmd::kPrintPreview, cmd::kPrintSetup}) fileMenu_->addAction(action(id));
  recentSeparator_ = fileMenu_->addSeparator();
  for (int i = 0; i < RecentFileList::kSize; ++i) {
    auto* a = new QAction(this);
    a->setData(cmd::kFirstRecentFile + i);
    connect(a, &QAction::triggered, this, [this, i] {
      if (i >= recent_.files().size()) return;
      const QString path = recent_.files().at(i);
      if (openFileAsking(path) == OpenOutcome::Refused) {
        recent_.remove(path);
        updateRecentFileMenu();
      }
    });
    fileMenu_->addAction(a);
    recentActions_.append(a);
  }
  fileMenu_->addSeparator();
  fileMenu_->addAction(action(cmd::kExit));

  editMenu_ = menuBar()->addMenu(tr("&Edit"));
  editMenu_->addAction(action(cmd::kProductInformation));
  editMenu_->addAction(action(cmd::kChannelInformation));
  editMenu_->addSeparator();
  editMenu_->addAction(action(cmd::kOptionalFeatures));
  editMenu_->addSeparator();
  for (int id : {cmd::kDtmf, cmd::kKeyAssignment, cmd::kMsk, cmd::kTwoTone, cmd::kSquelchTuning})
    editMenu_->addAction(action(id));
  // A closed (hidden) document takes no edits, as it takes no other command.
  edit_ = new EditCommands(this, [this] { return shownChildFrame(); });
  edit_->addToMenu(editMenu_);

  // The channel-row commands; the channel-plan commands join them here.
  channelsMenu_ = menuBar()->addMenu(tr("&Channels"));
  edit_->addChannelsTo(channelsMenu_);

  programMenu_ = menuBar()->addMenu(tr("&Program"));
  programMenu_->addAction(action(cmd::kRead));
  programMenu_->addAction(action(cmd::kWrite));
  programMenu_->addSeparator();
  for (int id : {cmd::kVerify, cmd::kIdentifyRadio, cmd::kVerifyAfterWrite}) programMenu_->addAction(action(id));
  programMenu_->addSeparator();
  programMenu_->addAction(action(cmd::kProgramFleet));

  setupMenu_ = menuBar()->addMenu(tr("&Setup"));
  setupMenu_->addAction(action(cmd::kComSetup));
  if (config_.showLanguageCommand) setupMenu_->addAction(action(cmd::kLanguage));

  viewMenu_ = menuBar()->addMenu(tr("&View"));
  viewMenu_->addAction(action(cmd::kToolbar));
  viewMenu_->addAction(action(cmd::kStatusBar));
  viewMenu_->addSeparator();
  viewMenu_->addAction(action(cmd::kControlBar));

  windowMenu_ = menuBar()->addMenu(tr("&Window"));
  connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::updateWindowMenu);
  updateWindowMenu();

  helpMenu_ = menuBar()->addMenu(tr("&Help"));
  helpMenu_->addAction(action(cmd::kHelpTopics));
  helpMenu_->addSeparator();
  helpMenu_->addAction(action(cmd::kAbout));

  // The shortcuts work whether or not their menu is shown.
  for (QAction* a : std::as_const(actions_)) addAction(a);
  updateRecentFileMenu();
}

void CMainFrame::createToolBar() {
  QToolBar* bar = addToolBar(tr("Toolbar"));
  bar->setObjectName(QStringLiteral("toolbar"));
  bar->setMovable(true);
  bar->setIconSize(QSize(16, 16));
  action(cmd::kFileNew)->setIcon(toolbarIcon(ToolbarIcon::New));
  action(cmd::kFileOpen)->setIcon(toolbarIcon(ToolbarIcon::Open));
  action(cmd::kFileSave)->setIcon(toolbarIcon(ToolbarIcon::Save));
  action(cmd::kRead)->setIcon(toolbarIcon(ToolbarIcon::Read));
  action(cmd::kWrite)->setIcon(toolbarIcon(ToolbarIcon::Write));
  action(cmd::kPrint)->setIcon(toolbarIcon(ToolbarIcon::Print));
  action(cmd::kAbout)->setIcon(toolbarIcon(ToolbarIcon::About));
  bar->addAction(action(cmd::kFileNew));
  bar->addAction(action(cmd::kFileOpen));
  bar->addAction(action(cmd::kFileSave));
  bar->addSeparator();
  bar->addAction(action(cmd::kRead));
  bar->addSeparator();
  bar->addAction(action(cmd::kWrite));
  bar->addSeparator();
  bar->addAction(action(cmd::kPrint));
  bar->addAction(action(cmd::kAbout));
  connect(action(cmd::kToolbar), &QAction::toggled, bar, &QWidget::setVisible);
  connect(bar, &QToolBar::visibilityChanged, action(cmd::kToolbar), &QAction::setChecked);
}

void CMainFrame::createStatusBar() {
  QStatusBar* bar = statusBar();
  locks_ = new LockIndicators(bar);
  bar->addPermanentWidget(locks_);
  const QString ready = tr("Ready");
  bar->showMessage(ready);
  // The message pane says "Ready" whenever no command is being described.
  connect(bar, &QStatusBar::messageChanged, bar, [bar, ready](const QString& message) {
    if (message.isEmpty()) bar->showMessage(ready);
  });
  connect(action(cmd::kStatusBar), &QAction::toggled, bar, &QWidget::setVisible);
}

QList<QMenu*> CMainFrame::visibleMenus() const {
  QList<QMenu*> result;
  for (QMenu* menu : {fileMenu_, editMenu_, channelsMenu_, programMenu_, setupMenu_, viewMenu_, windowMenu_, helpMenu_})
    if (menu->menuAction()->isVisible()) result.append(menu);
  return result;
}

CChildFrame* CMainFrame::activeChildFrame() const {
  if (auto* current = qobject_cast<CChildFrame*>(mdi_->currentSubWindow())) return current;
  const QObject* last = lastActive_.data();
  for (CChildFrame* frame : docs_->frames())
    if (last && static_cast<QObject*>(frame) == last) return frame;
  return nullptr;
}

CChildFrame* CMainFrame::shownChildFrame() const {
  CChildFrame* frame = activeChildFrame();
  return frame && !frame->isHidden() ? frame : nullptr;
}

bool CMainFrame::activeTransferRunning() const {
  const CChildFrame* frame = activeChildFrame();
  return frame && frame->transferRunning();
}

void CMainFrame::updateCommandStates() {
  const bool hasDocument = !docs_->frames().isEmpty();
  for (QMenu* menu : {editMenu_, channelsMenu_, programMenu_, setupMenu_, windowMenu_})
    menu->menuAction()->setVisible(hasDocument);
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
    if (!needs(it.key(), kWithoutDocument) && it.key() != 57670) it.value()->setVisible(hasDocument);
  }
  // The navigation bar works without a document too, so it can always be shown.
  action(cmd::kControlBar)->setVisible(true);

  const bool busy = activeTransferRunning();
  const bool shown = shownChildFrame() != nullptr;
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
    const bool enabled = !(busy && needs(it.key(), kNoTransfer)) && (shown || !needs(it.key(), kShownDocument));
    it.value()->setEnabled(enabled);
  }
  if (edit_) edit_->update(busy);
}

void CMainFrame::showStatusMessage(const QString& message) { statusBar()->showMessage(message); }

void CMainFrame::updateWindowMenu() {
  windowMenu_->clear();
  windowMenu_->addAction(tr("&Cascade"), mdi_, &QMdiArea::cascadeSubWindows);
  windowMenu_->addAction(tr("&Tile"), mdi_, &QMdiArea::tileSubWindows);
  // Every open document, closed (hidden) ones too: choosing one shows it again.
  const QList<CChildFrame*> frames = docs_->frames();
  if (!frames.isEmpty()) windowMenu_->addSeparator();
  const CChildFrame* shown = shownChildFrame();
  for (int i = 0; i < frames.size(); ++i) {
    CChildFrame* frame = frames.at(i);
    QString label = QStringLiteral("&%1 %2").arg(i + 1).arg(frame->documentName());
    if (frame->isHidden()) label += tr(" (closed)");
    QAction* a = windowMenu_->addAction(label);
    a->setCheckable(true);
    a->setChecked(frame == shown);
    QPointer<CChildFrame> target(frame);
    connect(a, &QAction::triggered, this, [this, target] {
      if (target) showFrame(target);
    });
  }
}

void CMainFrame::updateRecentFileMenu() {
  const QStringList& files = recent_.files();
  for (int i = 0; i < recentActions_.size(); ++i) {
    QAction* a = recentActions_.at(i);
    a->setVisible(i < files.size());
    if (i < files.size()) a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files.at(i))));
  }
  recentSeparator_->setVisible(!files.isEmpty());
}

void CMainFrame::watchFrame(CChildFrame* frame) {
  // The grid's context menu offers the Edit menu's own commands.
  if (edit_) frame->view().setContextActions(edit_->gridActions());
  connect(frame, &CChildFrame::transferStateChanged, this, &CMainFrame::updateCommandStates, Qt::UniqueConnection);
  connect(frame, &CChildFrame::shownChanged, this, &CMainFrame::updateCommandStates, Qt::UniqueConnection);
  connect(&frame->transfers(), &TransferController::completed, this, &CMainFrame::showStatusMessage,
          Qt::UniqueConnection);
  connect(frame, &QObject::destroyed, this, &CMainFrame::updateCommandStates, Qt::UniqueConnection);
  connect(&frame->transfers(), &TransferController::backupSaved, this, &CMainFrame::onBackupSaved,
          Qt::UniqueConnection);
}

void CMainFrame::onBackupSaved(const QString& path) {
  // Where the read was kept, for a while in the status bar.
  statusBar()->showMessage(tr("Backup saved: %1").arg(QDir::toNativeSeparators(path)), 15000);
}

void CMainFrame::showFrame(CChildFrame* frame) {
  watchFrame(frame);
  frame->showNormal();
  mdi_->fitWindow(frame);
  mdi_->setActiveSubWindow(frame);
  lastActive_ = frame;
  if (frame->widget()) frame->widget()->setFocus();
  updateCommandStates();
}

void CMainFrame::fileNew() {
  // A closed (hidden) document is left alone: only the one shown is replaced.
  if (CChildFrame* active = shownChildFrame()) {
    if (active->transferRunning()) return;
    if (!confirm(this, QString::fromUtf8(messageText(MessageId::ClearAll, state_.lang)))) return;
    active->destroyFrame();
  }
  showFrame(docs_->newDocument());
}

QString CMainFrame::startFolder() const {
  // The folder of the file last opened or saved, else the user's documents, else
  // home: a proposed name in a folder that is not there could not be saved.
  // The backups folder is never proposed: nothing is saved there.
  for (const QString& file : recent_.files()) {
    const QFileInfo info(file);
    if (info.absoluteDir().exists() && !CMyDocManager::isBackup(file)) return info.absolutePath();
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void CMainFrame::onFileOpen() {
  const QString path = askOpenFileName(this, FileKind::Document, startFolder());
  if (!path.isEmpty()) openFile(path);
}

bool CMainFrame::openFile(const QString& path) { return openFileAsking(path) == OpenOutcome::Opened; }

CMainFrame::OpenOutcome CMainFrame::openFileAsking(const QString& path) {
  CChildFrame* previous = shownChildFrame();
  // Stepping back would stop the transfer of the window shown (a recent file or
  // a dropped one can still be asked for while it runs).
  if (previous && previous->transferRunning()) {
    inform(this, tr("A transfer with the radio is running. Open the file when it has ended."));
    return OpenOutcome::Cancelled;
  }
  // The window shown steps back for the new one: unsaved changes are asked about
  // first, and Cancel abandons the open.
  if (previous && previous->document().isModified()) {
    const SaveAnswer answer = askSave(this, saveQuestion(previous));
    if (answer == SaveAnswer::Cancel || (answer == SaveAnswer::Save && !saveDocument(previous, false)))
      return OpenOutcome::Cancelled;
    if (answer == SaveAnswer::Discard) {
      // The changes go with their window, so that nothing asks about them again.
      previous->destroyFrame();
      previous = nullptr;
    }
  }
  QString error;
  CChildFrame* frame = docs_->openDocumentFile(path, &error);
  if (!frame) {
    inform(this, tr("Failed to open document.") + QLatin1Char('\n') + error);
    return OpenOutcome::Refused;
  }
  // The window that was shown steps back (hidden, still open, in the Window menu).
  if (previous) previous->close();
  showFrame(frame);
  // Bytes that no frequency or tone can be read from are shown as Invalid; the
  // status bar says once how many there are.
  if (const int unreadable = undecodableChannelValues(frame->document().image()); unreadable > 0)
    showStatusMessage(
        tr("Channel frequencies and tones that cannot be decoded (Fr included): %1. They are shown as Invalid.")
            .arg(unreadable));
  recent_.add(frame->document().filePath());
  updateRecentFileMenu();
  return OpenOutcome::Opened;
}

QString CMainFrame::saveQuestion(CChildFrame* frame) const {
  return tr("Save changes to %1?").arg(frame->documentName());
}

bool CMainFrame::saveDocument(CChildFrame* frame, bool askName) {
  if (!frame || frame->transferRunning()) return false;
  CProgramDoc& doc = frame->document();
  QString path = doc.filePath();
  if (askName || !doc.hasFile()) {
    // A saved document proposes its own file; a new one its name ([Setup] AppName)
    // with ".dat" in the folder last used.
    QString proposed;
    if (doc.hasFile()) {
      proposed = QFileInfo(path).absoluteFilePath();
    } else {
      // A copy of a backup proposes the backup's name, outside the backups folder.
      QString name = QFileInfo(path).fileName().trimmed();
      if (name.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) name.chop(4);
      if (name.isEmpty()) name = QStringLiteral("radio");
      proposed = QDir(startFolder()).filePath(name + QStringLiteral(".dat"));
    }
    path = askSaveFileName(this, proposed);
    if (path.isEmpty()) return false;
  }
  // The backups stay as a read left them: no save goes into their folder.
  if (CMyDocManager::isBackup(path)) {
    inform(this, tr("%1 is in the backups folder, whose files stay as they were read. Save the document "
                    "under a name outside that folder.")
                     .arg(QDir::toNativeSeparators(path)));
    return false;
  }
  const FileResult result = doc.save(path);
  if (!result) {
    inform(this, tr("Failed to save document.") + QLatin1Char('\n') + QString::fromStdString(result.error));
    return false;
  }
  recent_.add(path);
  updateRecentFileMenu();
  frame->updateTitle();
  return true;
}

void CMainFrame::onFileClose() {
  if (CChildFrame* frame = shownChildFrame()) frame->close();
  updateCommandStates();
}

void CMainFrame::onChannelInformation() {
  if (CChildFrame* frame = activeChildFrame()) {
    showFrame(frame);
    return;
  }
  showNormal();
}

template <class Dialog>
void CMainFrame::runFeatureDialog() {
  // A page opens only on the document shown, never on one closed out of sight.
  CChildFrame* frame = shownChildFrame();
  if (!frame || frame->transferRunning()) return;
  // The dialog edits a copy of the image; what it stored becomes one change of the
  // document, labelled with the dialog's title (nothing changed, no change).
  RadioImage edited = frame->document().image();
  std::string title;
  {
    Dialog dialog(edited, state_, this);
    dialog.exec();
    title = dialog.windowTitle().toStdString();
  }
  frame->document().change(title, [&](RadioImage& image) { image = edited; });
}

void CMainFrame::openPage(Page page) {
  switch (page) {
    case Page::ChannelInformation: onChannelInformation(); return;
    case Page::OptionalFeatures: runFeatureDialog<COptionalFeaturesDlg>(); return;
    case Page::Dtmf: runFeatureDialog<CDtmfDlg>(); return;
    case Page::Msk: runFeatureDialog<CMskDlg>(); return;
    case Page::ProductInformation: runFeatureDialog<CProductInfoDlg>(); return;
    case Page::TwoTone: runFeatureDialog<CTwoToneDlg>(); return;
    case Page::KeyAssignment: runFeatureDialog<CKeyAssignDlg>(); return;
    case Page::SquelchTuning: runFeatureDialog<CSquelchTuningDlg>(); return;
  }
}

void CMainFrame::onTransfer(bool write) {
  CChildFrame* frame = shownChildFrame();
  if (!frame) return;
  if (write)
    frame->transfers().startWrite();
  else
    frame->transfers().startRead();
}

void CMainFrame::onCompareWith() {
  CChildFrame* frame = shownChildFrame();
  if (!frame || frame->transferRunning()) return;
  const QString path = askOpenFileName(this);
  if (path.isEmpty()) return;
  Document other;
  if (const FileResult loaded = other.load(path.toStdString()); !loaded) {
    inform(this, tr("Failed to open document.") + QLatin1Char('\n') + QString::fromStdString(loaded.error));
    return;
  }
  // The grid's edits count: the document as it would be saved.
  frame->view().storeGrid();
  SectionContext context;
  context.lang = state_.lang;
  context.bandRecord = state_.band.record;
  context.models = modelNames(state_.config);
  const ImageComparison comparison = compareImages(frame->document().image(), other.image(), context);
  const QString name = QDir::toNativeSeparators(path);
  const QString summary =
      comparison.same() ? tr("The document and %1 are the same.").arg(name) : tr("From the document to %1:").arg(name);
  DifferencesDialog dialog(tr("Compare"), summary, comparison, tr("This document"), QFileInfo(path).fileName(),
                           state_.lang, this);
  (void)runDialog(dialog);
}

void CMainFrame::onOpenBackup() {
  // The folder exists once a read has kept a backup; the dialog opens in it anyway.
  const std::filesystem::path folder = backupFolder(systemEnvironment);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const QString path = askOpenFileName(this, FileKind::Document, QString::fromStdString(folder.string()));
  if (!path.isEmpty()) openFile(path);
}

void CMainFrame::onImportChannels() {
  CChildFrame* frame = shownChildFrame();
  if (!frame || frame->transferRunning()) return;
  const QString path = askOpenFileName(this, FileKind::ChannelList);
  if (path.isEmpty()) return;
  QFile file(path);
  if (static_cast<std::uintmax_t>(file.size()) > kMaxChannelListBytes || !file.open(QIODevice::ReadOnly)) {
    inform(this, tr("Cannot read %1.").arg(QDir::toNativeSeparators(path)));
    return;
  }
  const QByteArray bytes = file.readAll();
  // The import starts from the grid as it would be stored; the document changes
  // only when OK takes at least one channel, all of them in one step, so Cancel or
  // an import that takes nothing leaves the image, the modified mark and the undo
  // steps as they were.
  CProgramDoc& doc = frame->document();
  CsvImportOptions options;
  options.lang = state_.lang;
  options.limits = state_.band.limits;
  const QString name = QFileInfo(path).fileName();
  ImportPreviewDialog preview(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                              frame->view().storedImage(), options, name, this);
  if (!preview.result().readable()) {
    inform(this, tr("%1 is not a channel list that can be read:").arg(name) + QLatin1Char('\n') +
                     QString::fromStdString(preview.result().error));
    return;
  }
  if (runDialog(preview) != QDialog::Accepted || preview.result().imported() == 0) return;
  doc.replaceImage(preview.result().image, tr("Import").toStdString());
}

void CMainFrame::onExportChannels() {
  CChildFrame* frame = shownChildFrame();
  if (!frame || frame->transferRunning()) return;
  CProgramDoc& doc = frame->document();
  QString proposed = QFileInfo(doc.filePath()).completeBaseName();
  if (proposed.isEmpty()) proposed = QStringLiteral("channels");
  proposed = QDir(doc.hasFile() ? QFileInfo(doc.filePath()).absolutePath() : QDir::currentPath())
                 .filePath(proposed + QStringLiteral(".csv"));
  const QString path = askSaveFileName(this, proposed, FileKind::ChannelList);
  if (path.isEmpty()) return;
  doc.storeGrid();
  const CsvExportResult result = exportChannelsCsv(doc.image(), state_.lang);
  if (const FileResult written = writeFileAtomically(path.toStdString(), result.text); !written) {
    inform(this, tr("Failed to export the channels.") + QLatin1Char('\n') + QString::fromStdString(written.error));
    return;
  }
  if (!result.notes.empty()) {
    QStringList notes;
    for (const std::string& note : result.notes) notes << QString::fromStdString(note);
    inform(this, tr("%1 channel(s) exported. Other programs may refuse:").arg(result.channels) + QLatin1Char('\n') +
                     notes.join(QLatin1Char('\n')));
  }
}

void CMainFrame::onComSetup() {
  CPortSettingDlg dialog(state_, this);
  dialog.exec();
}

void CMainFrame::onPrint(bool preview) {
  CChildFrame* frame = shownChildFrame();
  if (!frame || frame->transferRunning()) return;
  frame->view().commitEdit();
  if (preview)
    reportPrinter().preview(this, frame->document().image(), frame->view().grid());
  else
    reportPrinter().print(this, frame->document().image(), frame->view().grid());
}

void CMainFrame::onPrintSetup() { reportPrinter().pageSetup(this); }

// Made on the first print, preview or page setup: the printer loads the print
// system's plugin and its libraries, which a session that never prints does
// not need at start-up. Once made it lives as long as the window, so the page
// setup chosen stays for the session.
ReportPrinter& CMainFrame::reportPrinter() {
  if (!printer_) printer_ = std::make_unique<ReportPrinter>(state_);
  return *printer_;
}

void CMainFrame::onAbout() {
  CAboutDlg dialog(config_.about, QString::fromStdString(state_.programDirectory.string()), this);
  dialog.exec();
}

void CMainFrame::onHelpTopics() { requestHelp(this, cmd::kHelpTopics); }

void CMainFrame::onLanguage() {
  CLanguageDlg dialog(state_.lang, this);
  if (dialog.exec() != QDialog::Accepted || dialog.choice() == state_.lang) return;
  // The new language is on disk before the new instance starts; closing this one
  // asks about unsaved changes, and the new one starts either way.
  if (state_.config) {
    state_.config->set("Setup", "Language", otherLanguageName(state_.lang));
    // Only the user's copy is written, never the shipped default.
    if (state_.config->autoSave()) state_.config->save(false);
  }
  close();
  emit restartRequested();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // Each modified document is asked about once. A discarded one goes at once with
  // its window: when a later question is cancelled and the program stays, no
  // document holds the discarded changes, and the next Exit does not ask again.
  for (CChildFrame* frame : docs_->frames()) {
    if (!frame->document().isModified()) continue;
    showFrame(frame);
    const SaveAnswer answer = askSave(this, saveQuestion(frame));
    if (answer == SaveAnswer::Discard) {
      discarded_.append(frame);
      frame->destroyFrame();
      continue;
    }
    if (answer == SaveAnswer::Cancel || !saveDocument(frame, false)) {
      event->ignore();
      return;
    }
  }
  for (CChildFrame* frame : docs_->frames()) frame->cancelTransfer();
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) openFile(url.toLocalFile());
  event->acceptProposedAction();
}

}  // namespace radio::gui
