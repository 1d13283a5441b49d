// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions between the core's strings and Qt's strings that the windows
// use when binding controls to forms: UTF-8 texts, and codes (DTMF, MSK, the call
// lists), whose bytes are one character each.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace radio::gui {

[[nodiscard]] inline QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
[[nodiscard]] inline std::string ss(const QString& s) { return s.toStdString(); }

[[nodiscard]] inline QString codeQs(std::string_view code) {
  return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}
[[nodiscard]] inline std::string codeBytes(const QString& s) { return s.toLatin1().toStdString(); }

}  // namespace radio::gui
