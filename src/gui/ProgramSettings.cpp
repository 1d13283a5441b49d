// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ProgramSettings.h"

#include <QByteArray>
#include <QSettings>
#include <array>

#include "app/PortName.h"
#include "app/StartupConfig.h"

namespace radio::gui {
namespace {

const std::array<SettingKey, 5>& table() {
  static const std::array<SettingKey, 5> keys{{
      {Setting::BandRecord, "Field", QVariant()},
      {Setting::Port, "com", QString::fromStdString(defaultPortName())},
      {Setting::Model, "Type", 0},
      {Setting::RecentFile, "Recent File List/File%1", QString()},
      {Setting::VerifyAfterWrite, "VerifyAfterWrite", true},
  }};
  return keys;
}

QString valueName(Setting setting, int entry) {
  const QString name = QString::fromLatin1(settingKey(setting).name);
  return name.contains(QLatin1String("%1")) ? name.arg(entry + 1) : name;
}

// HKEY_CURRENT_USER\Software\<AppName> on Windows; <config>/<AppName>.conf elsewhere.
QSettings open(const QString& appName) {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                   appName.isEmpty() ? QStringLiteral("radioprog") : appName);
}

}  // namespace

const SettingKey& settingKey(Setting setting) { return table().at(static_cast<std::size_t>(setting)); }

ProgramSettings::ProgramSettings(const std::string& appName) : appName_(QString::fromStdString(appName)) {}

bool ProgramSettings::contains(Setting setting, int entry) const {
  return open(appName_).contains(valueName(setting, entry));
}

QVariant ProgramSettings::value(Setting setting, int entry) const {
  return open(appName_).value(valueName(setting, entry), settingKey(setting).fallback);
}

void ProgramSettings::setValue(Setting setting, const QVariant& value, int entry) {
  // A value stored again unchanged would still rewrite the whole file (with its
  // lock) when the settings object closes: the band record is stored at every
  // exit, and the exit should not wait on the disk for nothing.
  QSettings settings = open(appName_);
  const QString name = valueName(setting, entry);
  if (settings.contains(name) && settings.value(name) == value) return;
  settings.setValue(name, value);
}

std::optional<BandRecord> ProgramSettings::bandRecord() const {
  if (!contains(Setting::BandRecord)) return std::nullopt;
  const QByteArray stored = value(Setting::BandRecord).toByteArray();
  return bandRecordFromStored(
      {reinterpret_cast<const Byte*>(stored.constData()), static_cast<std::size_t>(stored.size())});
}

void ProgramSettings::setBandRecord(const BandRecord& record) {
  setValue(Setting::BandRecord,
           QByteArray(reinterpret_cast<const char*>(record.data()), static_cast<qsizetype>(record.size())));
}

std::string ProgramSettings::port() const {
  if (!contains(Setting::Port)) return defaultPortName();
  const QVariant stored = value(Setting::Port);
  bool isNumber = false;
  const unsigned n = stored.toUInt(&isNumber);
#ifdef Q_OS_WIN
  // Only the low byte of the stored number counts.
  return isNumber ? portNameForNumber(static_cast<int>(n & 0xFF)) : defaultPortName();
#else
  if (isNumber) return (n & 0xFF) >= 1 ? "/dev/ttyS" + std::to_string((n & 0xFF) - 1) : defaultPortName();
  const std::string path = stored.toString().toStdString();
  return path.empty() ? defaultPortName() : path;
#endif
}

void ProgramSettings::setPort(const std::string& device) {
#ifdef Q_OS_WIN
  if (const auto n = portNumberFromName(device)) setValue(Setting::Port, *n);
#else
  setValue(Setting::Port, QString::fromStdString(device));
#endif
}

}  // namespace radio::gui
