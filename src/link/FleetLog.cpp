// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/FleetLog.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "model/ChannelCodec.h"

namespace radio {
namespace {

// A field as CSV writes it: quoted when it holds a comma or a quote.
std::string csvField(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  if (text.find_first_of(",\"") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string isoLocalTime(std::time_t when) {
  // strftime gives +0100; ISO 8601's extended form writes +01:00.
  std::string text = localTimeText(when, "%Y-%m-%dT%H:%M:%S%z");
  if (text.size() >= 5) text.insert(text.size() - 2, ":");
  return text;
}

std::string fleetLogLine(const FleetRecord& record) {
  const std::string id = hexBytes(record.identification, "");
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f", record.seconds);
  return isoLocalTime(record.time) + "," + csvField(record.port) + "," +
         (record.radio > 0 ? std::to_string(record.radio) : std::string()) + "," + (record.ok ? "ok" : "failed") + "," +
         id + "," + seconds + "," + record.document + "," + csvField(record.message);
}

std::filesystem::path defaultFleetLogPath(const Environment& env, std::time_t when) {
  const std::filesystem::path backups = backupFolder(env);
  if (backups.empty()) return {};
  return backups.parent_path() / "fleet" / (localTimeText(when, "%Y-%m-%d_%H%M%S") + ".csv");
}

bool FleetLog::open(const std::filesystem::path& path, std::string& error) {
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  const bool fresh = !std::filesystem::exists(path, ec) || std::filesystem::file_size(path, ec) == 0;
  out_.open(path, std::ios::app | std::ios::binary);
  if (!out_) {
    error = "cannot write " + path.string() + ": " + std::strerror(errno);
    return false;
  }
  path_ = path;
  if (fresh) out_ << kFleetLogHeader << '\n' << std::flush;
  return static_cast<bool>(out_);
}

bool FleetLog::append(const FleetRecord& record) {
  out_ << fleetLogLine(record) << '\n' << std::flush;
  return static_cast<bool>(out_);
}

}  // namespace radio
