// The program's settings store: the registry key HKCU\Software\<AppName> on
// Windows, <config>/<AppName>.conf elsewhere, named after [Setup] AppName of
// Program.ini. Every value the program keeps there is a row of one table, with
// its name and its default; this class is the only one that opens the store.
#pragma once

#include <QString>
#include <QVariant>
#include <optional>
#include <string>

#include "model/RadioImage.h"

namespace radio::gui {

enum class Setting {
  BandRecord,        // "Field": the six bytes of the band record last used
  Port,              // "com": the serial port; its number on Windows, else the device path
  Model,             // "Type": the model chosen in Product Information
  RecentFile,        // "Recent File List/File<n>": the recent file list, n = 1..4
  VerifyAfterWrite,  // "VerifyAfterWrite": a write ends with a verify; on unless turned off
};

struct SettingKey {
  Setting setting;
  const char* name;   // %1 stands for the entry number
  QVariant fallback;  // the value when none is stored
};

// The row of a setting.
[[nodiscard]] const SettingKey& settingKey(Setting setting);

class ProgramSettings {
 public:
  explicit ProgramSettings(const std::string& appName);

  // entry numbers the recent file list (0-based); the other values have one entry.
  [[nodiscard]] bool contains(Setting setting, int entry = 0) const;
  // The stored value, or the row's default when none is stored.
  [[nodiscard]] QVariant value(Setting setting, int entry = 0) const;
  void setValue(Setting setting, const QVariant& value, int entry = 0);

  // The band record as start-up takes it (see bandRecordFromStored); none when
  // nothing is stored.
  [[nodiscard]] std::optional<BandRecord> bandRecord() const;
  void setBandRecord(const BandRecord& record);
  // The stored port choice, or the default port (COM1 on Windows; elsewhere none,
  // an empty name).
  [[nodiscard]] std::string port() const;
  void setPort(const std::string& device);

 private:
  QString appName_;
};

}  // namespace radio::gui
