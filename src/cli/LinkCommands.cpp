// SPDX-License-Identifier: GPL-3.0-or-later
// Commands that talk to a radio: read, write, squelch, ports.
#include <unistd.h>
#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <utility>

#include "channels/ChannelGrid.h"
#include "cli/Cli.h"
#include "features/OptionalFeaturesForm.h"
#include "features/SettingsSections.h"
#include "link/JobRunner.h"
#include "link/RadioInfo.h"
#include "link/TransferEngine.h"
#include "link/serial/SerialLink.h"
#include "model/Backups.h"
#include "model/Document.h"
#include "model/ImageCheck.h"

namespace radio::cli {
namespace {

constexpr const char* kExitCodeHelp =
    "Exit codes: 0 done, 1 file error, 2 usage, 10 port could not be opened, 11 no answer\n"
    "from the radio, 12 band type refused, 13 password refused, 14 transfer interrupted,\n"
    "15 cancelled by Ctrl+C, 16 the document fails the check before a write (nothing\n"
    "sent; write --force sends it anyway), 20 the radio differs from the document\n"
    "(verify).\n";

int exitCodeFor(LinkOutcome outcome) {
  switch (outcome) {
    case LinkOutcome::Completed: return kExitOk;
    case LinkOutcome::PortError: return kExitPort;
    case LinkOutcome::NoAnswer: return kExitNoAnswer;
    case LinkOutcome::BandTypeError: return kExitBandType;
    case LinkOutcome::PasswordError: return kExitPassword;
    case LinkOutcome::Interrupted: return kExitInterrupted;
    case LinkOutcome::Cancelled: return kExitCancelled;
  }
  return kExitFailure;
}

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) { interrupted = true; }

// Ctrl+C ends a transfer at its next check instead of killing the program, so
// that nothing is half written.
void catchInterrupt() {
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

void ensureCoreApplication() {
  static int argc = 1;
  static char name[] = "radioprog-cli";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) static QCoreApplication app(argc, argv);
}

namespace {

// Options every radio command takes.
struct LinkOptions {
  std::string port;
  int retries = 0;
  bool quiet = false;
  bool bytes = false;  // a verify lists the bytes no field shows instead of counting them
  Language lang = Language::English;
};

std::optional<int> parseLinkOptions(const std::string& command, const Args& args, LinkOptions& options) {
  const auto port = args.value("--port");
  if (!port || port->empty()) return usage(command, "give the serial port with --port DEVICE");
  options.port = *port;
  if (const auto retry = args.value("--retry")) {
    try {
      std::size_t used = 0;
      options.retries = std::stoi(*retry, &used);
      if (used != retry->size() || options.retries < 0) throw std::invalid_argument("");
    } catch (const std::exception&) {
      return usage(command, "--retry takes a count of 0 or more");
    }
  }
  options.quiet = args.has("--quiet");
  options.bytes = args.has("--bytes");
  if (!languageOption(args, options.lang)) return kExitUsage;
  return std::nullopt;
}

// Progress on stdout: a bar on a terminal, one line per step otherwise. The
// Retry/Cancel question is answered from --retry. The job runner calls it from
// its worker while the main thread only waits, so it needs no lock.
class Console {
 public:
  Console(const LinkOptions& options, const char* action, int steps)
      : options_(options), action_(action), steps_(steps), terminal_(isatty(STDOUT_FILENO)) {}

  // The phase after this one (the verify after a write): its progress starts
  // again from 0.
  void followWith(const char* action, int steps) {
    nextAction_ = action;
    nextSteps_ = steps;
  }

  void progress(int position) {
    if (nextAction_ && position < position_) {
      finish();
      action_ = std::exchange(nextAction_, nullptr);
      steps_ = nextSteps_;
    }
    position_ = position;
    if (options_.quiet) return;
    if (terminal_) {
      constexpr int kWidth = 40;
      const int filled = std::min(position, steps_) * kWidth / steps_;
      std::cout << '\r' << action_ << " [" << std::string(filled, '#') << std::string(kWidth - filled, '.') << "] "
                << position << '/' << steps_ << std::flush;
      barShown_ = true;
    } else {
      std::cout << action_ << ' ' << position << '/' << steps_ << std::endl;
    }
  }

  void status(const std::string& text) {
    // A text that only counts the steps ("Reading 12/191", "Verifying 12/191")
    // is shown by the bar or the lines already.
    const std::string step = ' ' + std::to_string(position_) + '/';
    const auto at = text.rfind(step);
    if (options_.quiet || text == lastStatus_ ||
        (at != std::string::npos && text.find_first_not_of("0123456789", at + step.size()) == std::string::npos))
      return;
    lastStatus_ = text;
    finish();
    std::cout << text << '\n' << std::flush;
  }

  bool askRetry() {
    finish();
    std::cerr << messageText(MessageId::CommunicationError, options_.lang) << '\n';
    lastStatus_.clear();
    if (retriesLeft_ > 0 && !interrupted) {
      --retriesLeft_;
      std::cerr << "Retry\n";
      return true;
    }
    return false;
  }

  void finish() {
    if (barShown_) std::cout << '\n' << std::flush;
    barShown_ = false;
  }

 private:
  const LinkOptions& options_;
  const char* action_;
  int steps_;
  const char* nextAction_ = nullptr;
  int nextSteps_ = 0;
  bool terminal_;
  bool barShown_ = false;
  std::string lastStatus_;
  int retriesLeft_ = options_.retries;
  int position_ = 0;
};

// Reports the end of a connection on stderr and gives the exit code.
int finishLink(const LinkResult& result) {
  // Ctrl+C while the radio does not answer is the user's cancel, not a failure.
  if (result.outcome == LinkOutcome::NoAnswer && interrupted) return kExitCancelled;
  if (!result.text.empty()) std::cerr << result.text << '\n';
  return exitCodeFor(result.outcome);
}

// Runs one radio job on the job runner (the port is opened on its worker) and
// waits for it: progress and texts go to the console, the Retry/Cancel question
// is answered from --retry, and Ctrl+C becomes the runner's cancel, which the
// job takes at its next check point.
JobResult runJob(Job job, Console& console) {
  ensureCoreApplication();
  catchInterrupt();
  JobRunner runner(&openSerialPort);
  std::mutex mutex;
  std::condition_variable ended;
  bool finished = false;
  JobEvents events;
  events.progress = [&](int position) { console.progress(position); };
  events.status = [&](const std::string& text) { console.status(text); };
  events.question = [&] { runner.answer(console.askRetry()); };
  events.finished = [&] {
    {
      std::lock_guard lock(mutex);
      finished = true;
    }
    ended.notify_all();
  };
  (void)runner.start(std::move(job), std::move(events));
  {
    std::unique_lock lock(mutex);
    while (!ended.wait_for(lock, std::chrono::milliseconds(50), [&] { return finished; }))
      if (interrupted) runner.cancel();
  }
  runner.wait();
  console.finish();
  return runner.result();
}

// The job for an image, stored as the channel view sends it.
Job jobFor(JobKind kind, RadioImage image, const LinkOptions& options) {
  Job job;
  job.kind = kind;
  job.port = options.port;
  job.image = std::move(image);
  job.context = sectionContext(options.lang);
  return job;
}

// The check of an image before it is written: its problems on stderr, and with
// them kExitDamaged unless force sends it anyway; nullopt when it may be sent.
std::optional<int> refuseDamagedImage(const RadioImage& image, const BandState& band, bool force, Language lang) {
  const auto problems = writeProblems(image, band.limits, lang);
  if (problems.empty()) return std::nullopt;
  for (const std::string& problem : problems) std::cerr << problem << '\n';
  if (force) {
    std::cerr << Text{"write: sent anyway (--force)", "写入：仍然发送（--force）"}.in(lang) << '\n';
    return std::nullopt;
  }
  return fail(Text{"write: the document was not sent to the radio; fix it, or send it anyway with --force",
                   "写入：文档未发送到电台；请先修正，或使用 --force 仍然发送"}
                  .in(lang),
              kExitDamaged);
}

// How the radio compared with the document: 0 when it agrees, 20 when it
// differs, the link's code when the radio could not be read back.
int reportVerify(const VerifyResult& result, const LinkOptions& options) {
  if (!result.link.ok()) return finishLink(result.link);
  for (const std::string& line : comparisonLines(result.comparison, options.bytes, options.lang))
    std::cout << line << '\n';
  if (result.comparison.same()) {
    if (!options.quiet)
      std::cout << Text{"verify: the radio holds the document", "校验：电台数据与文档一致"}.in(options.lang) << '\n';
    return kExitOk;
  }
  std::cerr << Text{"verify: the radio differs from the document", "校验：电台数据与文档不一致"}.in(options.lang)
            << '\n';
  return kExitDifferent;
}

// The end of a read or write; Ctrl+C says what was left behind. target names
// the file a read would write.
int finishTransfer(const JobResult& result, bool reading, const LinkOptions& options, const std::string& target = {}) {
  const Language lang = options.lang;
  // Ctrl+C while the radio does not answer is a cancel too.
  if (result.link.outcome == LinkOutcome::Cancelled || (result.link.outcome == LinkOutcome::NoAnswer && interrupted)) {
    if (reading)
      std::cerr << Text{"read cancelled: ", "读取已取消："}.in(lang) << target << Text{" unchanged", " 未改变"}.in(lang)
                << '\n';
    else if (result.link.partialWrite)
      std::cerr << Text{"write cancelled: the radio holds a partial write; write again",
                        "写入已取消：对讲机只写入了一部分，请重新写入"}
                       .in(lang)
                << '\n';
    else
      std::cerr << Text{"write cancelled: nothing was written to the radio", "写入已取消：对讲机未写入任何数据"}.in(
                       lang)
                << '\n';
    return kExitCancelled;
  }
  if (!result.link.ok()) return finishLink(result.link);
  return result.verify ? reportVerify(*result.verify, options) : kExitOk;
}

int runRead(const std::vector<std::string>& argv) {
  const Args args(argv, {"--port", "-o", "--output", "--into", "--password", "--retry", "--lang"},
                  {"--quiet", "--no-backup"});
  if (!args.ok()) return usage("read", args.error());
  if (const auto extra = extraArgument("read", args, 0)) return *extra;
  LinkOptions options;
  if (const auto code = parseLinkOptions("read", args, options)) return *code;
  auto out = args.value("-o");
  if (!out) out = args.value("--output");
  if (!out) return usage("read", "give the file to write with -o FILE.dat");
  const auto password = args.value("--password");
  if (password) {
    if (password->empty()) return usage("read", "--password takes the radio's password (up to six digits)");
    if (const auto error = passwordError(*password))
      return usage("read", std::string("--password: ") + error->in(Language::English));
  }
  // The output must be writable before the radio is contacted, not after the read.
  if (const FileResult writable = checkOutputPath(*out); !writable) return fail(writable.text(options.lang));
  if (const auto refusal = backupRefusal(*out, options.lang)) return fail(*refusal);

  // The document the application would hold: a new one, or the file opened.
  BandState band;
  band.record = initialBandRecord();
  Document doc;
  if (const auto base = args.value("--into")) {
    auto loaded = openDocument(*base, options.lang);
    if (!loaded) return kExitFailure;
    doc = std::move(*loaded);
  } else {
    doc.reset(newDocumentImage(band.record));
  }
  // The radio answers a read only when the document holds its password.
  if (password) doc.change("Password", [&](RadioImage& edited) { storePassword(edited, *password); });
  // The job works on a copy; the document takes it over only after a good read.
  RadioImage sent = doc.image();
  storeLikeTheView(sent, band, options.lang);
  Job job = jobFor(JobKind::Read, std::move(sent), options);
  // The image as read is kept before anything else touches it; a backup that
  // cannot be written is reported and the read still counts.
  if (!args.has("--no-backup")) job.backupFolder = backupFolder(systemEnvironment);
  Console console(options, "Reading", kReadProgressSteps);
  const JobResult result = runJob(std::move(job), console);
  if (const int code = finishTransfer(result, true, options, *out); code != kExitOk) return code;
  RadioImage image = result.image;
  if (const auto& backup = result.backup) {
    if (*backup)
      std::cout << "backup: " << backup->path.string() << '\n';
    else
      std::cerr << "radioprog-cli: backup failed: " << backup->error << '\n';
  }
  // After a read the view is refreshed from the image, which rewrites its band record.
  ChannelGrid grid;
  imageToGrid(image, grid, band, options.lang);
  doc.replaceImage(image, "Read");
  return saveDocumentAs(doc, *out, options.lang) ? kExitOk : kExitFailure;
}

// The one FILE.dat of write and verify, as the channel view would send it (the
// file itself is never changed); the exit code when the arguments or the file
// are refused.
std::optional<int> documentAsSent(const std::string& command, const Args& args, const char* missing,
                                  LinkOptions& options, RadioImage& image, BandState& band) {
  if (!args.ok()) return usage(command, args.error());
  if (const auto extra = extraArgument(command, args, 1)) return *extra;
  if (args.positional().size() != 1) return usage(command, missing);
  if (const auto code = parseLinkOptions(command, args, options)) return *code;
  const auto doc = openDocument(args.positional()[0], options.lang);
  if (!doc) return kExitFailure;
  image = doc->image();
  band.record = initialBandRecord();
  storeLikeTheView(image, band, options.lang);
  return std::nullopt;
}

int runWrite(const std::vector<std::string>& argv) {
  const Args args(argv, {"--port", "--retry", "--lang"}, {"--quiet", "--verify", "--force", "--bytes"});
  LinkOptions options;
  RadioImage image;
  BandState band;
  if (const auto code = documentAsSent("write", args, "give one FILE.dat to send", options, image, band)) return *code;
  // A damaged document would program the radio with values nobody chose (a
  // password that locks it out); the port is not even opened for it.
  if (const auto refused = refuseDamagedImage(image, band, args.has("--force"), options.lang)) return *refused;
  Job job = jobFor(JobKind::Write, std::move(image), options);
  job.verifyAfterWrite = args.has("--verify");
  Console console(options, "Writing", kWriteProgressSteps);
  console.followWith("Verifying", kReadProgressSteps);
  return finishTransfer(runJob(std::move(job), console), false, options);
}

int runVerify(const std::vector<std::string>& argv) {
  const Args args(argv, {"--port", "--retry", "--lang"}, {"--quiet", "--bytes"});
  LinkOptions options;
  RadioImage image;
  BandState band;
  if (const auto code =
          documentAsSent("verify", args, "give one FILE.dat to compare with the radio", options, image, band))
    return *code;
  Console console(options, "Verifying", kReadProgressSteps);
  const JobResult result = runJob(jobFor(JobKind::Verify, std::move(image), options), console);
  return result.verify ? reportVerify(*result.verify, options) : finishLink(result.link);
}

int runInfo(const std::vector<std::string>& argv) {
  const Args args(argv, {"--port", "--retry", "--lang"}, {"--quiet"});
  if (!args.ok()) return usage("info", args.error());
  if (const auto extra = extraArgument("info", args, 0)) return *extra;
  LinkOptions options;
  if (const auto code = parseLinkOptions("info", args, options)) return *code;
  Job job;
  job.kind = JobKind::Identify;
  job.port = options.port;
  job.context = sectionContext(options.lang);
  Console console(options, "Identifying", 1);
  const JobResult result = runJob(std::move(job), console);
  if (!result.info) return finishLink(result.link);  // the port did not open
  const RadioInfo& info = *result.info;
  for (const std::string& line : describeRadio(info, configuredModels(), options.lang)) std::cout << line << '\n';
  // A refused band type is what info reports, not a failure to print it.
  if (info.link.outcome == LinkOutcome::BandTypeError) return kExitBandType;
  return finishLink(info.link);
}

constexpr const char* kSquelchLabels[4] = {"V Wide Squelch Tuning", "V Narrow Squelch Tuning", "U Wide Squelch Tuning",
                                           "U Narrow Squelch Tuning"};

int runSquelch(const std::vector<std::string>& argv) {
  const Args args(argv, {"--port", "--retry", "--lang"}, {"--quiet"});
  if (!args.ok()) return usage("squelch", args.error());
  const auto& pos = args.positional();
  if (pos.empty() || (pos[0] != "read" && pos[0] != "write"))
    return usage("squelch", "give read, or write and four values");
  const bool write = pos[0] == "write";
  if (!write && pos.size() != 1) return usage("squelch", "read takes no values");
  if (write && pos.size() != 5) return usage("squelch", "write takes four values (V wide, V narrow, U wide, U narrow)");
  SquelchBytes values{};
  for (std::size_t i = 0; write && i < 4; ++i) {
    int shown = 0;
    try {
      std::size_t used = 0;
      shown = std::stoi(pos[i + 1], &used);
      if (used != pos[i + 1].size()) throw std::invalid_argument("");
    } catch (const std::exception&) {
      return usage("squelch", "'" + pos[i + 1] + "' is not a number");
    }
    // The dialog's lists hold -55 to 54; the radio stores the value plus 64.
    if (shown < -55 || shown > 54) return usage("squelch", "values run from -55 to 54");
    values[i] = static_cast<Byte>(shown + 64);
  }
  LinkOptions options;
  if (const auto code = parseLinkOptions("squelch", args, options)) return *code;

  Job job;
  job.kind = write ? JobKind::SquelchWrite : JobKind::SquelchRead;
  job.port = options.port;
  BandRecord record = initialBandRecord();
  job.image = newDocumentImage(record);
  job.context = sectionContext(options.lang);
  job.squelch = values;
  Console console(options, "Squelch", 1);
  const JobResult result = runJob(std::move(job), console);
  if (result.link.ok() && !write) {
    for (std::size_t i = 0; i < 4; ++i)
      std::cout << kSquelchLabels[i] << '\t' << static_cast<int>(result.image.at(addr::kSquelch + i)) - 64 << '\n';
  }
  return finishLink(result.link);
}

int runPorts(const std::vector<std::string>& argv) {
  const Args args(argv, {}, {});
  if (!args.ok()) return usage("ports", args.error());
  if (const auto extra = extraArgument("ports", args, 0)) return *extra;
  ensureCoreApplication();
  const auto ports = listSerialPorts();
  if (ports.empty()) std::cerr << "radioprog-cli: no serial ports found\n";
  const auto orDash = [](const std::string& text) { return text.empty() ? std::string("-") : text; };
  for (const auto& p : ports) {
    const std::string state = p.busy           ? (p.heldBy.empty() ? "busy" : "busy: " + p.heldBy)
                              : p.inaccessible ? "no access"
                                               : "free";
    std::cout << p.device << '\t' << state << '\t' << orDash(p.usbId) << '\t' << orDash(p.description) << '\t'
              << orDash(p.serialNumber) << '\t' << orDash(p.driver) << '\n';
  }
  return kExitOk;
}

}  // namespace

Command readCommand() {
  return {"read", "read the radio's memory into a document",
          std::string("Usage: radioprog-cli read --port DEVICE -o FILE.dat [--into BASE.dat] [--password DIGITS]\n"
                      "                          [--retry N] [--no-backup] [--quiet] [--lang en|zh]\n"
                      "Reads the radio's 4096 bytes into a new document (or into BASE.dat) and saves\n"
                      "the document as the application holds it after a read. A read that fails or is\n"
                      "cancelled leaves FILE.dat untouched; FILE.dat is checked for writing before\n"
                      "the radio is contacted.\n"
                      "--password DIGITS reads a radio protected by a password (up to six digits);\n"
                      "the document read keeps it.\n"
                      "Each successful read also keeps the image as read in the backups folder\n"
                      "($XDG_DATA_HOME/radioprog/backups, default ~/.local/share/radioprog/backups) as\n"
                      "YYYY-MM-DD_HHMMSS_MODEL.dat, never replacing an earlier one, and prints\n"
                      "'backup: PATH'; --no-backup skips it. A failed backup is reported on stderr and\n"
                      "the read still succeeds.\n"
                      "--retry N answers Retry N times when the radio does not answer (default 0).\n"
                      "Progress goes to stdout (a bar on a terminal), messages to stderr.\n") +
              kExitCodeHelp,
          runRead};
}

Command writeCommand() {
  return {"write", "write a document into the radio",
          std::string("Usage: radioprog-cli write --port DEVICE FILE.dat [--verify [--bytes]] [--force]\n"
                      "                           [--retry N] [--quiet] [--lang en|zh]\n"
                      "Sends FILE.dat as the application sends it after opening it and choosing\n"
                      "Write. The file itself is not changed.\n"
                      "Before the port is opened the document is checked: the radio password must\n"
                      "be up to six digits, and every channel with a receive frequency must hold\n"
                      "frequencies (decimal digits) inside the bands in force. A document that\n"
                      "fails has each problem listed on stderr and is not sent (exit 16).\n"
                      "--force   sends it anyway, after listing the problems.\n"
                      "--verify  reads the radio back afterwards and compares it as 'verify' does.\n"
                      "--bytes   with --verify: lists the bytes no field shows, as 'verify --bytes'.\n") +
              kExitCodeHelp,
          runWrite};
}

Command verifyCommand() {
  return {"verify", "compare the radio with a document, writing nothing",
          std::string("Usage: radioprog-cli verify --port DEVICE FILE.dat [--bytes] [--retry N] [--quiet]\n"
                      "                            [--lang en|zh]\n"
                      "Reads the radio (the handshake and blocks of a read; nothing is written) and\n"
                      "compares it with what a write of FILE.dat would leave in it: every area a\n"
                      "write sends, with the radio's own bit that the handshake keeps. Differences\n"
                      "are printed as 'diff' prints them (document -> radio): channel fields,\n"
                      "settings, then one line counting the bytes no field shows; --bytes lists\n"
                      "those as address ranges instead. Exit 0 when they agree, 20 when they differ.\n") +
              kExitCodeHelp,
          runVerify};
}

Command infoCommand() {
  return {"info", "identify the radio without reading its memory",
          std::string("Usage: radioprog-cli info --port DEVICE [--retry N] [--lang en|zh]\n"
                      "Runs the handshake and the identification only and prints what the radio\n"
                      "says: its identification bytes, the band type and whether this program\n"
                      "accepts it, the model entry, whether a password is set, and its bands.\n"
                      "No channel is read and nothing is written; it takes well under a second.\n") +
              kExitCodeHelp,
          runInfo};
}

Command squelchCommand() {
  return {"squelch", "read or write the four squelch levels",
          std::string("Usage: radioprog-cli squelch read --port DEVICE [--retry N] [--lang en|zh]\n"
                      "       radioprog-cli squelch write --port DEVICE VW VN UW UN [--retry N]\n"
                      "Reads the four squelch tuning levels from the radio and prints them (V wide,\n"
                      "V narrow, U wide, U narrow, as the dialog shows them), or writes four levels\n"
                      "from -55 to 54.\n") +
              kExitCodeHelp,
          runSquelch};
}

Command portsCommand() {
  return {"ports", "list the serial ports",
          "Usage: radioprog-cli ports\n"
          "Lists the serial ports, one line each, tab-separated: the device; the state\n"
          "(free; busy, with the program holding it when it can be seen; no access: join\n"
          "the dialout group); the USB vendor:product id; the description; the serial\n"
          "number; the kernel driver. A dash stands for what is not known.\n",
          runPorts};
}

}  // namespace radio::cli
