// Rectangle helpers, above all the aspect-ratio correction used while resizing.
#include <gtest/gtest.h>

#include "geometry/Squares.h"

namespace tarnwick {
namespace {

struct TAspectCase {
  const char* Name;
  TSquare R;
  TSquare Expected;
};

class KeepAspectSquareTest : public ::testing::TestWithParam<TAspectCase> {};

// Reference 100 x 50 at the origin.
TEST_P(KeepAspectSquareTest, AgainstA2To1Reference) {
  EXPECT_EQ(KeepAspectSquare(GetParam().R, Square(0, 0, 100, 50)), GetParam().Expected) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, KeepAspectSquareTest,
    ::testing::Values(TAspectCase{"width changed more, top kept", Square(0, 0, 200, 60), Square(0, 0, 200, 100)},
                      TAspectCase{"width changed more, bottom kept", Square(-100, 10, 100, 50),
                                  Square(-100, -50, 100, 50)},
                      TAspectCase{"height changed more, left kept", Square(0, 0, 110, 100), Square(0, 0, 200, 100)},
                      TAspectCase{"height changed more, right kept", Square(10, 0, 110, 100), Square(-90, 0, 110, 100)},
                      TAspectCase{"tie recomputes the width", Square(0, 0, 110, 60), Square(0, 0, 120, 60)}));

TEST(Squares, KeepAspectSquareLeavesRAloneForAReferenceWithoutArea) {
  const TSquare R = Square(0, 0, 200, 60);
  EXPECT_EQ(KeepAspectSquare(R, Square(0, 0, 0, 50)), R);
  EXPECT_EQ(KeepAspectSquare(R, Square(0, 0, 100, 0)), R);
  EXPECT_EQ(KeepAspectSquare(R, Square(5, 5, 5, 5)), R);
}

}  // namespace
}  // namespace tarnwick
