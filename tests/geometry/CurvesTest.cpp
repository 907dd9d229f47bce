// Curve flattening: point counts, directions, end points, and the answers to degenerate or
// hostile input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "geometry/Curves.h"
#include "geometry/LineEquations.h"
#include "geometry/Vectors.h"
#include "platform/core/Math.h"

namespace tarnwick {
namespace {

constexpr double Pi = std::numbers::pi;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

void ExpectDotNear(TDot Actual, TDot Expected, double Tol = 1e-9) {
  EXPECT_NEAR(Actual.X, Expected.X, Tol);
  EXPECT_NEAR(Actual.Y, Expected.Y, Tol);
}

double DistanceToPoints(const TDotArray& Pts, TDot P) {
  double Best = std::numeric_limits<double>::infinity();
  for (const TDot& D : Pts) Best = std::min(Best, DotDistance(D, P));
  return Best;
}

bool AllFinite(const TDotArray& Pts) {
  return std::all_of(Pts.begin(), Pts.end(), [](TDot D) { return std::isfinite(D.X) && std::isfinite(D.Y); });
}

// ---- EllipseArcPoints ----

TEST(EllipseArcPoints, OnePixelBoxHasThreeStepsAndRepeatsTheFirstPoint) {
  TDotArray Pts;
  EllipseArcPoints(0, 360, true, 0, 0, 0, 0, Pts);
  ASSERT_EQ(Pts.size(), 5u);  // N = Round(2pi * 0.5) = 3 steps, i0 = 0, i1 = 3
  EXPECT_EQ(Pts[0], Pts[1]);
  ExpectDotNear(Pts[0], Dot(0.5, 0));
  ExpectDotNear(Pts[2], Dot(0.5 * std::cos(2 * Pi / 3), 0.5 * std::sin(2 * Pi / 3)));
}

TEST(EllipseArcPoints, AscendingDegreesRunClockwiseOnScreen) {
  TDotArray Pts;
  // Box 0..99 inclusive: radius 50 about (49.5, 49.5); N = 314, steps 0 .. Round(78.5) = 78.
  EllipseArcPoints(0, 90, true, 0, 0, 99, 99, Pts);
  ASSERT_EQ(Pts.size(), 80u);
  ExpectDotNear(Pts.front(), Dot(99.5, 49.5));  // right
  EXPECT_GT(Pts.back().Y, 99.4);                // ends at the bottom
  EXPECT_GT(Pts[10].Y, Pts[0].Y);               // going down, not up
}

TEST(EllipseArcPoints, DescendingRunsTheSameStepsBackwards) {
  TDotArray Up, Down;
  EllipseArcPoints(30, 200, true, 10, 20, 70, 50, Up);
  EllipseArcPoints(30, 200, false, 10, 20, 70, 50, Down);
  ASSERT_EQ(Up.size(), Down.size());
  EXPECT_EQ(Down[0], Down[1]);
  for (size_t K = 1; K < Down.size(); ++K) EXPECT_EQ(Down[K], Up[Up.size() - K]) << K;
}

TEST(EllipseArcPoints, BoxesWithoutAStepGiveTheTwoCorners) {
  TDotArray Pts;
  EllipseArcPoints(0, 360, true, 5, 5, 4, 10, Pts);  // zero width
  EXPECT_EQ(Pts, (TDotArray{Dot(5, 5), Dot(4, 10)}));
  EllipseArcPoints(0, 360, true, 5, 5, 4.05, 4.05, Pts);  // radius 0.025: N rounds to 0
  EXPECT_EQ(Pts, (TDotArray{Dot(5, 5), Dot(4.05, 4.05)}));
}

TEST(EllipseArcPoints, HostileInputStaysBounded) {
  TDotArray Pts;
  EllipseArcPoints(0, 360, true, 0, 0, 1e12, 1e12, Pts);
  EXPECT_EQ(Pts.size(), static_cast<size_t>(MaxCurvePoints) + 2);
  EXPECT_TRUE(AllFinite(Pts));
  EllipseArcPoints(0, std::numeric_limits<int>::max(), true, 0, 0, 99, 99, Pts);
  EXPECT_EQ(Pts.size(), 2u);
  EllipseArcPoints(0, 360, true, 0, NaN, 99, 99, Pts);
  EXPECT_EQ(Pts.size(), 2u);
}

// ---- RoundRectPoints ----

TEST(RoundRectPoints, IsAClosedClockwiseOutline) {
  TDotArray Pts;
  RoundRectPoints(0, 0, 99, 49, 20, 20, Pts);
  ASSERT_GT(Pts.size(), 8u);
  EXPECT_EQ(Pts.front(), Pts.back());
  double Area2 = 0;  // shoelace; positive is clockwise when y points down
  for (size_t K = 0; K + 1 < Pts.size(); ++K) Area2 += Pts[K].X * Pts[K + 1].Y - Pts[K + 1].X * Pts[K].Y;
  EXPECT_GT(Area2 / 2, 0.9 * 99 * 49);
  for (TDot P : Pts) {
    EXPECT_TRUE(P.X >= -1 && P.X <= 100 && P.Y >= -1 && P.Y <= 50) << P.X << "," << P.Y;
  }
}

// ---- ArcThrough3Points ----

struct TArcCase {
  const char* Name;
  TDot P1, P2, P3;
  double Sweep;  // radians, on a circle of radius 10 about the origin
};

class ArcThrough3PointsTest : public ::testing::TestWithParam<TArcCase> {};

TEST_P(ArcThrough3PointsTest, RunsFromP1ToP2ThroughP3) {
  const TArcCase& C = GetParam();
  TDotArray Pts;
  ArcThrough3Points(Pts, C.P1.X, C.P1.Y, C.P2.X, C.P2.Y, C.P3.X, C.P3.Y);
  ASSERT_EQ(Pts.size(), static_cast<size_t>(Round(C.Sweep * 10))) << C.Name;
  ExpectDotNear(Pts.front(), C.P1);
  ExpectDotNear(Pts.back(), C.P2);
  EXPECT_LT(DistanceToPoints(Pts, C.P3), 0.6) << C.Name;
  for (TDot P : Pts) EXPECT_NEAR(DotDistance(P, Dot(0, 0)), 10, 1e-9);
}

// Angles counter-clockwise on screen: 0 right (10,0), pi/2 top (0,-10), pi left, 3pi/2 bottom.
INSTANTIATE_TEST_SUITE_P(
    Geometry, ArcThrough3PointsTest,
    ::testing::Values(
        TArcCase{"t1 <= t3 < t2, increasing", Dot(10, 0), Dot(-10, 0), Dot(0, -10), Pi},
        TArcCase{"t2 <= t3 < t1, decreasing", Dot(-10, 0), Dot(10, 0), Dot(0, -10), Pi},
        TArcCase{"t1 <= t2 <= t3, decreasing through 0", Dot(10, 0), Dot(0, -10), Dot(-10, 0), 3 * Pi / 2},
        TArcCase{"t3 < t1 <= t2, decreasing through 0", Dot(0, -10), Dot(-10, 0), Dot(10, 0), 3 * Pi / 2},
        TArcCase{"t2 < t1 <= t3, increasing through 0", Dot(0, -10), Dot(10, 0), Dot(-10, 0), 3 * Pi / 2},
        TArcCase{"t3 < t2 < t1, increasing through 0", Dot(-10, 0), Dot(0, -10), Dot(10, 0), 3 * Pi / 2}));

TEST(ArcThrough3Points, CollinearPointsGiveP1P3P2) {
  TDotArray Pts;
  ArcThrough3Points(Pts, 0, 0, 10, 10, 5, 5);
  EXPECT_EQ(Pts, (TDotArray{Dot(0, 0), Dot(5, 5), Dot(10, 10)}));
}

TEST(ArcThrough3Points, ArcsTooShortForTwoPoints) {
  TDotArray Pts;
  // Chord 1, sagitta 0.1: arc length about 1.03, one point.
  ArcThrough3Points(Pts, 0, 0, 1, 0, 0.5, -0.1);
  EXPECT_EQ(Pts, (TDotArray{Dot(0, 0)}));
  ArcThrough3Points(Pts, 0, 0, 0.3, 0, 0.15, -0.03);
  EXPECT_TRUE(Pts.empty());
}

TEST(ArcThrough3Points, HostileInputStaysBounded) {
  TDotArray Pts;
  ArcThrough3Points(Pts, 0, 0, 1e15, 0, 5e14, 1e14);
  EXPECT_LE(Pts.size(), static_cast<size_t>(MaxCurvePoints));
  EXPECT_TRUE(AllFinite(Pts));
  ArcThrough3Points(Pts, 0, 0, NaN, 0, 5, 5);
  EXPECT_EQ(Pts.size(), 3u);
}

// ---- ParabolaThrough3Points ----

TEST(ParabolaThrough3Points, HundredPointsThroughAllThree) {
  TDotArray Pts;
  ParabolaThrough3Points(Pts, 0, 0, 99, 0, 33, -20);
  ASSERT_EQ(Pts.size(), 100u);
  ExpectDotNear(Pts.front(), Dot(0, 0));
  ExpectDotNear(Pts.back(), Dot(99, 0));
  ExpectDotNear(Pts[33], Dot(33, -20));
}

TEST(ParabolaThrough3Points, WorksInTheFrameOfTheChord) {
  TDotArray Pts;
  ParabolaThrough3Points(Pts, 10, 10, 10, 109, 30, 43);  // chord straight down the screen
  ASSERT_EQ(Pts.size(), 100u);
  ExpectDotNear(Pts.front(), Dot(10, 10), 1e-6);
  ExpectDotNear(Pts.back(), Dot(10, 109), 1e-6);
  ExpectDotNear(Pts[33], Dot(30, 43), 1e-6);
}

TEST(ParabolaThrough3Points, WithoutAParabolaGivesP1P3P2) {
  const TArcCase Cases[] = {
      {"collinear", Dot(0, 0), Dot(10, 0), Dot(5, 0), 0},
      {"P3 above P1", Dot(0, 0), Dot(10, 0), Dot(0, 5), 0},
      {"P3 above P2", Dot(0, 0), Dot(10, 0), Dot(10, -5), 0},
      {"P3 above P1, turned chord", Dot(0, 0), Dot(10, 10), Dot(-5, 5), 0},
  };
  for (const TArcCase& C : Cases) {
    TDotArray Pts;
    ParabolaThrough3Points(Pts, C.P1.X, C.P1.Y, C.P2.X, C.P2.Y, C.P3.X, C.P3.Y);
    EXPECT_EQ(Pts, (TDotArray{C.P1, C.P3, C.P2})) << C.Name;
  }
}

TEST(Solve3x3, RefusesASingularSystem) {
  // Two rows with the same x: x^2, x, 1 repeat with different right-hand sides.
  const double Singular[3][4] = {{4, 2, 1, 1}, {4, 2, 1, 3}, {0, 0, 1, 0}};
  double X[3] = {7, 7, 7};
  EXPECT_FALSE(Solve3x3(Singular, X));
  EXPECT_EQ(X[0] + X[1] + X[2], 0);
}

// ---- HermiteCurvePoints ----

TEST(HermiteCurvePoints, FactorThreeIsTheCubicBezier) {
  const TDot Q0 = Dot(0, 0), Q1 = Dot(0, 30), Q2 = Dot(60, 30), Q3 = Dot(60, 0);
  TDotArray Pts;
  HermiteCurvePoints(Pts, Q0.X, Q0.Y, Q1.X, Q1.Y, Q2.X, Q2.Y, Q3.X, Q3.Y, 3);
  // Round(30 + 67.08 + 30) div 5
  ASSERT_EQ(Pts.size(), 25u);
  for (size_t K = 0; K < Pts.size(); ++K) {
    const double S = static_cast<double>(K) / 24, T = 1 - S;
    const double B0 = T * T * T, B1 = 3 * T * T * S, B2 = 3 * T * S * S, B3 = S * S * S;
    ExpectDotNear(Pts[K],
                  Dot(B0 * Q0.X + B1 * Q1.X + B2 * Q2.X + B3 * Q3.X, B0 * Q0.Y + B1 * Q1.Y + B2 * Q2.Y + B3 * Q3.Y));
  }
}

TEST(HermiteCurvePoints, TooShortToFlattenGivesTheChord) {
  TDotArray Pts;
  HermiteCurvePoints(Pts, 0, 0, 1, 0, 2, 0, 3, 0, 3);  // length 4: N = 0
  EXPECT_EQ(Pts, (TDotArray{Dot(0, 0), Dot(3, 0)}));
  HermiteCurvePoints(Pts, 0, 0, 2, 0, 4, 0, 6, 0, 3);  // length 8: N = 1
  EXPECT_EQ(Pts, (TDotArray{Dot(0, 0), Dot(6, 0)}));
  HermiteCurvePoints(Pts, 0, 0, 200, 0, 400, 0, 600, 0, NaN);
  EXPECT_EQ(Pts, (TDotArray{Dot(0, 0), Dot(600, 0)}));
}

TEST(HermiteCurvePoints, HostileInputStaysBounded) {
  TDotArray Pts;
  HermiteCurvePoints(Pts, 0, 0, 1e300, 0, 1e300, 1e300, 0, 1e300, 3);
  EXPECT_LE(Pts.size(), static_cast<size_t>(MaxCurvePoints));
}

}  // namespace
}  // namespace tarnwick
