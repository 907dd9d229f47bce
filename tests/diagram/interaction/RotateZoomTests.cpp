// Turning and resizing turned blocks by their handles, and the zoom mode.
#include <gtest/gtest.h>

#include <cmath>

#include "MouseFixture.h"
#include "diagram/model/StretchHandles.h"
#include "geometry/Squares.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QPoint HandlePixel(TMouseFixture& f, TStretchHandle* h) {
  const TDot p = h->DiagramPoint();
  return f.At(p.X, p.Y);
}

// The handle of a block's handles that lies farthest from the given one (the opposite
// corner of a corner handle).
TStretchHandle* Opposite(TDiagramBlock* b, TStretchHandle* h) {
  TStretchHandle* best = nullptr;
  double bestDist = -1;
  const TDot p = h->DiagramPoint();
  for (int i = 0; i < b->GetHandles()->Count(); ++i) {
    TStretchHandle* o = b->GetHandles()->GetItems(i);
    if (o == b->GetHandles()->RotateHandle() || o == b->GetHandles()->RotCenterHandle()) continue;
    const TDot q = o->DiagramPoint();
    const double d = std::hypot(q.X - p.X, q.Y - p.Y);
    if (d > bestDist) bestDist = d, best = o;
  }
  return best;
}

}  // namespace

TEST(MouseRotate, TheRotateHandleTurnsTheBlockAboutItsCentreAsOneOperation) {
  TMouseFixture f;
  auto* b = f.NewBlock(200, 150, 100, 50);
  b->SetSelected(true);
  TStretchHandle* rotate = b->GetHandles()->RotateHandle();
  ASSERT_NE(rotate, nullptr);
  const TDot centre = SquareCenter(b->GetBoundsRect());
  // From the handle to a quarter turn about the centre.
  const TDot h = rotate->DiagramPoint();
  const QPoint from = HandlePixel(f, rotate);
  f.Press(from);
  EXPECT_EQ(f.Diagram->GetMouseState(), msResizing) << h.X << "," << h.Y;
  const TDot quarter{centre.X - (h.Y - centre.Y), centre.Y + (h.X - centre.X)};
  f.Drag(f.At(quarter.X, quarter.Y));
  f.Release(f.At(quarter.X, quarter.Y));
  const double angle = std::fmod(b->GetAngle() + 360.0, 360.0);
  EXPECT_TRUE(std::fabs(angle - 90) < 1 || std::fabs(angle - 270) < 1) << b->GetAngle();
  const TDot after = SquareCenter(b->GetBoundsRect());
  EXPECT_NEAR(after.X, centre.X, 1);
  EXPECT_NEAR(after.Y, centre.Y, 1);
  EXPECT_EQ(f.Operations, QStringList{"resize"});
}

TEST(MouseRotate, ResizingATurnedBlockKeepsTheOppositeCornerInPlace) {
  TMouseFixture f;
  auto* b = f.NewBlock(200, 150, 100, 60, 30);
  b->SetSelected(true);
  // The corner handle farthest to the lower right on the screen.
  TStretchHandle* corner = nullptr;
  for (int i = 0; i < b->GetHandles()->Count(); ++i) {
    TStretchHandle* h = b->GetHandles()->GetItems(i);
    if (h == b->GetHandles()->RotateHandle() || h == b->GetHandles()->RotCenterHandle()) continue;
    if (!corner || h->DiagramPoint().X + h->DiagramPoint().Y > corner->DiagramPoint().X + corner->DiagramPoint().Y)
      corner = h;
  }
  ASSERT_NE(corner, nullptr);
  TStretchHandle* anchor = Opposite(b, corner);
  const TDot fixed = anchor->DiagramPoint();
  const double widthBefore = b->GetWidth() + b->GetHeight();
  const QPoint from = HandlePixel(f, corner);
  f.DragFromTo(from, from + QPoint(30, 30));
  EXPECT_NEAR(b->GetAngle(), 30, 1e-9);
  EXPECT_GT(b->GetWidth() + b->GetHeight(), widthBefore);
  const TDot now = Opposite(b, corner)->DiagramPoint();
  EXPECT_NEAR(now.X, fixed.X, 1.5);
  EXPECT_NEAR(now.Y, fixed.Y, 1.5);
  EXPECT_EQ(f.Operations, QStringList{"resize"});
}

TEST(MouseZoom, ZoomModeZoomsIntoTheDraggedRectangleAndOutOnAClick) {
  TMouseFixture f;
  f.NewBlock(100, 100, 50, 50);
  f.Diagram->StartZooming(zsZoomIn);
  EXPECT_EQ(f.Diagram->GetMouseState(), msToZoom);
  f.DragFromTo(f.At(100, 100), f.At(250, 200));
  const int zoomedIn = f.Diagram->GetZoom();
  EXPECT_GT(zoomedIn, 100);
  EXPECT_EQ(f.Diagram->GetMouseState(), msToZoom);

  f.Diagram->StartZooming(zsZoomOut);
  f.DragFromTo(f.At(120, 120), f.At(121, 121));
  EXPECT_LT(f.Diagram->GetZoom(), zoomedIn);
  f.Diagram->CancelZooming();
  EXPECT_EQ(f.Diagram->GetMouseState(), msBrowsing);
  EXPECT_TRUE(f.Operations.isEmpty());
}
