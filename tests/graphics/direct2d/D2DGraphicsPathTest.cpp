// How the Direct2D path builds figures: joining, figures of their own, arcs, the geometry
// written once, and the matrix applied without touching the points.
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "D2DTestSupport.h"

namespace tarnwick::d2dtest {
namespace {

using D2DGraphicsPathTest = D2DTest;

QList<QPointF> FigureStarts(const QPainterPath& APath) {
  QList<QPointF> starts;
  for (int i = 0; i < APath.elementCount(); ++i)
    if (APath.elementAt(i).isMoveTo()) starts << QPointF(APath.elementAt(i));
  return starts;
}

TEST_F(D2DGraphicsPathTest, LinesJoinTheCurrentPointUntilTheFigureIsEnded) {
  TD2DGraphicsPath path;
  path.AddLine(0, 0, 10, -1);
  path.AddLine(10, 10, 20, 10);  // joined by a segment from (10, -1)
  path.AddLine(20, 10, 20, 20);  // starts where the last ended: no extra segment
  path.StartFigure();
  path.AddLines({{50, 50}, {60, 50}});
  path.CloseFigure(true);
  path.AddBezier(80, 80, 90, 80, 90, 90, 80, 90);
  EXPECT_EQ(path.GetPointCount(), 6);
  EXPECT_EQ(FigureStarts(path.Outline()), (QList<QPointF>{{0, 0}, {50, 50}, {80, 80}}));
}

TEST_F(D2DGraphicsPathTest, FiguresOfTheirOwnKeepTheCurrentPoint) {
  TD2DGraphicsPath path;
  path.AddLine(0, 0, 10, 0);
  path.AddPolygon({{20, 20}, {80, 20}, {80, 80}});  // begins at its last point, closed
  path.AddRectangle(TSquare{0, 50, 10, 60});        // from the top-left corner round, ended open
  path.AddEllipse(50, 50, 20, 20);                  // four quarter arcs
  path.AddLine(30, 0, 40, 0);                       // continues from (10, 0) in a new figure
  EXPECT_EQ(path.GetPointCount(), 1 + 3 + 4 + 4 + 2);
  const QPainterPath outline = path.Outline();
  EXPECT_EQ(FigureStarts(outline), (QList<QPointF>{{0, 0}, {80, 80}, {0, 50}, {60, 50}, {10, 0}}));
  const QList<QPolygonF> figures = outline.toSubpathPolygons();
  EXPECT_EQ(figures.value(1), QPolygonF({{80, 80}, {20, 20}, {80, 20}, {80, 80}}));
  EXPECT_EQ(figures.value(2), QPolygonF({{0, 50}, {10, 50}, {10, 60}, {0, 60}, {0, 50}}));
  EXPECT_TRUE(outline.contains(QPointF(55, 62)));
}

TEST_F(D2DGraphicsPathTest, RoundRectIsFourArcsJoinedBySides) {
  TD2DGraphicsPath path;
  path.AddRoundRect(0, 0, 100, 50, 20, 10);
  EXPECT_EQ(path.GetPointCount(), 7);
}

TEST_F(D2DGraphicsPathTest, ReadingClosesTheGeometryUntilReset) {
  TD2DGraphicsPath path;
  path.AddLine(0, 0, 10, 0);
  EXPECT_EQ(path.GetPointCount(), 1);
  EXPECT_EQ(path.AddLine(10, 0, 10, 10), -1);
  EXPECT_EQ(path.AddEllipse(0, 0, 5, 5), -1);
  EXPECT_EQ(path.GetPointCount(), 1);
  path.Reset();
  EXPECT_EQ(path.GetPointCount(), 0);
  path.Reset();
  EXPECT_EQ(path.AddLine(0, 0, 10, 0), 0);
  EXPECT_EQ(path.GetPointCount(), 1);
}

struct TArcCase {
  double Start, Sweep;
  double SameAsStart, SameAsSweep;
};

void PrintTo(const TArcCase& C, std::ostream* Os) { *Os << C.Start << " / " << C.Sweep; }

class D2DArcTest : public D2DTest, public ::testing::WithParamInterface<TArcCase> {};

TEST_P(D2DArcTest, NormalisesAndClampsItsAngles) {
  const TArcCase& c = GetParam();
  TD2DGraphicsPath given;
  given.AddArc(0, 0, 200, 100, c.Start, c.Sweep);
  TD2DGraphicsPath expected;
  expected.AddArc(0, 0, 200, 100, c.SameAsStart, c.SameAsSweep);
  const QPolygonF a = given.Outline().toFillPolygon();
  const QPolygonF b = expected.Outline().toFillPolygon();
  ASSERT_EQ(a.size(), b.size());
  for (int i = 0; i < a.size(); ++i) EXPECT_LT(QLineF(a[i], b[i]).length(), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Angles, D2DArcTest,
                         ::testing::Values(TArcCase{-90, 90, 270, 90}, TArcCase{450, 45, 90, 45},
                                           TArcCase{30, 720, 30, 360}, TArcCase{30, -400, 30, -360}));

TEST_F(D2DGraphicsPathTest, AFullTurnDrawsTheWholeEllipse) {
  TD2DGraphicsPath path;
  path.AddArc(0, 0, 200, 100, 30, 360);
  const QRectF bounds = path.Outline().boundingRect();
  EXPECT_NEAR(bounds.width(), 200, 0.5);
  EXPECT_NEAR(bounds.height(), 100, 0.5);
}

TEST_F(D2DGraphicsPathTest, ArcsRunBetweenDirectionsFromTheCentre) {
  TD2DGraphicsPath path;
  path.AddArc(0, 0, 200, 100, 0, 45);
  // The ellipse point on the diagonal from the centre (100, 50); the arc's Bezier
  // approximation ends a few hundredths off.
  const double d = 100 / std::sqrt(5.0);
  EXPECT_LT(QLineF(path.Outline().currentPosition(), QPointF(100 + d, 50 + d)).length(), 0.05);
  // Counter-clockwise three quarters from the right: over the top and the left to the
  // bottom, keeping away from the lower right quarter.
  TD2DGraphicsPath back;
  back.AddArc(0, 0, 100, 100, 0, -270);
  const QPolygonF polygon = back.Outline().toFillPolygon();
  auto passes = [&](QPointF P, double Within) {
    return std::any_of(polygon.begin(), polygon.end(), [&](QPointF q) { return QLineF(q, P).length() <= Within; });
  };
  EXPECT_TRUE(passes(QPointF(50, 0), 1));
  EXPECT_TRUE(passes(QPointF(0, 50), 1));
  EXPECT_FALSE(passes(QPointF(85.36, 85.36), 5));
}

TEST_F(D2DGraphicsPathTest, TheMatrixIsAppliedOnUseWithoutChangingThePoints) {
  TD2DGraphicsPath path;
  path.AddPolygon({{0, 0}, {100, 0}, {0, 100}});
  path.SetMatrix(QTransform::fromTranslate(50, 0));
  EXPECT_FALSE(path.IsVisible(5, 5));
  EXPECT_TRUE(path.IsVisible(55, 5));
  // A region keeps the mapped geometry and tests only its bounding box.
  TOwned<TDgrRegion> region(path.CreateRegion());
  path.SetMatrix(QTransform());
  EXPECT_TRUE(path.IsVisible(5, 5));
  path.Reset();
  EXPECT_TRUE(region->IsVisible(TSquare{140, 90, 145, 95}));  // in the box, outside the triangle
  EXPECT_FALSE(region->IsVisible(TSquare{0, 0, 40, 40}));
  EXPECT_TRUE(region->GetHRGN(nullptr).isEmpty());
}

}  // namespace
}  // namespace tarnwick::d2dtest
