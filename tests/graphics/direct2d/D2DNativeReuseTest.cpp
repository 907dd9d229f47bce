// A block paints with the same few pens, brushes and figures on every repaint: the engine
// finds each native again instead of building it, yet paints a change at once and never
// hands back the native of another figure.
#include <QPainterPath>

#include "D2DTestSupport.h"
#include "graphics/NativeObjectCounts.h"

namespace tarnwick::d2dtest {
namespace {

using D2DNativeReuse = D2DTest;

TEST_F(D2DNativeReuse, AFoundBrushPaintsItsOwnColourAfterAnother) {
  TScene scene;
  scene.Brush().SetColor(clRed);
  scene.Canvas().Rectangle(10, 10, 40, 40);
  scene.Brush().SetColor(clBlue);
  scene.Canvas().Rectangle(50, 10, 80, 40);
  scene.Brush().SetColor(clRed);
  scene.Canvas().Rectangle(90, 10, 120, 40);
  EXPECT_TRUE(ColorNear(scene.Pixel(25, 25), Qt::red));
  EXPECT_TRUE(ColorNear(scene.Pixel(65, 25), Qt::blue));
  EXPECT_TRUE(ColorNear(scene.Pixel(105, 25), Qt::red));
}

TEST_F(D2DNativeReuse, AnInvisiblePenKeepsItsStyleWhateverItsColourOrWidth) {
  TD2DPen pen;
  pen.SetPenStyle(psDash);
  pen.SetTransparency(100);
  EXPECT_EQ(pen.Native().style(), Qt::DashLine);
  pen.SetPenStyle(psClear);
  EXPECT_EQ(pen.Native().style(), Qt::NoPen);
  pen.SetPenStyle(psSolid);
  pen.SetTransparency(0);
  EXPECT_EQ(pen.Native().color().alpha(), 255);
}

// The path a block rebuilds for its outline and its gradient rectangle, in turn.
struct TFigure {
  const char* Name;
  TSquare Rect;
  bool Ellipse;
  QTransform Matrix;
};

TEST_F(D2DNativeReuse, ARebuiltFigureIsFoundAgainOnlyWhenFiguresAndMatrixMatch) {
  const TFigure figures[] = {
      {"outline", TSquare{0, 0, 100, 100}, true, QTransform::fromTranslate(10, 20)},
      {"gradient rectangle", TSquare{0, 0, 100, 100}, false, QTransform::fromTranslate(10, 20)},
      {"outline elsewhere", TSquare{0, 0, 100, 100}, true, QTransform::fromTranslate(30, 20)},
      {"outline resized", TSquare{0, 0, 50, 100}, true, QTransform::fromTranslate(10, 20)},
  };
  TD2DGraphicsPath path;
  auto describe = [&path](const TFigure& F) -> const QPainterPath& {
    path.Reset();
    if (F.Ellipse)
      path.AddEllipse(F.Rect.Left, F.Rect.Top, F.Rect.Right - F.Rect.Left, F.Rect.Bottom - F.Rect.Top);
    else
      path.AddRectangle(F.Rect);
    path.SetMatrix(F.Matrix);
    return path.Transformed();
  };
  for (const TFigure& f : figures) describe(f);
  for (const TFigure& f : figures) {
    SCOPED_TRACE(f.Name);
    const uint64_t before = NativeObjectCounts().Paths;
    const QRectF bounds = describe(f).boundingRect();
    EXPECT_EQ(NativeObjectCounts().Paths, before) << "found again";
    EXPECT_EQ(bounds, f.Matrix.mapRect(QRectF(f.Rect.Left, f.Rect.Top, f.Rect.Right - f.Rect.Left,
                                              f.Rect.Bottom - f.Rect.Top)));
  }
  path.Reset();
  path.AddEllipse(0, 0, 70, 70);
  const uint64_t before = NativeObjectCounts().Paths;
  path.Transformed();
  EXPECT_EQ(NativeObjectCounts().Paths, before + 1) << "a new figure is built";
}

TEST_F(D2DNativeReuse, DrawingWithNothingToPaintStillClosesTheGeometry) {
  TScene scene;
  TD2DGraphicsPath path;
  path.AddRectangle(TSquare{10, 10, 50, 50});
  scene.Brush().SetBrushMode(bmClear);
  scene.Canvas().Path(&path);
  EXPECT_EQ(path.AddLine(0, 0, 5, 5), -1);
  EXPECT_TRUE(ColorNear(scene.Pixel(30, 30), Qt::white));
}

}  // namespace
}  // namespace tarnwick::d2dtest
