// Where a block is and what it covers: angle normalisation, outlines and hit tests of
// every shape, the surrounding rectangle, handle cursors, and list membership.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "BlockFixture.h"
#include "geometry/Conversions.h"
#include "geometry/Predicates.h"
#include "platform/core/Strings.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class BlockGeometry : public ::testing::Test, public TBlockFixture {};

TEST_F(BlockGeometry, AngleIsKeptInsideOneTurn) {
  auto* b = NewBlock(0, 0, 100, 100);
  const std::pair<double, double> cases[] = {{370, 10}, {-90, 270}, {360, 0}, {725, 5}, {-720, 0}, {45.5, 45.5}};
  for (auto [in, out] : cases) {
    b->SetAngle(in);
    EXPECT_DOUBLE_EQ(b->GetAngle(), out) << in;
  }
  b->SetAngle(std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(b->GetAngle(), 45.5) << "a non-finite angle is refused";
}

TEST_F(BlockGeometry, BlocksJoinAndLeaveTheDiagramsBlockList) {
  auto* b = NewBlock(0, 0, 10, 10);
  EXPECT_EQ(Diagram->BlockCount(), 1);
  EXPECT_EQ(Diagram->GetBlocks(0), b);
  b->SetDiagram(nullptr);
  EXPECT_EQ(Diagram->BlockCount(), 0);
}

TEST_F(BlockGeometry, GeometricChangesMoveAnchoredLines) {
  auto* b = NewBlock(0, 0, 100, 100);
  b->GetLinkPoints()->Add(100, 50, aoRight);
  auto* line = AddLine({0, 0}, {10, 10});
  line->Source()->SetAnchor(b);
  line->Source()->SetAnchorIndex(0);
  line->Log.clear();
  b->SetLeft(20);
  EXPECT_NE(std::find(line->Log.begin(), line->Log.end(), "position"), line->Log.end());
  line->Log.clear();
  b->SetAngle(90);
  EXPECT_NE(std::find(line->Log.begin(), line->Log.end(), "position"), line->Log.end());
}

TEST_F(BlockGeometry, LinkPointsTurnWithTheBlock) {
  auto* b = NewBlock(0, 0, 100, 50, 90);
  TLinkPoint* right = b->GetLinkPoints()->Add(100, 50, aoRight);
  // The right middle of a 100x50 block turned a quarter clockwise about (50, 25).
  TDot p = b->GetLinkPointPoint(right);
  EXPECT_NEAR(p.X, 50, 1e-9);
  EXPECT_NEAR(p.Y, 75, 1e-9);
  b->SetHorizontalFlip(true);
  p = b->GetLinkPointPoint(right);
  EXPECT_NEAR(p.X, 50, 1e-9);
  EXPECT_NEAR(p.Y, -25, 1e-9);
}

TEST_F(BlockGeometry, SizeHandleCursorsFollowTheAngle) {
  auto* b = NewBlock(0, 0, 100, 100);
  TStretchHandles* h = b->GetHandles();
  EXPECT_EQ(h->FindByData(1)->GetCursor(), crSizeNWSE);
  EXPECT_EQ(h->FindByData(2)->GetCursor(), crSizeNS);
  EXPECT_EQ(h->FindByData(4)->GetCursor(), crSizeWE);
  b->SetAngle(45);
  EXPECT_EQ(h->FindByData(1)->GetCursor(), crSizeNS);
  EXPECT_EQ(h->FindByData(8)->GetCursor(), crSizeNWSE);
  b->SetAngle(90);
  EXPECT_EQ(h->FindByData(1)->GetCursor(), crSizeNESW);
  EXPECT_EQ(h->GetCount(), 9) << "eight size handles and the rotate handle in the classic style";
}

TEST_F(BlockGeometry, SurroundRectBoundsTheTurnedBlock) {
  auto* b = NewBlock(0, 0, 100, 50, 90);
  TSquare s = b->SurroundRect();
  EXPECT_NEAR(s.Left, 25, 1e-9);
  EXPECT_NEAR(s.Top, -25, 1e-9);
  EXPECT_NEAR(s.Right, 75, 1e-9);
  EXPECT_NEAR(s.Bottom, 75, 1e-9);
  const TSquare bounds{0, 0, 100, 50};
  EXPECT_TRUE(SameSquare(b->ControlRect(), bounds));
}

struct TShapeCase {
  TBlockShape Shape;
  int MinPoints;
  bool CornerInside;  // a point just inside the bounds' top-left corner
};

class ShapeOutlines : public ::testing::TestWithParam<TShapeCase>, public TBlockFixture {};

// Hit tests follow the legacy outline polygon without an engine and the engine's outline
// path with one; both give the same answers.
TEST_P(ShapeOutlines, OutlineStaysInTheBoundsAndHitTestFollowsIt) {
  for (TDgrGraphicLib lib : {dglGDI, dglGDIPlus}) {
  SCOPED_TRACE(lib);
  Diagram->SetGraphicLib(lib);
  const TShapeCase c = GetParam();
  auto* b = NewBlock(100, 100, 200, 100);
  b->SetShape(c.Shape);
  TDotArray pts;
  b->GetSurroundPts(pts);
  if (lib == dglGDI) {
    ASSERT_GE(static_cast<int>(pts.size()), c.MinPoints);
  } else {
    EXPECT_TRUE(pts.empty()) << "an engine block hit-tests its outline path";
  }
  for (const TDot& p : pts) {
    EXPECT_GE(p.X, 99);
    EXPECT_LE(p.X, 301);
    EXPECT_GE(p.Y, 99);
    EXPECT_LE(p.Y, 201);
  }
  EXPECT_TRUE(b->PointInControl(TPoint{200, 150})) << "centre";
  EXPECT_EQ(b->PointInControl(TPoint{101, 101}), c.CornerInside) << "corner";
  EXPECT_FALSE(b->PointInControl(TPoint{90, 150})) << "left of the bounds";
  EXPECT_FALSE(b->PointInControl(TPoint{200, 210})) << "below the bounds";
  // Turned a quarter, the 200x100 block stands 100 wide and 200 high about (200, 150).
  b->SetAngle(90);
  EXPECT_TRUE(b->PointInControl(TPoint{200, 80}));
  EXPECT_FALSE(b->PointInControl(TPoint{110, 150}));
  EXPECT_EQ(Diagram->DControlAtPos(TDot{200, 150}), b);
  b->Free();
  }
}

INSTANTIATE_TEST_SUITE_P(EveryShape, ShapeOutlines,
                         ::testing::Values(TShapeCase{bsNoShape, 5, true}, TShapeCase{bsRectangle, 5, true},
                                           TShapeCase{bsEllipse, 20, false}, TShapeCase{bsRoundRect, 20, false},
                                           TShapeCase{bsDiamond, 5, false}, TShapeCase{bsSquareRound, 20, false}));

TEST_F(BlockGeometry, SelectableTextCellsWidenTheHitArea) {
  auto* b = NewBlock(0, 0, 100, 100);
  b->SetShape(bsEllipse);
  EXPECT_FALSE(b->PointInControl(TPoint{3, 3}));
  b->SetSelectableTextCells(true);
  EXPECT_TRUE(b->PointInControl(TPoint{3, 3})) << "the default cell covers the bounds";
}

TEST_F(BlockGeometry, MinimumSizesAndRotationStepAreClamped) {
  auto* b = NewBlock(0, 0, 10, 10);
  b->SetMinWidth(2);
  b->SetMinHeight(-4);
  EXPECT_EQ(b->GetMinWidth(), 5);
  EXPECT_EQ(b->GetMinHeight(), 5);
  b->SetRotationStep(0);
  EXPECT_EQ(b->GetRotationStep(), 1);
  b->SetRotationStep(500);
  EXPECT_EQ(b->GetRotationStep(), 180);
}

TEST_F(BlockGeometry, StringsAreAViewOfTheDefaultCell) {
  auto* b = NewBlock(0, 0, 10, 10);
  b->GetStrings()->SetText("one\ntwo");
  EXPECT_EQ(b->DefaultTextCell()->GetText(), b->GetStrings()->GetText());
  b->DefaultTextCell()->SetText("three");
  EXPECT_EQ(b->GetStrings()->GetText().trimmed(), "three");
  auto* t = NewBlock<TTextBlock>(0, 0, 10, 10);
  EXPECT_EQ(t->DefaultTextCell()->GetText(), "Text block");
  EXPECT_EQ(t->GetShape(), bsNoShape);
}

}  // namespace
