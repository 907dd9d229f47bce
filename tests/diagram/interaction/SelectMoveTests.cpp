// Selecting by click and moving the selection by dragging it, through the widget.
#include <gtest/gtest.h>

#include "MouseFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

TSquare Bounds(TDiagramBlock* B) { return B->GetBoundsRect(); }

}  // namespace

TEST(MouseSelect, AClickSelectsFiresTheClickAndMovesNothing) {
  TMouseFixture f;
  auto* b = f.NewBlock(100, 100, 50, 50);
  int clicks = 0;
  f.Diagram->OnDControlClick = [&](TObject*, TDiagramControl* C) { clicks += C == b; };
  f.Press(f.At(125, 125));
  EXPECT_EQ(f.Diagram->GetMouseState(), msMoving);
  f.Release(f.At(125, 125));
  EXPECT_TRUE(b->GetSelected());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Bounds(b), (TSquare{100, 100, 150, 150}));
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  EXPECT_FALSE(f.Operations.contains("move"));

  // A press on empty space clears the selection.
  f.Press(f.At(400, 300));
  f.Release(f.At(400, 300));
  EXPECT_FALSE(b->GetSelected());
}

TEST(MouseSelect, ShiftTogglesCtrlSelectsOnlyTheClickedOneAndAPressKeepsASelection) {
  TMouseFixture f;
  auto* a = f.NewBlock(100, 100, 50, 50);
  auto* b = f.NewBlock(300, 100, 50, 50);
  f.Press(f.At(125, 125));
  f.Release(f.At(125, 125));
  f.Press(f.At(325, 125), Qt::ShiftModifier);
  f.Release(f.At(325, 125), Qt::ShiftModifier);
  EXPECT_TRUE(a->GetSelected());
  EXPECT_TRUE(b->GetSelected());

  // A plain press on a selected control keeps the multiple selection (it may be dragged).
  f.Press(f.At(125, 125));
  f.Release(f.At(125, 125));
  EXPECT_TRUE(a->GetSelected());
  EXPECT_TRUE(b->GetSelected());

  f.Press(f.At(125, 125), Qt::ShiftModifier);
  f.Release(f.At(125, 125), Qt::ShiftModifier);
  EXPECT_FALSE(a->GetSelected());
  EXPECT_TRUE(b->GetSelected());

  f.Press(f.At(125, 125), Qt::ControlModifier);
  f.Release(f.At(125, 125), Qt::ControlModifier);
  EXPECT_TRUE(a->GetSelected());
  EXPECT_FALSE(b->GetSelected());

  // A right press on an unselected control selects it; on a selected one keeps all.
  f.Press(f.At(325, 125), Qt::ShiftModifier);
  f.Release(f.At(325, 125), Qt::ShiftModifier);
  f.Press(f.At(125, 125), {}, Qt::RightButton);
  f.Release(f.At(125, 125), {}, Qt::RightButton);
  EXPECT_TRUE(a->GetSelected());
  EXPECT_TRUE(b->GetSelected());
}

TEST(MouseMove, ADragMovesByTheSnappedTravelAtEveryZoom) {
  struct TCase {
    int Zoom;
    double Expected;
  };
  // 25 pixels are 2.5 grid steps at 100 % (rounded to the even 2) and 1.25 at 200 %.
  for (const TCase& c : {TCase{100, 20}, TCase{200, 10}}) {
    TMouseFixture f;
    f.UseGrid(10);
    f.Diagram->SetZoom(c.Zoom);
    auto* b = f.NewBlock(100, 100, 50, 50);
    int after = 0;
    f.Diagram->OnAfterMove = [&](TObject*) { ++after; };
    const QPoint p = f.At(120, 120);
    f.DragFromTo(p, p + QPoint(25, 0));
    EXPECT_DOUBLE_EQ(Bounds(b).Left, 100 + c.Expected) << c.Zoom;
    EXPECT_DOUBLE_EQ(Bounds(b).Top, 100) << c.Zoom;
    EXPECT_EQ(after, 1);
    EXPECT_EQ(f.Operations.count("move"), 1);
  }
}

TEST(MouseMove, CtrlLocksTheAxisAndASnappedZeroTravelMovesNothing) {
  TMouseFixture f;
  f.Diagram->SetZoom(200);
  auto* b = f.NewBlock(100, 100, 50, 50);
  const QPoint p = f.At(120, 120);
  f.Press(p);
  f.Drag(p + QPoint(30, 10), Qt::ControlModifier);
  f.Release(p + QPoint(30, 10), Qt::ControlModifier);
  EXPECT_EQ(Bounds(b), (TSquare{115, 100, 165, 150}));

  f.Operations.clear();
  f.UseGrid(10);
  const QPoint q = f.At(130, 120);
  f.DragFromTo(q, q + QPoint(4, 4));
  EXPECT_EQ(Bounds(b), (TSquare{115, 100, 165, 150}));
  EXPECT_TRUE(f.Operations.isEmpty());
}

TEST(MouseMove, EscapeMidDragLeavesEverythingWhereItWas) {
  for (TDiagramDragStyle style : {dsOutline, dsShape}) {
    TMouseFixture f;
    f.Diagram->SetDragStyle(style);
    auto* a = f.NewBlock(100, 100, 50, 50);
    auto* b = f.NewBlock(300, 100, 50, 50);
    f.Diagram->SelectAll();
    const QPoint p = f.At(120, 120);
    f.Press(p);
    f.Drag(p + QPoint(40, 30));
    f.W()->repaint();  // the preview is painted from the drag state
    f.Escape();
    EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
    f.Release(p + QPoint(40, 30));
    EXPECT_EQ(Bounds(a), (TSquare{100, 100, 150, 150}));
    EXPECT_EQ(Bounds(b), (TSquare{300, 100, 350, 150}));
    EXPECT_TRUE(f.Operations.isEmpty());
    EXPECT_FALSE(f.Diagram->UsingCache());
  }
}

TEST(MouseMove, AFirstSelectedControlThatMayNotMoveDoesNotStopTheOthers) {
  TMouseFixture f;
  auto* fixed = f.NewBlock(100, 100, 50, 50);
  fixed->SetRestrictions(TControlRestrictions{crNoMove});
  auto* b = f.NewBlock(300, 100, 50, 50);
  f.Press(f.At(125, 125));
  f.Release(f.At(125, 125));
  f.Press(f.At(325, 125), Qt::ShiftModifier);
  f.Release(f.At(325, 125), Qt::ShiftModifier);
  ASSERT_EQ(f.Diagram->GetSelecteds(0), fixed);
  const QPoint p = f.At(325, 125);
  f.DragFromTo(p, p + QPoint(30, 20));
  EXPECT_EQ(Bounds(fixed), (TSquare{100, 100, 150, 150}));
  EXPECT_EQ(Bounds(b), (TSquare{330, 120, 380, 170}));
  EXPECT_EQ(f.Operations.count("move"), 1);
}
