// Vectors, distances, angles and the similarity that carries inner line points along.
#include <gtest/gtest.h>

#include <numbers>

#include "geometry/Angles.h"
#include "geometry/Vectors.h"

namespace tarnwick {
namespace {

constexpr double Pi = std::numbers::pi;

void ExpectDotNear(TDot Actual, TDot Expected, double Tol = 1e-9) {
  EXPECT_NEAR(Actual.X, Expected.X, Tol);
  EXPECT_NEAR(Actual.Y, Expected.Y, Tol);
}

struct TAngleCase {
  TDot P;
  double Expected;
};

class PointAngleTest : public ::testing::TestWithParam<TAngleCase> {};

// Angles grow counter-clockwise on the screen (y points down).
TEST_P(PointAngleTest, AroundOrigin) {
  EXPECT_DOUBLE_EQ(PointAngle(GetParam().P.X, GetParam().P.Y, 0, 0), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Geometry, PointAngleTest,
                         ::testing::Values(TAngleCase{Dot(5, 0), 0},           // right
                                           TAngleCase{Dot(0, -5), Pi / 2},     // above
                                           TAngleCase{Dot(-5, 0), Pi},         // left
                                           TAngleCase{Dot(0, 5), 3 * Pi / 2},  // below
                                           TAngleCase{Dot(0, 0), Pi / 2},      // centre
                                           TAngleCase{Dot(1, -1), Pi / 4}, TAngleCase{Dot(-1, -1), 3 * Pi / 4},
                                           TAngleCase{Dot(-1, 1), 5 * Pi / 4}, TAngleCase{Dot(1, 1), 7 * Pi / 4}));

TEST(Angles, PolarDotAndRotateDotAroundTurnCounterClockwiseOnScreen) {
  ExpectDotNear(PolarDot(Pi / 2, 10, 100, 100), Dot(100, 90));
  double X = 110, Y = 100;
  RotateDotAround(X, Y, 100, 100, Pi / 2);
  ExpectDotNear(Dot(X, Y), Dot(100, 90));
}

TEST(Angles, MapDotBySegmentsTakesEachSegmentEndFirst) {
  // O -> E runs right with length 10; O2 -> E2 runs up the screen with length 20.
  const TDot E = Dot(10, 0), O = Dot(0, 0), E2 = Dot(100, 80), O2 = Dot(100, 100);
  ExpectDotNear(MapDotBySegments(Dot(5, 0), E, O, E2, O2), Dot(100, 90));
  ExpectDotNear(MapDotBySegments(Dot(0, -5), E, O, E2, O2), Dot(90, 100));
  ExpectDotNear(MapDotBySegments(E, E, O, E2, O2), E2);
  // A zero-length source segment keeps the scale at 1.
  ExpectDotNear(MapDotBySegments(Dot(3, 0), O, O, E2, O2), Dot(103, 100));
}

TEST(Vectors, ArrowBasePointsPutR1BelowARightwardSegment) {
  TDot R1, R2;
  ArrowBasePoints(R1, R2, Dot(0, 0), Dot(10, 0), Dot(4, 3));
  ExpectDotNear(R1, Dot(7, 2));
  ExpectDotNear(R2, Dot(7, -2));
}

TEST(Vectors, ArrowBasePointsOfAZeroSegmentAreTheEnds) {
  TDot R1, R2;
  ArrowBasePoints(R1, R2, Dot(5, 5), Dot(5, 5), Dot(4, 3));
  EXPECT_EQ(R1, Dot(5, 5));
  EXPECT_EQ(R2, Dot(5, 5));
}

TEST(Vectors, SignedLineDistanceSideAndDegenerateLine) {
  // Line through B = (0,0) towards A = (10,0): points below on the screen are positive.
  EXPECT_DOUBLE_EQ(SignedLineDistance(Dot(10, 0), Dot(0, 0), Dot(3, 4)), 4);
  EXPECT_DOUBLE_EQ(SignedLineDistance(Dot(10, 0), Dot(0, 0), Dot(3, -4)), -4);
  EXPECT_EQ(SignedLineDistance(Dot(1, 1), Dot(1, 1), Dot(3, 4)), 0);
}

TEST(Vectors, PerpendicularOffset) {
  ExpectDotNear(PerpendicularOffset(Dot(0, 0), Dot(10, 0), Dot(5, 5), 2), Dot(5, 3));
  EXPECT_EQ(PerpendicularOffset(Dot(1, 2), Dot(1, 2), Dot(5, 5), 2), Dot(1, 2));
}

}  // namespace
}  // namespace tarnwick
