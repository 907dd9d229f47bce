// Link point markers on the legacy canvas, checked pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "../TestControls.h"
#include "diagram/model/DiagramHost.h"
#include "diagram/model/LinkPointMarkers.h"
#include "geometry/Conversions.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb Grey = qRgb(128, 128, 128);

struct TPixel {
  int dx, dy;
  QRgb colour;
};

struct TSurface {
  QImage Image;
  QPainter Painter;
  TCanvas Canvas;
  explicit TSurface(int size = 40) : Image(size, size, QImage::Format_RGB32) {
    Image.fill(Qt::white);
    Painter.begin(&Image);
    Canvas.SetPainter(&Painter);
  }
  QImage Done() {
    Painter.end();
    return Image;
  }
};

bool Blank(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != White) return false;
  return true;
}

}  // namespace

TEST(LinkPointMarkers, EachStyleDrawsItsShapeAroundThePoint) {
  struct Case {
    TLinkPointStyle style;
    std::vector<TPixel> pixels;  // relative to the point
  };
  const Case cases[] = {
      {ptRectangle, {{-2, -2, Black}, {2, 2, Black}, {2, -2, Black}, {0, 0, Red}, {3, 3, White}, {-3, 0, White}}},
      {ptEllipse, {{0, -2, Black}, {0, 2, Black}, {-2, 0, Black}, {2, 0, Black}, {0, 0, Red}, {3, 0, White}}},
      {ptDiamond,
       {{0, -3, Black}, {3, 0, Black}, {0, 3, Black}, {-3, 0, Black}, {0, 0, Red}, {-2, -2, White}, {4, 0, White}}},
      {ptCross,
       {{-2, -2, Black},
        {2, 2, Black},
        {2, -2, Black},
        {-2, 2, Black},
        {0, 0, Black},
        {0, -2, White},
        {3, 3, White},
        {-3, 3, White}}},
  };
  for (const auto& k : cases) {
    TSurface s;
    s.Canvas.GetPen()->SetColor(clBlack);
    s.Canvas.GetBrush()->SetColor(clRed);
    DrawStyleMarker(&s.Canvas, 20, 20, k.style);
    const QImage image = s.Done();
    for (const TPixel& p : k.pixels)
      EXPECT_EQ(image.pixel(20 + p.dx, 20 + p.dy), p.colour) << "style " << k.style << " at " << p.dx << "," << p.dy;
  }
  for (TLinkPointStyle none : {ptNone, ptImplicit}) {
    TSurface s;
    DrawStyleMarker(&s.Canvas, 20, 20, none);
    EXPECT_TRUE(Blank(s.Done())) << none;
  }
}

TEST(LinkPointMarkers, ANodeIsAGreyBoxWithAMinusAndAPlusWhenCollapsed) {
  for (bool collapsed : {false, true}) {
    TSurface s;
    DrawNodeMarker(&s.Canvas, 20, 20, collapsed);
    const QImage image = s.Done();
    for (TPixel p : {TPixel{-4, -4, Grey}, TPixel{4, 4, Grey}, TPixel{4, -4, Grey}, TPixel{5, 5, White},
                     TPixel{-3, -3, White}, TPixel{-2, 0, Black}, TPixel{2, 0, Black}, TPixel{3, 0, White}})
      EXPECT_EQ(image.pixel(20 + p.dx, 20 + p.dy), p.colour) << p.dx << "," << p.dy;
    EXPECT_EQ(image.pixel(20, 18), collapsed ? Black : White);
    EXPECT_EQ(image.pixel(20, 22), collapsed ? Black : White);
    EXPECT_EQ(image.pixel(20, 23), White);
  }
}

TEST(LinkPointMarkers, AControlsPointsAreDrawnWithItsStyleUnlessHiddenOrPaintedByTheHook) {
  TDiagramFixture f;
  auto* b = f.AddBlock(10, 10, 50, 50);
  b->SetLinkPointStyle(ptRectangle);
  b->GetLinkPointPen()->SetColor(clBlack);
  b->GetLinkPointBrush()->SetColor(clRed);
  TLinkPoint* p = b->GetLinkPoints()->GetItems(1);  // right side middle
  const TPoint at = DotToPoint(b->GetDiagramHost()->ClientToCanvas(p->DiagramPoint()));

  {
    TSurface s(120);
    DrawLinkPoint(&s.Canvas, p);
    const QImage image = s.Done();
    EXPECT_EQ(image.pixel(at.X, at.Y), Red);
    EXPECT_EQ(image.pixel(at.X - 2, at.Y - 2), Black);
  }
  {
    p->SetVisible(false);
    TSurface s(120);
    DrawLinkPoint(&s.Canvas, p);
    EXPECT_TRUE(Blank(s.Done())) << "an invisible point has no marker";
  }
  {
    // The hook sees every point, even invisible ones, at its canvas position.
    TSurface s(120);
    TPoint seen{-1, -1};
    int calls = 0;
    DrawLinkPoints(&s.Canvas, b, [&](TCanvas*, TLinkPoint* lp, const TPoint& pt, bool& done) {
      ++calls;
      if (lp == p) seen = pt;
      done = true;
    });
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(seen, at);
    EXPECT_TRUE(Blank(s.Done())) << "points the hook painted are left alone";
  }
  p->SetVisible(true);
  {
    // A point with something anchored that may collapse is drawn as a node box.
    auto* line = f.AddLine({60, 30}, {100, 30});
    line->Source()->SetAnchorLink(p);
    p->SetCollapsable(true);
    TSurface s(120);
    DrawLinkPoint(&s.Canvas, p);
    const QImage image = s.Done();
    EXPECT_EQ(image.pixel(at.X - 4, at.Y - 4), Grey);
    EXPECT_EQ(image.pixel(at.X, at.Y), Black);
  }
}

TEST(HandleShapes, EachAppearanceStyleDrawsItsShapeAroundTheHandle) {
  constexpr QRgb Yellow = qRgb(255, 255, 0);
  constexpr QRgb Lime = qRgb(0, 255, 0);
  struct Case {
    TDiagramHandlesStyle diagramStyle;
    THandleStyle handleStyle;
    std::vector<TPixel> pixels;  // relative to the handle
  };
  const Case cases[] = {
      // Rectangle, half size 2, filled black.
      {hsClassic, hsSize, {{-2, -2, Black}, {2, 2, Black}, {0, 0, Black}, {3, 3, White}}},
      // Diamond, half size 3, yellow inside.
      {hsClassic, hsCustom, {{0, -3, Black}, {3, 0, Black}, {0, 0, Yellow}, {-3, -3, White}, {4, 0, White}}},
      // Ellipse, half size 2, clear inside.
      {hsClassic, hsRotate, {{0, -2, Black}, {-2, 0, Black}, {0, 0, White}, {-2, -2, White}}},
      // Rectangle, half size 3, lime inside.
      {hsVisio, hsSize, {{-3, -3, Black}, {3, 3, Black}, {0, 0, Lime}, {4, 4, White}}},
      // Crossed ellipse, half size 3: the cross runs from 1 before to 2 after the centre.
      {hsVisio,
       hsRotCenter,
       {{0, 0, Black}, {0, -1, Black}, {0, 1, Black}, {1, 0, Black}, {1, 1, Lime}, {-3, -3, White}}},
  };
  for (const auto& k : cases) {
    TDiagramFixture f;
    f.Diagram->SetHandlesStyle(k.diagramStyle);
    auto* b = f.AddBlock(20, 20, 40, 40);
    b->SetSelected(true);
    TStretchHandle* h = b->GetHandles()->GetItems(1);
    h->SetStyle(k.handleStyle);
    const TPoint at = DotToPoint(b->GetDiagramHost()->ClientToCanvas(h->DiagramPoint()));
    TSurface s(80);
    b->DrawHandle(TDiagramDrawInfo{&s.Canvas, b->GetDrawer(), nullptr}, h);
    const QImage image = s.Done();
    for (const TPixel& p : k.pixels)
      EXPECT_EQ(image.pixel(at.X + p.dx, at.Y + p.dy), p.colour)
          << k.diagramStyle << "/" << k.handleStyle << " at " << p.dx << "," << p.dy;
  }
}

TEST(LinkPointMarkers, AControlShowsAllPointsOnRequestAndNodesAlwaysButLinesNone) {
  TDiagramFixture f;
  auto* b = f.AddBlock(10, 10, 50, 50);
  auto* line = f.AddLine({60, 30}, {100, 30});
  TLinkPoint* node = b->GetLinkPoints()->GetItems(1);
  line->Source()->SetAnchorLink(node);
  node->SetCollapsable(true);
  struct Case {
    TDiagramControl* control;
    bool show;
    int expected;  // points handed to the drawing hook
  };
  for (const Case k : {Case{b, true, 5}, Case{b, false, 1}, Case{line, true, 0}}) {
    TSurface s(120);
    int drawn = 0;
    DrawControlLinkPoints(&s.Canvas, k.control, k.show, [&](TCanvas*, TLinkPoint*, const TPoint&, bool&) { ++drawn; });
    EXPECT_EQ(drawn, k.expected) << k.show;
  }
}
