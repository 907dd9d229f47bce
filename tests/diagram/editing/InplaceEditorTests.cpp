// The in-place text editor, driven by real key events: it opens over the cell in the
// cell's font at the zoom, grows with the text from the cell's anchored edge, and turns
// Ctrl+Enter, Escape, Tab and Shift+Tab into requests for the diagram.
#include <gtest/gtest.h>

#include <QTest>

#include "../blocks/BlockFixture.h"
#include "diagram/view/DiagramMemo.h"
#include "platform/gui/Font.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class InplaceEditor : public ::testing::Test, public TBlockFixture {
 protected:
  InplaceEditor() {
    ShowInWindow();
    Diagram->SetBounds(0, 0, 600, 400);
    Block = NewBlock(100, 100, 200, 80);
    Cell = Block->GetTextCells()->Count() > 0 ? Block->GetTextCells()->GetItems(0) : Block->GetTextCells()->Add();
    Cell->SetText("hello");
    Memo = new TDiagramMemo(Diagram, Diagram->GetHandle());
    Memo->OnAccept = [this] { ++Accepted; };
    Memo->OnDiscard = [this] { ++Discarded; };
    Memo->OnTab = [this](bool forward) { Tabs.push_back(forward); };
  }
  TSquare CellOnCanvas() const { return Diagram->ClientToCanvas(Cell->GetDiagramRect()); }

  TDiagramBlock* Block = nullptr;
  TTextCell* Cell = nullptr;
  TDiagramMemo* Memo = nullptr;  // the diagram's window owns it
  int Accepted = 0, Discarded = 0;
  std::vector<bool> Tabs;
};

TEST_F(InplaceEditor, OpensOverTheCellWithItsTextAndTheCaretAtTheStart) {
  bool filled = false;
  Memo->Open(Cell, [&] { filled = Memo->toPlainText() == "hello"; });
  EXPECT_TRUE(filled) << "the application sees the filled editor before it shows";
  EXPECT_FALSE(Memo->isHidden());
  EXPECT_EQ(Memo->GetCell(), Cell);
  EXPECT_EQ(Memo->textCursor().position(), 0);
  const TSquare c = CellOnCanvas();
  EXPECT_NEAR(Memo->geometry().left(), c.Left, 1);
  EXPECT_NEAR(Memo->geometry().width(), c.Right - c.Left + 1, 1);
  QTest::keyClicks(Memo, "X");
  EXPECT_EQ(Memo->EditedText(), "Xhello");
  EXPECT_EQ(Cell->GetText(), "hello") << "the editor does not write the cell itself";
}

TEST_F(InplaceEditor, CtrlEnterAcceptsEnterBreaksTheLineEscapeDiscards) {
  Memo->Open(Cell);
  QTest::keyClick(Memo, Qt::Key_End);
  QTest::keyClick(Memo, Qt::Key_Return);
  QTest::keyClicks(Memo, "world");
  EXPECT_EQ(Memo->EditedText(), "hello\r\nworld") << "lines are kept with CR LF";
  EXPECT_EQ(Accepted, 0);
  QTest::keyClick(Memo, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(Accepted, 1);
  EXPECT_EQ(Memo->EditedText(), "hello\r\nworld") << "Ctrl+Enter adds no line";
  QTest::keyClick(Memo, Qt::Key_Escape);
  EXPECT_EQ(Discarded, 1);
}

TEST_F(InplaceEditor, TabAndShiftTabAskForTheNextAndPreviousCellAndTypeNothing) {
  Memo->Open(Cell);
  QTest::keyClick(Memo, Qt::Key_Tab);
  QTest::keyClick(Memo, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Tabs, (std::vector<bool>{true, false}));
  EXPECT_EQ(Memo->EditedText(), "hello");
  EXPECT_TRUE(Memo->hasFocus() || !Memo->isActiveWindow()) << "focus stays in the editor";
}

TEST_F(InplaceEditor, TheFontAndTheBoxScaleWithTheZoom) {
  Cell->GetFont()->SetSize(10);
  Memo->Open(Cell);
  const int size100 = Memo->font().pixelSize() > 0 ? Memo->font().pixelSize() : Memo->font().pointSize();
  const int width100 = Memo->geometry().width();
  Memo->Close();
  Diagram->SetZoom(200);
  Memo->Open(Cell);
  const int size200 = Memo->font().pixelSize() > 0 ? Memo->font().pixelSize() : Memo->font().pointSize();
  EXPECT_NEAR(size200, 2 * size100, 1);
  EXPECT_NEAR(Memo->geometry().width(), 2 * width100, 2);
  Memo->Close();
  Diagram->SetZoom(1);
  Memo->Open(Cell);
  EXPECT_GE(Memo->font().pixelSize() > 0 ? Memo->font().pixelSize() : Memo->font().pointSize(), 1)
      << "a tiny zoom never rounds the font to nothing";
}

TEST_F(InplaceEditor, TheBoxGrowsFromTheEdgeTheCellIsAlignedTo) {
  for (TVertAlign align : {vaTop, vaBottom, vaCenter}) {
    Cell->SetVertAlign(align);
    Memo->Open(Cell);
    const QRect one = Memo->geometry();
    QTest::keyClick(Memo, Qt::Key_End);
    QTest::keyClick(Memo, Qt::Key_Return);
    QTest::keyClicks(Memo, "two");
    const QRect two = Memo->geometry();
    EXPECT_GT(two.height(), one.height()) << align;
    switch (align) {
      case vaTop:
        EXPECT_EQ(two.top(), one.top());
        break;
      case vaBottom:
        EXPECT_EQ(two.bottom(), one.bottom());
        EXPECT_NEAR(two.top() + two.height(), CellOnCanvas().Bottom, 1);
        break;
      case vaCenter:
        EXPECT_NEAR(two.center().y(), one.center().y(), 1);
        break;
    }
    Memo->Close();
    EXPECT_TRUE(Memo->isHidden());
    EXPECT_EQ(Memo->GetCell(), nullptr);
  }
}

}  // namespace
