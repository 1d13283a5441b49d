#include "gui/UserPrompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "gui/CDifferencesDlg.h"

namespace radio::gui {
namespace {

QString datFilter() { return QCoreApplication::translate("radio::gui::UserPrompts", "Program Document (*.dat)"); }
QString csvFilter() { return QCoreApplication::translate("radio::gui::UserPrompts", "Channel List (*.csv)"); }

QString saveName(QWidget* parent, const QString& proposed, const QString& filter, const QString& suffix) {
  QFileDialog dialog(parent, QString(), proposed, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  dialog.selectFile(proposed);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

}  // namespace

UserPrompts UserPrompts::standard() {
  UserPrompts p;
  p.inform = [](QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QCoreApplication::applicationName(), text);
  };
  p.confirm = [](QWidget* parent, const QString& text) {
    return QMessageBox::warning(parent, QCoreApplication::applicationName(), text,
                                QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
  };
  p.askSave = [](QWidget* parent, const QString& text) {
    const auto answer =
        QMessageBox::question(parent, QCoreApplication::applicationName(), text,
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveAnswer::Save;
    if (answer == QMessageBox::Discard) return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
  };
  p.openFileName = [](QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), datFilter());
  };
  p.openFileNameIn = [](QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, QString(), folder, datFilter());
  };
  p.showDifferences = [](CDifferencesDlg& dialog) { dialog.exec(); };
  p.saveFileName = [](QWidget* parent, const QString& proposed) {
    return saveName(parent, proposed, datFilter(), QStringLiteral("dat"));
  };
  p.openChannelListName = [](QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), csvFilter());
  };
  p.saveChannelListName = [](QWidget* parent, const QString& proposed) {
    return saveName(parent, proposed, csvFilter(), QStringLiteral("csv"));
  };
  return p;
}

}  // namespace radio::gui
