// Fills as the Direct2D engine paints them: opacity, hatch tiles on white, textures tiled
// from the drawing origin, linear gradients between named corners, elliptical radial ones.
#include <QPainter>

#include "D2DTestSupport.h"
#include "graphics/NativeObjectCounts.h"

namespace tarnwick::d2dtest {
namespace {

using D2DBrushTest = D2DTest;

TEST_F(D2DBrushTest, HatchDrawsItsLinesOnOpaqueWhiteTiledFromTheOrigin) {
  // A transparent image shows whether the background is painted, and in which colour.
  TScene scene(64, 64, Qt::transparent);
  scene.Brush().SetBrushMode(bmHatch);
  scene.Brush().SetBrushStyle(bsHorizontal);
  scene.Brush().SetColor(clRed);
  scene.Brush().SetColor2(clBlue);
  scene.Canvas().Rectangle(5, 5, 45, 45);
  // Row 3 of every 8 x 8 tile counted from the drawing origin, not from the rectangle.
  EXPECT_TRUE(ColorNear(scene.Pixel(20, 11), Qt::red));
  EXPECT_TRUE(ColorNear(scene.Pixel(20, 19), Qt::red));
  EXPECT_TRUE(ColorNear(scene.Pixel(20, 12), Qt::white));
  EXPECT_TRUE(ColorNear(scene.Pixel(20, 8), Qt::white));
  EXPECT_TRUE(ColorNear(scene.Pixel(50, 50), Qt::transparent, 0));
}

TEST_F(D2DBrushTest, RightBottomRunsFromColorAtBottomRightToColor2AtTopLeft) {
  TScene scene(300, 200);
  scene.Drawer().SetSourceRect(TSquare{0, 0, 100, 100});
  scene.Drawer().SetDestRect(TSquare{100, 50, 200, 150});
  scene.Brush().SetBrushMode(bmGradient);
  scene.Brush().SetGradientMode(gmRightBottom);
  scene.Brush().SetColor(clRed);
  scene.Brush().SetColor2(clBlue);
  scene.Canvas().Rectangle(100, 50, 200, 150);
  EXPECT_TRUE(ColorNear(scene.Pixel(199, 149), Qt::red, 6));
  EXPECT_TRUE(ColorNear(scene.Pixel(100, 50), Qt::blue, 6));
  EXPECT_TRUE(ColorNear(scene.Pixel(150, 100), QColor(127, 0, 127), 6));
}

TEST_F(D2DBrushTest, GradientCarriesItsTransparencyOnce) {
  TScene scene;
  scene.Drawer().SetSourceRect(TSquare{0, 0, 100, 100});
  scene.Drawer().SetDestRect(TSquare{0, 0, 100, 100});
  scene.Brush().SetBrushMode(bmGradient);
  scene.Brush().SetGradientMode(gmLeftRight);
  scene.Brush().SetColor(clRed);
  scene.Brush().SetColor2(clRed);
  scene.Brush().SetTransparency(50);
  scene.Canvas().Rectangle(0, 0, 100, 100);
  // The same as a solid fill at that transparency, not a quarter of the colour.
  EXPECT_TRUE(ColorNear(scene.Pixel(50, 50), QColor(255, 127, 127), 3));
}

struct TRadialCase {
  TDgrGradientMode Mode;
  int X, Y;
  double Color2Share;  // 0: Color, 1: Color2
};

void PrintTo(const TRadialCase& C, std::ostream* Os) {
  *Os << "mode " << int(C.Mode) << " at (" << C.X << ", " << C.Y << ")";
}

class D2DRadialTest : public D2DTest, public ::testing::WithParamInterface<TRadialCase> {};

// Over the rectangle (0, 0, 200, 100): centre (100, 50).
TEST_P(D2DRadialTest, BlendsAlongTheEllipseOfItsMode) {
  const TRadialCase& c = GetParam();
  TScene scene(200, 100);
  scene.Drawer().SetSourceRect(TSquare{0, 0, 100, 100});
  scene.Drawer().SetDestRect(TSquare{0, 0, 200, 100});
  scene.Brush().SetBrushMode(bmGradient);
  scene.Brush().SetGradientMode(c.Mode);
  scene.Brush().SetColor(clBlack);
  scene.Brush().SetColor2(clWhite);
  scene.Canvas().Rectangle(0, 0, 200, 100);
  const int grey = int(255 * c.Color2Share + 0.5);
  EXPECT_TRUE(ColorNear(scene.Pixel(c.X, c.Y), QColor(grey, grey, grey), 8));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, D2DRadialTest,
    ::testing::Values(
        // Radii (100, 50): half way out along both axes gives the same blend.
        TRadialCase{gmInOut, 100, 50, 0.0}, TRadialCase{gmInOut, 150, 50, 0.5}, TRadialCase{gmInOut, 100, 75, 0.5},
        TRadialCase{gmInOut, 100, 1, 1.0},
        // The out-in modes swap the colours.
        TRadialCase{gmOutIn, 100, 50, 1.0}, TRadialCase{gmOutIn, 150, 50, 0.5},
        // Radii (200, 50): an ellipse twice as wide as the rectangle.
        TRadialCase{gmHorzInOut, 100, 50, 0.0}, TRadialCase{gmHorzInOut, 0, 50, 0.5},
        TRadialCase{gmHorzInOut, 100, 25, 0.5}, TRadialCase{gmHorzOutIn, 100, 25, 0.5},
        TRadialCase{gmHorzOutIn, 100, 50, 1.0},
        // Radii (100, 100): a circle reaching beyond the top and bottom edges.
        TRadialCase{gmVertInOut, 150, 50, 0.5}, TRadialCase{gmVertInOut, 100, 0, 0.5},
        TRadialCase{gmVertOutIn, 100, 50, 1.0}));

TEST_F(D2DBrushTest, GradientTurnsWithTheBlock) {
  TScene scene;
  scene.Drawer().SetSourceRect(TSquare{0, 0, 100, 100});
  scene.Drawer().SetDestRect(TSquare{50, 50, 150, 150});
  scene.Drawer().SetRotationCenter(TDot{100, 100});
  scene.Drawer().SetAngle(90);
  scene.Brush().SetBrushMode(bmGradient);
  scene.Brush().SetGradientMode(gmTopBottom);
  scene.Brush().SetColor(clRed);
  scene.Brush().SetColor2(clBlue);
  scene.Canvas().Rectangle(50, 50, 150, 150);
  // Turned a quarter clockwise, the top edge (Color) lies on the right.
  EXPECT_TRUE(ColorNear(scene.Pixel(149, 100), Qt::red, 8));
  EXPECT_TRUE(ColorNear(scene.Pixel(50, 100), Qt::blue, 8));
}

}  // namespace
}  // namespace tarnwick::d2dtest
