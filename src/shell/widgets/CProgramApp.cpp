// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/CProgramApp.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <cstdlib>

#include "app/ProgramFiles.h"
#include "gui/HelpHook.h"
#include "gui/ProgramSettings.h"
#include "shell/widgets/CMainFrame.h"
#include "shell/widgets/HelpController.h"
#include "shell/widgets/SplashWindow.h"

namespace radio::gui {
namespace {

// The command-line switches that turn the start-up picture off.
bool isNoSplashSwitch(const QString& argument) {
  const QString a = argument.toLower();
  return a == QLatin1String("/nosplash") || a == QLatin1String("-nosplash") || a == QLatin1String("--no-splash");
}

}  // namespace

CProgramApp::CProgramApp(QObject* parent)
    : QObject(parent), configDirectory_(QString::fromStdString(userConfigDirectory(std::getenv).string())) {
  restart_ = [] { return QProcess::startDetached(QCoreApplication::applicationFilePath(), {}); };
}

CProgramApp::~CProgramApp() {
  exitInstance();
  setHelpHandler({});
}

bool CProgramApp::initInstance(const QStringList& arguments, const QString& programDirectory) {
  const QDir dir(programDirectory);
  state_.programDirectory = QDir::cleanPath(dir.absolutePath()).toStdString();

  // The user's Program.ini, made from the shipped default at the first start and
  // written back at the end when it changed; a file that names no language is
  // completed from the defaults, so that this and the next start find one.
  const UserIni user =
      prepareUserIni(dir.filePath(QString::fromUtf8(kProgramIniName)).toStdString(), configDirectory_.toStdString());
  (void)ini_.load(user.path, user.writable, /*caseInsensitive=*/true, /*backup=*/false);
  if (repairProgramIni(ini_, builtInProgramIni()) && user.writable) ini_.save(false);
  state_.config = &ini_;
  config_ = readStartupConfig(ini_);
  state_.languageName = config_.languageName;
  state_.lang = config_.lang;
  state_.helpFileName = helpFolderName(config_.lang);
  state_.appName = config_.appName;
  readBandRecord();

  // The translation of the language is what the menus and windows are made of:
  // without it the program cannot run.
  const QString translation = dir.filePath(QString::fromStdString(translationFileName(config_.languageName)));
  if (!translator_.load(translation)) {
    inform(nullptr, QString::fromUtf8(languageLoadFailText(config_.lang)));
    return false;
  }
  QCoreApplication::installTranslator(&translator_);
  if (config_.lang == Language::Chinese &&
      qtTranslator_.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qtTranslator_);

  // The application name is the caption of every message box.
  QCoreApplication::setApplicationName(QString::fromStdString(config_.company));

  bool splashAllowed = true;
  QStringList files;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments.at(i);
    if (isNoSplashSwitch(a))
      splashAllowed = false;
    else if (!a.startsWith(QLatin1Char('-')))
      files.append(a);
  }
  SplashWindow* splash =
      splashAllowed ? SplashWindow::showPicture(dir.filePath(QStringLiteral("startup.bmp"))) : nullptr;

  help_ = std::make_unique<HelpController>(dir.filePath(QString::fromStdString(state_.helpFileName)), tr("Help"));
  setHelpHandler([this](QWidget* from, int contextId) {
    if (contextId == 32793)
      help_->showContents(from);
    else
      help_->showHelp(from, contextId);
  });

  // "title.ico" is the icon of the main window and of every window after it.
  const QIcon icon(dir.filePath(QStringLiteral("title.ico")));
  if (!icon.isNull()) QApplication::setWindowIcon(icon);

  frame_ = std::make_unique<CMainFrame>(state_, config_);
  connect(frame_.get(), &CMainFrame::restartRequested, this, &CProgramApp::onRestartRequested);

  // A file named on the command line opens instead of a new document.
  bool opened = false;
  for (const QString& file : files) opened = frame_->openFile(file) || opened;
  if (!opened) frame_->fileNew();

  if (splash) splash->finish();
  // Without a window manager a maximize request goes unanswered: the window then
  // covers the screen by its own geometry.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) frame_->setGeometry(screen->availableGeometry());
  frame_->showMaximized();
  return true;
}

void CProgramApp::readBandRecord() {
  if (const auto stored = ProgramSettings(state_.appName).bandRecord()) state_.band.record = *stored;
}

void CProgramApp::writeBandRecord() { ProgramSettings(state_.appName).setBandRecord(state_.band.record); }

void CProgramApp::onRestartRequested() {
  // The new instance reads the band record this one has now.
  writeBandRecord();
  if (!restart_ || !restart_()) inform(frame_.get(), tr("The program could not be started again."));
}

void CProgramApp::exitInstance() {
  if (exited_) return;
  exited_ = true;
  frame_.reset();
  writeBandRecord();
  if (ini_.autoSave()) ini_.save(false);
}

}  // namespace radio::gui
