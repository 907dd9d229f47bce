// The engine path's figure rules and arcs, regions, the paint engine's quality settings,
// the picture loaders, and the native objects a repaint builds.
#include <QPainterPath>
#include <cmath>

#include "GdipTestSupport.h"
#include "graphics/NativeObjectCounts.h"
#include "graphics/gdiplus/GPBlockDrawer.h"
#include "graphics/gdiplus/GdipCanvas.h"
#include "graphics/gdiplus/GdipGraphic.h"
#include "graphics/gdiplus/GdipGraphicsPath.h"
#include "graphics/gdiplus/GdipPaintEngine.h"
#include "graphics/gdiplus/GdipPictureLoaders.h"
#include "graphics/gdiplus/GdipRegion.h"
#include "platform/gui/GraphicFormats.h"

namespace tarnwick {
namespace {

using gdiptest::Near;
using gdiptest::TTarget;

bool StartsFigure(const QPainterPath& APath, int AIndex) { return APath.elementAt(AIndex).isMoveTo(); }

// ---- Figures ----

TEST(GdipGraphicsPath, JoinsSegmentsToTheOpenFigure) {
  TOwned<TGdipGraphicsPath> path(MakeOwned<TGdipGraphicsPath>());
  path->AddLine(0, 0, 10, 0);
  path->AddLine(20, 0, 20, 10);  // joined by a segment from (10, 0)
  const QPainterPath& p = path->GPPath();
  ASSERT_EQ(p.elementCount(), 4);
  EXPECT_TRUE(StartsFigure(p, 0));
  EXPECT_FALSE(StartsFigure(p, 2));
  EXPECT_EQ(QPointF(p.elementAt(2)), QPointF(20, 0));
}

TEST(GdipGraphicsPath, StartsANewFigureAfterClosedShapesStartAndClose) {
  TOwned<TGdipGraphicsPath> path(MakeOwned<TGdipGraphicsPath>());
  path->AddEllipse(0, 0, 10, 10);
  int mark = path->GetPointCount();
  path->AddLine(50, 50, 60, 60);
  EXPECT_TRUE(StartsFigure(path->GPPath(), mark));

  path->StartFigure();
  mark = path->GetPointCount();
  path->AddBezier(70, 70, 71, 71, 72, 72, 73, 73);
  EXPECT_TRUE(StartsFigure(path->GPPath(), mark));

  path->CloseFigure(false);  // closes whatever the argument says
  mark = path->GetPointCount();
  path->AddLines({Dot(80, 80), Dot(90, 90)});
  EXPECT_TRUE(StartsFigure(path->GPPath(), mark));

  path->AddRectangle(Square(0, 0, 5, 5));
  mark = path->GetPointCount();
  path->AddArc(0, 0, 10, 10, 0, 90);
  EXPECT_TRUE(StartsFigure(path->GPPath(), mark));
}

TEST(GdipGraphicsPath, FillsAlternateUnlessToldToWind) {
  TOwned<TGdipGraphicsPath> path(MakeOwned<TGdipGraphicsPath>());
  path->AddRectangle(Square(0, 0, 100, 100));
  path->AddRectangle(Square(25, 25, 75, 75));
  EXPECT_FALSE(path->IsVisible(50, 50));
  EXPECT_TRUE(path->IsVisible(10, 10));
  path->SetFillMode(fmWinding);
  EXPECT_TRUE(path->IsVisible(50, 50));
  path->Reset();
  EXPECT_EQ(path->GetPointCount(), 0);
  EXPECT_EQ(path->GPPath().fillRule(), Qt::WindingFill);  // the fill rule outlives Reset
}

TEST(GdipGraphicsPath, PutsArcAnglesOnTheirDirectionsFromTheCentre) {
  TOwned<TGdipGraphicsPath> path(MakeOwned<TGdipGraphicsPath>());
  path->AddArc(0, 0, 200, 100, 45, 90);
  const QPainterPath& p = path->GPPath();
  const QPointF start = p.elementAt(0);
  const QPointF end = p.currentPosition();
  // The 45 degree ray from (100, 50) runs down and right; 135 degrees down and left. (A
  // parametric 45 degrees would lie at (170.7, 85.4), far off the ray.) Curve segments
  // approximate the ellipse to a few hundredths of a unit.
  EXPECT_NEAR(start.x() - 100, start.y() - 50, 0.05);
  EXPECT_GT(start.x(), 100);
  EXPECT_NEAR(100 - end.x(), end.y() - 50, 0.05);
  EXPECT_GT(end.y(), 50);
  for (QPointF q : {start, end})
    EXPECT_NEAR(std::pow((q.x() - 100) / 100, 2) + std::pow((q.y() - 50) / 50, 2), 1, 1e-3);
}

// ---- Regions ----

TEST(GdipRegion, MapsThroughTheCanvasTransformAndTestsRectangles) {
  TTarget target;
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(target.Painter()));
  TOwned<TGdipGraphicsPath> path(MakeOwned<TGdipGraphicsPath>());
  path->AddRectangle(Square(0, 0, 10, 10));
  TOwned<TDgrRegion> region(path->CreateRegion());
  EXPECT_TRUE(region->IsVisible(Square(8, 8, 20, 20)));
  EXPECT_FALSE(region->IsVisible(Square(12, 12, 20, 20)));

  canvas->TranslateTransform(10, 0);
  const QRegion rgn = region->GetHRGN(canvas.get());
  EXPECT_TRUE(rgn.contains(QPoint(15, 5)));
  EXPECT_FALSE(rgn.contains(QPoint(5, 5)));

  canvas->ResetTransform();
  canvas->SetClip(rgn);
  canvas->GetPen()->SetTransparency(100);
  canvas->GetBrush()->SetColor(clRed);
  canvas->Rectangle(0, 0, 100, 100);
  EXPECT_TRUE(Near(target.At(15, 5), Qt::red, 0));
  EXPECT_TRUE(Near(target.At(5, 5), Qt::white, 0));
}

// ---- Paint engine ----

// ---- Picture loaders ----

TEST(GdipPictureLoaders, RegisterTheEngineGraphicForItsFormats) {
  RegisterGdipPictureLoaders();
  for (const char* ext : {"jpg", "gif", "png", "tif", "tiff"})
    EXPECT_EQ(GraphicClassForExtension(QString::fromLatin1(ext)), &TGdipGraphic::StaticClassInfo()) << ext;
  bool tiffDescribed = false;
  for (const TFileFormat& f : FileFormats())
    if (f.Extension == QLatin1String("tiff")) tiffDescribed = f.Description == QLatin1String("TIFF Image File");
  EXPECT_TRUE(tiffDescribed);
  UnregisterGraphicClass(TGdipGraphic::StaticClassInfo());
}

// ---- Native objects built by repaints ----

class GdipNativeObjects : public ::testing::Test {
 protected:
  // One paint of a control: the drawer's rectangles set again, a shadow in grey, then the
  // body with the gradient brush and a black outline.
  void PaintControl(TTarget& T) {
    TOwned<TGdipPaintEngine> engine(Create<TGdipPaintEngine>(T.Canvas(), TRect{0, 0, 100, 100}));
    Drawer->SetPaintEngine(engine.get());
    Drawer->SetSourceRect(Square(0, 0, 100, 100));
    Drawer->SetDestRect(Square(10, 10, 90, 90));
    Drawer->SetRotationCenter(Dot(50, 50));
    Drawer->SetAngle(Angle);
    TDgrCanvas* canvas = Drawer->GetCanvas();
    Path->Reset();
    Path->AddEllipse(0, 0, 100, 100);
    Drawer->TransformPath(Path.get());
    canvas->GetBrush()->SetBrushMode(bmSolid);
    canvas->GetBrush()->SetColor(clGray);
    canvas->GetPen()->SetColor(clGray);
    canvas->Path(Path.get());
    canvas->GetBrush()->SetBrushMode(bmGradient);
    canvas->GetBrush()->SetColor(BodyColor);
    canvas->GetPen()->SetColor(clBlack);
    canvas->Path(Path.get());
    Drawer->SetPaintEngine(nullptr);
  }

  TOwned<TGPBlockDrawer> Drawer = MakeOwned<TGPBlockDrawer>();
  TOwned<TDgrGraphicsPath> Path{Drawer->CreatePath()};
  TColor BodyColor = clRed;
  double Angle = 15;
};

TEST_F(GdipNativeObjects, AColourChangeBuildsExactlyOneBrush) {
  TTarget target;
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(target.Painter()));
  canvas->Rectangle(0, 0, 10, 10);
  canvas->Rectangle(0, 0, 10, 10);
  const TNativeObjectCounts before = NativeObjectCounts();
  canvas->GetBrush()->SetColor(clBlue);
  canvas->Rectangle(0, 0, 10, 10);
  canvas->Rectangle(0, 0, 10, 10);
  EXPECT_EQ(NativeObjectCounts().Brushes, before.Brushes + 1);
  EXPECT_EQ(NativeObjectCounts().Pens, before.Pens);
  EXPECT_EQ(NativeObjectCounts().Paths, before.Paths);
}

TEST_F(GdipNativeObjects, AChangeStillShowsAtTheNextPaint) {
  TTarget first;
  PaintControl(first);
  BodyColor = clBlue;
  Angle = 0;
  TTarget second;
  PaintControl(second);
  // The body's gradient runs from Color at the top to black at the bottom.
  EXPECT_TRUE(Near(second.At(50, 14), Qt::blue, 40));
}

}  // namespace
}  // namespace tarnwick
