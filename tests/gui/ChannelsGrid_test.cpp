// SPDX-License-Identifier: GPL-3.0-or-later
// The channel grid driven as a user drives it (clicks on cells, keys typed into
// the in-place editors, leaving a cell, Enter, Save, undo, whole-row selection),
// and Read, Write and the verify after it through the Process window against the
// in-process virtual radio: the window, the worker thread, Cancel, the messages,
// the backups and what the document holds afterwards.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <semaphore>
#include <vector>

#include "TestImages.h"
#include "channels/widgets/CProgramView.h"
#include "channels/widgets/FillSeriesDialog.h"
#include "channels/widgets/FindReplaceDialog.h"
#include "features/widgets/CSquelchTuningDlg.h"
#include "gui/CProgramDoc.h"
#include "gui/DifferencesDialog.h"
#include "gui/ProgramSettings.h"
#include "link/RadioMemoryMap.h"
#include "link/VirtualRadio.h"
#include "link/VirtualRadioLink.h"
#include "link/widgets/TransferController.h"
#include "model/ImageCheck.h"

namespace radio::gui {
namespace {

class ChannelGridView : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramSettings(state.appName).setPort("/dev/null-port");
    doc = std::make_unique<CProgramDoc>(state);
    doc->newDocument();
    view = std::make_unique<CProgramView>(*doc);
    Prompts answered;
    answered.message = [this](QWidget*, const MessageRequest& request) {
      messages.push_back(request);
      if (request.buttons & QMessageBox::Yes) return writeAnyway ? QMessageBox::Yes : QMessageBox::Cancel;
      return request.buttons & QMessageBox::Retry ? QMessageBox::Cancel : QMessageBox::Ok;
    };
    // A window of differences is read, not run.
    answered.runDialog = [this](QDialog& dialog) {
      if (auto* differences = qobject_cast<DifferencesDialog*>(&dialog)) {
        listed.push_back(differences->windowTitle().toStdString());
        for (const QString& line : differences->listText().split(QLatin1Char('\n')))
          listed.push_back(line.toStdString());
      }
      return 0;
    };
    // The password asked for after "Password Error!": none unless a test gives one.
    answered.digits = [this](QWidget*, const QString&, const QString&, int maxDigits) {
      asked.push_back(maxDigits);
      return password;
    };
    answers = std::make_unique<ScopedPrompts>(std::move(answered));
    view->resize(1000, 600);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }

  QTableWidget* table() const { return view->table(); }

  // A click on the cell of channel row n (1-based) and column c.
  void click(int n, int c) {
    QTableWidgetItem* item = table()->item(n - 1, c);
    table()->scrollToItem(item);
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualItemRect(item).center());
  }

  // Types into the editor over the current cell.
  void type(const QString& keys) {
    QWidget* editor = view->visibleEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, keys);
  }

  void enterChannel(int n, const QString& rx) {
    click(n, ColRx);
    type(rx);
    click(n, ColName);
  }

  std::string cell(int n, int c) const { return view->grid().cell(n, c); }
  QString shown(int n, int c) const { return table()->item(n - 1, c)->text(); }

  AppState state;
  std::unique_ptr<CProgramDoc> doc;
  std::unique_ptr<ScopedPrompts> answers;
  std::unique_ptr<CProgramView> view;
  std::vector<MessageRequest> messages;
  std::vector<std::string> listed;  // the title and lines of each window of differences
  std::optional<QString> password;  // the answer to the password question
  std::vector<int> asked;           // each password question, by its number of digits
  bool writeAnyway = false;         // the answer to the check before a write
};

// A refused frequency keeps the row, its editor and the current cell, so that the
// next commit goes to the same place: leaving the cell keeps the typed text, Enter
// empties it, and the refusal is told once however often the user clicks elsewhere.
// Escape then puts the cell's text back and lets the user leave.
TEST_F(ChannelGridView, RefusedFrequencyKeepsTheEditorUntilEscapeRestoresTheCell) {
  enterChannel(4, "150.5");
  const struct {
    bool enter;
    const char* left;
  } cases[] = {{false, "150.503"}, {true, ""}};
  for (const auto& c : cases) {
    messages.clear();
    click(4, ColRx);
    auto* edit = qobject_cast<QLineEdit*>(view->visibleEditor());
    ASSERT_NE(edit, nullptr);
    edit->clear();
    type("150.503");
    if (c.enter) {
      QTest::keyClick(edit, Qt::Key_Return);
    } else {
      click(6, ColScan);
      click(7, ColName);
    }
    ASSERT_EQ(messages.size(), 1u) << c.enter;
    EXPECT_EQ(messages[0].text.toStdString(), messageText(MessageId::StepValue, Language::English));
    EXPECT_EQ(view->visibleEditor(), edit);
    EXPECT_EQ(edit->text(), c.left);
    EXPECT_EQ(table()->currentRow(), 3);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), "150.50000");
    click(8, ColName);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(cell(4, ColRx), "150.50000");
    EXPECT_EQ(table()->currentRow(), 7);
  }
}

TEST_F(ChannelGridView, SaveCommitsTheOpenEditorFirst) {
  QTemporaryDir dir;
  click(10, ColRx);
  type("446.00625");
  const QString path = dir.filePath("a.dat");
  ASSERT_TRUE(doc->save(path));
  RadioImage saved;
  ASSERT_TRUE(loadDatFile(path.toStdString(), saved));
  EXPECT_EQ(saved.channel(10)[3], 0x44);  // BCD, most significant pair last
}

TEST_F(ChannelGridView, EachCommittedEditIsOneUndoStepAndUndoShowsTheImageAgain) {
  enterChannel(3, "147.5");
  click(3, 0);
  view->pasteText(QStringLiteral("146\t146\n999\t150\n"));  // the second row is refused
  EXPECT_EQ(cell(3, ColRx), "146.00000");
  doc->undoStack()->undo();
  EXPECT_EQ(shown(3, ColRx), QStringLiteral("147.50000"));
  doc->undoStack()->undo();
  EXPECT_TRUE(cell(3, ColRx).empty());
  EXPECT_FALSE(doc->isModified());
  // Storing the grid (before a save, a transfer, an import) is no undo step and no
  // change of its own: an undone edit can still be redone.
  view->storeGrid();
  EXPECT_FALSE(doc->isModified());
  doc->undoStack()->redo();
  EXPECT_EQ(shown(3, ColRx), QStringLiteral("147.50000"));
}

TEST_F(ChannelGridView, RowNumbersSelectWholeRowsForCopyAndMove) {
  enterChannel(1, "145");
  enterChannel(2, "146");
  click(1, 0);
  QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    table()->visualItemRect(table()->item(1, 0)).center());
  EXPECT_TRUE(view->selectedRange().wholeRows());
  view->moveSelection(1);
  EXPECT_TRUE(cell(1, ColRx).empty());
  EXPECT_EQ(cell(3, ColRx), "146.00000");
  EXPECT_EQ(view->selectedRange().top, 2);
}

TEST_F(ChannelGridView, UnreadableFieldsSurviveEditorsOpenedAndLeft) {
  RadioImage image = doc->image();
  const Byte bytes[12] = {0x00, 0x00, 0x00, 0xFA, 0x00, 0x25, 0x51, 0x14, 0xFF, 0x7F, 0x70, 0x06};
  std::copy(std::begin(bytes), std::end(bytes), image.channel(3).begin());
  doc->replaceImage(image, "Read");
  const std::vector<Byte> before(doc->image().channel(3).begin(), doc->image().channel(3).end());
  for (int c : {ColRx, ColDecode, ColName}) click(3, c);  // opened and left, twice over
  click(3, ColDecode);
  click(3, ColRx);
  QTest::keyClick(view->visibleEditor(), Qt::Key_Return);
  EXPECT_TRUE(messages.empty());
  view->storeGrid();
  EXPECT_EQ(std::vector<Byte>(doc->image().channel(3).begin(), doc->image().channel(3).end()), before);
}

// Return commits every kind of cell, as leaving it does: an Escape right after
// takes nothing back.
TEST_F(ChannelGridView, ReturnCommitsEveryKindOfCell) {
  enterChannel(2, "145");
  const struct {
    int column;
    const char* typed;  // into a line editor; a list moves up one entry
    const char* committed;
  } cases[] = {{ColName, "CALL", "CALL"}, {ColRx, "146", "146.00000"}, {ColPower, nullptr, "Low"}};
  for (const auto& c : cases) {
    click(2, c.column);
    QWidget* editor = view->visibleEditor();
    ASSERT_NE(editor, nullptr) << c.column;
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) edit->clear();
    c.typed ? type(c.typed) : QTest::keyClick(editor, Qt::Key_Up);
    QTest::keyClick(editor, Qt::Key_Return);
    if (QWidget* next = view->visibleEditor()) QTest::keyClick(next, Qt::Key_Escape);
    EXPECT_EQ(cell(2, c.column), c.committed) << c.column;
  }
}

// A typed Tx offset, and a sort that carries the priority channel along, each
// undone in one step.
TEST_F(ChannelGridView, OffsetTypedIntoTxAndSortFollowedByThePriorityChannel) {
  enterChannel(5, "438.5");
  enterChannel(2, "446");
  click(5, ColTx);  // the editor opens with its text selected: the sign replaces it
  type("-7.6");
  click(5, ColName);
  EXPECT_EQ(cell(5, ColTx), "430.90000");
  click(5, ColRx);
  type("-");  // no sign in the Rx column
  EXPECT_EQ(qobject_cast<QLineEdit*>(view->visibleEditor())->text(), "438.50000");
  QTest::keyClick(view->visibleEditor(), Qt::Key_Escape);

  doc->change("Test", [](RadioImage& image) { image.setField(field::kPriorityChannel, 5); });
  view->sortChannels(SortKey::Rx, {});
  EXPECT_EQ(shown(1, ColTx), "430.90000");
  EXPECT_EQ(shown(2, ColRx), "446.00000");
  EXPECT_EQ(doc->image().field(field::kPriorityChannel), 1u);
  doc->undoStack()->undo();
  EXPECT_EQ(shown(5, ColTx), "430.90000");
  EXPECT_EQ(doc->image().field(field::kPriorityChannel), 5u);
}

// Fill Series lists what the channels refuse and stays open; a plan they take is
// one undo step. Find marks the names, Replace All refuses a name too long.
TEST_F(ChannelGridView, FillSeriesAndReplaceReportRefusalsAndChangeInOneStep) {
  FillSeriesDialog fill(*view, {1, 4});
  fill.edit(FillSeriesDialog::Edit::Start)->setText("519.9875");
  fill.edit(FillSeriesDialog::Edit::Step)->setText("0.0125");
  fill.accept();
  EXPECT_TRUE(fill.problems().contains("Channel 3, Rx Frequency \"520.01250\""));
  EXPECT_TRUE(cell(1, ColRx).empty());
  fill.edit(FillSeriesDialog::Edit::Start)->setText("446.00625");
  fill.edit(FillSeriesDialog::Edit::Name)->setText("PMR%d");
  fill.accept();
  EXPECT_EQ(fill.result(), QDialog::Accepted);
  EXPECT_EQ(shown(4, ColName), "PMR4");
  EXPECT_EQ(doc->undoStack()->count(), 1);

  FindReplaceDialog find(*view);
  find.show();
  find.findEdit()->setText("pmr");
  EXPECT_EQ(find.status(), "4 name(s) hold the text.");
  EXPECT_NE(table()->item(2, ColName)->background(), table()->item(5, ColName)->background());
  find.replaceEdit()->setText("CHANNEL");
  find.replaceAll();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].text.contains("\"CHANNEL1\": longer than a name holds"));
  EXPECT_EQ(shown(1, ColName), "PMR1");
  find.replaceEdit()->setText("CH");
  find.replaceAll();
  EXPECT_EQ(shown(4, ColName), "CH4");
  EXPECT_EQ(doc->undoStack()->count(), 2);
  find.hide();
  EXPECT_EQ(table()->item(2, ColName)->background(), table()->item(5, ColName)->background());
}

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
  RadioImage image = test::newDocument();
  test::putChannel(image, 1, "145.50000", "RADIO");
  RadioMemory memory = radioMemoryFromImage(image);
  memory[radioaddr::kBandType] = 0x03;
  return memory;
}

// The grid's window with the transfer commands bound, its radio a virtual one.
class TransferWindow : public ChannelGridView {
 protected:
  void SetUp() override {
    ChannelGridView::SetUp();
    ProgramSettings settings(state.appName);
    settings.setPort("virtual");
    settings.setValue(Setting::VerifyAfterWrite, false);
    transfers = std::make_unique<TransferController>(doc->document(), state, view.get());
    transfers->setBackupFolder(backups.filePath("backups").toStdString());
    view->bindTransfers(*transfers);
    transfers->setLinkOpener([this](const std::string& device, Language) { return open(device); });
  }

  OpenedLink open(const std::string& device) {
    openedDevice = device;
    OpenedLink opened;
    auto link = std::make_unique<VirtualRadioLink>(*radio);
    link->beforeWrite = [this](const VirtualRadioLink::Event& event) {
      if (onWrite) onWrite(event);
    };
    opened.link = std::move(link);
    return opened;
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
    ASSERT_TRUE(waitUntil([&] { return spy.count() == 2; }));
    EXPECT_TRUE(waitUntil([&] { return transfers->processWindow() == nullptr; }));
  }

  QTemporaryDir backups;
  std::unique_ptr<TransferController> transfers;
  std::unique_ptr<VirtualRadio> radio = std::make_unique<VirtualRadio>(radioWithAChannel());
  std::string openedDevice;
  std::function<void(const VirtualRadioLink::Event&)> onWrite;  // runs on the worker thread
  std::binary_semaphore reached{0};
  std::binary_semaphore goOn{0};
};

// A read fills the grid and keeps a backup; a backup that cannot be saved (a plain
// file where its folder should be) is reported, and the read still fills the grid.
TEST_F(TransferWindow, ReadFillsTheGridAndKeepsABackupOrReportsItsFailure) {
  const std::string folder = backups.filePath("backups").toStdString();
  for (const bool blocked : {true, false}) {
    if (blocked) std::ofstream(folder) << "in the way";
    if (!blocked) std::filesystem::remove(folder);
    messages.clear();
    transfers->startRead();
    startAndWait();
    EXPECT_EQ(view->table()->item(0, ColRx)->text(), "145.50000");
    EXPECT_TRUE(doc->isModified());
    // The refresh after the read rewrites the band record.
    EXPECT_EQ(doc->image().bandRecord(), kGridBandRecord);
    if (blocked) {
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_TRUE(messages[0].text.startsWith("The radio was read, but its backup could not be saved:"));
    } else {
      EXPECT_TRUE(messages.empty());
      const auto backup = std::filesystem::directory_iterator(folder)->path();
      EXPECT_EQ(std::filesystem::file_size(backup), kImageSize);
    }
  }
}

// A radio with a password refuses the read; the user is asked for the password,
// which goes into the document, and the read is run again and completes.
TEST_F(TransferWindow, PasswordErrorAsksForThePasswordAndReadsAgain) {
  RadioFaults faults;
  faults.password = "4321";
  radio = std::make_unique<VirtualRadio>(radioWithAChannel(), faults);
  password = QStringLiteral("4321");
  transfers->startRead();
  QTest::mouseClick(transfers->processWindow()->startButton(), Qt::LeftButton);
  ASSERT_TRUE(waitUntil([&] { return view->grid().cell(1, ColRx) == "145.50000"; }));
  EXPECT_EQ(asked, std::vector<int>{6});
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text.toStdString(), "Password Error!");
  EXPECT_EQ(doc->image().text(addr::kPassword, 4), "4321");
  EXPECT_TRUE(waitUntil([&] { return transfers->processWindow() == nullptr && !transfers->running(); }));
}

// Verify after writing reads the radio back in the same window: a good radio is
// reported as holding the document, a cell that keeps its old value is named by
// channel and field.
TEST_F(TransferWindow, VerifyAfterWritingNamesACellThatKeptItsOldValue) {
  ProgramSettings(state.appName).setValue(Setting::VerifyAfterWrite, true);
  // Channel 1 of the document is the radio's, its name beginning with X.
  transfers->startRead();
  startAndWait();
  doc->change("Test", [](RadioImage& image) { image.set(0x0010, 'X'); });
  for (const bool stuck : {false, true}) {
    RadioFaults faults;
    if (stuck) faults.stuckCell = 0x0010;
    radio = std::make_unique<VirtualRadio>(radioWithAChannel(), faults);
    messages.clear();
    listed.clear();
    transfers->startWrite();
    startAndWait();
    EXPECT_TRUE(radio->violations().empty());
    const std::vector<std::string> differences{"Verify", "channel 1: name: XADIO -> RADIO"};
    EXPECT_EQ(listed, stuck ? differences : std::vector<std::string>{});
    EXPECT_EQ(messages.size(), stuck ? 0u : 1u);
  }
}

TEST_F(TransferWindow, WriteSendsTheGridIncludingTheCellBeingEdited) {
  // A channel typed into the grid, its name editor still open.
  click(2, ColRx);
  type("440.5");
  click(2, ColName);
  type("NEW");
  transfers->startWrite();
  startAndWait();
  EXPECT_TRUE(messages.empty());
  const RadioMemory& memory = radio->memory();
  EXPECT_EQ(memory[24 + 3], 0x44);  // channel 2 receive frequency, top BCD pair
  EXPECT_EQ(memory[24 + 16], 'N');
  // Channel 1 of the radio was overwritten by the document's empty row.
  EXPECT_EQ(memory[3], 0xFF);
}

// Cancel before Start or right after it: the window goes, the port is never opened
// and the commands open a fresh window afterwards.
TEST_F(TransferWindow, CancelBeforeOrRightAfterStartSendsNothing) {
  for (const bool started : {false, true}) {
    transfers->startWrite();
    QPointer<CProcessDlg> dlg = transfers->processWindow();
    if (started) QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
    QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(waitUntil([&] { return dlg.isNull(); })) << started;
    EXPECT_EQ(radio->wakeUps(), 0) << started;
    EXPECT_EQ(openedDevice, "") << started;
  }
}

// Cancel or the close box while the transfer runs: the grid takes no edits, the
// window stays until the worker stops, then goes silently; the read changed nothing.
TEST_F(TransferWindow, StoppingARunningReadEndsItSilentlyAndChangesNothing) {
  const std::function<void(CProcessDlg*)> stops[] = {
      [](CProcessDlg* dlg) { QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton); },
      [](CProcessDlg* dlg) { dlg->close(); }};
  for (const auto& stop : stops) {
    radio = std::make_unique<VirtualRadio>(radioWithAChannel());
    int writes = 0;  // held at the 120th write, well into the read
    onWrite = [&](const VirtualRadioLink::Event&) {
      if (++writes == 120) reached.release(), goOn.acquire();
    };
    const RadioImage before = doc->image();
    transfers->startRead();
    QPointer<CProcessDlg> dlg = transfers->processWindow();
    QSignalSpy spy(transfers.get(), &TransferController::runningChanged);
    QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return reached.try_acquire(); }));
    click(4, ColRx);
    EXPECT_EQ(view->visibleEditor(), nullptr);
    stop(dlg);
    EXPECT_FALSE(dlg.isNull());
    goOn.release();
    ASSERT_TRUE(waitUntil([&] { return spy.count() == 2; }));
    EXPECT_TRUE(waitUntil([&] { return dlg.isNull(); }));
    EXPECT_TRUE(messages.empty());
    // The grid was stored before the transfer; the read itself changed nothing.
    RadioImage stored = before;
    gridToImage(view->grid(), stored, state.band.limits, Language::English);
    stored.setBit(addr::kMskFlags, 3, doc->image().bit(addr::kMskFlags, 3));
    EXPECT_TRUE(doc->image() == stored);
  }
}

// A read that fails says so and leaves the image, the modified mark and the undo
// steps as they were.
TEST_F(TransferWindow, AFailedReadSaysSoAndChangesNothing) {
  transfers->startRead();
  startAndWait();
  RadioFaults noAck;
  noAck.missingAckBlock = 100;
  radio = std::make_unique<VirtualRadio>(radioWithAChannel(), noAck);
  // The grid's own store, which every job begins with, is not the read's doing.
  emit transfers->storeRequested();
  const RadioImage before = doc->image();
  const int steps = doc->undoStack()->count();
  messages.clear();
  transfers->startRead();
  startAndWait();
  EXPECT_TRUE(doc->image() == before);
  EXPECT_EQ(doc->undoStack()->count(), steps);
  EXPECT_TRUE(doc->isModified());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text.toStdString(), messageText(MessageId::Interrupt, Language::English));
}

// The Squelch Tuning window reads and writes the four levels over the port chosen
// in Setup, as a job of the runner; the window stays usable meanwhile.
TEST_F(TransferWindow, SquelchWindowReadsAndWritesTheLevelsOverTheChosenPort) {
  radio->memory()[radioaddr::kSquelch] = 64 + 10;
  RadioImage image = doc->image();
  CSquelchTuningDlg dlg(image, state);
  dlg.setLinkOpener([this](const std::string& device, Language) { return open(device); });
  const auto exchange = [&](QPushButton* button) {
    QSignalSpy ended(&dlg, &CSquelchTuningDlg::exchangeFinished);
    messages.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(dlg.exchangeRunning() || ended.count() == 1);
    ASSERT_TRUE(waitUntil([&] { return ended.count() == 1; }));
    EXPECT_FALSE(dlg.exchangeRunning());
  };
  exchange(dlg.readButton());
  EXPECT_EQ(openedDevice, "virtual");
  EXPECT_EQ(dlg.list(0)->currentText(), "10");
  EXPECT_EQ(image.at(addr::kSquelch), 64 + 10);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Read Successfully");

  dlg.list(1)->setCurrentText("-55");
  exchange(dlg.writeButton());
  EXPECT_EQ(radio->memory()[radioaddr::kSquelch + 1], 9);
  EXPECT_EQ(image.at(addr::kSquelch + 1), 9);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Write Successfully");
}

// A document that fails the check before a write goes to the radio only after
// "Write Anyway"; Cancel, the default, sends nothing and closes the window.
TEST_F(TransferWindow, DamagedDocumentIsWrittenOnlyWhenTheUserInsists) {
  doc->change("Test", [](RadioImage& image) { image.set(addr::kPassword, 'A'); });
  const std::vector<std::string> problems = writeProblems(doc->image(), state.band.limits, Language::English);
  ASSERT_FALSE(problems.empty());
  for (const bool insist : {false, true}) {
    writeAnyway = insist;
    messages.clear();
    radio = std::make_unique<VirtualRadio>(radioWithAChannel());
    transfers->startWrite();
    QTest::mouseClick(transfers->processWindow()->startButton(), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return transfers->processWindow() == nullptr && !transfers->running(); }));
    ASSERT_FALSE(messages.empty());
    const MessageRequest& question = messages[0];
    EXPECT_TRUE(question.text.contains(QString::fromStdString(problems[0])));
    EXPECT_EQ(question.defaultButton, QMessageBox::Cancel);
    ASSERT_EQ(question.buttonTexts.size(), 1u);
    EXPECT_EQ(question.buttonTexts[0].second, "Write Anyway");
    EXPECT_EQ(radio->blocksWritten() > 0, insist);
  }
}

}  // namespace
}  // namespace radio::gui
