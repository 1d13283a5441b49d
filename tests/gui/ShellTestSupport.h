// A program directory of its own for each shell test: Program.ini, the
// translations and pictures copied from the build, and the application started on
// it with recorded answers instead of message boxes and file dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "shell/widgets/CProgramApp.h"

namespace radio::gui::test {

class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // Each test has a settings key of its own.
    appName_ = QStringLiteral("shelltest_%1").arg(++counter());
  }

  void TearDown() override {
    app_.reset();
    QApplication::processEvents();
  }

  QString path(const QString& name) const { return dir_.filePath(name); }

  void writeIni(const QString& language, const QString& extraSetup = QStringLiteral("ShowLang=1\n")) {
    QFile f(path(QStringLiteral("Program.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QString text = QStringLiteral(
                             "[Setup]\nLanguage=%1\nAppName=%2\n%3"
                             "[English]\nCompany=Test Company\nTitle=Test Title\nAbout Title=About Test\n"
                             "Version=Version 9\nCopyrights=Copyright line\nCopyrights Owner=Owner line\n"
                             "[Chinese]\nCompany=测试公司\nTitle=测试标题\nAbout Title=关于测试\n")
                             .arg(language, appName_, extraSetup);
    f.write(text.toUtf8());
  }

  void copyFromBuild(const QString& name) {
    const QString from = QDir(QStringLiteral(RADIOPROG_BIN_DIR)).filePath(name);
    ASSERT_TRUE(QFile::exists(from)) << from.toStdString();
    QFile::remove(path(name));
    ASSERT_TRUE(QFile::copy(from, path(name)));
  }

  // Starts the application on the test's program directory.
  bool start(QStringList arguments = {}) {
    app_.reset();
    app_ = std::make_unique<CProgramApp>(prompts());
    // The test's Program.ini is the one the program reads and writes.
    app_->setConfigDirectory(configDir_.isEmpty() ? dir_.path() : configDir_);
    app_->setRestartLauncher([this] {
      ++restarts_;
      return true;
    });
    arguments.prepend(QStringLiteral("radioprog"));
    arguments.append(QStringLiteral("--no-splash"));
    return app_->initInstance(arguments, dir_.path());
  }

  bool startEnglish() {
    writeIni(QStringLiteral("English"));
    copyFromBuild(QStringLiteral("English.qm"));
    return start();
  }

  UserPrompts prompts() {
    UserPrompts p;
    p.inform = [this](QWidget*, const QString& text) { messages_.append(text); };
    p.confirm = [this](QWidget*, const QString& text) {
      messages_.append(text);
      return confirmAnswer_;
    };
    p.askSave = [this](QWidget*, const QString& text) {
      messages_.append(text);
      return saveAnswer_;
    };
    p.openFileName = [this](QWidget*) { return openAnswer_; };
    p.saveFileName = [this](QWidget*, const QString& proposed) {
      proposedNames_.append(proposed);
      return saveAsAnswer_;
    };
    p.openChannelListName = p.openFileName;
    p.saveChannelListName = p.saveFileName;
    return p;
  }

  static int& counter() {
    static int n = 0;
    return n;
  }

  QTemporaryDir dir_;
  QString configDir_;  // the user's configuration folder; dir_ when empty
  QString appName_;
  std::unique_ptr<CProgramApp> app_;
  QStringList messages_;
  QStringList proposedNames_;
  bool confirmAnswer_ = true;
  SaveAnswer saveAnswer_ = SaveAnswer::Discard;
  QString openAnswer_;
  QString saveAsAnswer_;
  int restarts_ = 0;
};

}  // namespace radio::gui::test
