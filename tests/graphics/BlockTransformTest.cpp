// The engine drawer's transform: mirror inside the source rectangle, map it onto the
// destination rectangle, turn about the rotation centre.
#include <gtest/gtest.h>

#include <ostream>

#include "geometry/BlockDrawer.h"
#include "graphics/BlockTransform.h"

namespace tarnwick {
namespace {

void ExpectDotNear(TDot Actual, TDot Expected, double Tol = 1e-9) {
  EXPECT_NEAR(Actual.X, Expected.X, Tol);
  EXPECT_NEAR(Actual.Y, Expected.Y, Tol);
}

TBlockTransform Standard(const TSquare& Dest) {
  TBlockTransform T;
  T.SetSourceRect(Square(0, 0, 100, 100));
  T.SetDestRect(Dest);
  return T;
}

TEST(BlockTransform, StartsAsTheIdentityWithoutValidRects) {
  TBlockTransform T;
  EXPECT_FALSE(T.GetValidRects());
  EXPECT_TRUE(T.Transform().isIdentity());
  EXPECT_EQ(T.Map(Dot(3.25, -7)), Dot(3.25, -7));
}

TEST(BlockTransform, EqualRectsMapEveryPointToItself) {
  TBlockTransform T = Standard(Square(0, 0, 100, 100));
  EXPECT_TRUE(T.GetValidRects());
  EXPECT_TRUE(T.Transform().isIdentity());
  EXPECT_EQ(T.Map(Dot(12.5, 99)), Dot(12.5, 99));
}

TEST(BlockTransform, ScalesTheSourceRectExactlyOntoTheDestination) {
  TBlockTransform T = Standard(Square(10, 20, 210, 70));
  EXPECT_EQ(T.GetScaleX(), 2);
  EXPECT_EQ(T.GetScaleY(), 0.5);
  EXPECT_EQ(T.Map(Dot(0, 0)), Dot(10, 20));
  EXPECT_EQ(T.Map(Dot(100, 100)), Dot(210, 70));
  EXPECT_EQ(T.Map(Dot(50, 50)), Dot(110, 45));
  EXPECT_EQ(T.Map(Dot(-10, 200)), Dot(-10, 120));  // outside the source: extrapolated
}

TEST(BlockTransform, AnEmptyOrInvertedRectKeepsTheLastValidMap) {
  TBlockTransform T = Standard(Square(10, 20, 210, 70));
  for (const TSquare& Dest : {Square(10, 20, 10, 70), Square(10, 20, 210, 20), Square(210, 20, 10, 70)}) {
    T.SetDestRect(Dest);
    EXPECT_FALSE(T.GetValidRects());
    EXPECT_EQ(T.GetScaleX(), 2);
    EXPECT_EQ(T.GetScaleY(), 0.5);
    EXPECT_EQ(T.Map(Dot(100, 100)), Dot(210, 70));
  }
  T.SetSourceRect(Square(0, 0, 0, 0));
  EXPECT_EQ(T.Map(Dot(100, 100)), Dot(210, 70));
  T.SetSourceRect(Square(0, 0, 50, 50));
  T.SetDestRect(Square(0, 0, 100, 100));
  EXPECT_TRUE(T.GetValidRects());
  EXPECT_EQ(T.Map(Dot(50, 50)), Dot(100, 100));
}

struct TFlipCase {
  TSquare Source;
  bool Horizontal;
  bool Vertical;
  TDot In;
  TDot Out;
};

void PrintTo(const TSquare& R, std::ostream* Os) {
  *Os << "(" << R.Left << ", " << R.Top << ", " << R.Right << ", " << R.Bottom << ")";
}

void PrintTo(const TFlipCase& C, std::ostream* Os) {
  PrintTo(C.Source, Os);
  *Os << (C.Horizontal ? " H" : "") << (C.Vertical ? " V" : "") << " at (" << C.In.X << ", " << C.In.Y << ")";
}

class BlockTransformFlip : public ::testing::TestWithParam<TFlipCase> {};

TEST_P(BlockTransformFlip, MirrorsInsideTheSourceRect) {
  const TFlipCase& C = GetParam();
  TBlockTransform T;
  T.SetSourceRect(C.Source);
  T.SetDestRect(C.Source);  // map is the identity, so only the flip shows
  T.SetHorizontalFlip(C.Horizontal);
  T.SetVerticalFlip(C.Vertical);
  EXPECT_EQ(T.Map(C.In), C.Out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlockTransformFlip,
    ::testing::Values(TFlipCase{Square(0, 0, 100, 100), false, false, Dot(10, 20), Dot(10, 20)},
                      TFlipCase{Square(0, 0, 100, 100), true, false, Dot(10, 20), Dot(90, 20)},
                      TFlipCase{Square(0, 0, 100, 100), false, true, Dot(10, 20), Dot(10, 80)},
                      TFlipCase{Square(0, 0, 100, 100), true, true, Dot(10, 20), Dot(90, 80)},
                      // Odd sizes and rectangles away from the origin still mirror onto
                      // themselves: corner to corner.
                      TFlipCase{Square(0, 0, 101, 101), true, true, Dot(0, 0), Dot(101, 101)},
                      TFlipCase{Square(10, 10, 110, 60), true, false, Dot(10, 10), Dot(110, 10)},
                      TFlipCase{Square(10, 10, 110, 60), false, true, Dot(10, 10), Dot(10, 60)}));

TEST(BlockTransform, FlipsBeforeMappingAndRotatesLast) {
  TBlockTransform T = Standard(Square(100, 100, 200, 200));
  T.SetHorizontalFlip(true);
  // The flip happens in source units: the source's left edge lands on the right of Dest.
  EXPECT_EQ(T.Map(Dot(0, 0)), Dot(200, 100));
  // The rotation happens in destination units, about a centre given in those units.
  T.SetHorizontalFlip(false);
  T.SetRotationCenter(Dot(150, 150));
  T.SetAngle(90);
  ExpectDotNear(T.Map(Dot(0, 0)), Dot(200, 100));
}

TEST(BlockTransform, APositiveAngleTurnsClockwiseOnTheScreen) {
  TBlockTransform T = Standard(Square(0, 0, 100, 100));
  T.SetRotationCenter(Dot(0, 0));
  T.SetAngle(90);
  ExpectDotNear(T.Map(Dot(10, 0)), Dot(0, 10));  // right -> down
  T.SetAngle(-90);
  ExpectDotNear(T.Map(Dot(10, 0)), Dot(0, -10));  // right -> up
  T.SetAngle(0);
  EXPECT_TRUE(T.RotateTransform().isIdentity());
  EXPECT_EQ(T.Map(Dot(10, 0)), Dot(10, 0));
}

struct TFrameCase {
  TSquare Source;
  TSquare Dest;
  double Angle;
  TDot Centre;
};

void PrintTo(const TFrameCase& C, std::ostream* Os) {
  PrintTo(C.Source, Os);
  *Os << " -> ";
  PrintTo(C.Dest, Os);
  *Os << " turned " << C.Angle << " about (" << C.Centre.X << ", " << C.Centre.Y << ")";
}

class BlockTransformAgreesWithBlockDrawer : public ::testing::TestWithParam<TFrameCase> {};

// The legacy integer path places shapes through the geometry drawer; a block must land in
// the same place whichever engine draws it.
TEST_P(BlockTransformAgreesWithBlockDrawer, OnEveryPoint) {
  const TFrameCase& C = GetParam();
  TBlockTransform T;
  T.SetSourceRect(C.Source);
  T.SetDestRect(C.Dest);
  T.SetAngle(C.Angle);
  T.SetRotationCenter(C.Centre);
  TBlockDrawer D;
  D.SetOriginalRect(C.Source);
  D.SetCurRect(C.Dest);
  D.SetAngle(C.Angle);
  D.SetRotationType(rtRotationCenter);
  D.SetRotationCenter(C.Centre);
  for (double X : {-20.0, 0.0, 33.3, 50.0, 100.0, 137.5})
    for (double Y : {-5.0, 0.0, 12.75, 50.0, 100.0})
      ExpectDotNear(T.Map(Dot(X, Y)), D.RotX(D.PP(Dot(X, Y))), 1e-8);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, BlockTransformAgreesWithBlockDrawer,
    ::testing::Values(TFrameCase{Square(0, 0, 100, 100), Square(10, 20, 210, 70), 0, Dot(110, 45)},
                      TFrameCase{Square(0, 0, 100, 100), Square(10, 20, 210, 70), 30, Dot(110, 45)},
                      TFrameCase{Square(0, 0, 100, 100), Square(-40, 5, 60, 305), -135, Dot(0, 0)},
                      TFrameCase{Square(10, 10, 60, 110), Square(1000, 2000, 1001, 2003), 270, Dot(7, -3)},
                      TFrameCase{Square(0, 0, 100, 100), Square(0, 0, 100, 100), 400.5, Dot(50, 50)}));

}  // namespace
}  // namespace tarnwick
