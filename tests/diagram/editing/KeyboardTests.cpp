// The diagram's editing keys pressed on its widget: moving the selection, selecting the
// nearest block, the keyboard resize start, paging, and switching the groups off.
#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "../interaction/MouseFixture.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/view/DiagramScrollBar.h"
#include "diagram/view/SnapGrid.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct Keyboard : ::testing::Test, TMouseFixture {
  void Key(Qt::Key AKey, Qt::KeyboardModifiers M = {}) { QTest::keyClick(W(), AKey, M); }
};

TEST_F(Keyboard, CtrlArrowsMoveTheSelectionByTheGridStepOrOneUnit) {
  auto* a = NewBlock(100, 100, 50, 50);
  auto* fixed = NewBlock(300, 100, 50, 50);
  auto* other = NewBlock(100, 300, 50, 50);
  fixed->SetRestrictions({crNoMove});
  int modified = 0;
  Diagram->OnModified = [&](TObject*) { ++modified; };
  a->SetSelected(true);
  fixed->SetSelected(true);
  Diagram->GetSnapGrid()->SetSizeX(10);
  Diagram->GetSnapGrid()->SetSizeY(20);
  Diagram->GetSnapGrid()->SetActive(true);
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(a->GetLeft(), 110);
  Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(a->GetTop(), 120);
  Key(Qt::Key_Up, Qt::ControlModifier);
  Key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(a->GetBoundsRect(), (TSquare{100, 100, 150, 150}));
  EXPECT_TRUE(Operations.isEmpty()) << "a nudge records no undo step";
  EXPECT_EQ(Diagram->NextUndoAction(), "");
  EXPECT_GE(modified, 4) << "but reports the change";
  EXPECT_EQ(fixed->GetLeft(), 300) << "a control that may not move stays";
  EXPECT_EQ(other->GetTop(), 300) << "only the selection moves";

  Diagram->GetSnapGrid()->SetActive(false);
  Key(Qt::Key_Right, Qt::ControlModifier);
  Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(a->GetBoundsRect(), (TSquare{101, 101, 151, 151}));

  // Nothing selected: nothing moves and nothing is recorded.
  Diagram->UnselectAll();
  Operations.clear();
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_TRUE(Operations.isEmpty());

  // Without kaMove the keys do nothing.
  a->SetSelected(true);
  Diagram->SetKeyActions({kaEscape, kaPage, kaResize, kaSelect});
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(a->GetLeft(), 101);
  EXPECT_TRUE(Operations.isEmpty());
}

TEST_F(Keyboard, ArrowsSelectTheNearestBlockInsideTheWedgeOfTheirDirection) {
  auto* start = NewBlock(200, 200, 50, 50);
  auto* farRight = NewBlock(500, 200, 50, 50);
  auto* nearRight = NewBlock(350, 230, 50, 50);
  auto* outsideWedge = NewBlock(280, 500, 20, 20);  // right of start but far below it
  auto* above = NewBlock(210, 50, 30, 30);
  start->SetSelected(true);
  Key(Qt::Key_Right);
  EXPECT_TRUE(nearRight->GetSelected());
  EXPECT_FALSE(start->GetSelected()) << "the old selection goes";
  Key(Qt::Key_Right);
  EXPECT_TRUE(farRight->GetSelected());
  Key(Qt::Key_Right);
  EXPECT_TRUE(farRight->GetSelected()) << "nothing beyond: the selection stays";
  Key(Qt::Key_Left);
  EXPECT_TRUE(nearRight->GetSelected());
  Key(Qt::Key_Left);
  EXPECT_TRUE(start->GetSelected());
  Key(Qt::Key_Up);
  EXPECT_TRUE(above->GetSelected());
  Key(Qt::Key_Down);
  EXPECT_TRUE(start->GetSelected());
  EXPECT_FALSE(outsideWedge->GetSelected());
  EXPECT_TRUE(Operations.isEmpty()) << "selecting records nothing";

  // With nothing selected the search starts from an inside-out box: Up finds the lowest
  // block lying right of its bottom edge, Down finds nothing.
  Diagram->UnselectAll();
  Key(Qt::Key_Down);
  EXPECT_EQ(Diagram->SelectedCount(), 0);
  Key(Qt::Key_Up);
  EXPECT_TRUE(nearRight->GetSelected());

  Diagram->SetKeyActions({kaEscape, kaMove, kaPage, kaResize});
  Key(Qt::Key_Left);
  EXPECT_TRUE(nearRight->GetSelected());
}

TEST_F(Keyboard, ArrowsSelectAGroupWithItsMembers) {
  auto* start = NewBlock(0, 100, 50, 50);
  auto* a = NewBlock(200, 100, 50, 50);
  auto* b = NewBlock(300, 100, 50, 50);
  a->SetSelected(true);
  b->SetSelected(true);
  TGroupBlock* g = Diagram->GroupSelectedBlocks();
  ASSERT_NE(g, nullptr);
  Diagram->UnselectAll();
  start->SetSelected(true);
  Key(Qt::Key_Right);
  EXPECT_TRUE(g->GetSelected());
  EXPECT_TRUE(a->GetSelected() && b->GetSelected()) << "members are never candidates themselves";
}

TEST_F(Keyboard, ShiftArrowsOnlyForgetTheDragStart) {
  auto* a = NewBlock(100, 100, 50, 50);
  DragFromTo(At(120, 120), At(140, 130));
  ASSERT_NE(Diagram->GetMovingStartPoint(), (TDot{0, 0}));
  const TSquare before = a->GetBoundsRect();
  Operations.clear();
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(Diagram->GetMovingStartPoint(), (TDot{0, 0}));
  EXPECT_EQ(a->GetBoundsRect(), before);
  EXPECT_TRUE(a->GetSelected());
  EXPECT_TRUE(Operations.isEmpty());
}

TEST_F(Keyboard, PageKeysScrollByTheHeightOfTheDrawingArea) {
  NewBlock(100, 3000, 50, 50);
  TDiagramScrollBar* bar = Diagram->GetVertScrollBar();
  ASSERT_EQ(bar->GetPosition(), 0);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(bar->GetPosition(), Diagram->GetClientHeight());
  Key(Qt::Key_PageDown);
  EXPECT_EQ(bar->GetPosition(), 2 * Diagram->GetClientHeight());
  Key(Qt::Key_PageUp);
  EXPECT_EQ(bar->GetPosition(), Diagram->GetClientHeight());
  Diagram->SetKeyActions({kaEscape, kaMove, kaResize, kaSelect});
  Key(Qt::Key_PageUp);
  EXPECT_EQ(bar->GetPosition(), Diagram->GetClientHeight());
}

TEST_F(Keyboard, AKeyTheApplicationConsumedIsNotActedOn) {
  auto* a = NewBlock(100, 100, 50, 50);
  a->SetSelected(true);
  Diagram->OnKeyDown = [](TObject*, uint16_t& AKey, TShiftState) { AKey = 0; };
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(a->GetLeft(), 100);
}

}  // namespace
