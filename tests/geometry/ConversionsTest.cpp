// Integer conversions round ties to even everywhere, and the "no position" sentinel.
#include <gtest/gtest.h>

#include "geometry/Conversions.h"
#include "geometry/Vectors.h"

namespace tarnwick {
namespace {

TEST(Conversions, SquareToRectRoundsTiesToEven) {
  EXPECT_EQ(SquareToRect(Square(0.5, 1.5, 2.5, 3.5)), Rect(0, 2, 2, 4));
  EXPECT_EQ(SquareToRect(Square(-0.5, -1.5, -2.5, 2.6)), Rect(0, -2, -2, 3));
}

TEST(Conversions, DotToPointRoundsTiesToEven) {
  EXPECT_EQ(DotToPoint(Dot(2.5, -2.5)), Point(2, -2));
  EXPECT_EQ(DotToPoint(Dot(3.5, 0.49999)), Point(4, 0));
  EXPECT_EQ(DotsToPoints({Dot(0.5, 1.5), Dot(-3.5, 7)}), (TPointArray{Point(0, 2), Point(-4, 7)}));
}

TEST(Conversions, ScalePointRoundsEachProductTiesToEven) {
  EXPECT_EQ(ScalePoint(Point(5, 7), 0.5), Point(2, 4));
  EXPECT_EQ(ScalePoint(Point(-5, 3), 0.5), Point(-2, 2));
}

TEST(Conversions, InvalidDotIsRecognisedOnlyExactly) {
  EXPECT_TRUE(IsInvalidDot(InvalidDot()));
  EXPECT_EQ(InvalidPoint(), Point(100000, 100000));
  EXPECT_FALSE(IsInvalidDot(Dot(100000, 99999.999)));
  EXPECT_FALSE(IsInvalidDot(Dot(0, 0)));
}

}  // namespace
}  // namespace tarnwick
