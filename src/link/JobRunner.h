// SPDX-License-Identifier: GPL-3.0-or-later
// One radio job on a worker thread of its own: a read, a write (with the verify
// after it when asked), a verify, the identification, or the squelch levels' read
// or write. The job names its port; the link is opened, used and closed on the
// worker. Meanwhile the job reports through JobEvents, called on the worker
// thread: progress, status texts, the Retry/Cancel question (answered with
// answer()), and finished once result() holds the outcome. cancel() is a flag the
// engine checks at its check points. This is the one place of the program that
// starts threads; several runners run at once, one per port.
//
// Usage:
//   JobRunner runner(opener);                      // how a port is opened
//   Job job;
//   job.kind = JobKind::Read;
//   job.port = "/dev/ttyUSB0";
//   job.image = doc.image();
//   runner.start(std::move(job), events);          // returns at once
//   // events.question on the worker -> later, from any thread: runner.answer(true);
//   // events.finished on the worker -> then, on the starting thread:
//   runner.wait();
//   const JobResult& r = runner.result();
#pragma once

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "features/SettingsSections.h"
#include "link/Link.h"
#include "link/LinkResult.h"
#include "link/RadioInfo.h"
#include "link/SquelchExchange.h"
#include "link/Verify.h"
#include "model/Backups.h"
#include "model/RadioImage.h"

namespace radio {

// The link of a job, opened on its worker: the serial port in the programs, the
// in-process virtual radio in tests.
struct OpenedLink {
  std::unique_ptr<Link> link;  // null when it could not be opened
  LinkResult failure;          // what to tell the user then
};
using LinkOpener = std::function<OpenedLink(const std::string& port, Language lang)>;

enum class JobKind { Read, Write, Verify, Identify, SquelchRead, SquelchWrite };

struct Job {
  JobKind kind = JobKind::Read;
  // The device to open (COM3, /dev/ttyUSB0); empty when no port is chosen, which
  // ends the job before anything is opened.
  std::string port;
  // The document's image as the job starts from it (the grid stored into it).
  RadioImage image;
  // The language of every text, and the band record and models of the verify's
  // texts and the backup's name.
  SectionContext context;
  // A write reads the radio back over the same connection and compares.
  bool verifyAfterWrite = false;
  // Where a good read leaves a backup of the image as read; none when empty.
  std::filesystem::path backupFolder;
  // What a squelch write sends (V wide, V narrow, U wide, U narrow).
  SquelchBytes squelch{};
};

struct JobResult {
  JobKind kind = JobKind::Read;
  // How the connection ended. A write that stopped after its first block says in
  // its text that the radio holds a partial write.
  LinkResult link;
  // The job's copy of the image when it ended: a good read's image; after a
  // squelch exchange the squelch bytes read, or those a write stored once the
  // radio answered.
  RadioImage image;
  std::optional<VerifyResult> verify;  // a verify ran (after a write or alone)
  std::optional<RadioInfo> info;       // the identification ran
  std::optional<BackupResult> backup;  // a read's backup was attempted
};

// Called on the worker thread; none of them may wait for the job.
struct JobEvents {
  std::function<void(int position)> progress;
  std::function<void(const std::string& text)> status;
  // The communication box is due (Retry/Cancel): answer() it.
  std::function<void()> question;
  // The last call of the worker: the port is closed and result() holds the outcome.
  std::function<void()> finished;
};

// A write that stopped after the radio took part of it says so in its text.
void notePartialWrite(LinkResult& result, Language lang);
// The channel grid flag the document takes after its write did not complete: the
// write's handshake put the radio's own bit into the job's copy, whatever came
// after it. nullopt when the document keeps its own: any other job, a write that
// completed, or the same bit.
[[nodiscard]] std::optional<bool> gridFlagAfterFailedWrite(const JobResult& result, const RadioImage& document);

// The text a job ends with when no port is chosen.
[[nodiscard]] LinkResult noPortChosen(Language lang);

class JobRunner {
 public:
  explicit JobRunner(LinkOpener opener);
  // Cancels a job still running and waits for its worker.
  ~JobRunner();
  JobRunner(const JobRunner&) = delete;
  JobRunner& operator=(const JobRunner&) = delete;

  // Starts the job on a new worker; false (and nothing started) while the last
  // job's worker has not been waited for.
  bool start(Job job, JobEvents events);
  // A worker was started and not yet waited for.
  [[nodiscard]] bool started() const;
  // Waits until the worker has ended; result() is then complete.
  void wait();
  [[nodiscard]] const JobResult& result() const { return result_; }

  // Answers the pending question: true starts another wake-up round.
  void answer(bool retry);
  // Ends the job at its next check point; a pending question and every later one
  // count as Cancel. Returns at once.
  void cancel();
  [[nodiscard]] bool cancelled() const { return cancel_; }

 private:
  void run();
  [[nodiscard]] bool ask();
  [[nodiscard]] LinkCallbacks callbacks();
  [[nodiscard]] LinkCallbacks verifyCallbacks();
  void transfer(Link& link);

  LinkOpener opener_;
  Job job_;
  JobEvents events_;
  JobResult result_;
  struct Worker;  // the thread, known only where it is started
  std::unique_ptr<Worker> worker_;
  std::atomic<bool> cancel_{false};
  std::mutex mutex_;
  std::condition_variable answered_;
  std::optional<bool> retry_;  // the answer to the pending question
};

// Workers side by side, one per index: the fleet runs one per port. The work
// itself says how it ends; the group only starts and joins.
class WorkerGroup {
 public:
  WorkerGroup();
  // Waits for every worker (the work must end on its own).
  ~WorkerGroup();
  WorkerGroup(const WorkerGroup&) = delete;
  WorkerGroup& operator=(const WorkerGroup&) = delete;

  // Runs work(0) .. work(count - 1), each on a worker of its own; false (nothing
  // started) while the workers of an earlier start have not been waited for.
  bool start(std::size_t count, std::function<void(std::size_t index)> work);
  [[nodiscard]] bool started() const;
  void wait();

 private:
  struct Workers;  // the threads, known only where they are started
  std::unique_ptr<Workers> workers_;
};

}  // namespace radio
