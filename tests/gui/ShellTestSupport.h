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

#include "gui/Prompts.h"
#include "shell/widgets/CProgramApp.h"

namespace radio::gui::test {

class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // Each test has a settings key of its own.
    appName_ = QStringLiteral("shelltest_%1").arg(++counter_);
    answers_ = std::make_unique<ScopedPrompts>(prompts());
  }

  void TearDown() override {
    app_.reset();
    answers_.reset();
    QApplication::processEvents();
  }

  QString path(const QString& name) const { return dir_.filePath(name); }

  void writeIni() {
    QFile f(path(QStringLiteral("Program.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[Setup]\nLanguage=English\nAppName=%1\nShowLang=1\n"
                           "[English]\nCompany=Test Company\nTitle=Test Title\n")
                .arg(appName_)
                .toUtf8());
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
    app_ = std::make_unique<CProgramApp>();
    // The test's Program.ini is the one the program reads and writes.
    app_->setConfigDirectory(dir_.path());
    app_->setRestartLauncher([] { return true; });
    arguments.prepend(QStringLiteral("radioprog"));
    arguments.append(QStringLiteral("--no-splash"));
    return app_->initInstance(arguments, dir_.path());
  }

  bool startEnglish(QStringList arguments = {}) {
    writeIni();
    copyFromBuild(QStringLiteral("English.qm"));
    return start(std::move(arguments));
  }

  // Records every message and answers OK/Cancel questions with confirmAnswer_,
  // Save/Discard/Cancel questions with saveAnswer_, the rest with OK.
  Prompts prompts() {
    Prompts p;
    p.message = [this](QWidget*, const MessageRequest& request) {
      messages_.append(request.text);
      if (request.buttons & QMessageBox::Discard)
        return saveAnswer_ == SaveAnswer::Save      ? QMessageBox::Save
               : saveAnswer_ == SaveAnswer::Discard ? QMessageBox::Discard
                                                    : QMessageBox::Cancel;
      if (request.buttons & QMessageBox::Cancel) return confirmAnswer_ ? QMessageBox::Ok : QMessageBox::Cancel;
      return QMessageBox::Ok;
    };
    p.openFileName = [](QWidget*, FileKind, const QString&) { return QString(); };
    p.saveFileName = [this](QWidget*, const QString& proposed, FileKind) {
      proposedNames_.append(proposed);
      return saveAsAnswer_;
    };
    return p;
  }

  static inline int counter_ = 0;
  QTemporaryDir dir_;
  QString appName_;
  std::unique_ptr<ScopedPrompts> answers_;
  std::unique_ptr<CProgramApp> app_;
  QStringList messages_;
  QStringList proposedNames_;
  bool confirmAnswer_ = true;
  SaveAnswer saveAnswer_ = SaveAnswer::Discard;
  QString saveAsAnswer_;
};

}  // namespace radio::gui::test
