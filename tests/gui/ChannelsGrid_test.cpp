// The channel grid driven as a user drives it: clicks on cells, keys typed into
// the in-place editors, leaving a cell, Enter, the wheel, F1, Save.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "channels/widgets/CProgramView.h"
#include "gui/CProgramDoc.h"
#include "gui/HelpHook.h"

namespace radio::gui {
namespace {

class ChannelGridView : public ::testing::Test {
 protected:
  void SetUp() override { open(Language::English); }

  void open(Language lang) {
    view.reset();
    doc.reset();
    state.lang = lang;
    state.band = {};
    state.portName = "/dev/null-port";
    doc = std::make_unique<CProgramDoc>(state);
    doc->newDocument();
    view = std::make_unique<CProgramView>(*doc);
    view->setMessagePrompt([this](QWidget*, const MessageRequest& request) {
      messages.push_back(request);
      return QMessageBox::Ok;
    });
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

  // Picks the list entry of the open list editor.
  void choose(const QString& entry) {
    auto* list = qobject_cast<QComboBox*>(view->visibleEditor());
    ASSERT_NE(list, nullptr);
    const int index = list->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    list->setCurrentIndex(index);
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
  std::unique_ptr<CProgramView> view;
  std::vector<MessageRequest> messages;
};

TEST_F(ChannelGridView, ShowsHeadersLabelsAndAnEmptyNewDocument) {
  EXPECT_EQ(table()->rowCount(), 129);
  EXPECT_EQ(table()->columnCount(), 10);
  EXPECT_EQ(table()->horizontalHeaderItem(0)->text(), "CH");
  EXPECT_EQ(table()->horizontalHeaderItem(5)->text(), "Chnnel Name");
  EXPECT_EQ(table()->horizontalHeaderItem(1)->foreground().color(), QColor(0, 50, 240));
  EXPECT_EQ(table()->item(0, 0)->text(), "1");
  EXPECT_EQ(table()->item(128, 0)->text(), "Fr");
  EXPECT_TRUE(QFontInfo(table()->item(0, ColName)->font()).fixedPitch());
  EXPECT_EQ(view->windowTitle(), "Channel Information");
  // Column widths keep their proportions to column 0.
  const double base = table()->columnWidth(0);
  EXPECT_NEAR(table()->columnWidth(1) / base, 1.06 / 0.5, 0.05);
  EXPECT_NEAR(table()->columnWidth(6) / base, 0.7 / 0.5, 0.05);
  for (int c = 1; c < 10; ++c) EXPECT_TRUE(shown(1, c).isEmpty());
  EXPECT_EQ(view->visibleEditor(), nullptr);
  EXPECT_FALSE(doc->isModified());
}

TEST_F(ChannelGridView, ChineseHeadersAndLists) {
  open(Language::Chinese);
  EXPECT_EQ(table()->horizontalHeaderItem(0)->text(), QString::fromUtf8("信道"));
  EXPECT_EQ(view->windowTitle(), QString::fromUtf8("信道信息"));
  enterChannel(1, "150.5");
  EXPECT_EQ(shown(1, ColPower), QString::fromUtf8("高"));
  EXPECT_EQ(shown(1, ColBusy), QString::fromUtf8("关"));
}

TEST_F(ChannelGridView, ReceiveFrequencyIntoAnEmptyRowCreatesTheChannel) {
  click(3, ColRx);
  EXPECT_EQ(view->visibleEditor(), view->editorForColumn(ColRx));
  EXPECT_TRUE(view->visibleEditor()->hasFocus());
  // The editor lies over the cell it edits.
  EXPECT_EQ(view->visibleEditor()->geometry(), table()->visualItemRect(table()->item(2, ColRx)));
  type("145.5");
  click(3, ColDecode);  // leaving the cell commits it
  EXPECT_EQ(cell(3, ColRx), "145.50000");
  EXPECT_EQ(cell(3, ColTx), "145.50000");
  const std::vector<std::string> defaults{"None", "None", "", "High", "Wide", "Yes", "Off"};
  for (int c = ColDecode; c <= ColBusy; ++c) EXPECT_EQ(cell(3, c), defaults[c - ColDecode]) << c;
  EXPECT_EQ(shown(3, ColTx), "145.50000");
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(doc->isModified());
  // The tone list opened over the cell just entered, showing the cell's entry.
  auto* tones = qobject_cast<QComboBox*>(view->visibleEditor());
  ASSERT_NE(tones, nullptr);
  EXPECT_EQ(tones->count(), 261);
  EXPECT_EQ(tones->currentText(), "None");
}

TEST_F(ChannelGridView, ClearingTheReceiveTextDeletesTheChannel) {
  enterChannel(2, "440.025");
  click(2, ColName);
  type("ABC");
  click(2, ColRx);
  auto* edit = qobject_cast<QLineEdit*>(view->visibleEditor());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "440.02500");
  edit->clear();
  click(5, ColRx);
  for (int c = ColRx; c <= ColBusy; ++c) EXPECT_EQ(cell(2, c), "") << c;
  view->storeGrid();
  const auto record = doc->image().channel(2);
  for (std::size_t i : {0u, 1u, 2u, 3u, 7u, 8u, 9u, 10u, 11u, 16u, 20u, 23u}) EXPECT_EQ(record[i], 0xFF) << i;
}

TEST_F(ChannelGridView, RefusedReceiveFrequenciesKeepTheRowAndTheEditor) {
  enterChannel(4, "150.5");
  struct Case {
    const char* typed;
    MessageId message;
  } cases[] = {{"150.503", MessageId::StepValue}, {"700", MessageId::DataFormat}, {"300", MessageId::OutOfRange}};
  for (const Case& c : cases) {
    messages.clear();
    click(4, ColRx);
    auto* edit = qobject_cast<QLineEdit*>(view->visibleEditor());
    ASSERT_NE(edit, nullptr);
    edit->clear();
    type(c.typed);
    click(6, ColScan);
    ASSERT_EQ(messages.size(), 1u) << c.typed;
    EXPECT_EQ(messages[0].text.toStdString(), messageText(c.message, Language::English));
    EXPECT_EQ(messages[0].caption, "Caution");
    // Row and cell unchanged, the editor still over it with the typed text, and
    // the grid back on that cell so that the next commit goes to the same place.
    EXPECT_EQ(cell(4, ColRx), "150.50000");
    EXPECT_EQ(cell(4, ColPower), "High");
    EXPECT_EQ(view->visibleEditor(), edit);
    EXPECT_EQ(edit->text(), c.typed);
    EXPECT_EQ(table()->currentRow(), 3);
    EXPECT_EQ(table()->currentColumn(), ColRx);
    EXPECT_EQ(cell(6, ColScan), "");
  }
  // Corrected, the value goes in.
  auto* edit = qobject_cast<QLineEdit*>(view->visibleEditor());
  edit->clear();
  type("151.25");
  click(6, ColRx);
  EXPECT_EQ(cell(4, ColRx), "151.25000");
  EXPECT_EQ(cell(4, ColTx), "150.50000");
}

TEST_F(ChannelGridView, TransmitFrequencyOutsideTheBandsBecomesTheLowerEdge) {
  enterChannel(1, "150.5");
  click(1, ColTx);
  auto* edit = qobject_cast<QLineEdit*>(view->visibleEditor());
  edit->clear();
  type("300");
  click(1, ColName);
  EXPECT_EQ(cell(1, ColTx), "136.00000");
  EXPECT_TRUE(messages.empty());
}

TEST_F(ChannelGridView, NothingCanBeSetOnAnEmptyRow) {
  for (int c : {ColPower, ColDecode, ColName}) {
    click(7, c);
    if (c == ColName)
      type("X");
    else
      choose(c == ColPower ? "Low" : "D023N");
    click(8, ColBusy);
    EXPECT_EQ(cell(7, c), "") << c;
  }
  EXPECT_FALSE(doc->isModified());
}

TEST_F(ChannelGridView, ListsAndNameCommitIntoAChannel) {
  enterChannel(1, "150.5");
  click(1, ColEncode);
  choose("D023N");
  click(1, ColPower);
  choose("Low");
  click(1, ColName);
  type("ABCDEFGHI");  // the name editor takes seven characters
  click(1, ColBusy);
  choose("Carrier");
  click(2, ColRx);
  EXPECT_EQ(cell(1, ColEncode), "D023N");
  EXPECT_EQ(cell(1, ColPower), "Low");
  EXPECT_EQ(cell(1, ColName), "ABCDEFG");
  EXPECT_EQ(cell(1, ColBusy), "Carrier");
  // Opening a list shows the entry that begins with the cell text.
  click(1, ColPower);
  EXPECT_EQ(qobject_cast<QComboBox*>(view->visibleEditor())->currentText(), "Low");
}

TEST_F(ChannelGridView, FrequencyEditorTakesOnlyDigitsAndThePoint) {
  click(1, ColRx);
  auto* edit = qobject_cast<QLineEdit*>(view->visibleEditor());
  QTest::keyClicks(edit, "1a4b5-,");
  QTest::keyClick(edit, Qt::Key_1, Qt::ShiftModifier);
  QTest::keyClick(edit, Qt::Key_Period, Qt::ShiftModifier);
  QTest::keyClick(edit, Qt::Key_Period);
  QTest::keyClick(edit, Qt::Key_5, Qt::KeypadModifier);
  QTest::keyClick(edit, Qt::Key_Space);
  EXPECT_EQ(edit->text(), "145.5");
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(edit->text(), "145");
  // The editor takes at most nine characters.
  QTest::keyClicks(edit, "1234567890");
  EXPECT_EQ(edit->text().size(), 9);
}

TEST_F(ChannelGridView, EnterCommitsAFrequencyAndEmptiesARefusedOne) {
  click(2, ColRx);
  auto* edit = qobject_cast<QLineEdit*>(view->visibleEditor());
  type("150.503");
  QTest::keyClick(edit, Qt::Key_Return);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text.toStdString(), messageText(MessageId::StepValue, Language::English));
  EXPECT_TRUE(edit->isVisible());
  EXPECT_TRUE(edit->text().isEmpty());
  type("150.5");
  EXPECT_EQ(edit->text(), "150.5");
  QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(table()->currentRow(), 1);
  EXPECT_EQ(cell(2, ColRx), "150.50000");
  EXPECT_FALSE(edit->isVisible());
  EXPECT_EQ(cell(2, ColTx), "150.50000");
  // A press on the current cell opens its editor again.
  click(2, ColRx);
  EXPECT_TRUE(edit->isVisible());
  EXPECT_EQ(edit->text(), "150.50000");
}

TEST_F(ChannelGridView, ScrollingHidesTheEditorWithoutACommitAndTheWheelPages) {
  click(1, ColRx);
  type("150.5");
  QScrollBar* bar = table()->verticalScrollBar();
  const int before = bar->value();
  const QPoint at = table()->viewport()->rect().center();
  QWheelEvent down(at, table()->viewport()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
  QApplication::sendEvent(table()->viewport(), &down);
  EXPECT_EQ(bar->value(), before + bar->pageStep());
  EXPECT_EQ(view->visibleEditor(), nullptr);
  EXPECT_EQ(cell(1, ColRx), "");
  // Parts of a notch add up to one page.
  for (int i = 0; i < 4; ++i) {
    QWheelEvent up(at, table()->viewport()->mapToGlobal(at), {}, {0, 30}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(table()->viewport(), &up);
  }
  EXPECT_EQ(bar->value(), before);
}

TEST_F(ChannelGridView, F1AsksForHelpAtTheEditorsContext) {
  std::vector<int> contexts;
  setHelpHandler([&](QWidget*, int id) { contexts.push_back(id); });
  enterChannel(1, "150.5");
  const std::pair<int, int> cells[] = {{ColRx, 2127},   {ColTx, 2128},    {ColDecode, 2132}, {ColEncode, 2133},
                                       {ColName, 1126}, {ColPower, 1129}, {ColBusy, 1130}};
  for (const auto& [column, context] : cells) {
    click(1, column);
    QTest::keyClick(view->visibleEditor(), Qt::Key_F1);
    ASSERT_FALSE(contexts.empty());
    EXPECT_EQ(contexts.back(), context) << column;
  }
  setHelpHandler({});
}

TEST_F(ChannelGridView, SaveCommitsTheOpenEditorFirst) {
  QTemporaryDir dir;
  click(10, ColRx);
  type("446.00625");
  const QString path = dir.filePath("a.dat");
  ASSERT_TRUE(doc->save(path));
  EXPECT_EQ(cell(10, ColRx), "446.00625");
  RadioImage saved;
  ASSERT_TRUE(loadDatFile(path.toStdString(), saved));
  EXPECT_EQ(saved.channel(10)[3], 0x44);  // BCD, most significant pair last
  EXPECT_EQ(saved.channel(10)[7], 0x44);
  EXPECT_FALSE(doc->isModified());
}

TEST_F(ChannelGridView, ReplacedImageRefreshesTheGrid) {
  enterChannel(1, "150.5");
  click(1, ColName);
  type("ZZ");  // open editor: the new image wins
  RadioImage image = doc->image();
  ChannelGrid other;
  other.row(20) = view->grid().row(1);
  other.row(20)[ColName] = "RPT";
  gridToImage(other, image, state.band.limits, Language::English);
  doc->replaceImage(image, "Read");
  EXPECT_EQ(view->visibleEditor(), nullptr);
  EXPECT_EQ(cell(1, ColRx), "");
  EXPECT_EQ(shown(20, ColName), "RPT");
  EXPECT_EQ(shown(20, ColRx), "150.50000");
}

TEST_F(ChannelGridView, EachCommittedEditIsOneUndoStepAndUndoShowsTheImageAgain) {
  enterChannel(3, "147.5");
  ASSERT_EQ(cell(3, ColRx), "147.50000");
  EXPECT_EQ(doc->undoStack()->count(), 1);
  EXPECT_TRUE(doc->isModified());
  click(3, 0);
  view->pasteText(QStringLiteral("146\t146\n999\t150\n"));  // the second row is refused
  EXPECT_EQ(doc->undoStack()->undoText(), QStringLiteral("Paste"));
  EXPECT_EQ(cell(3, ColRx), "146.00000");
  EXPECT_EQ(messages.size(), 1u);
  doc->undoStack()->undo();
  EXPECT_EQ(shown(3, ColRx), QStringLiteral("147.50000"));
  doc->undoStack()->undo();
  EXPECT_TRUE(cell(3, ColRx).empty());
  EXPECT_FALSE(doc->isModified());
}

TEST_F(ChannelGridView, RowNumbersSelectWholeRowsForCopyAndMove) {
  enterChannel(1, "145");
  enterChannel(2, "146");
  click(1, 0);
  QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    table()->visualItemRect(table()->item(1, 0)).center());
  const CellRange range = view->selectedRange();
  EXPECT_EQ(range.top, 1);
  EXPECT_EQ(range.bottom, 2);
  EXPECT_TRUE(range.wholeRows());
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
  EXPECT_EQ(shown(3, ColRx), "Invalid 000000FA");
  EXPECT_EQ(shown(3, ColDecode), "Invalid FF7F");
  for (int c : {ColRx, ColDecode, ColName}) click(3, c);  // opened and left, twice over
  click(3, ColDecode);
  click(3, ColRx);
  QTest::keyClick(view->visibleEditor(), Qt::Key_Return);
  EXPECT_TRUE(messages.empty());
  view->storeGrid();
  EXPECT_EQ(std::vector<Byte>(doc->image().channel(3).begin(), doc->image().channel(3).end()), before);
  click(3, ColDecode);
  choose("67.0");
  click(3, ColName);
  EXPECT_EQ(cell(3, ColDecode), "67.0");
}

}  // namespace
}  // namespace radio::gui
