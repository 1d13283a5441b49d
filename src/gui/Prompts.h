// Every message box and file chooser the windows put to the user passes through
// one replaceable hook, so that tests answer them instead of a user. The
// application runs with the standard message boxes and file dialogs.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QDialog;
class QWidget;

namespace radio::gui {

struct MessageRequest {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  // Texts replacing standard buttons' own (a Yes that reads "Write Anyway").
  std::vector<std::pair<QMessageBox::StandardButton, QString>> buttonTexts{};
};

// What a file chooser asks for: a document (*.dat) or a channel list (*.csv).
enum class FileKind { Document, ChannelList };

struct Prompts {
  // Shows the request modally over parent and returns the button chosen.
  std::function<QMessageBox::StandardButton(QWidget* parent, const MessageRequest& request)> message;
  // The file to open, the chooser starting in folder (its own choice when empty);
  // empty when the user cancelled.
  std::function<QString(QWidget* parent, FileKind kind, const QString& folder)> openFileName;
  // The file to save to, starting from proposed; empty when the user cancelled.
  std::function<QString(QWidget* parent, const QString& proposed, FileKind kind)> saveFileName;
  // Runs a window that only shows something (a list of differences) and returns its result.
  std::function<int(QDialog& dialog)> runDialog;
  // Asks for up to maxDigits digits (the box takes nothing else); nothing when the
  // user cancelled.
  std::function<std::optional<QString>(QWidget* parent, const QString& caption, const QString& label, int maxDigits)>
      digits;

  // Message boxes, and file dialogs for "*.dat" and "*.csv" files.
  [[nodiscard]] static Prompts standard();
};

// The prompts in force: the standard ones until others are installed. Parts left
// empty in an installed set fall back to the standard ones.
[[nodiscard]] const Prompts& prompts();
// Installs prompts; returns the ones in force before.
Prompts setPrompts(Prompts next);

// Installs prompts for its lifetime (tests).
class ScopedPrompts {
 public:
  explicit ScopedPrompts(Prompts next) : previous_(setPrompts(std::move(next))) {}
  // Answers only the message boxes.
  explicit ScopedPrompts(decltype(Prompts::message) message)
      : ScopedPrompts(Prompts{std::move(message), {}, {}, {}, {}}) {}
  ~ScopedPrompts() { setPrompts(std::move(previous_)); }
  ScopedPrompts(const ScopedPrompts&) = delete;
  ScopedPrompts& operator=(const ScopedPrompts&) = delete;

 private:
  Prompts previous_;
};

// The questions of the main window, with the application name as caption.
enum class SaveAnswer { Save, Discard, Cancel };
QMessageBox::StandardButton showMessage(QWidget* parent, const MessageRequest& request);
// A warning with an OK button.
void inform(QWidget* parent, const QString& text);
// OK / Cancel; true for OK.
[[nodiscard]] bool confirm(QWidget* parent, const QString& text);
// Save / Discard / Cancel for a document with unsaved changes.
[[nodiscard]] SaveAnswer askSave(QWidget* parent, const QString& text);
[[nodiscard]] QString askOpenFileName(QWidget* parent, FileKind kind = FileKind::Document, const QString& folder = {});
[[nodiscard]] QString askSaveFileName(QWidget* parent, const QString& proposed, FileKind kind = FileKind::Document);
int runDialog(QDialog& dialog);
[[nodiscard]] std::optional<QString> askDigits(QWidget* parent, const QString& caption, const QString& label,
                                               int maxDigits);

}  // namespace radio::gui
