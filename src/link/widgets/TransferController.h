// Drives the connections of one document to the radio: Read, Write (with the
// verify after it when that option is on), Verify and Identify Radio. It opens the
// "Process" window, and when its Start is pressed runs the job (QueuedJobRunner:
// port, engine and worker) on a copy of the document's image, asks the Retry/Cancel
// question, shows the result and hands a good read to the document as one change
// "Read". The port, the verify option and the texts' context are taken when Start
// is pressed: the port and the option from the settings store. A write of an image
// that fails the pre-write check is sent only when the user says "Write Anyway".
// A failed or cancelled read leaves the document as it was; a failed or cancelled
// write takes only the bit the handshake takes from the radio; Verify and Identify
// Radio never change it. A read refused with "Password Error!" asks for the radio's
// password and, given one, reads again with it in the document. A good read leaves
// a backup of the image as read; one that cannot be saved is reported and the read
// still counts.
//
// The window showing the document hears storeRequested() just before the image is
// taken (it commits and stores its edits and takes none until runningChanged(false))
// and imageRead() when a read has replaced the image (it takes the band record
// the radio sent; the rows follow the document's change).
#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <string>

#include "gui/AppState.h"
#include "link/widgets/CProcessDlg.h"
#include "link/widgets/QueuedJobRunner.h"
#include "model/Document.h"

class QWidget;

namespace radio::gui {

class TransferController : public QObject {
  Q_OBJECT

 public:
  // state: the language, the settings store's name, the band limits in force and
  // Program.ini's models. owner: the window the Process window and the messages
  // belong to.
  TransferController(Document& doc, const AppState& state, QWidget* owner, QObject* parent = nullptr);
  ~TransferController() override;

  // Replaces how a job opens its link (tests use the in-process virtual radio).
  void setLinkOpener(LinkOpener opener) { linkOpener_ = std::move(opener); }
  // Where the backups of reads go (the user's backups folder by default; none when empty).
  void setBackupFolder(std::filesystem::path folder) { backupFolder_ = std::move(folder); }

  // Open the "Process" window for a read from / a write to the radio, a verify of
  // the radio against the document (nothing written) or the identification alone.
  void startRead();
  void startWrite();
  void startVerify();
  void startIdentify();
  [[nodiscard]] bool running() const;
  // Asks a running job to stop at its next check and answers a pending
  // Retry/Cancel question with Cancel; closes a Process window not yet started.
  void cancel();
  // Cancels and waits until the worker has ended (the document is going away).
  void cancelAndWait();

  [[nodiscard]] CProcessDlg* processWindow() const { return processDlg_; }

 signals:
  // A Write is about to open its window: the open cell editor commits.
  void commitRequested();
  // The job is about to take the image: edits are stored into it now.
  void storeRequested();
  void runningChanged(bool running);
  // A read replaced the document's image.
  void imageRead();
  // A write completed; message says so (the status bar shows it).
  void completed(const QString& message);
  // A read's backup was saved as path.
  void backupSaved(const QString& path);

 private:
  void openProcessWindow(JobKind kind);
  void closeProcessWindow();
  void onStart();
  [[nodiscard]] bool writeConfirmed();
  void onRetryQuestion();
  void onFinished();
  // After "Password Error!" on a read: asks for the radio's password, puts it into
  // the document and reads again; nothing when the user cancels.
  void retryReadWithPassword();
  void inform(const QString& message, QMessageBox::Icon icon);
  void report(const JobResult& result);
  [[nodiscard]] QWidget* messageOwner() const;

  Document& doc_;
  const AppState& state_;
  QPointer<QWidget> owner_;
  LinkOpener linkOpener_;
  QPointer<CProcessDlg> processDlg_;
  JobKind kind_ = JobKind::Read;
  std::filesystem::path backupFolder_;
  std::unique_ptr<QueuedJobRunner> runner_;
};

}  // namespace radio::gui
