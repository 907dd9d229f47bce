// The two engines side by side: the same shapes come out the same, and they differ only
// where the Direct2D engine has rules of its own (hatch background, the band gradients,
// where textures are anchored).
#include <functional>

#include "D2DTestSupport.h"
#include "graphics/DgrPicture.h"
#include "graphics/gdiplus/GPBlockDrawer.h"
#include "platform/gui/Bitmap.h"

namespace tarnwick::d2dtest {
namespace {

enum TEngineKind { ekGdip, ekD2D };

using TDrawing = std::function<void(TDgrBlockDrawer&)>;

// The drawing through a block drawer of the engine on a white 200 x 200 image.
QImage Render(TEngineKind AKind, const TDrawing& ADraw) {
  QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  TOwned<TCanvas> canvas(MakeOwned<TCanvas>(&painter));
  TOwned<TDgrBlockDrawer> drawer(AKind == ekGdip ? static_cast<TDgrBlockDrawer*>(Create<TGPBlockDrawer>())
                                                 : Create<TD2DBlockDrawer>());
  TOwned<TDgrPaintEngine> engine(drawer->CreatePaintEngine(canvas.get(), TRect{0, 0, 200, 200}));
  drawer->SetPaintEngine(engine.get());
  drawer->GetCanvas()->GetPen()->SetWidth(2);
  ADraw(*drawer);
  drawer->SetPaintEngine(nullptr);
  engine.reset();
  painter.end();
  return image;
}

// Pixels whose colours differ by more than a tolerance (anti-aliased edges may).
int Differing(const QImage& A, const QImage& B, int Tolerance = 24) {
  int count = 0;
  for (int y = 0; y < A.height(); ++y)
    for (int x = 0; x < A.width(); ++x) {
      const QColor a = A.pixelColor(x, y);
      const QColor b = B.pixelColor(x, y);
      count += std::abs(a.red() - b.red()) > Tolerance || std::abs(a.green() - b.green()) > Tolerance ||
               std::abs(a.blue() - b.blue()) > Tolerance;
    }
  return count;
}

void Frame(TDgrBlockDrawer& D, const TSquare& ADest, double AAngle = 0) {
  D.SetSourceRect(TSquare{0, 0, 100, 100});
  D.SetDestRect(ADest);
  D.SetRotationCenter(TDot{(ADest.Left + ADest.Right) / 2, (ADest.Top + ADest.Bottom) / 2});
  D.SetAngle(AAngle);
}

struct TSameCase {
  const char* Name;
  TDrawing Draw;
};

void PrintTo(const TSameCase& C, std::ostream* Os) { *Os << C.Name; }

class D2DVersusGdipSameTest : public D2DTest, public ::testing::WithParamInterface<TSameCase> {};

TEST_P(D2DVersusGdipSameTest, BothEnginesAgree) {
  const QImage gdip = Render(ekGdip, GetParam().Draw);
  const QImage d2d = Render(ekD2D, GetParam().Draw);
  // Something was drawn, and the two differ at most along a few edge pixels.
  QImage blank(200, 200, QImage::Format_ARGB32_Premultiplied);
  blank.fill(Qt::white);
  EXPECT_GT(Differing(gdip, blank), 1000);
  EXPECT_LT(Differing(gdip, d2d), 50);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, D2DVersusGdipSameTest,
    ::testing::Values(
        TSameCase{"SolidRectangle",
                  [](TDgrBlockDrawer& D) {
                    D.GetCanvas()->GetBrush()->SetColor(clRed);
                    D.GetCanvas()->GetBrush()->SetTransparency(30);
                    D.GetCanvas()->Rectangle(20, 30, 150, 120);
                  }},
        TSameCase{"Ellipse",
                  [](TDgrBlockDrawer& D) {
                    D.GetCanvas()->GetBrush()->SetColor(clLime);
                    D.GetCanvas()->Ellipse(10, 40, 190, 160);
                  }},
        TSameCase{"FlippedTurnedPolygon",
                  [](TDgrBlockDrawer& D) {
                    Frame(D, TSquare{40, 30, 160, 110}, 30);
                    D.SetHorizontalFlip(true);
                    D.SetVerticalFlip(true);
                    D.GetCanvas()->GetBrush()->SetColor(clBlue);
                    TOwned<TDgrGraphicsPath> path(D.CreatePath());
                    path->AddPolygon({{0, 0}, {100, 20}, {60, 100}, {10, 70}});
                    D.TransformPath(path.get());
                    D.GetCanvas()->Path(path.get());
                  }},
        TSameCase{"LinearGradients",
                  [](TDgrBlockDrawer& D) {
                    TDgrBrush* brush = D.GetCanvas()->GetBrush();
                    brush->SetBrushMode(bmGradient);
                    brush->SetColor(clRed);
                    brush->SetColor2(clBlue);
                    const TDgrGradientMode modes[] = {gmTopBottom, gmLeftRight, gmRightBottom, gmLeftBottom};
                    for (int i = 0; i < 4; ++i) {
                      const double x = 10 + (i % 2) * 95;
                      const double y = 10 + (i / 2) * 95;
                      Frame(D, TSquare{x, y, x + 85, y + 85});
                      brush->SetGradientMode(modes[i]);
                      D.GetCanvas()->Rectangle(x, y, x + 85, y + 85);
                    }
                  }}));

TEST_F(D2DTest, HatchBackgroundIsWhiteRatherThanColor2) {
  const TDrawing draw = [](TDgrBlockDrawer& D) {
    TDgrBrush* brush = D.GetCanvas()->GetBrush();
    if (auto* d2d = dynamic_cast<TD2DBrush*>(brush)) d2d->SetBrushStyle(bsHorizontal);
    brush->SetBrushMode(bmHatch);
    brush->SetColor(clRed);
    brush->SetColor2(clBlue);
    D.GetCanvas()->GetPen()->SetColor(clRed);
    D.GetCanvas()->Rectangle(0, 0, 200, 200);
  };
  const QImage gdip = Render(ekGdip, draw);
  const QImage d2d = Render(ekD2D, draw);
  EXPECT_TRUE(ColorNear(gdip.pixelColor(100, 100), Qt::blue, 16));
  EXPECT_TRUE(ColorNear(d2d.pixelColor(100, 100), Qt::white, 16));
}

TEST_F(D2DTest, HorzInOutIsABandUnderOneEngineAndAnEllipseUnderTheOther) {
  const TDrawing draw = [](TDgrBlockDrawer& D) {
    Frame(D, TSquare{0, 0, 200, 200});
    TDgrBrush* brush = D.GetCanvas()->GetBrush();
    brush->SetBrushMode(bmGradient);
    brush->SetGradientMode(gmHorzInOut);
    brush->SetColor(clWhite);
    brush->SetColor2(clBlack);
    D.GetCanvas()->GetPen()->SetWidth(0);
    D.GetCanvas()->Rectangle(0, 0, 200, 200);
  };
  const QImage gdip = Render(ekGdip, draw);
  const QImage d2d = Render(ekD2D, draw);
  // On the middle line both are white at the centre; near the sides only the band stays
  // white, while the ellipse (radii 200 and 100) has blended half way.
  EXPECT_TRUE(ColorNear(gdip.pixelColor(100, 100), Qt::white, 16));
  EXPECT_TRUE(ColorNear(d2d.pixelColor(100, 100), Qt::white, 16));
  EXPECT_TRUE(ColorNear(gdip.pixelColor(5, 100), Qt::white, 16));
  EXPECT_TRUE(ColorNear(d2d.pixelColor(5, 100), QColor(125, 125, 125), 16));
}

TEST_F(D2DTest, TextureIsAnchoredAtTheBlockUnderOneEngineAndAtTheOriginUnderTheOther) {
  QImage tile(4, 4, QImage::Format_ARGB32);
  tile.fill(Qt::green);
  tile.setPixelColor(0, 0, Qt::red);
  TOwned<TBitmap> bitmap(MakeOwned<TBitmap>());
  bitmap->SetImage(tile);
  const TDrawing draw = [&](TDgrBlockDrawer& D) {
    Frame(D, TSquare{6, 6, 106, 106});
    TDgrBrush* brush = D.GetCanvas()->GetBrush();
    brush->GetTexture()->SetGraphic(bitmap.get());
    brush->SetBrushMode(bmTexture);
    D.GetCanvas()->GetPen()->SetWidth(0);
    D.GetCanvas()->Rectangle(6, 6, 106, 106);
  };
  const QImage gdip = Render(ekGdip, draw);
  const QImage d2d = Render(ekD2D, draw);
  EXPECT_TRUE(ColorNear(gdip.pixelColor(10, 10), Qt::red, 16));
  EXPECT_TRUE(ColorNear(gdip.pixelColor(8, 8), Qt::green, 16));
  EXPECT_TRUE(ColorNear(d2d.pixelColor(8, 8), Qt::red, 16));
  EXPECT_TRUE(ColorNear(d2d.pixelColor(10, 10), Qt::green, 16));
}

}  // namespace
}  // namespace tarnwick::d2dtest
