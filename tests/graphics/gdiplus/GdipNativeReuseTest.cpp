// What a repaint of an unchanged block asks of the engine: the fills it switches between
// are found again whatever the other fills left in the brush, and a surface clip is the
// same pixels whether it reaches the painter as a rectangle or as a path.
#include <QPainterPath>

#include "GdipTestSupport.h"
#include "graphics/NativeObjectCounts.h"
#include "graphics/PainterSurface.h"
#include "graphics/gdiplus/GdipBrush.h"
#include "graphics/gdiplus/GdipCanvas.h"
#include "graphics/gdiplus/GdipPen.h"

namespace tarnwick {
namespace {

using gdiptest::Near;
using gdiptest::TTarget;

// A canvas drawing through a surface clipped to AClip, on a painter already clipped to
// APainterClip when one is given.
QImage FillThroughClip(const QPainterPath& AClip, const QPainterPath* APainterClip = nullptr) {
  TTarget t(60, 60);
  if (APainterClip) t.Painter()->setClipPath(*APainterClip);
  TPainterSurface surface(t.Painter());
  surface.SetDeviceClip(AClip);
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(nullptr));
  canvas->SetTempGraphics(&surface);
  canvas->GetPen()->SetTransparency(100);
  canvas->GetBrush()->SetColor(clRed);
  canvas->Rectangle(0, 0, 60, 60);
  canvas->SetTempGraphics(nullptr);
  return t.Image();
}

QPainterPath RectPath(double L, double T, double R, double B) {
  QPainterPath p;
  p.addRect(QRectF(QPointF(L, T), QPointF(R, B)));
  return p;
}

// The same fill clipped by the painter to the path itself.
QImage FillThroughPainterClip(const QPainterPath& AClip) {
  TTarget t(60, 60);
  QPainter* p = t.Painter();
  p->setRenderHint(QPainter::Antialiasing, true);
  p->setClipPath(AClip);
  p->fillRect(QRectF(0, 0, 60, 60), Qt::red);
  return t.Image();
}

TEST(GdipNativeReuse, ASurfaceClipPaintsThePixelsOfItsPath) {
  const QPainterPath clips[] = {RectPath(10, 20, 40, 50), RectPath(10.5, 10, 40, 50.25), RectPath(-5, -5, 70, 30)};
  for (const QPainterPath& clip : clips) {
    SCOPED_TRACE(clip.boundingRect().left());
    EXPECT_EQ(FillThroughClip(clip), FillThroughPainterClip(clip));
  }
  const QImage whole = FillThroughClip(RectPath(10, 20, 40, 50));
  EXPECT_EQ(QColor(whole.pixel(10, 20)), QColor(Qt::red));
  EXPECT_EQ(QColor(whole.pixel(39, 49)), QColor(Qt::red));
  EXPECT_EQ(QColor(whole.pixel(40, 30)), QColor(Qt::white));
  EXPECT_EQ(QColor(whole.pixel(20, 19)), QColor(Qt::white));
}

TEST(GdipNativeReuse, ARectangleAroundThePaintersClipLeavesThatClipAsItIs) {
  QPainterPath circle;
  circle.addEllipse(QRectF(20, 20, 20, 20));
  const QImage image = FillThroughClip(RectPath(0, 0, 60, 60), &circle);
  EXPECT_EQ(QColor(image.pixel(30, 30)), QColor(Qt::red));
  EXPECT_EQ(QColor(image.pixel(21, 21)), QColor(Qt::white)) << "outside the circle";
  EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::white));
}

TEST(GdipNativeReuse, ARectangleInsideThePaintersClipNarrowsIt) {
  const QPainterPath wide = RectPath(0, 0, 60, 60);
  const QImage image = FillThroughClip(RectPath(10, 10, 20, 20), &wide);
  EXPECT_EQ(QColor(image.pixel(15, 15)), QColor(Qt::red));
  EXPECT_EQ(QColor(image.pixel(30, 30)), QColor(Qt::white));
}

}  // namespace
}  // namespace tarnwick
