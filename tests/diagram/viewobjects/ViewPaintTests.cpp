// Painting the snap grid, the background and gradients on a diagram: where dots, lines and
// picture copies land relative to the diagram origin, zoom and scroll position, and that
// degenerate sizes paint nothing and return quickly.
#include <gtest/gtest.h>

#include <chrono>

#include "diagram/model/Gradient.h"
#include "diagram/view/DiagramBackground.h"
#include "diagram/view/DiagramScrollBar.h"
#include "diagram/view/SnapGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Pen.h"
#include "tests/diagram/TestControls.h"
#include "tests/diagram/viewobjects/PaintSupport.h"

using namespace tarnwick;
using namespace tarnwick::testing;
using tarnwick::test::TDiagramFixture;

namespace {

class ViewPaint : public ::testing::Test {
 protected:
  // Rulers 25 (left) and 15 (top) pixels thick put the diagram origin at (25, 15).
  void ShowRulers() {
    d->GetLeftRuler()->SetSize(25);
    d->GetLeftRuler()->SetVisible(true);
    d->GetTopRuler()->SetSize(15);
    d->GetTopRuler()->SetVisible(true);
  }
  void ScrollTo(int X, int Y) {
    d->GetHorzScrollBar()->SetRange(100000000);
    d->GetVertScrollBar()->SetRange(100000000);
    d->GetHorzScrollBar()->SetPosition(X);
    d->GetVertScrollBar()->SetPosition(Y);
  }
  TSnapGrid* Grid(TGridStyle Style, double SX, double SY) {
    TSnapGrid* g = d->GetSnapGrid();
    g->SetStyle(Style);
    g->SetSizeX(SX);
    g->SetSizeY(SY);
    g->GetPen()->SetColor(clRed);
    return g;
  }
  // A W x H picture, red with a blue top-left pixel so each copy's corner can be found.
  void SetPicture(int W, int H) {
    TOwned<TBitmap> b = MakeOwned<TBitmap>();
    ::QImage image(W, H, ::QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(0, 0, qRgb(0, 0, 255));
    b->SetImage(image);
    d->GetBackground()->SetBitmap(b.get());
  }

  TDiagramFixture f;
  test::TTestDiagram* d = f.Diagram;
};

using V = std::vector<int>;

}  // namespace

TEST_F(ViewPaint, GridDotsStartAtTheOriginAndStepWithZoomAndScroll) {
  struct Case {
    const char* what;
    int zoom, scrollX, scrollY;
    V columns, rows;
  };
  const Case cases[] = {
      {"at 100 %", 100, 0, 0, {25, 35, 45, 55, 65, 75}, {15, 35, 55, 75}},
      {"at 150 %", 150, 0, 0, {25, 40, 55, 70}, {15, 45, 75}},
      {"scrolled by (7, 30)", 100, 7, 30, {18, 28, 38, 48, 58, 68, 78}, {5, 25, 45, 65}},
      // Millions of grid steps scrolled past are skipped, not walked.
      {"scrolled by ten million", 100, 10000003, 10000000, {2, 12, 22, 32, 42, 52, 62, 72}, {15, 35, 55, 75}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ShowRulers();
    d->SetZoom(c.zoom);
    ScrollTo(c.scrollX, c.scrollY);
    Grid(gsDots, 10, 20);
    TPaintTarget t(80, 80);
    const auto start = std::chrono::steady_clock::now();
    d->GetSnapGrid()->DrawGrid(t.C());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    const int row = c.rows.front(), column = c.columns.front();
    EXPECT_EQ(t.Where(clRed, row, 0, 80), c.columns);
    EXPECT_EQ(t.Where(clRed, column, 0, 80, false), c.rows);
    EXPECT_EQ(t.Count(clRed, 0, 0, 80, 80), int(c.columns.size() * c.rows.size())) << "dots only";
  }
}

TEST_F(ViewPaint, GridLinesRunFromTheOriginToTheClipEdge) {
  ShowRulers();
  Grid(gsLines, 10, 20);
  TPaintTarget t(80, 80);
  d->GetSnapGrid()->DrawGrid(t.C());
  EXPECT_EQ(t.Where(clRed, 40, 0, 80), (V{25, 35, 45, 55, 65, 75})) << "vertical lines";
  EXPECT_EQ(t.Where(clRed, 30, 0, 80, false), (V{15, 35, 55, 75})) << "horizontal lines";
  // Nothing left of or above the origin; the lines reach the clip's far edges.
  EXPECT_EQ(t.Count(clRed, 0, 0, 25, 80), 0);
  EXPECT_EQ(t.Count(clRed, 0, 0, 80, 15), 0);
  EXPECT_EQ(t.At(25, 79), clRed);
  EXPECT_EQ(t.At(79, 15), clRed);
}

TEST_F(ViewPaint, DashedGridLinesKeepTheirPatternWhenScrolledFar) {
  auto render = [&](int scroll) {
    ScrollTo(0, scroll);
    Grid(gsLines, 10, 1000000)->GetPen()->SetStyle(psDash);
    TPaintTarget t(40, 60);
    d->GetSnapGrid()->DrawGrid(t.C());
    V column;
    for (int y = 0; y < 60; ++y) column.push_back(t.At(10, y) == clRed);
    return column;
  };
  // 24 pixels is one whole dash period, so both scroll positions show the same pattern.
  EXPECT_EQ(render(48), render(24 * 100000 + 48));
}

TEST_F(ViewPaint, GridWithoutPositiveSizeOrWithTinyStepsPaintsNothing) {
  struct Case {
    const char* what;
    TGridStyle style;
    double sx, sy;
    int zoom;
  };
  const Case cases[] = {
      {"size 0", gsDots, 0, 8, 100},
      {"negative size", gsLines, 8, -8, 100},
      {"a tenth of a unit", gsDots, 0.1, 0.1, 100},
      {"1.5 pixels at 50 %", gsLines, 3, 3, 50},
      {"dots of a ruler grid", gsRuler, 8, 8, 100},
      {"more dots than a paint allows", gsDots, 2, 2, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    d->SetZoom(c.zoom);
    Grid(c.style, c.sx, c.sy);
    TPaintTarget t(c.sx == 2 ? 2100 : 100, c.sx == 2 ? 2100 : 100);
    const auto start = std::chrono::steady_clock::now();
    d->GetSnapGrid()->DrawGrid(t.C());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(t.Count(clRed, 0, 0, 100, 100), 0);
  }
}

TEST_F(ViewPaint, BackgroundTilesRepeatRightOfAndBelowTheOrigin) {
  ShowRulers();
  SetPicture(10, 5);
  TPaintTarget t(60, 40);
  d->GetBackground()->Draw(t.C());
  EXPECT_EQ(t.Where(clBlue, 15, 0, 60), (V{25, 35, 45, 55}));
  EXPECT_EQ(t.Where(clBlue, 25, 0, 40, false), (V{15, 20, 25, 30, 35}));
  EXPECT_EQ(t.At(26, 15), clRed);
  EXPECT_EQ(t.At(59, 39), clRed);
  EXPECT_EQ(t.Count(clWhite, 25, 15, 60, 40), 0) << "the copies cover the clip";
  EXPECT_EQ(t.Count(clRed, 0, 0, 25, 40) + t.Count(clRed, 0, 0, 60, 15), 0);
}

TEST_F(ViewPaint, BackgroundScrollsWithTheDrawingOrStaysInTheCorner) {
  for (bool scroll : {true, false}) {
    SCOPED_TRACE(scroll ? "scrolling" : "fixed to the window");
    ShowRulers();
    ScrollTo(3, 2);
    SetPicture(10, 5);
    d->GetBackground()->SetScroll(scroll);
    TPaintTarget t(60, 40);
    d->GetBackground()->Draw(t.C());
    const V columns = scroll ? V{22, 32, 42, 52} : V{25, 35, 45, 55};
    EXPECT_EQ(t.Where(clBlue, scroll ? 13 : 15, 0, 60), columns);
  }
}

TEST_F(ViewPaint, FixedBackgroundIsStretchedOnceWithTheZoom) {
  d->SetZoom(200);
  SetPicture(10, 5);
  d->GetBackground()->SetStyle(biFixed);
  TPaintTarget t(60, 40);
  d->GetBackground()->Draw(t.C());
  EXPECT_EQ(t.Count(clBlue, 0, 0, 60, 40), 4) << "the corner pixel, twice as large";
  EXPECT_EQ(t.Count(clRed, 0, 0, 60, 40), 20 * 10 - 4);
  EXPECT_EQ(t.At(20, 0), clWhite);
  EXPECT_EQ(t.At(0, 10), clWhite);
}

TEST_F(ViewPaint, TinyOrCountlessTilesPaintNothingAndReturnQuickly) {
  SetPicture(1, 1);
  d->SetZoom(50);  // half a pixel per copy
  TPaintTarget t(600, 600);
  auto start = std::chrono::steady_clock::now();
  d->GetBackground()->Draw(t.C());
  EXPECT_EQ(t.Count(clWhite, 0, 0, 600, 600), 600 * 600);
  d->SetZoom(100);  // 360 000 one-pixel copies
  d->GetBackground()->Draw(t.C());
  EXPECT_EQ(t.Count(clWhite, 0, 0, 600, 600), 600 * 600);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(ViewPaint, BackgroundGradientCoversTheClipUnderThePicture) {
  TDiagramGradient* g = d->GetBackground()->GetGradient();
  g->SetStartColor(clRed);
  g->SetEndColor(clBlue);
  g->SetVisible(true);
  TPaintTarget t(20, 40);
  t.C().GetPen()->SetColor(clLime);
  d->GetBackground()->Draw(t.C());
  EXPECT_EQ(t.At(0, 0), clRed);
  EXPECT_EQ(t.At(19, 39), clBlue);
  EXPECT_EQ(t.Count(clWhite, 0, 0, 20, 40), 0);
  EXPECT_EQ(t.C().GetPen()->GetColor(), clLime);
  EXPECT_EQ(t.C().GetPen()->GetStyle(), psSolid) << "the canvas pen is given back";
  // Not in a print pass unless PrintGradient says so.
  EXPECT_TRUE(d->GetBackground()->PaintsGradient(psScreen));
  EXPECT_FALSE(d->GetBackground()->PaintsGradient(psPrint));
}

// ---- Gradient band painting without a diagram ----

namespace {

struct Gradient {
  TOwned<TDiagramGradient> g{Create<TDiagramGradient>()};
  Gradient(TGradientDirection Dir, TColor Start, TColor End) {
    g->SetDirection(Dir);
    g->SetStartColor(Start);
    g->SetEndColor(End);
  }
  TDiagramGradient* operator->() { return g.get(); }
};

}  // namespace

TEST(GradientPaint, BottomTopPaintsTwentyStripsOfTwoRowsExactlyOverTheRectangle) {
  Gradient g(grBottomTop, RGB(0, 0, 0), RGB(190, 0, 0));
  TPaintTarget t(30, 60);
  g->DrawGradient(t.C(), Square(5, 5, 15, 45), 0);
  // The end colour on top, the start colour at the bottom, ten levels per strip.
  for (int strip = 0; strip < 20; ++strip) {
    SCOPED_TRACE(strip);
    const TColor c = RGB(190 - MulDiv(strip, 190, 19), 0, 0);
    EXPECT_EQ(t.Count(c, 5, 5 + 2 * strip, 15, 7 + 2 * strip), 20);
  }
  EXPECT_EQ(t.Count(clWhite, 5, 5, 15, 45), 0);
  EXPECT_EQ(t.Count(clWhite, 0, 0, 30, 60), 30 * 60 - 10 * 40) << "nothing outside the rectangle";
  EXPECT_EQ(t.C().GetPen()->GetStyle(), psClear);
  EXPECT_EQ(t.C().GetBrush()->GetColor(), RGB(0, 0, 0)) << "left in the last colour";
}

TEST(GradientPaint, TurnedAboutTheRectanglesCentre) {
  Gradient g(grTopBottom, clRed, clBlue);
  TPaintTarget t(60, 60);
  // 10 x 40 upright, centred on (30, 30); turned a quarter it lies across.
  g->DrawGradient(t.C(), Square(25, 10, 35, 50), 90);
  EXPECT_EQ(t.At(30, 12), clWhite);
  EXPECT_NE(t.At(12, 30), clWhite);
  EXPECT_NE(t.At(48, 30), clWhite);
  EXPECT_NE(t.At(12, 30), t.At(48, 30)) << "the colours run along the turned rectangle";
}

TEST(GradientPaint, HugeRectanglesAreLaidOutCoarserAndStillFinishQuickly) {
  Gradient g(grTopBottom, clRed, clBlue);
  TPaintTarget t(50, 50);
  const auto start = std::chrono::steady_clock::now();
  g->DrawGradient(t.C(), Square(0, 0, 4e6, 4e6), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(t.At(0, 0), clRed);
  EXPECT_EQ(t.Count(clWhite, 0, 0, 50, 50), 0);
  // Degenerate rectangles paint nothing.
  TPaintTarget u(20, 20);
  g->DrawGradient(u.C(), Square(5, 5, 6, 6), 0);
  g->DrawGradient(u.C(), Square(5, 5, 5, 5), 0);
  g->DrawGradient(u.C(), Square(0, 0, std::nan(""), 10), 0);
  EXPECT_EQ(u.Count(clWhite, 0, 0, 20, 20) >= 20 * 20 - 10 * 1, true);
}
