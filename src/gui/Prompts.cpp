#include "gui/Prompts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace radio::gui {
namespace {

QString filter(FileKind kind) {
  return kind == FileKind::ChannelList
             ? QCoreApplication::translate("radio::gui::UserPrompts", "Channel List (*.csv)")
             : QCoreApplication::translate("radio::gui::UserPrompts", "Program Document (*.dat)");
}

Prompts& installed() {
  static Prompts p = Prompts::standard();
  return p;
}

}  // namespace

Prompts Prompts::standard() {
  Prompts p;
  p.message = [](QWidget* parent, const MessageRequest& request) {
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, parent);
    if (request.defaultButton != QMessageBox::NoButton) box.setDefaultButton(request.defaultButton);
    for (const auto& [button, text] : request.buttonTexts)
      if (QAbstractButton* shown = box.button(button)) shown->setText(text);
    return static_cast<QMessageBox::StandardButton>(box.exec());
  };
  p.openFileName = [](QWidget* parent, FileKind kind, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter(kind));
  };
  p.saveFileName = [](QWidget* parent, const QString& proposed, FileKind kind) {
    QFileDialog dialog(parent, QString(), proposed, filter(kind));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(kind == FileKind::ChannelList ? QStringLiteral("csv") : QStringLiteral("dat"));
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
  };
  p.runDialog = [](QDialog& dialog) { return dialog.exec(); };
  p.digits = [](QWidget* parent, const QString& caption, const QString& label,
                int maxDigits) -> std::optional<QString> {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
      edit->setMaxLength(maxDigits);
      edit->setValidator(
          new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(maxDigits)), edit));
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
  };
  return p;
}

const Prompts& prompts() { return installed(); }

Prompts setPrompts(Prompts next) {
  const Prompts standard = Prompts::standard();
  if (!next.message) next.message = standard.message;
  if (!next.openFileName) next.openFileName = standard.openFileName;
  if (!next.saveFileName) next.saveFileName = standard.saveFileName;
  if (!next.runDialog) next.runDialog = standard.runDialog;
  if (!next.digits) next.digits = standard.digits;
  return std::exchange(installed(), std::move(next));
}

QMessageBox::StandardButton showMessage(QWidget* parent, const MessageRequest& request) {
  return prompts().message(parent, request);
}

void inform(QWidget* parent, const QString& text) {
  (void)showMessage(parent, {QCoreApplication::applicationName(), text, QMessageBox::Warning, QMessageBox::Ok});
}

bool confirm(QWidget* parent, const QString& text) {
  return showMessage(parent, {QCoreApplication::applicationName(), text, QMessageBox::Warning,
                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok}) == QMessageBox::Ok;
}

SaveAnswer askSave(QWidget* parent, const QString& text) {
  const auto answer =
      showMessage(parent, {QCoreApplication::applicationName(), text, QMessageBox::Question,
                           QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save});
  if (answer == QMessageBox::Save) return SaveAnswer::Save;
  if (answer == QMessageBox::Discard) return SaveAnswer::Discard;
  return SaveAnswer::Cancel;
}

QString askOpenFileName(QWidget* parent, FileKind kind, const QString& folder) {
  return prompts().openFileName(parent, kind, folder);
}

QString askSaveFileName(QWidget* parent, const QString& proposed, FileKind kind) {
  return prompts().saveFileName(parent, proposed, kind);
}

int runDialog(QDialog& dialog) { return prompts().runDialog(dialog); }

std::optional<QString> askDigits(QWidget* parent, const QString& caption, const QString& label, int maxDigits) {
  return prompts().digits(parent, caption, label, maxDigits);
}

}  // namespace radio::gui
