// SPDX-License-Identifier: GPL-3.0-or-later
// Brings the program up and down: Program.ini, the language and its translation,
// the band record from the settings key, the splash picture, the main window and
// the first document; at the end the band record and Program.ini are written back.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>

#include "app/IniFile.h"
#include "app/StartupConfig.h"
#include "gui/AppState.h"
#include "gui/Prompts.h"

namespace radio::gui {

class CMainFrame;
class HelpController;

class CProgramApp : public QObject {
  Q_OBJECT

 public:
  explicit CProgramApp(QObject* parent = nullptr);
  ~CProgramApp() override;

  // Start-up. arguments are the program's (the first is the program itself);
  // programDirectory holds the shipped files: the default Program.ini, the
  // translations, pictures and help (see findDataDirectory()).
  // False when the program must end (the translation could not be loaded).
  [[nodiscard]] bool initInstance(const QStringList& arguments, const QString& programDirectory);
  // Shut-down: stores the band record in the settings key and writes the user's
  // Program.ini back when it changed.
  void exitInstance();

  // The folder of the user's Program.ini (~/.config/radioprog by default); tests
  // name their own. Set it before initInstance().
  void setConfigDirectory(const QString& folder) { configDirectory_ = folder; }

  // How a language switch starts the program anew; tests put in their own.
  void setRestartLauncher(std::function<bool()> launcher) { restart_ = std::move(launcher); }

  [[nodiscard]] AppState& state() { return state_; }
  [[nodiscard]] const StartupConfig& config() const { return config_; }
  [[nodiscard]] CMainFrame* mainFrame() const { return frame_.get(); }
  [[nodiscard]] HelpController* help() const { return help_.get(); }

 private:
  void readBandRecord();
  void writeBandRecord();
  void onRestartRequested();

  IniFile ini_;
  AppState state_;
  StartupConfig config_;
  QTranslator translator_;
  QTranslator qtTranslator_;
  std::unique_ptr<HelpController> help_;
  std::unique_ptr<CMainFrame> frame_;
  std::function<bool()> restart_;
  QString configDirectory_;
  bool exited_ = false;
};

}  // namespace radio::gui
