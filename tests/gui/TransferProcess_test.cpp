// Read and Write through the Process window against the in-process virtual radio:
// the window, the worker thread, the Retry/Cancel box, Cancel, the messages and
// what the document holds afterwards.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <atomic>
#include <functional>
#include <semaphore>
#include <vector>

#include "channels/widgets/CProgramView.h"
#include "gui/CProgramDoc.h"
#include "link/RadioMemoryMap.h"
#include "link/VirtualRadio.h"
#include "link/VirtualRadioLink.h"
#include "link/widgets/TransferController.h"

namespace radio::gui {
namespace {

bool waitUntil(const std::function<bool()>& done, int timeoutMs = 20000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return true;
}

// A radio holding channel 1 at 145.5 MHz and a setting byte the image lacks.
RadioMemory radioWithAChannel() {
  RadioImage image = [] {
    BandRecord record{};
    return newDocumentImage(record);
  }();
  ChannelGrid grid;
  grid.row(1)[ColRx] = "145.50000";
  grid.row(1)[ColTx] = "145.50000";
  grid.row(1)[ColDecode] = "None";
  grid.row(1)[ColEncode] = "D023N";
  grid.row(1)[ColName] = "RADIO";
  grid.row(1)[ColPower] = "Low";
  grid.row(1)[ColBandwidth] = "Wide";
  grid.row(1)[ColScan] = "Yes";
  grid.row(1)[ColBusy] = "Off";
  gridToImage(grid, image, BandLimits{}, Language::English);
  RadioMemory memory = radioMemoryFromImage(image);
  memory[radioaddr::kBandType] = 0x03;
  return memory;
}

RadioFaults fault(const std::function<void(RadioFaults&)>& set) {
  RadioFaults faults;
  set(faults);
  return faults;
}

class TransferWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    state.portName = "virtual";
    doc = std::make_unique<CProgramDoc>(state);
    doc->newDocument();
    view = std::make_unique<CProgramView>(*doc);
    transfers = std::make_unique<TransferController>(doc->document(), state.lang, view.get());
    transfers->setPortName([this] { return state.portName; });
    view->bindTransfers(*transfers);
    transfers->setMessagePrompt([this](QWidget*, const MessageRequest& request) {
      messages.push_back(request);
      if (request.buttons & QMessageBox::Retry) return retryAnswers-- > 0 ? QMessageBox::Retry : QMessageBox::Cancel;
      return QMessageBox::Ok;
    });
    transfers->setLinkOpener([this](const std::string& device, Language) {
      openedDevice = device;
      OpenedLink opened;
      if (portFails) {
        opened.failure = linkResult(LinkOutcome::PortError, Language::English);
        return opened;
      }
      auto link = std::make_unique<VirtualRadioLink>(*radio);
      link->beforeWrite = [this](const VirtualRadioLink::Event&) {
        if (onWrite) onWrite();
      };
      opened.link = std::move(link);
      return opened;
    });
    view->resize(900, 500);
    view->show();
  }

  void TearDown() override {
    transfers.reset();
    view.reset();
    doc.reset();
  }

  // Runs the open Process window's transfer to its end.
  void startAndWait() {
    CProcessDlg* dlg = transfers->processWindow();
    ASSERT_NE(dlg, nullptr);
    QSignalSpy spy(transfers.get(), &TransferController::runningChanged);
    QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
    EXPECT_FALSE(dlg->startButton()->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return spy.count() == 2; }));
    EXPECT_TRUE(spy.at(0).at(0).toBool());
    EXPECT_FALSE(spy.at(1).at(0).toBool());
    EXPECT_FALSE(transfers->running());
    EXPECT_TRUE(waitUntil([&] { return transfers->processWindow() == nullptr; }));
  }

  AppState state;
  std::unique_ptr<CProgramDoc> doc;
  std::unique_ptr<CProgramView> view;
  std::unique_ptr<TransferController> transfers;
  std::unique_ptr<VirtualRadio> radio = std::make_unique<VirtualRadio>(radioWithAChannel());
  std::vector<MessageRequest> messages;
  int retryAnswers = 0;
  bool portFails = false;
  std::string openedDevice;
  std::function<void()> onWrite;  // runs on the worker thread
};

TEST_F(TransferWindow, ReadFillsTheGridThroughTheProcessWindow) {
  transfers->startRead();
  CProcessDlg* dlg = transfers->processWindow();
  ASSERT_NE(dlg, nullptr);
  EXPECT_EQ(dlg->windowTitle(), "Read Data");
  EXPECT_EQ(dlg->statusText(), "Not start yet");
  EXPECT_FALSE(dlg->isModal());
  std::vector<int> positions;
  QObject::connect(dlg->progressBar(), &QProgressBar::valueChanged, [&](int v) { positions.push_back(v); });
  QSignalSpy changes(doc.get(), &CProgramDoc::changed);
  startAndWait();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(openedDevice, "virtual");
  // The whole read is one change of the document, then the refresh's own.
  ASSERT_GE(changes.count(), 1);
  EXPECT_EQ(changes.at(changes.count() == 1 ? 0 : changes.count() - 2).at(0).toString(), "Read");
  EXPECT_TRUE(radio->violations().empty());
  ASSERT_EQ(positions.size(), 191u);
  EXPECT_EQ(positions.front(), 1);
  EXPECT_EQ(positions.back(), 191);
  EXPECT_EQ(view->grid().cell(1, ColRx), "145.50000");
  EXPECT_EQ(view->grid().cell(1, ColEncode), "D023N");
  EXPECT_EQ(view->grid().cell(1, ColName), "RADIO");
  EXPECT_EQ(view->table()->item(0, ColPower)->text(), "Low");
  EXPECT_TRUE(doc->isModified());
  // The refresh after the read rewrites the band record.
  EXPECT_EQ(doc->image().bandRecord(), kGridBandRecord);
}

TEST_F(TransferWindow, WriteSendsTheGridIncludingTheCellBeingEdited) {
  // A channel typed into the grid, its name editor still open.
  QTableWidget* table = view->table();
  auto click = [&](int n, int c) {
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(n - 1, c)).center());
  };
  click(2, ColRx);
  QTest::keyClicks(view->visibleEditor(), "440.5");
  click(2, ColName);
  QTest::keyClicks(view->visibleEditor(), "NEW");
  transfers->startWrite();
  EXPECT_EQ(view->visibleEditor(), nullptr);
  EXPECT_EQ(transfers->processWindow()->windowTitle(), "Write Data");
  std::vector<int> positions;
  QObject::connect(transfers->processWindow()->progressBar(), &QProgressBar::valueChanged,
                   [&](int v) { positions.push_back(v); });
  startAndWait();
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(radio->violations().empty());
  ASSERT_FALSE(positions.empty());
  EXPECT_EQ(positions.back(), 189);
  const RadioMemory& memory = radio->memory();
  EXPECT_EQ(memory[24 + 3], 0x44);  // channel 2 receive frequency, top BCD pair
  EXPECT_EQ(memory[24 + 16], 'N');
  EXPECT_EQ(memory[radioaddr::kBandType], 0x03);
  // Channel 1 of the radio was overwritten by the document's empty row.
  EXPECT_EQ(memory[3], 0xFF);
}

TEST_F(TransferWindow, CancelBeforeStartClosesTheWindow) {
  transfers->startRead();
  QPointer<CProcessDlg> dlg = transfers->processWindow();
  QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton);
  EXPECT_TRUE(waitUntil([&] { return dlg.isNull(); }));
  EXPECT_FALSE(transfers->running());
  EXPECT_EQ(radio->wakeUps(), 0);
  // The commands open a fresh window afterwards.
  transfers->startWrite();
  ASSERT_NE(transfers->processWindow(), nullptr);
  EXPECT_EQ(transfers->processWindow()->windowTitle(), "Write Data");
}

TEST_F(TransferWindow, CancelRightAfterStartSendsNothing) {
  transfers->startWrite();
  QPointer<CProcessDlg> dlg = transfers->processWindow();
  QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
  QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton);
  EXPECT_TRUE(waitUntil([&] { return dlg.isNull(); }));
  EXPECT_FALSE(transfers->running());
  EXPECT_EQ(radio->wakeUps(), 0);
  EXPECT_EQ(openedDevice, "");
}

TEST_F(TransferWindow, WriteChosenWhileTheReadWindowIsOpenKeepsItsCaption) {
  transfers->startRead();
  CProcessDlg* dlg = transfers->processWindow();
  transfers->startWrite();
  EXPECT_EQ(transfers->processWindow(), dlg);
  EXPECT_EQ(dlg->windowTitle(), "Read Data");
  startAndWait();
  EXPECT_GT(radio->blocksWritten(), 500);
  EXPECT_EQ(radio->blocksRead(), 3);  // only the handshake's reads
}

TEST_F(TransferWindow, CancelDuringTheTransferEndsItSilently) {
  std::binary_semaphore reachedBlocks{0};
  std::binary_semaphore goOn{0};
  std::atomic<int> writes{0};
  onWrite = [&] {
    // Hold the worker once it is past the handshake, until Cancel was pressed.
    if (++writes == 120) {
      reachedBlocks.release();
      goOn.acquire();
    }
  };
  const RadioImage before = doc->image();
  transfers->startRead();
  QPointer<CProcessDlg> dlg = transfers->processWindow();
  QSignalSpy spy(transfers.get(), &TransferController::runningChanged);
  QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
  ASSERT_TRUE(waitUntil([&] { return reachedBlocks.try_acquire(); }));
  EXPECT_TRUE(transfers->running());
  // The window stays responsive and only asks the transfer to stop.
  QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton);
  EXPECT_FALSE(dlg.isNull());
  goOn.release();
  ASSERT_TRUE(waitUntil([&] { return spy.count() == 2; }));
  EXPECT_TRUE(waitUntil([&] { return dlg.isNull(); }));
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(view->grid().cell(1, ColRx), "");
  // The grid was stored before the transfer; the read itself changed nothing.
  RadioImage stored = before;
  gridToImage(view->grid(), stored, state.band.limits, Language::English);
  stored.setBit(addr::kMskFlags, 3, doc->image().bit(addr::kMskFlags, 3));
  EXPECT_TRUE(doc->image() == stored);
}

TEST_F(TransferWindow, SilentRadioAsksRetryOrCancel) {
  radio = std::make_unique<VirtualRadio>(radioWithAChannel(), fault([](RadioFaults& f) { f.silent = true; }));
  retryAnswers = 1;
  transfers->startRead();
  startAndWait();
  ASSERT_EQ(messages.size(), 2u);  // Retry once, then Cancel; nothing after it
  for (const MessageRequest& m : messages) {
    EXPECT_EQ(m.text.toStdString(), messageText(MessageId::CommunicationError, Language::English));
    EXPECT_EQ(m.buttons, QMessageBox::Retry | QMessageBox::Cancel);
  }
  EXPECT_EQ(view->grid().cell(1, ColRx), "");
}

TEST_F(TransferWindow, FailuresAreReportedAndLeaveTheChannelsAlone) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    std::string message;
  } cases[] = {
      {"port", [this] { portFails = true; }, messageText(MessageId::OpenPort, Language::English)},
      {"password",
       [this] {
         radio =
             std::make_unique<VirtualRadio>(radioWithAChannel(), fault([](RadioFaults& f) { f.password = "1234"; }));
       },
       "Password Error!"},
      {"band type",
       [this] {
         radio = std::make_unique<VirtualRadio>(radioWithAChannel(), fault([](RadioFaults& f) { f.bandType = 2; }));
       },
       "Band type error"},
      {"short reply",
       [this] {
         radio =
             std::make_unique<VirtualRadio>(radioWithAChannel(), fault([](RadioFaults& f) { f.shortReplyBlock = 40; }));
       },
       messageText(MessageId::Interrupt, Language::English)},
  };
  for (Case& c : cases) {
    messages.clear();
    portFails = false;
    c.arrange();
    // Once the grid is stored (the view hears it first), nothing but the
    // handshake's bit may change.
    RadioImage before;
    const auto stored =
        QObject::connect(transfers.get(), &TransferController::storeRequested, [&] { before = doc->image(); });
    transfers->startRead();
    startAndWait();
    QObject::disconnect(stored);
    ASSERT_EQ(messages.size(), 1u) << c.what;
    EXPECT_EQ(messages[0].text.toStdString(), c.message) << c.what;
    EXPECT_EQ(view->grid().cell(1, ColRx), "") << c.what;
    RadioImage expected = before;
    expected.setBit(addr::kMskFlags, 3, doc->image().bit(addr::kMskFlags, 3));
    EXPECT_TRUE(doc->image() == expected) << c.what;
  }
}

TEST_F(TransferWindow, GridTakesNoEditsWhileTheTransferRuns) {
  std::binary_semaphore reached{0};
  std::binary_semaphore goOn{0};
  std::atomic<int> writes{0};
  onWrite = [&] {
    if (++writes == 50) {
      reached.release();
      goOn.acquire();
    }
  };
  transfers->startRead();
  QTest::mouseClick(transfers->processWindow()->startButton(), Qt::LeftButton);
  ASSERT_TRUE(waitUntil([&] { return reached.try_acquire(); }));
  QTableWidget* table = view->table();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(3, ColRx)).center());
  EXPECT_EQ(view->visibleEditor(), nullptr);
  // Closing the window: cancel, then the controller can go; its destructor waits.
  transfers->cancel();
  goOn.release();
  transfers.reset();
}

}  // namespace
}  // namespace radio::gui
