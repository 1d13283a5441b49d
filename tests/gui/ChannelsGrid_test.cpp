// The channel grid driven as a user drives it: clicks on cells, keys typed into
// the in-place editors, leaving a cell, Enter, Save, undo, whole-row selection.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "channels/widgets/CProgramView.h"
#include "gui/CProgramDoc.h"

namespace radio::gui {
namespace {

class ChannelGridView : public ::testing::Test {
 protected:
  void SetUp() override {
    state.portName = "/dev/null-port";
    doc = std::make_unique<CProgramDoc>(state);
    doc->newDocument();
    view = std::make_unique<CProgramView>(*doc);
    answers = std::make_unique<ScopedPrompts>([this](QWidget*, const MessageRequest& request) {
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
  std::unique_ptr<ScopedPrompts> answers;
  std::unique_ptr<CProgramView> view;
  std::vector<MessageRequest> messages;
};

// A refused frequency keeps the row, its editor and the current cell, so that the
// next commit goes to the same place: leaving the cell keeps the typed text, Enter
// empties it. The corrected value goes in and the editor hides.
TEST_F(ChannelGridView, RefusedFrequencyKeepsTheEditorOverItsCell) {
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
    if (c.enter)
      QTest::keyClick(edit, Qt::Key_Return);
    else
      click(6, ColScan);
    ASSERT_EQ(messages.size(), 1u) << c.enter;
    EXPECT_EQ(messages[0].text.toStdString(), messageText(MessageId::StepValue, Language::English));
    EXPECT_EQ(cell(4, ColRx), "150.50000");
    EXPECT_EQ(view->visibleEditor(), edit);
    EXPECT_EQ(edit->text(), c.left);
    EXPECT_EQ(table()->currentRow(), 3);
    EXPECT_EQ(table()->currentColumn(), ColRx);
    EXPECT_EQ(cell(6, ColScan), "");
  }
  QWidget* edit = view->visibleEditor();
  type("151.25");
  QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(cell(4, ColRx), "151.25000");
  EXPECT_EQ(cell(4, ColTx), "150.50000");
  EXPECT_FALSE(edit->isVisible());
}

// Escape puts the cell's text back and hides the editor; a refused value is told
// once however often the user clicks elsewhere, and Escape then drops it too.
TEST_F(ChannelGridView, EscapeCancelsTheEditAndARefusalIsToldOnce) {
  enterChannel(4, "150.5");
  messages.clear();
  click(4, ColRx);
  auto* edit = qobject_cast<QLineEdit*>(view->visibleEditor());
  ASSERT_NE(edit, nullptr);
  edit->clear();
  type("146");
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(view->visibleEditor(), nullptr);
  EXPECT_EQ(edit->text(), "150.50000");
  click(6, ColScan);
  EXPECT_EQ(cell(4, ColRx), "150.50000");

  click(4, ColRx);
  edit->clear();
  type("1");
  click(6, ColScan);
  click(7, ColName);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(view->visibleEditor(), edit);
  QTest::keyClick(edit, Qt::Key_Escape);
  click(8, ColName);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(cell(4, ColRx), "150.50000");
  EXPECT_EQ(table()->currentRow(), 7);
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
