// The two conversions between the core's UTF-8 strings and Qt's strings that the
// windows use when binding controls to forms.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace radio::gui {

[[nodiscard]] inline QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
[[nodiscard]] inline std::string ss(const QString& s) { return s.toStdString(); }

}  // namespace radio::gui
