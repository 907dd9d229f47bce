// The geometry a polygon block keeps in line with its vertices: bounds, original
// rectangle, rotation centre and vertex handles, through drawing, bounds changes and the
// four kinds of handle drags, at 0 degrees and turned.
#include <gtest/gtest.h>

#include "PolygonFixture.h"
#include "geometry/Squares.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

int VertexHandleCount(TCustomPolygonBlock* P) {
  int n = 0;
  for (int i = 0; i < P->GetHandles()->Count(); ++i) n += P->GetHandles()->GetItems(i)->GetData() == -1;
  return n;
}

THandleMoveInfo HandleStep(TStretchHandle* H, THandleMoveAction A, TDot Delta) {
  THandleMoveInfo info;
  info.AHandle = H;
  info.Action = A;
  info.Delta = Delta;
  return info;
}

}  // namespace

TEST(PolygonGeometry, ADrawnTriangleTakesItsBoxAsBoundsWithAHandlePerVertex) {
  TPolygonFixture f;
  auto* p = f.Draw({{0, 0}, {100, 0}, {50, 80}});
  EXPECT_EQ(p->GetBoundsRect(), (TSquare{0, 0, 100, 80}));
  EXPECT_EQ(p->GetOriginalRect(), (TSquare{0, 0, 100, 80}));
  EXPECT_EQ(p->GetRotationCenter(), (TDot{50, 40}));
  EXPECT_EQ(VertexHandleCount(p), 3);
  EXPECT_NE(p->GetHandles()->FindByData(5), nullptr) << "the block's size handles stay";
  EXPECT_NE(p->GetHandles()->RotateHandle(), nullptr);
  EXPECT_EQ(p->GetHandles()->FindByData(5)->DiagramPoint(), (TDot{100, 80})) << "size handles sit on the box";
  EXPECT_EQ(p->GetLinkPoints()->Count(), 0);
  EXPECT_EQ(p->GetInsertStyle(), isDraw);
  EXPECT_EQ(p->GetShape(), bsNoShape);
}

TEST(PolygonGeometry, BoundsChangesScaleAndMoveTheVerticesAndTheRotationCentre) {
  TPolygonFixture f;
  auto* p = f.Draw({{0, 0}, {100, 0}, {50, 80}});
  p->SetBoundsRect(TSquare{0, 0, 200, 80});
  EXPECT_EQ(TPolygonFixture::Vertices(p), (TDotArray{{0, 0}, {200, 0}, {100, 80}}));
  EXPECT_EQ(p->GetRotationCenter(), (TDot{100, 40}));
  p->MoveBy(10, 5);
  EXPECT_EQ(TPolygonFixture::Vertices(p), (TDotArray{{10, 5}, {210, 5}, {110, 85}}));
  EXPECT_EQ(p->GetOriginalRect(), (TSquare{10, 5, 210, 85}));
  EXPECT_EQ(TPolygonFixture::VertexHandle(p, 2)->DiagramPoint(), (TDot{110, 85}));
}

TEST(PolygonGeometry, VertexHandlesShowTurnedWithTheBlock) {
  TPolygonFixture f;
  // The triangle of the cases above, 100 units further right and down (a diagram keeps
  // what it is given off the negative side).
  auto* p = f.Draw({{100, 100}, {200, 100}, {150, 180}}, 90);
  EXPECT_EQ(p->GetBoundsRect(), (TSquare{100, 100, 200, 180}));
  EXPECT_TRUE(Close(TPolygonFixture::VertexHandle(p, 1)->DiagramPoint(), TDot{190, 190}));
  EXPECT_TRUE(Close(p->GetRotationCenterPoint(), TDot{150, 140}));
  // The turned outline is what is hit: (185, 150) is inside the turned triangle only.
  EXPECT_TRUE(p->PointInControl(TPoint{185, 150}));
  EXPECT_FALSE(p->PointInControl(TPoint{110, 110}));
}

TEST(PolygonGeometry, ChangePolygonGivesNewVerticesHandlesButKeepsTheBounds) {
  TPolygonFixture f;
  auto* p = f.Draw({{0, 0}, {100, 0}, {50, 80}});
  p->GetPolygon()->Add(300, 300);
  p->ChangePolygon(nullptr);
  EXPECT_EQ(p->GetBoundsRect(), (TSquare{0, 0, 100, 80}));
  EXPECT_EQ(VertexHandleCount(p), 4);
  EXPECT_NE(TPolygonFixture::VertexHandle(p, 3), nullptr);
  // A vertex taken out takes its handle along the next time the geometry is brought in line.
  p->GetPolygon()->Delete(3);
  p->ChangePolygon(nullptr);
  EXPECT_EQ(VertexHandleCount(p), 3);
}

TEST(PolygonGeometry, DraggingAVertexReshapesAndRefitsTheBox) {
  TPolygonFixture f;
  auto* p = f.Draw({{0, 0}, {100, 0}, {50, 80}});
  auto preview = HandleStep(TPolygonFixture::VertexHandle(p, 2), haPositionCursor, TDot{0, 40});
  p->UpdateHandleMove(preview);
  EXPECT_EQ(p->GetCursorRect(), (TSquare{0, 0, 100, 120}));
  auto moved = HandleStep(TPolygonFixture::VertexHandle(p, 2), haMoved, TDot{0, 40});
  p->UpdateHandleMove(moved);
  EXPECT_EQ(TPolygonFixture::Vertices(p), (TDotArray{{0, 0}, {100, 0}, {50, 120}}));
  EXPECT_EQ(p->GetBoundsRect(), (TSquare{0, 0, 100, 120}));
  EXPECT_EQ(p->GetRotationCenter(), (TDot{50, 60}));
}

// Turning the dragged vertices back about the centre of their own box would shift the
// whole polygon on screen when the box changes; every vertex must show where it was, and
// the dragged one where it was dropped.
TEST(PolygonGeometry, DraggingAVertexOfATurnedPolygonMovesOnlyThatVertexOnScreen) {
  TPolygonFixture f;
  auto* p = f.Draw({{0, 0}, {100, 0}, {50, 80}}, 30);
  TDotArray before;
  for (int i = 0; i < 3; ++i) before.push_back(TPolygonFixture::VertexHandle(p, i)->DiagramPoint());
  auto moved = HandleStep(TPolygonFixture::VertexHandle(p, 2), haMoved, TDot{25, 40});
  p->UpdateHandleMove(moved);
  EXPECT_TRUE(Close(TPolygonFixture::VertexHandle(p, 0)->DiagramPoint(), before[0]));
  EXPECT_TRUE(Close(TPolygonFixture::VertexHandle(p, 1)->DiagramPoint(), before[1]));
  EXPECT_TRUE(Close(TPolygonFixture::VertexHandle(p, 2)->DiagramPoint(), TDot{before[2].X + 25, before[2].Y + 40}));
  EXPECT_EQ(p->GetBoundsRect(), PolygonBounds(TPolygonFixture::Vertices(p)));
}

TEST(PolygonGeometry, SizeRotateAndCentreHandlesWorkOnTheWholePolygon) {
  TPolygonFixture f;
  f.Diagram->SetHandlesStyle(hsVisio);
  auto* p = f.Draw({{0, 0}, {100, 0}, {50, 80}});
  p->SetSelected(true);
  // Bottom-right size handle: the box grows, the vertices scale with it.
  auto size = HandleStep(p->GetHandles()->FindByData(5), haMoved, TDot{100, 20});
  p->UpdateHandleMove(size);
  EXPECT_EQ(TPolygonFixture::Vertices(p), (TDotArray{{0, 0}, {200, 0}, {100, 100}}));
  // The rotation centre handle moves the centre, in diagram units from the top left.
  auto centre = HandleStep(p->GetHandles()->RotCenterHandle(), haMoved, TDot{-50, 0});
  p->UpdateHandleMove(centre);
  EXPECT_EQ(p->GetRotationCenter(), (TDot{50, 50}));
  EXPECT_EQ(p->GetRotationCenterPoint(), (TDot{50, 50}));
  // The rotate handle turns about that centre; the vertices stay unturned.
  TStretchHandle* rotate = p->GetHandles()->RotateHandle();
  const TDot r = rotate->DiagramPoint(), c = p->GetRotationCenterPoint();
  const TDot turned = TurnDot(r, c, 90);
  auto turn = HandleStep(rotate, haMoved, TDot{turned.X - r.X, turned.Y - r.Y});
  p->UpdateHandleMove(turn);
  EXPECT_EQ(p->GetAngle(), 90);
  EXPECT_TRUE(Close(p->GetRotationCenterPoint(), c)) << "the centre of the turn stays put";
  EXPECT_EQ(PolygonBounds(TPolygonFixture::Vertices(p)), p->GetBoundsRect());
}

TEST(PolygonGeometry, AVertexOfABlockThatMayNotBeResizedCannotBeDragged) {
  TPolygonFixture f;
  auto* p = f.Draw({{0, 0}, {100, 0}, {50, 80}});
  p->SetSelected(true);
  EXPECT_TRUE(TPolygonFixture::VertexHandle(p, 0)->CanDrag());
  p->SetRestrictions(TControlRestrictions{crNoResize});
  EXPECT_FALSE(TPolygonFixture::VertexHandle(p, 0)->CanDrag());
}

TEST(PolygonGeometry, TheShapeStylePreviewSwapsVerticesAndKeepsTheirHandles) {
  TPolygonFixture f;
  auto* p = f.Draw({{0, 0}, {100, 0}, {50, 80}});
  TControlMoveInfo move;
  move.Action = caPositionCursor;
  move.Delta = TDot{10, 10};
  p->UpdateMove(move);
  TStretchHandle* h = TPolygonFixture::VertexHandle(p, 1);
  p->EnterCursorState();
  EXPECT_EQ(TPolygonFixture::Vertices(p), (TDotArray{{10, 10}, {110, 10}, {60, 90}}));
  EXPECT_EQ(TPolygonFixture::VertexHandle(p, 1), h);
  EXPECT_EQ(h->DiagramPoint(), (TDot{110, 10}));
  p->LeaveCursorState();
  EXPECT_EQ(TPolygonFixture::Vertices(p), (TDotArray{{0, 0}, {100, 0}, {50, 80}}));
  EXPECT_EQ(TPolygonFixture::VertexHandle(p, 1), h);

  // A group sets only the preview rectangle: the vertices are carried onto it.
  p->SetCursorGeometry(TSquare{0, 0, 50, 40}, 0, p->GetRotationCenter());
  p->EnterCursorState();
  EXPECT_EQ(TPolygonFixture::Vertices(p), (TDotArray{{0, 0}, {50, 0}, {25, 40}}));
  p->LeaveCursorState();
}

// A document without "Polygon" gives a block without vertices: there is no first vertex
// to close the outline with, and nothing to draw or hit.
TEST(PolygonGeometry, AnEmptyVertexListHasNoOutlineAndIsNeverHit) {
  TPolygonFixture f;
  auto* p = Create<TPolygonBlock>(f.Form);
  EXPECT_TRUE(p->GetPolygon()->ClosedDots().empty());
  p->SetBoundsRect(TSquare{10, 10, 110, 110});
  p->SetDiagram(f.Diagram);
  p->Loaded();
  TDotArray pts{{1, 1}};
  p->GetSurroundPts(pts);
  EXPECT_TRUE(pts.empty());
  EXPECT_FALSE(p->PointInControl(TPoint{60, 60}));
  f.Diagram->SetGraphicLib(dglGDIPlus);
  EXPECT_FALSE(p->PointInControl(TPoint{60, 60}));
}

TEST(PolygonPoints, ClosedDotsRepeatsTheFirstVertexAndHandlesAreFoundByVertex) {
  TPolygonPoints points(nullptr);
  points.Add(1, 2);
  points.Add(3, 4);
  EXPECT_EQ(points.ClosedDots(), (TDotArray{{1, 2}, {3, 4}, {1, 2}}));
  EXPECT_EQ(points.PointOfHandle(nullptr), nullptr);
  TPolygonPoints copy(nullptr);
  copy.Add();
  copy.SetItems(0, points.GetItems(1));
  EXPECT_EQ(copy.GetItems(0)->GetP(), (TDot{3, 4}));
  EXPECT_EQ(copy.GetItems(0)->GetHandle(), nullptr);
  TDotArray flat{{0, 5}, {0, 9}};
  MapPolygonToRect(flat, TSquare{10, 10, 20, 30});
  EXPECT_EQ(flat, (TDotArray{{10, 10}, {10, 30}})) << "a box without width puts X on the left edge";
}
