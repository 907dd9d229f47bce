// The Direct2D canvas: the block frame it draws paths through, its one-push clip, its text
// rules, images, and building native objects only after a change.
#include <QFontMetricsF>

#include "D2DTestSupport.h"
#include "graphics/EngineText.h"
#include "graphics/NativeObjectCounts.h"
#include "graphics/direct2d/D2DGraphic.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Font.h"

namespace tarnwick::d2dtest {
namespace {

using D2DCanvasTest = D2DTest;

TEST_F(D2DCanvasTest, FlipMirrorsInsideTheBlockWhateverTheSourceSize) {
  TOwned<TD2DBlockDrawer> drawer(Create<TD2DBlockDrawer>());
  drawer->SetSourceRect(TSquare{0, 0, 32, 88});
  drawer->SetDestRect(TSquare{10, 10, 42, 98});  // one to one
  drawer->SetHorizontalFlip(true);
  TOwned<TD2DGraphicsPath> path(Create<TD2DGraphicsPath>());
  path->AddPolygon({{0, 0}, {32, 0}, {32, 88}, {0, 88}});
  drawer->TransformPath(path.get());
  EXPECT_EQ(path->Outline().boundingRect(), QRectF(10, 10, 32, 88));
  EXPECT_EQ(path->GetMatrix().map(QPointF(4, 8)), QPointF(38, 18));
  drawer->SetVerticalFlip(true);
  drawer->TransformPath(path.get());
  EXPECT_EQ(path->Outline().boundingRect(), QRectF(10, 10, 32, 88));
  EXPECT_EQ(path->GetMatrix().map(QPointF(4, 8)), QPointF(38, 90));
}

TEST_F(D2DCanvasTest, PathStrokeWidthIsNotScaledByThePathMatrix) {
  TScene scene;
  scene.Pen().SetPenStyle(psSolid);
  scene.Pen().SetColor(clRed);
  scene.Pen().SetWidth(2);
  scene.Drawer().SetSourceRect(TSquare{0, 0, 50, 50});
  scene.Drawer().SetDestRect(TSquare{0, 0, 200, 200});
  TOwned<TD2DGraphicsPath> path(Create<TD2DGraphicsPath>());
  path->AddLine(5, 25, 45, 25);
  scene.Drawer().TransformPath(path.get());
  scene.Canvas().DrawPath(path.get());
  const QImage& image = scene.End();
  int red = 0;
  for (int y = 80; y < 120; ++y) red += image.pixelColor(100, y) == QColor(Qt::red);
  EXPECT_EQ(red, 2);
}

TEST_F(D2DCanvasTest, KeepsTheFirstOfTwoClipsUntilReset) {
  TScene scene;
  scene.Brush().SetColor(clRed);
  EXPECT_EQ(scene.Canvas().SetClip(TSquare{0, 0, 100, 100}), 0);
  scene.Canvas().SetClip(TSquare{100, 100, 200, 200});
  scene.Canvas().Rectangle(0, 0, 200, 200);
  scene.Canvas().ResetClip();
  scene.Brush().SetColor(clBlue);
  scene.Canvas().SetClip(TSquare{100, 100, 200, 200});
  scene.Canvas().Rectangle(0, 0, 200, 200);
  scene.Canvas().ResetClip();
  EXPECT_TRUE(ColorNear(scene.Pixel(50, 50), Qt::red, 0));
  EXPECT_TRUE(ColorNear(scene.Pixel(150, 150), Qt::blue, 0));
  EXPECT_TRUE(ColorNear(scene.Pixel(150, 50), Qt::white, 0));
}

TEST_F(D2DCanvasTest, ClipRegionMasksWithThePathGeometry) {
  TScene scene;
  scene.Brush().SetColor(clRed);
  TOwned<TD2DGraphicsPath> path(Create<TD2DGraphicsPath>());
  path->AddEllipse(0, 0, 100, 100);
  TOwned<TDgrRegion> region(path->CreateRegion());
  path->Reset();
  scene.Canvas().ClipRegion(region.get());
  scene.Canvas().Rectangle(0, 0, 200, 200);
  EXPECT_TRUE(ColorNear(scene.Pixel(50, 50), Qt::red, 0));
  EXPECT_TRUE(ColorNear(scene.Pixel(3, 3), Qt::white, 0));
  EXPECT_TRUE(ColorNear(scene.Pixel(150, 150), Qt::white, 0));
}

TEST_F(D2DCanvasTest, RestoreBringsBackTheSavedWorldTransformOnly) {
  TScene scene;
  scene.Brush().SetColor(clRed);
  scene.Canvas().RestoreDrawingState();  // nothing saved yet: nothing changes
  scene.Canvas().TranslateTransform(100, 0);
  scene.Canvas().SaveDrawingState();
  scene.Canvas().TranslateTransform(0, 100);
  scene.Canvas().RestoreDrawingState();
  scene.Canvas().Rectangle(0, 0, 10, 10);
  EXPECT_TRUE(ColorNear(scene.Pixel(105, 5), Qt::red, 0));
  EXPECT_TRUE(ColorNear(scene.Pixel(105, 105), Qt::white, 0));
}

// ---- Text ----

TFont* BigFont(TFont& AFont, bool AUnderline) {
  AFont.SetHeight(-24);
  AFont.SetColor(clBlack);
  AFont.SetStyle(AUnderline ? TFontStyles{fsUnderline} : TFontStyles{});
  return &AFont;
}

int InkRightOf(const QImage& AImage, int AX) {
  int ink = 0;
  for (int y = 0; y < AImage.height(); ++y)
    for (int x = AX; x < AImage.width(); ++x) ink += qGray(AImage.pixel(x, y)) < 128;
  return ink;
}

TEST_F(D2DCanvasTest, UnderlinedTextIsClippedToItsRectangleOtherTextIsNot) {
  TFont font;
  TScene plain;
  plain.Canvas().DrawString("WWWWWWWW", BigFont(font, false), TSquare{0, 0, 40, 40}, taLeftJustify, vaTop, false,
                            false, 0);
  EXPECT_GT(InkRightOf(plain.End(), 42), 0);
  TScene underlined;
  underlined.Canvas().DrawString("WWWWWWWW", BigFont(font, true), TSquare{0, 0, 40, 40}, taLeftJustify, vaTop,
                                 false, false, 0);
  EXPECT_EQ(InkRightOf(underlined.End(), 42), 0);
  EXPECT_GT(InkRightOf(underlined.End(), 0), 0);
}

struct TBoundsCase {
  TAlignment HAlign;
  TVertAlign VAlign;
};

class D2DStringBoundsTest : public D2DTest, public ::testing::WithParamInterface<TBoundsCase> {};

TEST_P(D2DStringBoundsTest, IsTheMeasuredTextPlacedByAlignmentPlusOneUnit) {
  const TBoundsCase& c = GetParam();
  TFont font;
  BigFont(font, false);
  const TSquare rect{10, 20, 310, 220};
  const QSizeF text = QFontMetricsF(EngineFont(font, false, false)).size(0, "Measured");
  TOwned<TD2DCanvas> canvas(MakeOwned<TD2DCanvas>(nullptr));
  const TSquare b = canvas->StringBounds("Measured", &font, rect, c.HAlign, c.VAlign, false, false);
  EXPECT_NEAR(b.Right - b.Left, text.width() + 1, 0.5);
  EXPECT_NEAR(b.Bottom - b.Top, text.height() + 1, 0.5);
  const double left = c.HAlign == taLeftJustify ? 10 : c.HAlign == taRightJustify ? 310 - text.width()
                                                                                  : 160 - text.width() / 2;
  const double top = c.VAlign == vaTop ? 20 : c.VAlign == vaBottom ? 220 - text.height() : 120 - text.height() / 2;
  EXPECT_NEAR(b.Left, left, 0.5);
  EXPECT_NEAR(b.Top, top, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Alignments, D2DStringBoundsTest,
                         ::testing::Values(TBoundsCase{taLeftJustify, vaTop}, TBoundsCase{taRightJustify, vaBottom},
                                           TBoundsCase{taCenter, vaCenter}));

// ---- Images ----

TEST_F(D2DCanvasTest, StretchDrawScalesIntoTheRoundedRectangleAtItsOpacity) {
  QImage pixels(4, 4, QImage::Format_ARGB32);
  pixels.fill(Qt::red);
  pixels.setPixelColor(0, 3, Qt::blue);  // the bottom-left pixel's colour is the key
  TOwned<TBitmap> bitmap(MakeOwned<TBitmap>());
  bitmap->SetImage(pixels);
  TOwned<TD2DGraphic> graphic(MakeOwned<TD2DGraphic>());
  graphic->Assign(bitmap.get());
  TScene scene;
  scene.Canvas().StretchDraw(TSquare{10.4, 10.4, 49.6, 49.6}, graphic.get(), 50, false);
  scene.Canvas().StretchDraw(TSquare{100, 100, 140, 140}, graphic.get(), 0, true);
  const QImage& image = scene.End();
  EXPECT_TRUE(ColorNear(image.pixelColor(30, 20), QColor(255, 127, 127), 3));
  EXPECT_TRUE(ColorNear(image.pixelColor(10, 20), QColor(255, 127, 127), 3));
  EXPECT_TRUE(ColorNear(image.pixelColor(50, 20), Qt::white, 0));
  // Drawn bitmap-transparent, the key colour is gone and the rest is opaque.
  EXPECT_TRUE(ColorNear(image.pixelColor(101, 139), Qt::white, 3));
  EXPECT_TRUE(ColorNear(image.pixelColor(120, 110), Qt::red, 0));
}

// ---- Native objects ----

TEST_F(D2DCanvasTest, RepaintingAnUnchangedShapeBuildsNothing) {
  TScene scene;
  scene.Pen().SetPenStyle(psAlternate);
  scene.Pen().SetWidth(2);
  scene.Brush().SetBrushMode(bmGradient);
  scene.Brush().SetGradientMode(gmHorzInOut);
  TOwned<TD2DGraphicsPath> path(Create<TD2DGraphicsPath>());
  path->AddPolygon({{0, 0}, {100, 0}, {50, 100}});
  auto paint = [&] {
    scene.Drawer().SetSourceRect(TSquare{0, 0, 100, 100});
    scene.Drawer().SetDestRect(TSquare{20, 20, 120, 120});
    scene.Drawer().SetRotationCenter(TDot{70, 70});
    scene.Drawer().SetAngle(30);
    scene.Drawer().SetHorizontalFlip(true);
    scene.Drawer().TransformPath(path.get());
    scene.Canvas().Path(path.get());
    scene.Canvas().Ellipse(0, 0, 50, 50);
  };
  paint();
  const TNativeObjectCounts first = NativeObjectCounts();
  paint();
  EXPECT_EQ(NativeObjectCounts().Pens, first.Pens);
  EXPECT_EQ(NativeObjectCounts().Brushes, first.Brushes);
  EXPECT_EQ(NativeObjectCounts().Paths, first.Paths);
  // A changed pen, or a block that moved, is built again.
  scene.Pen().SetColor(clRed);
  scene.Drawer().SetAngle(45);
  scene.Drawer().TransformPath(path.get());
  scene.Canvas().Path(path.get());
  EXPECT_EQ(NativeObjectCounts().Pens, first.Pens + 1);
  EXPECT_EQ(NativeObjectCounts().Paths, first.Paths + 1);
}

}  // namespace
}  // namespace tarnwick::d2dtest
