// The rotated frame's mapping, rotation and state stack (no drawing).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

#include "geometry/BlockDrawer.h"

namespace tarnwick {
namespace {

void ExpectDotNear(TDot Actual, TDot Expected, double Tol = 1e-9) {
  EXPECT_NEAR(Actual.X, Expected.X, Tol);
  EXPECT_NEAR(Actual.Y, Expected.Y, Tol);
}

TEST(BlockDrawer, MapsTheOriginalRectOntoTheCurrentOne) {
  TBlockDrawer D;
  D.SetCurRect(Square(10, 20, 210, 70));  // 200 x 50
  EXPECT_EQ(D.PP(50, 50), Dot(110, 45));
  EXPECT_EQ(D.PX(25.25), 60);  // 60.5 rounds to even
  EXPECT_EQ(D.PX(25.75), 62);  // 61.5 too
  EXPECT_EQ(D.PY(10), 25);
  EXPECT_EQ(D.UnPP(D.PP(Dot(33, 71))), Dot(33, 71));
  EXPECT_EQ(D.UnPx(110), 50);
  EXPECT_EQ(D.PPPoints({Dot(0, 0), Dot(100, 100)}), (TDotArray{Dot(10, 20), Dot(210, 70)}));
}

TEST(BlockDrawer, DegenerateRectanglesMapEverythingToTheirEdge) {
  TBlockDrawer D;
  D.SetOriginalRect(Square(5, 7, 5, 7));
  D.SetCurRect(Square(10, 20, 210, 70));
  EXPECT_EQ(D.PXS(-1000), 10);
  EXPECT_EQ(D.PXS(5), 10);
  EXPECT_EQ(D.PYS(1e9), 20);
  D.SetOriginalRect(Square(0, 0, 100, 100));
  D.SetCurRect(Square(3, 4, 3, 4));
  EXPECT_EQ(D.UnPXS(77), 0);
  EXPECT_EQ(D.UnPYS(77), 0);
}

TEST(BlockDrawer, PositiveAnglesTurnClockwiseOnScreen) {
  TBlockDrawer D;  // centre of CurRect is (50, 50)
  D.SetAngle(90);
  ExpectDotNear(D.RotX(60, 50), Dot(50, 60));  // right of the centre goes below it
  ExpectDotNear(D.RotX(50, 40), Dot(60, 50));  // above goes right
  EXPECT_EQ(D.Rot(Point(60, 50)), Point(50, 60));
  D.SetRotationType(rtRotationCenter);
  D.SetRotationCenter(Dot(0, 0));
  ExpectDotNear(D.RotX(Dot(10, 0)), Dot(0, 10));
}

TEST(BlockDrawer, AngleZeroGivesThePointBackExactly) {
  TBlockDrawer D;
  D.SetCurRect(Square(0.1, 0.7, 33.3, 91.9));
  D.SetAngle(360);
  D.SetAngle(0);
  const TDot P = Dot(0.1 + 0.2, 1.0 / 3);
  EXPECT_EQ(D.RotX(P), P);
  EXPECT_EQ(D.UnrotX(P), P);
}

class UnrotInvertsRotTest : public ::testing::TestWithParam<std::tuple<double, TRotationType>> {};

TEST_P(UnrotInvertsRotTest, ForEveryAngleAndCentre) {
  TBlockDrawer D;
  D.SetCurRect(Square(-30, 10, 170, 90));
  D.SetRotationCenter(Dot(-12.5, 300));
  D.SetAngle(std::get<0>(GetParam()));
  D.SetRotationType(std::get<1>(GetParam()));
  for (TDot P : {Dot(0, 0), Dot(37.25, -81), Dot(1e4, 3e3)}) {
    ExpectDotNear(D.UnrotX(D.RotX(P)), P, 1e-9 * (1 + std::abs(P.X) + std::abs(P.Y)));
    ExpectDotNear(D.RotX(D.UnrotX(P)), P, 1e-9 * (1 + std::abs(P.X) + std::abs(P.Y)));
  }
}

INSTANTIATE_TEST_SUITE_P(Geometry, UnrotInvertsRotTest,
                         ::testing::Combine(::testing::Values(0.0, 1.0, 45.0, 90.0, 137.5, 180.0, -33.0, 359.9),
                                            ::testing::Values(rtCurRectCenter, rtRotationCenter)));

TEST(BlockDrawer, RotByCenterMovesWithoutTurning) {
  TBlockDrawer D;  // turns about (50, 50)
  D.SetAngle(90);
  const TSquare R = D.RotByCenter(Square(60, 45, 80, 55));  // centre (70, 50)
  EXPECT_NEAR(R.Left, 40, 1e-9);
  EXPECT_NEAR(R.Top, 65, 1e-9);
  EXPECT_NEAR(R.Right - R.Left, 20, 1e-9);
  EXPECT_NEAR(R.Bottom - R.Top, 10, 1e-9);
}

TEST(BlockDrawer, PopStateRestoresEverythingPushed) {
  TBlockDrawer D;
  D.SetAngle(30);
  D.SetRotationType(rtRotationCenter);
  D.SetRotationCenter(Dot(1, 2));
  D.SetOriginalRect(Square(0, 0, 10, 20));
  D.SetCurRect(Square(5, 5, 50, 50));
  const TDot Before = D.RotX(D.PP(3, 4));

  D.PushState();
  D.SetAngle(200);
  D.SetRotationType(rtCurRectCenter);
  D.SetRotationCenter(Dot(-7, -7));
  D.SetOriginalRect(Square(1, 1, 2, 2));
  D.SetCurRect(Square(9, 9, 99, 99));
  D.PushState();
  D.SetAngle(5);
  D.PopState();
  EXPECT_EQ(D.GetAngle(), 200);
  D.PopState();

  EXPECT_EQ(D.GetAngle(), 30);
  EXPECT_EQ(D.GetRotationType(), rtRotationCenter);
  EXPECT_EQ(D.GetRotationCenter(), Dot(1, 2));
  EXPECT_EQ(D.GetOriginalRect(), Square(0, 0, 10, 20));
  EXPECT_EQ(D.GetCurRect(), Square(5, 5, 50, 50));
  EXPECT_EQ(D.RotX(D.PP(3, 4)), Before);  // sine and cosine came back too
}

TEST(BlockDrawer, PopStateOnAnEmptyStackChangesNothing) {
  TBlockDrawer D;
  D.SetAngle(45);
  D.SetCurRect(Square(1, 2, 3, 4));
  D.PopState();
  D.PushState();
  D.PopState();
  D.PopState();
  EXPECT_EQ(D.GetAngle(), 45);
  EXPECT_EQ(D.GetCurRect(), Square(1, 2, 3, 4));
}

TEST(BlockDrawer, AssignCopiesTheFrameButNotTheFlips) {
  TBlockDrawer A, B;
  A.SetAngle(60);
  A.SetRotationType(rtRotationCenter);
  A.SetRotationCenter(Dot(4, 4));
  A.SetOriginalRect(Square(0, 0, 1, 1));
  A.SetCurRect(Square(2, 2, 3, 3));
  A.SetHorizontalFlip(true);
  B.Assign(A);
  EXPECT_EQ(B.GetAngle(), 60);
  EXPECT_EQ(B.GetRotationType(), rtRotationCenter);
  EXPECT_EQ(B.GetRotationCenter(), Dot(4, 4));
  EXPECT_EQ(B.GetOriginalRect(), Square(0, 0, 1, 1));
  EXPECT_EQ(B.GetCurRect(), Square(2, 2, 3, 3));
  EXPECT_EQ(B.RotX(7, 9), A.RotX(7, 9));
  EXPECT_FALSE(B.GetHorizontalFlip());
}

TEST(BlockDrawer, DrawingWithoutACanvasDoesNothing) {
  TBlockDrawer D;
  D.SetAngle(30);
  D.DrawRotRect(0, 0, 10, 10);
  D.DrawRotEllipse(0, 0, 10, 10);
  D.AutoRoundRect(0, 0, 0, 0, 5, 5);
  D.AutoLineTo(5, 5);
  D.CanvasPolygon({Point(0, 0), Point(1, 1)});
  SUCCEED();
}

}  // namespace
}  // namespace tarnwick
