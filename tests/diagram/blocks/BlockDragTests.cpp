// Dragging a block: resizing with each size handle (turned or not, with minimum sizes and
// kept proportions), turning with the rotate handle, moving the rotation centre, moving,
// inserting, and the preview geometry swapped in while a drag is painted.
#include <gtest/gtest.h>

#include <cmath>

#include "BlockFixture.h"
#include "geometry/Predicates.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class BlockDrag : public ::testing::Test, public TBlockFixture {
 protected:
  TStretchHandle* Handle(TCustomDiagramBlock* B, int AData) { return B->GetHandles()->FindByData(AData); }
  // Drags a handle the whole way: the step the diagram takes on mouse up.
  void Drag(TCustomDiagramBlock* B, int AData, TDot Delta) {
    THandleMoveInfo info;
    info.AHandle = Handle(B, AData);
    info.Action = haMoved;
    info.Delta = Delta;
    B->UpdateHandleMove(info);
  }
};

void ExpectNear(TDot A, TDot B, const char* What) {
  EXPECT_NEAR(A.X, B.X, 1e-6) << What;
  EXPECT_NEAR(A.Y, B.Y, 1e-6) << What;
}

struct TResizeCase {
  int Handle;
  int Fixed;  // the handle that must stay where it is
};

class SizeHandles : public BlockDrag, public ::testing::WithParamInterface<TResizeCase> {};

TEST_P(SizeHandles, TheOppositeHandleStaysPutOnATurnedBlock) {
  const auto [handle, fixed] = GetParam();
  for (double angle : {0.0, 30.0, 135.0}) {
    auto* b = NewBlock(100, 100, 120, 80, angle);
    const TDot before = b->GetHandlePoint(Handle(b, fixed));
    Drag(b, handle, TDot{17, -9});
    ExpectNear(b->GetHandlePoint(Handle(b, fixed)), before, "fixed handle");
    EXPECT_DOUBLE_EQ(b->GetAngle(), angle);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryHandle, SizeHandles,
                         ::testing::Values(TResizeCase{1, 5}, TResizeCase{2, 7}, TResizeCase{3, 7}, TResizeCase{4, 1},
                                           TResizeCase{5, 1}, TResizeCase{6, 1}, TResizeCase{7, 3},
                                           TResizeCase{8, 3}));

TEST_F(BlockDrag, CornerHandleOfATurnedBlockLandsUnderTheMouse) {
  auto* b = NewBlock(0, 0, 100, 60, 30);
  const TDot target{b->GetHandlePoint(Handle(b, 1)).X - 10, b->GetHandlePoint(Handle(b, 1)).Y - 20};
  Drag(b, 1, TDot{-10, -20});
  ExpectNear(b->GetHandlePoint(Handle(b, 1)), target, "dragged corner");
}

TEST_F(BlockDrag, EdgeHandlesDropTheDragAlongTheirEdge) {
  auto* b = NewBlock(0, 0, 100, 60);
  Drag(b, 2, TDot{40, -10});
  EXPECT_DOUBLE_EQ(b->GetWidth(), 100);
  EXPECT_DOUBLE_EQ(b->GetHeight(), 70);
  EXPECT_DOUBLE_EQ(b->GetLeft(), 0);
  auto* c = NewBlock(0, 0, 100, 60, 30);
  Drag(c, 4, TDot{0, 25});
  EXPECT_NEAR(c->GetHeight(), 60, 1e-9);
}

TEST_F(BlockDrag, MinimumWidthStopsTheResizeAndKeepsTheOppositeEdge) {
  auto* b = NewBlock(0, 0, 100, 100);
  Drag(b, 4, TDot{-90, 0});
  EXPECT_DOUBLE_EQ(b->GetWidth(), 40);
  EXPECT_DOUBLE_EQ(b->GetLeft(), 0);
  auto* c = NewBlock(0, 0, 100, 100);
  Drag(c, 8, TDot{95, 0});
  EXPECT_DOUBLE_EQ(c->GetWidth(), 40);
  EXPECT_DOUBLE_EQ(c->GetRight(), 100);
  auto* d = NewBlock(0, 0, 100, 100, 30);
  const TDot fixed = d->GetHandlePoint(Handle(d, 5));
  // (80, 30) in the block's own frame: the width would drop to 20, the height to 70.
  const double r = 30 * M_PI / 180;
  Drag(d, 1, TDot{80 * std::cos(r) - 30 * std::sin(r), 80 * std::sin(r) + 30 * std::cos(r)});
  EXPECT_NEAR(d->GetWidth(), 40, 1e-9);
  EXPECT_NEAR(d->GetHeight(), 70, 1e-9);
  ExpectNear(d->GetHandlePoint(Handle(d, 5)), fixed, "opposite corner");
}

TEST_F(BlockDrag, KeepRatioSetsTheHeightFromTheWidth) {
  auto* b = NewBlock(0, 0, 100, 50);
  b->SetRestrictions(TControlRestrictions{crKeepRatio});
  Drag(b, 5, TDot{100, 10});
  EXPECT_DOUBLE_EQ(b->GetWidth(), 200);
  EXPECT_DOUBLE_EQ(b->GetHeight(), 100);
  EXPECT_DOUBLE_EQ(b->GetLeft(), 0);
  EXPECT_DOUBLE_EQ(b->GetTop(), 0);
}

TEST_F(BlockDrag, NoResizeRestrictionKeepsTheBounds) {
  auto* b = NewBlock(0, 0, 100, 50);
  b->SetRestrictions(TControlRestrictions{crNoResize});
  Drag(b, 5, TDot{30, 30});
  EXPECT_DOUBLE_EQ(b->GetWidth(), 100);
}

TEST_F(BlockDrag, RotationSnapsToTheRotationStep) {
  auto* b = NewBlock(0, 0, 100, 100);
  b->SetRotationStep(15);
  for (TDot delta : {TDot{3, 7}, TDot{-20, 35}, TDot{-50, -12}, TDot{1, 1}, TDot{-130, 80}}) {
    const double a = b->AngleForHandle(b->GetHandles()->RotateHandle(), delta);
    EXPECT_DOUBLE_EQ(std::fmod(a, 15.0), 0.0) << a;
  }
  // The rotate handle sits right of the centre; dragging it straight down turns a quarter.
  TStretchHandle* rotate = b->GetHandles()->RotateHandle();
  const TDot h = b->GetHandlePoint(rotate);
  const TDot c = b->GetRotationCenterPoint();
  Drag(b, 9, TDot{c.X - h.X, c.Y + (h.X - c.X) - h.Y});
  EXPECT_DOUBLE_EQ(b->GetAngle(), 90);
  ExpectNear(b->GetRotationCenterPoint(), c, "the block turned about its centre");
}

TEST_F(BlockDrag, TurningAboutAnOffCentreRotationCentreMovesTheBounds) {
  auto* b = NewBlock(0, 0, 100, 100);
  b->SetRotationCenter(TDot{0, 0});
  const TSquare r = b->RotatedBoundsForHandle(b->GetHandles()->RotateHandle(), TDot{-40, 50});
  const double a = b->AngleForHandle(b->GetHandles()->RotateHandle(), TDot{-40, 50});
  ASSERT_NE(a, 0);
  EXPECT_NEAR(r.Right - r.Left, 100, 1e-9) << "the size is kept";
  // The centre (50, 50) turns about (0, 0).
  const double rad = a * M_PI / 180;
  EXPECT_NEAR((r.Left + r.Right) / 2, 50 * std::cos(rad) - 50 * std::sin(rad), 1e-9);
  EXPECT_NEAR((r.Top + r.Bottom) / 2, 50 * std::sin(rad) + 50 * std::cos(rad), 1e-9);
}

TEST_F(BlockDrag, TheRotationCentreFollowsItsHandle) {
  Diagram->SetHandlesStyle(hsVisio);
  auto* b = NewBlock(0, 0, 100, 200, 90);
  TStretchHandle* centre = b->GetHandles()->RotCenterHandle();
  ASSERT_NE(centre, nullptr);
  const TDot before = b->GetRotationCenterPoint();
  Drag(b, 10, TDot{10, -20});
  ExpectNear(b->GetRotationCenterPoint(), TDot{before.X + 10, before.Y - 20}, "moved centre");
  auto* c = NewBlock(0, 0, 100, 100);
  EXPECT_TRUE(SameDot(c->RotCenterForHandle(nullptr, TDot{10, -20}), TDot{60, 30}));
}

TEST_F(BlockDrag, ATextBlockHasNoRotateHandlePosition) {
  auto* t = NewBlock<TTextBlock>(0, 0, 100, 50);
  EXPECT_TRUE(IsInvalidDot(t->GetHandlePoint(t->GetHandles()->RotateHandle())));
  EXPECT_DOUBLE_EQ(t->AngleForHandle(t->GetHandles()->RotateHandle(), TDot{10, 10}), 0);
}

TEST_F(BlockDrag, MovingAndInserting) {
  auto* b = NewBlock(0, 0, 100, 50);
  TControlMoveInfo move;
  move.Action = caMoved;
  move.Delta = TDot{5, 7};
  b->UpdateMove(move);
  EXPECT_DOUBLE_EQ(b->GetLeft(), 5);
  EXPECT_DOUBLE_EQ(b->GetTop(), 7);

  auto* click = Create<TDiagramBlock>(Form);
  TControlInsertInfo insert;
  insert.Action = iaInserted;
  insert.Clicked = true;
  insert.P1 = TDot{30, 40};
  insert.P2 = TDot{31, 41};
  click->UpdateInsert(insert);
  const TSquare expected{30, 40, 80, 90};
  EXPECT_TRUE(SameSquare(click->GetBoundsRect(), expected));

  insert.Clicked = false;
  insert.P2 = TDot{10, 10};
  click->UpdateInsert(insert);
  const TSquare dragged{10, 10, 30, 40};
  EXPECT_TRUE(SameSquare(click->GetBoundsRect(), dragged)) << "a drag spans the two points";
  click->Free();
}

TEST_F(BlockDrag, PreviewGeometryIsSwappedInAndBack) {
  auto* b = NewBlock(0, 0, 100, 50);
  THandleMoveInfo info;
  info.AHandle = Handle(b, 5);
  info.Action = haPositionCursor;
  info.Delta = TDot{20, 30};
  b->UpdateHandleMove(info);
  EXPECT_DOUBLE_EQ(b->GetWidth(), 100) << "positioning the preview changes nothing yet";
  b->EnterCursorState();
  EXPECT_DOUBLE_EQ(b->GetWidth(), 120);
  EXPECT_DOUBLE_EQ(b->GetHeight(), 80);
  b->LeaveCursorState();
  EXPECT_DOUBLE_EQ(b->GetWidth(), 100);
  EXPECT_DOUBLE_EQ(b->GetHeight(), 50);
}

}  // namespace
