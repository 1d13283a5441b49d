// Runs one connection to the radio on a worker thread: a Read, a Write (and the
// verify after it), a Verify or an Identify. The port is opened, used and
// closed on that thread; progress, status texts and the Retry/Cancel question come
// back to the user-interface thread as queued signals, so the windows never freeze.
// The engine works on a copy of the document's image, which the view takes back
// when the transfer has ended (finished()).
//
// Usage (on the user-interface thread):
//   runner.start(TransferRunner::Job::Read, doc.image(), options);
//   connect(&runner, &TransferRunner::retryQuestion, ... runner.answer(button) ...);
//   connect(&runner, &TransferRunner::finished, ... runner.result() ...);
//   runner.cancel();  // ends the transfer at its next check point
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "gui/Prompts.h"
#include "gui/RetryQuestion.h"
#include "link/Link.h"
#include "link/LinkResult.h"
#include "link/RadioInfo.h"
#include "link/TransferEngine.h"
#include "link/Verify.h"
#include "model/Backups.h"
#include "model/Language.h"
#include "model/RadioImage.h"

class QThread;

namespace radio::gui {

// Opens the link to the radio on the worker thread: the serial port by default,
// the in-process virtual radio in tests.
struct OpenedLink {
  std::unique_ptr<Link> link;  // null when it could not be opened
  LinkResult failure;          // what to tell the user then
};
using LinkOpener = std::function<OpenedLink(const std::string& device, Language lang)>;

// The serial port of the system.
[[nodiscard]] OpenedLink openSerialPort(const std::string& device, Language lang);

class TransferRunner : public QObject {
  Q_OBJECT

 public:
  // What one connection does: a read, a write (optionally followed by a verify
  // over the same connection), a verify alone, or the identification alone.
  enum class Job { Read, Write, Verify, Identify };

  struct Options {
    bool verifyAfterWrite = false;
    // Where a read's backup goes (none when empty).
    std::filesystem::path backupFolder;
    // The language, band record and models of the verify's texts and the backup's name.
    SectionContext context;
  };

  struct Result {
    Job job = Job::Read;
    LinkResult link;
    RadioImage image;                    // the engine's copy after the transfer
    std::optional<VerifyResult> verify;  // a verify ran (after a write or alone)
    std::optional<RadioInfo> info;       // the identification ran
    std::optional<BackupResult> backup;  // a read's backup was attempted
  };

  TransferRunner(std::string device, Language lang, LinkOpener opener = &openSerialPort, QObject* parent = nullptr);
  ~TransferRunner() override;

  void start(Job job, const RadioImage& image, Options options);
  [[nodiscard]] bool running() const { return running_; }
  [[nodiscard]] bool cancelled() const { return question_.cancelled(); }
  // The result, once finished() has been emitted.
  [[nodiscard]] const Result& result() const { return result_; }

  // Answers the pending question: Retry starts another wake-up round.
  void answer(QMessageBox::StandardButton button);
  // Ends the transfer at its next check point (a pending question counts as
  // answered with Cancel). Returns at once.
  void cancel();
  // Cancels and waits until the worker has ended (a window that closes).
  void cancelAndWait();

 signals:
  void progressChanged(int position);
  void statusChanged(const QString& text);
  // The communication box (Retry/Cancel) is due; answer() it.
  void retryQuestion();
  // The transfer has ended and the port is closed.
  void finished();

 private:
  void run();
  [[nodiscard]] LinkCallbacks verifyCallbacks(const LinkCallbacks& callbacks);
  void onThreadFinished();

  std::string device_;
  Language lang_;
  LinkOpener opener_;
  QThread* thread_ = nullptr;
  bool running_ = false;
  Result result_;
  Options options_;
  RetryQuestion question_;
};

}  // namespace radio::gui
