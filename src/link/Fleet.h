// SPDX-License-Identifier: GPL-3.0-or-later
// One document into many radios: a worker per port (started by WorkerGroup),
// each waiting for a radio, writing the document, verifying it, logging the
// radio, then waiting until the radio has been taken off before the next.
//
// A port looks for a radio with a quiet probe (one wake-up and Identify, no
// question) about every probeIntervalMs. Once a radio has ended, ok or not, the
// port takes the next radio only after no probe has been answered for gapMs, so a
// radio left on the cable is never written twice, even when it restarts within
// the gap. A failure of one radio or one port never stops another port. A port
// starts a radio only while fewer than count have been started in all ports.
// stop() lets each radio being written finish and verify; a second stop() cuts
// them, and each cut radio is logged as holding a partial write.
//
// Usage:
//   Fleet fleet(opener);
//   FleetOptions options;  options.ports = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
//   options.image = imageAsSent;  options.count = 30;
//   fleet.start(std::move(options), events, &log);   // returns at once
//   ... events.radioEnded / events.portChanged on the workers, one at a time ...
//   fleet.wait();                                     // or wait for events.finished
//   FleetTotals t = fleet.totals();
#pragma once

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "link/FleetLog.h"
#include "link/JobRunner.h"

namespace radio {

struct FleetOptions {
  std::vector<std::string> ports;
  // The image each radio gets, as a write sends it (the grid stored into it).
  RadioImage image;
  // The SHA-256 the log names the document by; empty: that of image.
  std::string documentDigest;
  SectionContext context;
  bool verify = true;
  int count = 0;  // radios to start in all; 0: no limit
  int gapMs = 2000;
  int probeIntervalMs = 500;
};

enum class FleetState {
  Opening,     // the port is being opened
  Waiting,     // no radio yet: probing
  Writing,     // percent of the write
  Verifying,   // percent of the verify
  Done,        // the radio is ok: take it off
  Failed,      // the radio failed (reason): take it off
  PortFailed,  // the port could not be opened or failed (reason); the port has ended
  Ended,       // the port has ended waiting (count reached or stopped)
};

struct FleetPortStatus {
  std::size_t index = 0;
  std::string port;
  FleetState state = FleetState::Opening;
  int percent = 0;
  std::string reason;  // Failed, PortFailed
  int ok = 0;          // radios that ended ok on this port
  int failed = 0;      // radios that failed on this port
};

// "waiting for a radio", "writing 45 %", "done: take the radio off", ...
[[nodiscard]] std::string fleetStateText(const FleetPortStatus& status, Language lang);

struct FleetTotals {
  int started = 0;
  int ok = 0;
  int failed = 0;
  int portsFailed = 0;  // ports that could not be opened or failed
  int cut = 0;          // radios cut by the second stop
  bool logFailed = false;
};

// Called on the port's worker, never two at once (the fleet holds a lock around
// them, so they may print or post without their own).
struct FleetEvents {
  std::function<void(const FleetPortStatus&)> portChanged;
  // After its line is in the log.
  std::function<void(const FleetRecord&)> radioEnded;
  // The last port has ended; totals() is final.
  std::function<void()> finished;
};

class Fleet {
 public:
  explicit Fleet(LinkOpener opener);
  // Stops twice (cutting writes) and waits for every port.
  ~Fleet();
  Fleet(const Fleet&) = delete;
  Fleet& operator=(const Fleet&) = delete;

  // Starts a worker per port; log may be null. False when a fleet still runs.
  bool start(FleetOptions options, FleetEvents events, FleetLog* log);
  // First call: no new radio; the radios being written finish and verify.
  // Second call: they are cut at their next check. Returns at once.
  void stop();
  [[nodiscard]] int stopLevel() const { return stopLevel_; }
  // Waits until every port has ended.
  void wait();
  [[nodiscard]] FleetTotals totals() const;
  [[nodiscard]] const std::string& documentDigest() const { return options_.documentDigest; }

 private:
  void runPort(std::size_t index);
  // Probes until a radio answers: its identify reply; nothing when the port is
  // to end (stopped, count reached, the port failed).
  std::optional<std::vector<Byte>> awaitRadio(std::size_t index, Link& link);
  // Probes until none has answered for the gap; false when the port is to end.
  bool awaitTakeOff(std::size_t index, Link& link);
  // One quiet probe: the identify reply when a radio answered. A failed device
  // ends the port (logged, failedPort set).
  std::optional<std::vector<Byte>> probe(std::size_t index, Link& link, bool& failedPort);
  // Sleeps out the probe interval begun at startedMs.
  void pace(Link& link, std::int64_t startedMs) const;
  void writeRadio(std::size_t index, Link& link, const std::vector<Byte>& identification, int number);
  // The next running number, or 0 when count radios have been started.
  int claimRadio();
  [[nodiscard]] bool mayStartMore() const;
  void setState(std::size_t index, FleetState state, int percent = 0, const std::string& reason = {});
  void portFailed(std::size_t index, const std::string& reason);
  void record(FleetRecord record);

  LinkOpener opener_;
  FleetOptions options_;
  FleetEvents events_;
  FleetLog* log_ = nullptr;
  WorkerGroup workers_;
  std::atomic<int> stopLevel_{0};
  std::atomic<int> portsLeft_{0};
  mutable std::mutex mutex_;  // guards what follows and the calls of events_
  std::vector<FleetPortStatus> status_;
  FleetTotals totals_;
};

}  // namespace radio
