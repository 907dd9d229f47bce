// How the engine brush paints: transparency, the gradient layouts, the rectangle path
// gradient, hatches and textures, and the brush taken from a platform brush.
#include <QPainterPath>
#include <ostream>
#include <vector>

#include "GdipTestSupport.h"
#include "graphics/DgrPath.h"
#include "graphics/DgrPicture.h"
#include "graphics/gdiplus/GPBlockDrawer.h"
#include "graphics/gdiplus/GdipCanvas.h"
#include "graphics/gdiplus/GdipGraphic.h"
#include "graphics/gdiplus/GdipPaintEngine.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Picture.h"

namespace tarnwick {
namespace {

using gdiptest::Mix;
using gdiptest::Near;
using gdiptest::TTarget;

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

// A canvas on the target whose pen draws nothing, so only the brush shows.
TOwned<TGPCanvas> FillCanvas(TTarget& T) {
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(T.Painter()));
  canvas->GetPen()->SetTransparency(100);
  return canvas;
}

// ---- Linear gradients over a 100 x 100 rectangle, Color red, Color2 blue ----

struct TProbe {
  int X;
  int Y;
  double T;  // 0 = Color, 1 = Color2
};

// Probes a few pixels in from the edges, so the expected fraction is 0.025 off the ends.
constexpr int Lo = 2;
constexpr int Hi = 97;
constexpr int Mid = 50;

struct TGradientCase {
  TDgrGradientMode Mode;
  const char* Name;
  std::vector<TProbe> Probes;
};

void PrintTo(const TGradientCase& C, std::ostream* Os) { *Os << C.Name; }

class GdipGradientLayout : public ::testing::TestWithParam<TGradientCase> {};

TEST_P(GdipGradientLayout, PutsTheColoursWhereTheModeNamesThem) {
  TTarget target;
  TOwned<TGPCanvas> canvas = FillCanvas(target);
  TDgrBrush* brush = canvas->GetBrush();
  brush->SetColor(clRed);
  brush->SetColor2(clBlue);
  brush->SetBrushMode(bmGradient);
  brush->SetGradientMode(GetParam().Mode);
  brush->UpdateBrushPosition(Square(0, 0, 100, 100), 0, Dot(50, 50));
  canvas->Rectangle(0, 0, 100, 100);
  for (const TProbe& p : GetParam().Probes) {
    const double t = p.T == 0 ? 0.025 : p.T == 1 ? 0.975 : p.T;
    EXPECT_TRUE(Near(target.At(p.X, p.Y), Mix(Red, Blue, t))) << "at (" << p.X << ", " << p.Y << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllModes, GdipGradientLayout,
    ::testing::Values(TGradientCase{gmTopBottom, "TopBottom", {{Mid, Lo, 0}, {Mid, Hi, 1}, {Lo, 49, 0.495}}},
                      TGradientCase{gmBottomTop, "BottomTop", {{Mid, Lo, 1}, {Mid, Hi, 0}}},
                      TGradientCase{gmLeftRight, "LeftRight", {{Lo, Mid, 0}, {Hi, Mid, 1}, {49, Lo, 0.495}}},
                      TGradientCase{gmRightLeft, "RightLeft", {{Lo, Mid, 1}, {Hi, Mid, 0}}},
                      // Diagonals run corner to corner; the other two corners take the middle colour.
                      TGradientCase{gmLeftTop, "LeftTop", {{Lo, Lo, 0}, {Hi, Hi, 1}, {Hi, Lo, 0.5}, {Lo, Hi, 0.5}}},
                      TGradientCase{gmRightTop, "RightTop", {{Hi, Lo, 0}, {Lo, Hi, 1}, {Lo, Lo, 0.5}, {Hi, Hi, 0.5}}},
                      TGradientCase{gmLeftBottom, "LeftBottom", {{Lo, Hi, 0}, {Hi, Lo, 1}, {Lo, Lo, 0.5}}},
                      TGradientCase{gmRightBottom, "RightBottom", {{Hi, Hi, 0}, {Lo, Lo, 1}, {Hi, Lo, 0.5}}},
                      // Path gradients: Color (or Color2) at the centre, the other on the outline.
                      TGradientCase{gmInOut, "InOut", {{49, 49, 0.02}, {Mid, 0, 0.99}, {0, Mid, 0.99}, {99, 99, 0.99}}},
                      TGradientCase{gmOutIn, "OutIn", {{49, 49, 0.98}, {Mid, 0, 0.01}, {99, Mid, 0.01}}},
                      // Three-point blends: the first colour at both ends, the second on the middle line.
                      TGradientCase{gmHorzInOut, "HorzInOut", {{Mid, Lo, 1}, {Mid, Hi, 1}, {Lo, 49, 0.01}}},
                      TGradientCase{gmHorzOutIn, "HorzOutIn", {{Mid, Lo, 0}, {Mid, Hi, 0}, {Lo, 49, 0.99}}},
                      TGradientCase{gmVertInOut, "VertInOut", {{Lo, Mid, 1}, {Hi, Mid, 1}, {49, Lo, 0.01}}},
                      TGradientCase{gmVertOutIn, "VertOutIn", {{Lo, Mid, 0}, {Hi, Mid, 0}, {49, Hi, 0.99}}}));

TEST(GdipGradient, OverAnEmptyRectanglePaintsNothing) {
  TTarget target;
  TOwned<TGPCanvas> canvas = FillCanvas(target);
  canvas->GetBrush()->SetBrushMode(bmGradient);
  canvas->GetBrush()->SetColor(clRed);
  canvas->GetBrush()->UpdateBrushPosition(Square(0, 0, 100, 0), 0, Dot(50, 50));
  canvas->Rectangle(0, 0, 100, 100);
  EXPECT_TRUE(Near(target.At(50, 50), Qt::white, 0));
}

// ---- The rectangle path gradient ----

TEST(GdipPathGradient, HasColorAtTheCentreAndColor2AtTheOutlineOfAWideRectangle) {
  TTarget target(100, 50);
  TOwned<TGPCanvas> canvas = FillCanvas(target);
  TDgrBrush* brush = canvas->GetBrush();
  brush->SetColor(clRed);
  brush->SetColor2(clBlue);
  brush->SetBrushMode(bmGradient);
  brush->SetGradientMode(gmInOut);
  brush->UpdateBrushPosition(Square(0, 0, 100, 50), 0, Dot(50, 25));
  canvas->Rectangle(0, 0, 100, 50);
  EXPECT_TRUE(Near(target.At(49, 24), Red, 16));
  EXPECT_TRUE(Near(target.At(50, 0), Blue, 16));
  EXPECT_TRUE(Near(target.At(0, 25), Blue, 16));
  // Halfway out along the lines to the edge and to the corner: no seam on the diagonal.
  EXPECT_TRUE(Near(target.At(50, 12), Mix(Red, Blue, 0.5)));
  EXPECT_TRUE(Near(target.At(74, 37), Mix(Red, Blue, 0.5)));
  EXPECT_TRUE(Near(target.At(25, 12), Mix(Red, Blue, 0.5)));
}

TEST(GdipPathGradient, TurnsWithTheBlock) {
  TTarget target(200, 150);
  TOwned<TGdipPaintEngine> engine(Create<TGdipPaintEngine>(target.Canvas(), TRect{0, 0, 200, 150}));
  TOwned<TGPBlockDrawer> drawer(Create<TGPBlockDrawer>());
  drawer->SetPaintEngine(engine.get());
  TDgrCanvas* canvas = drawer->GetCanvas();
  canvas->GetPen()->SetTransparency(100);
  canvas->GetBrush()->SetColor(clRed);
  canvas->GetBrush()->SetColor2(clBlue);
  canvas->GetBrush()->SetBrushMode(bmGradient);
  canvas->GetBrush()->SetGradientMode(gmInOut);
  drawer->SetSourceRect(Square(0, 0, 100, 100));
  drawer->SetDestRect(Square(50, 50, 150, 100));
  drawer->SetRotationCenter(Dot(100, 75));
  drawer->SetAngle(30);
  TOwned<TDgrGraphicsPath> path(drawer->CreatePath());
  path->AddRectangle(Square(0, 0, 100, 100));
  drawer->TransformPath(path.get());
  canvas->Path(path.get());
  drawer->SetPaintEngine(nullptr);

  EXPECT_TRUE(Near(target.At(100, 75), Red, 16));
  // 22 of the 25 units from the centre to the turned top edge.
  EXPECT_TRUE(Near(target.At(111, 56), Mix(Red, Blue, 0.88), 20));
  // A corner of the unturned rectangle lies outside the turned one.
  EXPECT_TRUE(Near(target.At(52, 52), Qt::white, 0));
}

// ---- Hatch and texture ----

TEST(GdipHatch, PaintsTheForegroundOnTheBackgroundFromTheRectanglesCorner) {
  TTarget target;
  TOwned<TGPCanvas> canvas = FillCanvas(target);
  TGdipBrush* brush = canvas->GPBrush();
  brush->SetBrushMode(bmHatch);
  brush->SetHatchStyle(HatchStyleHorizontal);
  brush->SetColor(clBlack);
  brush->SetColor2(clYellow);
  brush->UpdateBrushPosition(Square(10, 20, 90, 90), 0, Dot(50, 50));
  canvas->Rectangle(10, 20, 90, 90);
  // The tile's pattern row is its fourth: rows 23, 31, ... below the corner at y = 20.
  EXPECT_TRUE(Near(target.At(40, 23), Qt::black, 2));
  EXPECT_TRUE(Near(target.At(40, 31), Qt::black, 2));
  EXPECT_TRUE(Near(target.At(40, 25), Qt::yellow, 2));
  EXPECT_TRUE(Near(target.At(40, 22), Qt::yellow, 2));
}

class GdipTexture : public ::testing::Test {
 protected:
  void SetUp() override {
    // An 8 x 8 tile: a red 4 x 4 quarter at its top left, blue elsewhere.
    QImage tile(8, 8, QImage::Format_ARGB32);
    tile.fill(Blue);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) tile.setPixelColor(x, y, Red);
    TMemoryStream bytes(gdiptest::PngBytes(tile));
    Graphic = MakeOwned<TGdipGraphic>();
    Graphic->LoadFromStream(bytes);
  }

  void Paint(TTarget& T, double AAngle) {
    TOwned<TGPCanvas> canvas = FillCanvas(T);
    TDgrBrush* brush = canvas->GetBrush();
    brush->SetBrushMode(bmTexture);
    brush->GetTexture()->SetGraphic(Graphic.get());
    brush->UpdateBrushPosition(Square(10, 20, 90, 90), AAngle, Dot(10, 20));
    canvas->Rectangle(0, 0, 100, 100);
  }

  TOwned<TGdipGraphic> Graphic;
};

TEST_F(GdipTexture, TilesFromTheRectanglesCorner) {
  TTarget target;
  Paint(target, 0);
  EXPECT_TRUE(Near(target.At(11, 21), Red, 2));
  EXPECT_TRUE(Near(target.At(15, 21), Blue, 2));
  EXPECT_TRUE(Near(target.At(19, 29), Red, 2));
  EXPECT_TRUE(Near(target.At(9, 21), Blue, 2));  // the tile before the corner
}

TEST_F(GdipTexture, TurnsWithTheBrushRotation) {
  TTarget target;
  Paint(target, 90);
  // A quarter turn about the corner takes the tile's x axis down the screen.
  EXPECT_TRUE(Near(target.At(8, 22), Red, 2));
  EXPECT_TRUE(Near(target.At(8, 26), Blue, 2));
  EXPECT_TRUE(Near(target.At(12, 22), Blue, 2));
}

// ---- Brushes from platform brushes ----

TEST(GdipBrushAssign, TakesClearAndHatchStylesFromAPlatformBrush) {
  TOwned<TGdipBrush> brush(MakeOwned<TGdipBrush>());
  TBrush platform;
  platform.SetStyle(bsClear);
  brush->Assign(&platform);
  EXPECT_EQ(brush->GetBrushMode(), bmClear);

  platform.SetStyle(bsDiagCross);
  platform.SetColor(clBlack);
  brush->Assign(&platform);
  EXPECT_EQ(brush->GetBrushMode(), bmHatch);
  EXPECT_EQ(brush->GetHatchStyle(), HatchStyleDiagonalCross);

  // Styles without a hatch keep the hatch style.
  platform.SetStyle(bsSolid);
  brush->Assign(&platform);
  EXPECT_EQ(brush->GetHatchStyle(), HatchStyleDiagonalCross);
}

TEST(GdipBrushAssign, AHatchFromAPlatformBrushLeavesTheBackgroundShowing) {
  TTarget target(100, 100, Qt::green);
  TOwned<TGPCanvas> canvas = FillCanvas(target);
  TBrush platform;
  platform.SetStyle(bsHorizontal);
  platform.SetColor(clBlack);
  canvas->GetBrush()->Assign(&platform);
  canvas->GetBrush()->UpdateBrushPosition(Square(0, 0, 100, 100), 0, Dot(50, 50));
  canvas->Rectangle(0, 0, 100, 100);
  EXPECT_TRUE(Near(target.At(40, 3), Qt::black, 2));
  EXPECT_TRUE(Near(target.At(40, 5), Qt::green, 2));
}

}  // namespace
}  // namespace tarnwick
