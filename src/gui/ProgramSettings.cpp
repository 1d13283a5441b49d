#include "gui/ProgramSettings.h"

#include <QSettings>

namespace radio::gui {
namespace {
// HKEY_CURRENT_USER\Software\<AppName> on Windows; <config>/<AppName>.conf elsewhere.
QSettings open(const QString& appName) {
  const QString name = appName.isEmpty() ? QStringLiteral("radioprog") : appName;
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, name);
}
}  // namespace

QVariant ProgramSettings::value(const QString& name, const QVariant& def) const {
  return open(appName_).value(name, def);
}

void ProgramSettings::setValue(const QString& name, const QVariant& value) { open(appName_).setValue(name, value); }

bool ProgramSettings::contains(const QString& name) const { return open(appName_).contains(name); }

}  // namespace radio::gui
