// Editing a cell's text in place on a shown diagram, through the real widgets: opening by
// a double press, typing, accepting and discarding, walking the cells with Tab, the zoom,
// and the editor's cell or diagram going away while it is open.
#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QPointer>
#include <QTest>

#include "../interaction/MouseFixture.h"
#include "diagram/view/DiagramMemo.h"
#include "platform/gui/Font.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TClose {
  TTextCell* Cell;
  bool Update;
};

class InplaceEditorDiagram : public ::testing::Test, public TMouseFixture {
 protected:
  InplaceEditorDiagram() {
    Block = NewBlock(100, 100, 200, 80);
    Cell = Block->DefaultTextCell();
    Cell->SetText("hello");
    Diagram->OnOpenEditor = [this](TObject*, TTextCell* C) { Opened.push_back(C); };
    Diagram->OnEditCell = [this](TObject*, TTextCell* C) { Edited.push_back(C); };
    Diagram->OnCloseEditor = [this](TObject*, TTextCell* C, bool U) { Closed.push_back({C, U}); };
    Diagram->OnModified = [this](TObject*) { ++Modifieds; };
  }
  TDiagramMemo* Memo() const { return Diagram->GetInplaceMemo(); }
  void DoubleClick(QPoint P) { QTest::mouseDClick(W(), Qt::LeftButton, {}, P); }
  void Type(const QString& AText) { QTest::keyClicks(Memo(), AText); }
  void Key(Qt::Key AKey, Qt::KeyboardModifiers M = {}) { QTest::keyClick(Memo(), AKey, M); }
  // Opens the editor on the block's cell with nothing reported yet.
  void OpenOnBlock() {
    Diagram->EditControlText(Block);
    ASSERT_TRUE(Diagram->EditingText());
    Operations.clear();
    Closed.clear();
    Modifieds = 0;
  }
  // A block with three cells side by side; the middle one is read-only.
  std::vector<TTextCell*> ThreeCells() {
    TTextCells* cells = Block->GetTextCells();
    Cell->SetBounds(0, 0, 30, 100);
    for (int i = 1; i < 3; ++i) cells->Add()->SetBounds(35 * i, 0, 30, 100);
    cells->GetItems(1)->SetReadOnly(true);
    return {cells->GetItems(0), cells->GetItems(1), cells->GetItems(2)};
  }

  TDiagramBlock* Block = nullptr;
  TTextCell* Cell = nullptr;
  std::vector<TTextCell*> Opened, Edited;
  std::vector<TClose> Closed;
  int Modifieds = 0;
};

TEST_F(InplaceEditorDiagram, ADoublePressOpensTheEditorOverTheCellAndHidesTheCellsPaintedText) {
  DoubleClick(At(200, 140));
  ASSERT_TRUE(Diagram->EditingText());
  EXPECT_EQ(Diagram->EditingCell(), Cell);
  EXPECT_EQ(Opened, std::vector<TTextCell*>{Cell});
  EXPECT_EQ(Edited, std::vector<TTextCell*>{Cell});
  EXPECT_EQ(Memo()->toPlainText(), "hello");
  EXPECT_EQ(Memo()->parentWidget(), W());
  EXPECT_EQ(Memo()->geometry().topLeft(), At(100, 100));
  EXPECT_EQ(Diagram->CellCoveredByEditor(), Cell) << "the screen leaves the cell to the editor";
  EXPECT_EQ(Diagram->GetMouseState(), msBrowsing);
  EXPECT_TRUE(Operations.isEmpty());
}

TEST_F(InplaceEditorDiagram, TypingEnterAndCtrlEnterWriteCrLfLinesAsOneTextEditOperation) {
  OpenOnBlock();
  Type("X");
  Key(Qt::Key_Return);
  const int oneLine = Memo()->height();
  Type("Y");
  EXPECT_GT(Memo()->height(), 0);
  EXPECT_EQ(Cell->GetText(), "hello") << "nothing is written while typing";
  Key(Qt::Key_End);
  Key(Qt::Key_Return);
  EXPECT_GT(Memo()->height(), oneLine) << "the box grows with the lines";
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Return, Qt::ControlModifier);
  EXPECT_FALSE(Diagram->EditingText());
  EXPECT_EQ(Diagram->EditingCell(), nullptr);
  EXPECT_EQ(Cell->GetText(), "X\r\nYhello");
  EXPECT_EQ(Operations, QStringList{"text edit"});
  EXPECT_EQ(Modifieds, 1);
  ASSERT_EQ(Closed.size(), 1u);
  EXPECT_EQ(Closed[0].Cell, Cell);
  EXPECT_TRUE(Closed[0].Update);
  EXPECT_EQ(Diagram->CellCoveredByEditor(), nullptr);
}

TEST_F(InplaceEditorDiagram, EscapeDiscardsAndAPressOnTheDiagramAccepts) {
  OpenOnBlock();
  Type("gone ");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Diagram->EditingText());
  EXPECT_EQ(Cell->GetText(), "hello");
  EXPECT_TRUE(Operations.isEmpty());
  EXPECT_EQ(Modifieds, 0);
  ASSERT_EQ(Closed.size(), 1u);
  EXPECT_FALSE(Closed[0].Update);

  OpenOnBlock();
  Type("kept ");
  Press(At(500, 350));
  Release(At(500, 350));
  EXPECT_FALSE(Diagram->EditingText());
  EXPECT_EQ(Cell->GetText(), "kept hello");
  EXPECT_EQ(Operations, QStringList{"text edit"}) << "accepted before the press is processed, once";
}

TEST_F(InplaceEditorDiagram, TabAndShiftTabWalkTheEditableCellsWritingEachOnTheWay) {
  const std::vector<TTextCell*> cells = ThreeCells();
  OpenOnBlock();
  Type("a");
  Key(Qt::Key_Tab);
  EXPECT_EQ(Diagram->EditingCell(), cells[2]) << "the read-only cell is skipped";
  EXPECT_EQ(cells[0]->GetText(), "ahello");
  EXPECT_EQ(Operations, QStringList{"text edit"});
  Key(Qt::Key_Tab);
  EXPECT_EQ(Diagram->EditingCell(), cells[0]) << "forward wraps to the first";
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Diagram->EditingCell(), cells[2]);
  EXPECT_EQ(Memo()->toPlainText(), "") << "Tab types nothing";

  // On the only editable cell Tab keeps the editor where it is, text and all.
  cells[0]->SetReadOnly(true);
  Type("z");
  Operations.clear();
  Key(Qt::Key_Tab);
  EXPECT_EQ(Diagram->EditingCell(), cells[2]);
  EXPECT_EQ(Memo()->toPlainText(), "z");
  EXPECT_TRUE(Operations.isEmpty());
}

TEST_F(InplaceEditorDiagram, OpeningWhileOpenAcceptsTheTextTypedSoFarFirst) {
  const std::vector<TTextCell*> cells = ThreeCells();
  OpenOnBlock();
  Type("typed ");
  Diagram->EditTextCell(cells[2]);
  EXPECT_EQ(cells[0]->GetText(), "typed hello");
  EXPECT_EQ(Diagram->EditingCell(), cells[2]);
  EXPECT_EQ(Operations, QStringList{"text edit"});
  ASSERT_EQ(Closed.size(), 1u);
  EXPECT_EQ(Closed[0].Cell, cells[0]);

  // Requests the editor cannot serve leave it as it is.
  Operations.clear();
  Diagram->EditTextCell(cells[1]);
  auto* detached = Create<TDiagramBlock>(Form);
  Diagram->EditTextCell(detached->DefaultTextCell());
  EXPECT_EQ(Diagram->EditingCell(), cells[2]);
  EXPECT_TRUE(Operations.isEmpty());
  detached->Free();
}

TEST_F(InplaceEditorDiagram, EditControlTextFindsTheCellToOpen) {
  const std::vector<TTextCell*> cells = ThreeCells();
  cells[0]->SetReadOnly(true);
  Block->EditText();
  EXPECT_EQ(Diagram->EditingCell(), cells[2]) << "past a read-only first cell";
  Diagram->CloseEditor(false);

  auto* other = NewBlock(400, 100, 50, 50);
  TTestGroup* group = AddGroup({other, Block});
  Diagram->EditControlText(group);
  EXPECT_EQ(Diagram->EditingCell(), other->DefaultTextCell()) << "a group opens its first editable member";
  Diagram->CloseEditor(false);

  other->SetRestrictions(TControlRestrictions{crNoEdit});
  Diagram->EditControlText(other);
  EXPECT_FALSE(Diagram->EditingText());
  cells[0]->SetReadOnly(false);
  Diagram->EditControlText(group);
  EXPECT_EQ(Diagram->EditingCell(), cells[0]) << "members that may not be edited are passed over";
}

TEST_F(InplaceEditorDiagram, AtDoubleZoomTheFontAndTheBoxAreTwiceAsLarge) {
  Cell->GetFont()->SetSize(10);
  Diagram->SetZoom(200);
  OpenOnBlock();
  TFont twenty;
  twenty.Assign(Cell->GetFont());
  twenty.SetSize(20);
  EXPECT_EQ(Memo()->font().pixelSize(), twenty.Handle().pixelSize());
  EXPECT_EQ(Memo()->geometry().topLeft(), At(100, 100));
  EXPECT_NEAR(Memo()->width(), 2 * 201, 1) << "the cell's width plus one unit";
  const int lineHeight = QFontMetrics(Memo()->font()).height();
  EXPECT_NEAR(Memo()->height(), lineHeight + 4, 2) << "one line plus two units";

  // Zooming while open: the next paint brings the box and the font along.
  Diagram->SetZoom(100);
  EXPECT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
  W()->repaint();
  TFont ten;
  ten.Assign(Cell->GetFont());
  EXPECT_EQ(Memo()->font().pixelSize(), ten.Handle().pixelSize());
  EXPECT_EQ(Memo()->geometry().topLeft(), At(100, 100));
  EXPECT_NEAR(Memo()->width(), 201, 1);

  // Scrolling and changes of the cell are followed the same way.
  NewBlock(1500, 1500, 10, 10);
  Diagram->GetHorzScrollBar()->SetPosition(40);
  Cell->SetAlignment(taRightJustify);
  W()->repaint();
  EXPECT_EQ(Memo()->geometry().topLeft(), At(100, 100));
  EXPECT_EQ(At(100, 100).x(), 60);
  EXPECT_EQ(Memo()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(InplaceEditorDiagram, ATinyZoomNeverRoundsTheFontToNothing) {
  Cell->GetFont()->SetSize(8);
  Diagram->SetZoom(1);
  OpenOnBlock();
  TFont one;
  one.Assign(Cell->GetFont());
  one.SetSize(1);
  EXPECT_EQ(Memo()->font().pixelSize(), one.Handle().pixelSize());
  EXPECT_GE(Memo()->font().pixelSize(), 1);
}

TEST_F(InplaceEditorDiagram, LongTextWrapsAndTheBoxGrowsWithTheWrappedLines) {
  OpenOnBlock();
  const int oneLine = Memo()->height();
  Type(QString("word ").repeated(40));
  EXPECT_GE(Memo()->height(), oneLine + 2 * QFontMetrics(Memo()->font()).height());
}

TEST_F(InplaceEditorDiagram, AFailureWhileWritingTheTextIsReportedNotThrownIntoTheEventLoop) {
  std::vector<QString> reported;
  SetApplicationExceptionHandler([&](const Exception& E) { reported.push_back(E.Message()); });
  Diagram->OnOperationEnd = [](TdvDiagram*, const QString&) { throw Exception("undo failed"); };
  OpenOnBlock();
  Type("x");
  Key(Qt::Key_Return, Qt::ControlModifier);
  SetApplicationExceptionHandler(nullptr);
  EXPECT_EQ(reported, std::vector<QString>{"undo failed"});
  EXPECT_EQ(Cell->GetText(), "xhello");
}

TEST_F(InplaceEditorDiagram, AnInputMethodCommitReachesTheText) {
  OpenOnBlock();
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("\xc3\xa9t\xc3\xa9 "));
  QCoreApplication::sendEvent(Memo(), &commit);
  Key(Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(Cell->GetText(), QString::fromUtf8("\xc3\xa9t\xc3\xa9 hello"));
}

TEST_F(InplaceEditorDiagram, FreeingTheEditedControlOrCellClosesWithoutWriting) {
  OpenOnBlock();
  Type("lost");
  Block->Free();
  EXPECT_FALSE(Diagram->EditingText());
  EXPECT_EQ(Diagram->EditingCell(), nullptr);
  EXPECT_EQ(Memo()->GetCell(), nullptr);
  EXPECT_TRUE(Operations.isEmpty());
  ASSERT_EQ(Closed.size(), 1u);
  EXPECT_FALSE(Closed[0].Update);
  W()->repaint();
  Press(At(200, 140));
  Release(At(200, 140));
  EXPECT_TRUE(Operations.isEmpty()) << "a later press has nothing to accept";

  auto* b = NewBlock(100, 100, 200, 80);
  b->GetTextCells()->Add();
  Diagram->EditTextCell(b->GetTextCells()->GetItems(1));
  Closed.clear();
  b->GetTextCells()->Delete(1);
  EXPECT_FALSE(Diagram->EditingText());
  EXPECT_EQ(Closed.size(), 1u);

  // A control leaving the diagram takes its editor along too.
  Diagram->EditControlText(b);
  b->SetDiagram(nullptr);
  EXPECT_FALSE(Diagram->EditingText());
  b->Free();
}

TEST_F(InplaceEditorDiagram, DestroyingTheDiagramWhileEditingReportsNothingAndFreesTheEditor) {
  OpenOnBlock();
  Type("typed");
  QPointer<TDiagramMemo> memo = Memo();
  Diagram->Free();
  Diagram = nullptr;
  EXPECT_TRUE(memo.isNull());
  EXPECT_TRUE(Closed.empty());
  EXPECT_TRUE(Operations.isEmpty());
}

}  // namespace
