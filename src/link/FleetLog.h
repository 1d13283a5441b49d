// SPDX-License-Identifier: GPL-3.0-or-later
// The fleet's log: a CSV file, one line per radio, written and flushed as each
// radio ends, so a log survives a crash or a pulled plug up to its last radio.
//
//   time,port,radio,result,identification,seconds,document,message
//   2026-12-07T14:03:11+01:00,/dev/ttyUSB0,3,ok,0300FFFFFFFFFFFF,17.9,9f86d0...,
//
// time is local with its offset; radio the running number (empty for a port
// that could not be opened); identification the radio's 8-byte identify reply in
// hex; document the SHA-256 of the document written; message the reason of a
// failure.
//
// Usage:
//   FleetLog log;
//   if (!log.open(defaultFleetLogPath(systemEnvironment, std::time(nullptr)), error)) ...
//   log.append(record);   // false when the line could not be written
#pragma once

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/Backups.h"
#include "model/ImageMap.h"

namespace radio {

struct FleetRecord {
  std::time_t time = 0;
  std::string port;
  int radio = 0;  // 0: no radio (the port itself failed)
  bool ok = false;
  std::vector<Byte> identification;
  double seconds = 0;
  std::string document;  // SHA-256, hex
  std::string message;   // empty when ok
};

inline constexpr const char* kFleetLogHeader = "time,port,radio,result,identification,seconds,document,message";

// ISO 8601 local time with the offset: 2026-12-07T14:03:11+01:00.
[[nodiscard]] std::string isoLocalTime(std::time_t when);
// One CSV line without its end of line; fields quoted where CSV needs it, line
// breaks of a message turned into spaces.
[[nodiscard]] std::string fleetLogLine(const FleetRecord& record);
// <data folder>/radioprog/fleet/YYYY-MM-DD_HHMMSS.csv (the data folder as the
// backups take it: $XDG_DATA_HOME, else ~/.local/share); empty when unknown.
[[nodiscard]] std::filesystem::path defaultFleetLogPath(const Environment& env, std::time_t when);

class FleetLog {
 public:
  // Creates the folder and the file (an existing file is appended to, without a
  // second header); false with a reason when it cannot be written.
  [[nodiscard]] bool open(const std::filesystem::path& path, std::string& error);
  [[nodiscard]] bool append(const FleetRecord& record);
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::ofstream out_;
};

}  // namespace radio
