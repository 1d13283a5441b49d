// The program's settings key (the registry on Windows, an INI file in the user's
// configuration folder elsewhere), named after [Setup] AppName of Program.ini.
// Values: "Field" (band record), "com" (serial port), "Type" (model),
// "VerifyAfterWrite" (a write ends with a verify; on unless turned off).
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace radio::gui {

inline const QString kVerifyAfterWriteValue = QStringLiteral("VerifyAfterWrite");

class ProgramSettings {
 public:
  explicit ProgramSettings(QString appName) : appName_(std::move(appName)) {}

  [[nodiscard]] QVariant value(const QString& name, const QVariant& def = {}) const;
  void setValue(const QString& name, const QVariant& value);
  [[nodiscard]] bool contains(const QString& name) const;

 private:
  QString appName_;
};

}  // namespace radio::gui
