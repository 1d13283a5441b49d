// The questions and messages the shell puts to the user, and the file choosers.
// The application uses the standard message boxes and file dialogs; tests put in
// answers of their own.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace radio::gui {

class CDifferencesDlg;

enum class SaveAnswer { Save, Discard, Cancel };

struct UserPrompts {
  // A message with an OK button; the caption is the application name.
  std::function<void(QWidget* parent, const QString& text)> inform;
  // OK / Cancel; true for OK.
  std::function<bool(QWidget* parent, const QString& text)> confirm;
  // Save / Discard / Cancel for a document with unsaved changes.
  std::function<SaveAnswer(QWidget* parent, const QString& text)> askSave;
  // The file to open; empty when the user cancelled.
  std::function<QString(QWidget* parent)> openFileName;
  // The same, the dialog opening in folder (the backups).
  std::function<QString(QWidget* parent, const QString& folder)> openFileNameIn;
  // Shows a list of differences (Compare With...); tests read it instead.
  std::function<void(CDifferencesDlg& dialog)> showDifferences;
  // The file to save to, starting from proposed; empty when the user cancelled.
  std::function<QString(QWidget* parent, const QString& proposed)> saveFileName;

  // The channel list (CSV) to import; empty when the user cancelled.
  std::function<QString(QWidget* parent)> openChannelListName;
  // The channel list to export to, starting from proposed; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& proposed)> saveChannelListName;

  // Message boxes and file dialogs for "*.dat" and "*.csv" files.
  [[nodiscard]] static UserPrompts standard();
};

}  // namespace radio::gui
