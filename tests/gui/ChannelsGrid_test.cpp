// The channel grid driven as a user drives it: clicks on cells, keys typed into
// the in-place editors, leaving a cell, Enter, Save, undo, whole-row selection.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace radio::gui
