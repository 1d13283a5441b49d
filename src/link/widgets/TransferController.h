// Drives Read and Write of one document: opens the "Process" window, and when its
// Start is pressed runs the transfer (TransferRunner: port, engine and worker
// thread) on a copy of the document's image, asks the Retry/Cancel question,
// shows the result and hands a good read to the document as one change "Read".
// A failed or cancelled read leaves the document as it was, apart from the bit
// the handshake takes from the radio.
//
// The window showing the document hears storeRequested() just before the image is
// taken (it commits and stores its edits and takes none until runningChanged(false))
// and imageRead() when a read has replaced the image (it takes the band record
// the radio sent; the rows follow the document's change).
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "gui/MessagePrompt.h"
#include "link/widgets/CProcessDlg.h"
#include "link/widgets/TransferRunner.h"
#include "model/Document.h"
#include "model/Language.h"

class QWidget;

namespace radio::gui {

class TransferController : public QObject {
  Q_OBJECT

 public:
  // owner: the window the Process window and the messages belong to.
  TransferController(Document& doc, Language lang, QWidget* owner, QObject* parent = nullptr);
  ~TransferController() override;

  // The serial port to open, asked for when a transfer starts.
  void setPortName(std::function<std::string()> portName) { portName_ = std::move(portName); }
  // Replaces the message boxes (tests answer them).
  void setMessagePrompt(MessagePrompt prompt);
  // Replaces how a transfer opens its link (tests use the in-process virtual radio).
  void setLinkOpener(LinkOpener opener) { linkOpener_ = std::move(opener); }

  // Open the "Process" window for a read from / a write to the radio.
  void startRead();
  void startWrite();
  [[nodiscard]] bool running() const;
  // Asks a running transfer to stop at its next check and answers a pending
  // Retry/Cancel question with Cancel; closes a Process window not yet started.
  void cancel();
  // Cancels and waits until the worker has ended (the document is going away).
  void cancelAndWait();

  [[nodiscard]] CProcessDlg* processWindow() const { return processDlg_; }

 signals:
  // A Write is about to open its window: the open cell editor commits.
  void commitRequested();
  // The transfer is about to take the image: edits are stored into it now.
  void storeRequested();
  void runningChanged(bool running);
  // A read replaced the document's image.
  void imageRead();

 private:
  void openProcessWindow(bool writeMode);
  void onStart();
  void onRetryQuestion();
  void onFinished();
  [[nodiscard]] QWidget* messageOwner() const;
  [[nodiscard]] QString text(const Text& t) const;

  Document& doc_;
  Language lang_;
  QPointer<QWidget> owner_;
  MessagePrompt prompt_;
  LinkOpener linkOpener_;
  std::function<std::string()> portName_;
  QPointer<CProcessDlg> processDlg_;
  bool writeMode_ = false;
  std::unique_ptr<TransferRunner> transfer_;
};

}  // namespace radio::gui
