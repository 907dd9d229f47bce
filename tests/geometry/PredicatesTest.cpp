// Containment and hit-test rules: which edges belong, where tolerances apply.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "geometry/Predicates.h"

namespace tarnwick {
namespace {

struct TPointInSquareCase {
  TDot P;
  int Tol;
  bool Inside;
};

class PointInSquareTest : public ::testing::TestWithParam<TPointInSquareCase> {};

TEST_P(PointInSquareTest, IsHalfOpen) {
  const TPointInSquareCase& C = GetParam();
  EXPECT_EQ(PointInSquare(Square(0, 0, 10, 10), C.P, C.Tol), C.Inside) << C.P.X << "," << C.P.Y << " tol " << C.Tol;
}

INSTANTIATE_TEST_SUITE_P(Geometry, PointInSquareTest,
                         ::testing::Values(TPointInSquareCase{Dot(0, 0), 0, true},    // top-left corner in
                                           TPointInSquareCase{Dot(0, 5), 0, true},    // left edge in
                                           TPointInSquareCase{Dot(5, 0), 0, true},    // top edge in
                                           TPointInSquareCase{Dot(10, 5), 0, false},  // right edge out
                                           TPointInSquareCase{Dot(5, 10), 0, false},  // bottom edge out
                                           TPointInSquareCase{Dot(9.999, 9.999), 0, true},
                                           TPointInSquareCase{Dot(-2, 5), 2, true},  // widened left edge in
                                           TPointInSquareCase{Dot(11.9, 5), 2, true},
                                           TPointInSquareCase{Dot(12, 5), 2, false}));  // widened right edge out

TEST(Predicates, SquaresIntersectIsClosed) {
  const TSquare A = Square(0, 0, 10, 10);
  EXPECT_TRUE(SquaresIntersect(A, Square(10, 0, 20, 10)));   // shared edge
  EXPECT_TRUE(SquaresIntersect(A, Square(10, 10, 20, 20)));  // shared corner
  EXPECT_TRUE(SquaresIntersect(A, Square(2, 2, 3, 3)));      // contained
  EXPECT_FALSE(SquaresIntersect(A, Square(10.001, 0, 20, 10)));
  EXPECT_FALSE(SquaresIntersect(A, Square(0, -5, 10, -0.001)));
}

TEST(Predicates, PointNearPointIsAnInclusiveSquare) {
  EXPECT_TRUE(PointNearPoint(Point(13, 7), Point(10, 10), 3));
  EXPECT_FALSE(PointNearPoint(Point(14, 10), Point(10, 10), 3));
  EXPECT_TRUE(PointNearPoint(Dot(7, 13), Dot(10, 10), 3));
  EXPECT_FALSE(PointNearPoint(Dot(10, 13.01), Dot(10, 10), 3));
  // No overflow at the end of the integer range.
  EXPECT_TRUE(PointNearPoint(Point(2147483647, 0), Point(2147483646, 0), 5));
  EXPECT_FALSE(PointNearPoint(Point(-2147483647 - 1, 0), Point(2147483647, 0), 5));
}

TEST(Predicates, AxisParallelSegmentsExtendTheToleranceBeyondTheirEnds) {
  EXPECT_TRUE(PointNearVertSegment(Point(12, 53), 3, 50, 0, 10));
  EXPECT_FALSE(PointNearVertSegment(Point(10, 54), 3, 0, 50, 10));
  EXPECT_TRUE(PointNearHorzSegment(Point(-3, 8), 3, 50, 0, 10));
  EXPECT_FALSE(PointNearHorzSegment(Point(20, 14), 3, 0, 50, 10));
}

struct TSegmentCase {
  const char* Name;
  TPoint P;
  int Tol;
  double X1, Y1, X2, Y2;
  bool Near;
};

class PointNearSegmentTest : public ::testing::TestWithParam<TSegmentCase> {};

TEST_P(PointNearSegmentTest, MeasuresAlongTheMinorAxis) {
  const TSegmentCase& C = GetParam();
  EXPECT_EQ(PointNearSegment(C.P, C.Tol, C.X1, C.Y1, C.X2, C.Y2), C.Near) << C.Name;
}

INSTANTIATE_TEST_SUITE_P(Geometry, PointNearSegmentTest,
                         ::testing::Values(
                             // Flat segment y = x / 2: the tolerance is vertical.
                             TSegmentCase{"flat, 2 below", Point(50, 27), 2, 0, 0, 100, 50, true},
                             TSegmentCase{"flat, 2 below, tol 1", Point(50, 27), 1, 0, 0, 100, 50, false},
                             // On a 45 degree segment: perpendicular distance 2.83 <= 3, vertical distance 4 > 3.
                             TSegmentCase{"diagonal, vertical not perpendicular", Point(50, 54), 3, 0, 0, 100, 100,
                                          false},
                             TSegmentCase{"flat, end included", Point(100, 50), 0, 0, 0, 100, 50, true},
                             TSegmentCase{"flat, beyond the end", Point(101, 50), 1000, 0, 0, 100, 50, false},
                             TSegmentCase{"flat, reversed ends", Point(50, 25), 0, 100, 50, 0, 0, true},
                             // Steep segment x = y / 10: the tolerance is horizontal.
                             TSegmentCase{"steep, 2 right", Point(7, 50), 2, 0, 0, 10, 100, true},
                             TSegmentCase{"steep, 3 right", Point(8, 50), 2, 0, 0, 10, 100, false},
                             TSegmentCase{"steep, beyond the end", Point(10, 101), 1000, 0, 0, 10, 100, false},
                             TSegmentCase{"zero length", Point(5, 5), 10, 5, 5, 5, 5, false}),
                         [](const auto& Info) {
                           std::string N = Info.param.Name;
                           for (char& Ch : N)
                             if (!isalnum(static_cast<unsigned char>(Ch))) Ch = '_';
                           return N;
                         });

}  // namespace
}  // namespace tarnwick
