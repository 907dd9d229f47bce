// The engine canvas and its block drawer: where shapes land, the saved state, transform
// order, text, images, pens, and a canvas without a painter.
#include <QPainterPath>

#include "GdipTestSupport.h"
#include "graphics/gdiplus/GPBlockDrawer.h"
#include "graphics/gdiplus/GdipCanvas.h"
#include "graphics/gdiplus/GdipGraphic.h"
#include "graphics/gdiplus/GdipGraphicsPath.h"
#include "graphics/gdiplus/GdipImage.h"
#include "graphics/gdiplus/GdipPaintEngine.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

namespace tarnwick {
namespace {

using gdiptest::Near;
using gdiptest::TTarget;

TOwned<TGPCanvas> FillCanvas(TTarget& T, TColor AColor = clRed) {
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(T.Painter()));
  canvas->GetPen()->SetTransparency(100);
  canvas->GetBrush()->SetColor(AColor);
  return canvas;
}

// ---- The block drawer's frame ----

TEST(GPBlockDrawer, MapsSourceOntoDestinationThenTurnsAboutTheCentre) {
  TOwned<TGPBlockDrawer> drawer(MakeOwned<TGPBlockDrawer>());
  drawer->SetSourceRect(Square(0, 0, 100, 100));
  drawer->SetDestRect(Square(100, 100, 300, 200));
  drawer->SetRotationCenter(Dot(200, 150));
  drawer->SetAngle(90);
  QPainterPath path;
  path.moveTo(100, 50);  // the middle of the source's right edge
  drawer->TransformPath(path);
  // Onto (300, 150), then a quarter turn clockwise about (200, 150).
  EXPECT_NEAR(path.elementAt(0).x, 200, 1e-9);
  EXPECT_NEAR(path.elementAt(0).y, 250, 1e-9);
}

TEST(GPBlockDrawer, DrawsOnTheSurfaceOfItsPaintEngineOnly) {
  TTarget target;
  TOwned<TGdipPaintEngine> engine(Create<TGdipPaintEngine>(target.Canvas(), TRect{0, 0, 100, 100}));
  TOwned<TGPBlockDrawer> drawer(MakeOwned<TGPBlockDrawer>());
  TDgrCanvas* canvas = drawer->GetCanvas();
  canvas->GetPen()->SetTransparency(100);
  canvas->GetBrush()->SetColor(clRed);
  canvas->Rectangle(0, 0, 50, 50);  // no engine yet: nowhere to draw
  drawer->SetPaintEngine(engine.get());
  engine->TranslateTransform(50, 0);
  canvas->Rectangle(0, 50, 50, 100);
  drawer->SetPaintEngine(nullptr);
  canvas->Rectangle(0, 0, 100, 100);  // the engine is gone again
  EXPECT_TRUE(Near(target.At(25, 25), Qt::white, 0));
  EXPECT_TRUE(Near(target.At(75, 75), Qt::red, 0));
  EXPECT_TRUE(Near(target.At(25, 75), Qt::white, 0));
}

// ---- State ----

TEST(GPCanvas, RestoresTheStateOfTheLastOfTwoSaves) {
  TTarget target;
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(target.Painter()));
  canvas->TranslateTransform(10, 0);
  canvas->SaveDrawingState();
  canvas->TranslateTransform(20, 0);
  canvas->SaveDrawingState();
  canvas->RotateTransform(30);
  canvas->RestoreDrawingState();
  EXPECT_EQ(canvas->GPGraphics().World(), QTransform::fromTranslate(30, 0));
}

TEST(GPCanvas, ClipsToTheRectangleItWasLastGiven) {
  TTarget target;
  TOwned<TGPCanvas> canvas = FillCanvas(target);
  canvas->SetClip(Square(0, 0, 50, 100));
  canvas->SetClip(Square(50, 0, 100, 100));  // replaces, does not intersect
  canvas->Rectangle(0, 0, 100, 100);
  EXPECT_TRUE(Near(target.At(25, 50), Qt::white, 0));
  EXPECT_TRUE(Near(target.At(75, 50), Qt::red, 0));
}

// ---- Shapes ----

TEST(GPCanvas, FillsAPolygonAtExactlyItsPoints) {
  TTarget target;
  TOwned<TGPCanvas> canvas = FillCanvas(target);
  canvas->Polygon({Dot(10, 10), Dot(90, 10), Dot(10, 90)});
  EXPECT_TRUE(Near(target.At(11, 11), Qt::red, 0));
  EXPECT_TRUE(Near(target.At(88, 10), Qt::red, 40));  // inside the sharp corner, partly covered
  EXPECT_TRUE(Near(target.At(45, 45), Qt::red, 0));
  EXPECT_TRUE(Near(target.At(55, 55), Qt::white, 0));
  EXPECT_TRUE(Near(target.At(9, 50), Qt::white, 0));
  EXPECT_TRUE(Near(target.At(50, 9), Qt::white, 0));
}

TEST(GPCanvas, StrokesCentredWithAWidthInDrawingUnits) {
  TTarget target;
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(target.Painter()));
  canvas->GetPen()->SetWidth(10);
  canvas->GetPen()->SetColor(clBlue);
  canvas->ScaleTransform(2, 2);
  canvas->DrawLine(10, 25, 40, 25);  // 20 device pixels wide about y = 50
  EXPECT_TRUE(Near(target.At(50, 41), Qt::blue, 0));
  EXPECT_TRUE(Near(target.At(50, 58), Qt::blue, 0));
  EXPECT_TRUE(Near(target.At(50, 62), Qt::white, 0));
  EXPECT_TRUE(Near(target.At(18, 50), Qt::white, 0));  // flat caps end at the line's ends
}

// ---- Pens ----

TEST(GdipPen, FromAClearPlatformPenTurnsInvisibleAndKeepsItsDashes) {
  TOwned<TGdipPen> pen(MakeOwned<TGdipPen>());
  pen->SetDashStyle(DashStyleDash);
  TPen platform;
  platform.SetStyle(psClear);
  pen->Assign(&platform);
  EXPECT_EQ(pen->GetTransparency(), 100);
  EXPECT_EQ(pen->GetDashStyle(), DashStyleDash);
  EXPECT_EQ(pen->GPPen().color().alpha(), 0);

  platform.SetStyle(psDashDotDot);
  pen->Assign(&platform);
  EXPECT_EQ(pen->GetDashStyle(), DashStyleDashDotDot);
  EXPECT_EQ(pen->GPPen().style(), Qt::DashDotDotLine);
}

// ---- Text ----

TEST(GPCanvas, TextWithoutWrapStaysOnOneLineAndIsNotClipped) {
  TTarget target(300, 100);
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(target.Painter()));
  TFont font;
  font.SetHeight(-16);
  font.SetColor(clBlack);
  const TSquare narrow = Square(10, 10, 30, 30);
  const QString text = QStringLiteral("Wide words here");
  canvas->DrawString(text, &font, narrow, taLeftJustify, vaTop, false, false, 0);
  const QImage& image = target.Image();
  int right = -1;
  int bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        right = std::max(right, x);
        bottom = std::max(bottom, y);
      }
  EXPECT_GT(right, 60);        // far beyond the rectangle's right edge at 30
  EXPECT_LT(bottom, 10 + 24);  // one line of a 16-unit font

  const TSquare bounds = canvas->StringBounds(text, &font, narrow, taLeftJustify, vaTop, false, false);
  EXPECT_DOUBLE_EQ(bounds.Left, 10);
  EXPECT_DOUBLE_EQ(bounds.Top, 10);
  EXPECT_GT(bounds.Right, 60);
  EXPECT_LT(bounds.Bottom, 10 + 24);
  const TSquare wrapped = canvas->StringBounds(text, &font, narrow, taLeftJustify, vaTop, true, false);
  EXPECT_GT(wrapped.Bottom, bounds.Bottom + 10);  // wrapping takes more than one line
}

// ---- Images ----

// A 4 x 4 image: red, with green in its bottom-left pixel and in its top-right quarter.
QImage KeyedImage() {
  QImage image(4, 4, QImage::Format_ARGB32);
  image.fill(Qt::red);
  image.setPixelColor(0, 3, Qt::green);
  for (int y = 0; y < 2; ++y)
    for (int x = 2; x < 4; ++x) image.setPixelColor(x, y, Qt::green);
  return image;
}

TEST(GPCanvas, DrawsAnImageHalfTransparent) {
  TTarget target;
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(target.Painter()));
  TOwned<TGdipImage> image(MakeOwned<TGdipImage>(KeyedImage()));
  canvas->StretchDraw(Square(0, 0, 100, 100), image.get(), 50, false);
  EXPECT_TRUE(Near(target.At(10, 10), QColor(255, 128, 128), 2));
  EXPECT_TRUE(Near(target.At(90, 10), QColor(128, 255, 128), 2));
}

TEST(GPCanvas, DrawsAGraphicWithoutItsBottomLeftColour) {
  TTarget target;
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(target.Painter()));
  TMemoryStream bytes(gdiptest::PngBytes(KeyedImage()));
  TOwned<TGdipGraphic> graphic(MakeOwned<TGdipGraphic>());
  graphic->LoadFromStream(bytes);
  EXPECT_EQ(graphic->GetWidth(), 4);
  canvas->StretchDraw(Square(0, 0, 100, 100), graphic.get(), 0, true);
  EXPECT_TRUE(Near(target.At(10, 10), Qt::red, 0));
  EXPECT_TRUE(Near(target.At(90, 10), Qt::white, 0));  // green elsewhere goes too
  EXPECT_TRUE(Near(target.At(10, 90), Qt::white, 0));
}

TEST(GdipGraphic, DrawsOnAPlatformCanvasByItsTransparentFlag) {
  TTarget target;
  TMemoryStream bytes(gdiptest::PngBytes(KeyedImage()));
  TOwned<TGdipGraphic> graphic(MakeOwned<TGdipGraphic>());
  graphic->LoadFromStream(bytes);
  graphic->SetTransparent(true);
  target.Canvas()->StretchDraw(TRect{0, 0, 100, 100}, graphic.get());
  EXPECT_TRUE(Near(target.At(10, 10), Qt::red, 0));
  EXPECT_TRUE(Near(target.At(90, 10), Qt::white, 0));
}

TEST(GdipGraphic, LoadedAgainReportsAndDrawsTheNewImage) {
  TTarget target;
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(target.Painter()));
  TOwned<TGdipGraphic> graphic(MakeOwned<TGdipGraphic>());
  TMemoryStream first(gdiptest::PngBytes(KeyedImage()));
  graphic->LoadFromStream(first);
  canvas->StretchDraw(Square(0, 0, 100, 100), graphic.get(), 0, false);
  QImage blue(8, 2, QImage::Format_ARGB32);
  blue.fill(Qt::blue);
  TMemoryStream second(gdiptest::PngBytes(blue));
  graphic->LoadFromStream(second);
  EXPECT_EQ(graphic->GetWidth(), 8);
  EXPECT_EQ(graphic->GetHeight(), 2);
  canvas->StretchDraw(Square(0, 0, 100, 100), graphic.get(), 0, false);
  EXPECT_TRUE(Near(target.At(10, 10), Qt::blue, 0));
}

TEST(GdipGraphic, OfBytesThatDoNotDecodeDrawsNothing) {
  TTarget target;
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(target.Painter()));
  TMemoryStream bytes(QByteArray("not an image"));
  TOwned<TGdipGraphic> graphic(MakeOwned<TGdipGraphic>());
  graphic->LoadFromStream(bytes);
  EXPECT_FALSE(graphic->GetImageSizes());
  EXPECT_NO_THROW(canvas->StretchDraw(Square(0, 0, 100, 100), graphic.get(), 0, false));
  EXPECT_TRUE(Near(target.At(50, 50), Qt::white, 0));
}

}  // namespace
}  // namespace tarnwick
