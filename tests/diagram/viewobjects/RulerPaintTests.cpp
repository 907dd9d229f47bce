// Painting a ruler: where ticks, half ticks and major ticks land for a zoom, unit and
// scroll position, the labels, the background, the grid lines across the drawing, and
// that degenerate settings finish quickly.
#include <gtest/gtest.h>

#include <chrono>

#include "diagram/view/DiagramRuler.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"
#include "tests/diagram/viewobjects/PaintSupport.h"

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// A top ruler 20 pixels high over a 200 x 60 image: the drawing starts at row 20.
constexpr int W = 200, H = 60, RulerH = 20;

struct Ruler {
  TOwned<TDiagramRuler> r{Create<TDiagramRuler>(nullptr, rpTop)};
  TDiagramRuler* operator->() { return r.get(); }
};

// Ticks reach row 19 (all of them), row 14 (half and major) and row 1 (major only).
struct TickRows {
  std::vector<int> all, longer, major;
};

TickRows Ticks(const TPaintTarget& t) {
  TickRows out{t.Where(clBlack, RulerH - 1, 0, W), t.Where(clBlack, RulerH - 6, 0, W), {}};
  // A major tick is the only thing black all the way up (labels are not).
  for (int x = 0; x < W; ++x)
    if (t.Count(clBlack, x, 1, x + 1, RulerH) == RulerH - 1) out.major.push_back(x);
  return out;
}

// The pixels a label would have, painted the way the ruler paints it, on white.
::QImage LabelImage(TDiagramRuler& R, int X, int Y, const QString& Text) {
  TPaintTarget ref(W, H);
  ref.C().GetBrush()->SetStyle(bsClear);
  ref.C().SetFont(const_cast<TFont*>(&R.UprightFont()));
  ref.C().TextOut(X, Y, Text);
  ref.Painter.end();
  return ref.Image.copy();
}

bool SameBox(const ::QImage& A, const ::QImage& B, int L, int T, int R, int Bt) {
  for (int y = T; y < Bt; ++y)
    for (int x = L; x < R; ++x)
      if (A.pixel(x, y) != B.pixel(x, y)) return false;
  return true;
}

}  // namespace

TEST(RulerPaint, TickPositionsForUnitsZoomAndScroll) {
  using V = std::vector<int>;
  struct Case {
    const char* what;
    TRulerUnits units;
    int zoom, tempOffset;
    bool inverse;
    V all, longer, major;
  };
  const Case cases[] = {
      // 7.559 pixels per millimetre tick; no half ticks with five divisions.
      {"centimetres at 100 %",
       unCenti,
       100,
       0,
       false,
       {0, 8, 15, 23, 30, 38, 45, 53, 60, 68, 76},
       {0, 38, 76},
       {0, 38, 76}},
      // AutoFactor halves the factor: the ticks keep their spacing.
      {"centimetres at 200 %",
       unCenti,
       200,
       0,
       false,
       {0, 8, 15, 23, 30, 38, 45, 53, 60, 68, 76},
       {0, 38, 76},
       {0, 38, 76}},
      // Five pixels per tick, a half tick at the fifth of ten.
      {"pixels at 100 %", unPixel, 100, 0, false, {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50}, {0, 25, 50}, {0, 50}},
      // Scrolled by 10: tick 2 at 5.12, the first major at 27.8.
      {"scrolled centimetres", unCenti, 100, 10, false, {5, 13, 20, 28, 35, 43, 50, 58, 66, 73}, {28, 66}, {28, 66}},
      // Counted from the end of the range (200) leftwards.
      {"inverse centimetres",
       unCenti,
       100,
       0,
       true,
       {124, 132, 140, 147, 155, 162, 170, 177, 185, 192},
       {124, 162},
       {124, 162}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ruler r;
    r->SetUnits(c.units);
    r->SetZoom(c.zoom);
    r->SetInverse(c.inverse);
    TPaintTarget t(W, H);
    r->Draw(t.C(), Rect(0, 0, W, RulerH), c.tempOffset, H, W, false);
    TickRows got = Ticks(t);
    auto firstEleven = [&](V v, bool fromEnd) {
      if (v.size() > c.all.size())
        v = fromEnd ? V(v.end() - c.all.size(), v.end()) : V(v.begin(), v.begin() + c.all.size());
      return v;
    };
    auto clip = [&](V v) {
      V out;
      for (int x : v)
        if (x >= c.all.front() && x <= c.all.back()) out.push_back(x);
      return out;
    };
    EXPECT_EQ(firstEleven(got.all, c.inverse), c.all);
    EXPECT_EQ(clip(got.longer), c.longer);
    EXPECT_EQ(clip(got.major), c.major);
  }
}

TEST(RulerPaint, MinorTicksAreTheMinorLengthPlusOneAndStartAtTheInnerEdge) {
  Ruler r;
  TPaintTarget t(W, H);
  r->Draw(t.C(), Rect(0, 0, W, RulerH), 0, H, W, false);
  // Tick 1 at x = 8: from the inner edge (row 20) up to row 20 - 4 - 1, which is left out.
  EXPECT_EQ(t.Where(clBlack, 8, 0, H, false), (std::vector<int>{16, 17, 18, 19, 20}));
  // A major tick runs from the inner edge to the outer one, which is left out.
  std::vector<int> major = t.Where(clBlack, 38, 0, H, false);
  EXPECT_EQ(major.front(), 1);
  EXPECT_EQ(major.back(), 20);
  EXPECT_EQ(major.size(), 20u);
}

TEST(RulerPaint, FillsItsRectangleWithItsColourOnly) {
  Ruler r;
  r->SetColor(clYellow);
  TPaintTarget t(W, H);
  r->Draw(t.C(), Rect(10, 0, 150, RulerH), 0, H, W, false);
  EXPECT_EQ(t.At(30, 5), clYellow);
  EXPECT_EQ(t.At(149, 1), clYellow);
  EXPECT_EQ(t.At(9, 5), clWhite);
  EXPECT_EQ(t.At(150, 5), clWhite);
  EXPECT_EQ(t.At(12, RulerH + 5), clWhite);
}

TEST(RulerPaint, LabelsStandRightOfMajorTicksAndReadInTheUnitsScale) {
  struct Case {
    TRulerUnits units;
    int zoom;
    bool inverse;
    int tick;
    QString label;
  };
  const Case cases[] = {{unCenti, 100, false, 38, "1"},
                        {unMili, 100, false, 38, "10"},
                        {unCenti, 200, false, 38, "0.5"},
                        {unPixel, 100, false, 50, "50"},
                        {unCenti, 100, true, 162, "1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label.toStdString());
    Ruler r;
    r->SetUnits(c.units);
    r->SetZoom(c.zoom);
    r->SetInverse(c.inverse);
    TPaintTarget t(W, H);
    r->Draw(t.C(), Rect(0, 0, W, RulerH), 0, H, W, false);
    t.C().SetFont(const_cast<TFont*>(&r->UprightFont()));
    const int width = t.C().TextWidth(c.label);
    ASSERT_GT(width, 0);
    const int x = c.inverse ? c.tick - 2 - width : c.tick + 2;
    const ::QImage expected = LabelImage(*r.r, x, 0, c.label);
    // The label's box up to the short ticks' reach (row 14 and below hold the ticks).
    EXPECT_TRUE(SameBox(t.Image, expected, x, 0, x + width, 13));
    EXPECT_LT(t.Count(clWhite, x, 0, x + width, 13), width * 13) << "the label is there";
  }
}

TEST(RulerPaint, LeftRulerTicksRunDownAndLabelsReadUpwards) {
  TOwned<TDiagramRuler> r(Create<TDiagramRuler>(nullptr, rpLeft));
  TPaintTarget t(H, W);
  r->Draw(t.C(), Rect(0, 0, RulerH, W), 0, H, W, false);
  EXPECT_EQ(t.Where(clBlack, RulerH - 1, 0, 80, false), (std::vector<int>{0, 8, 15, 23, 30, 38, 45, 53, 60, 68, 76}));
  EXPECT_EQ(t.Where(clBlack, 8, 0, H), (std::vector<int>{16, 17, 18, 19, 20})) << "minor tick of row 8";
  // The label "1" reads upwards from t + text width + 2 down to t + 2.
  t.C().SetFont(const_cast<TFont*>(&r->UprightFont()));
  const int width = t.C().TextWidth("1");
  EXPECT_LT(t.Count(clWhite, 0, 38 + 2, 13, 38 + 2 + width), 13 * width);
  EXPECT_EQ(t.Count(clWhite, 0, 20, 13, 36), 13 * 16) << "nothing between the labels but ticks";
}

TEST(RulerPaint, GridLinesCrossTheDrawingOnlyWhenAsked) {
  const TColor grid = clRed;
  struct Case {
    const char* what;
    TRulerUnits units;
    std::vector<int> majors, fine;
  };
  const Case cases[] = {
      // Ticks 7.6 apart: every second one is still under 10 pixels and 5 is odd, so the
      // grid is coarse: majors plus one line half a major interval back.
      {"coarse centimetres", unCenti, {38, 76, 113, 151, 189}, {19, 57, 94, 132, 170}},
      // Five pixels apart: a line every second tick.
      {"pixels", unPixel, {50, 100, 150}, {10, 20, 30, 40, 60, 70, 80, 90, 110, 120, 130, 140, 160, 170, 180, 190}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (bool drawGrid : {false, true}) {
      Ruler r;
      r->SetUnits(c.units);
      r->SetGridColor(grid);
      TPaintTarget t(W, H);
      r->Draw(t.C(), Rect(0, 0, W, RulerH), 0, 50, W, drawGrid);
      std::vector<int> lines;
      for (int x = 1; x < W; ++x)
        if (t.Count(grid, x, RulerH + 1, x + 1, 50) > 5) lines.push_back(x);
      if (!drawGrid) {
        EXPECT_EQ(t.Count(grid, 0, 0, W, H), 0);
        continue;
      }
      std::vector<int> expected = c.majors;
      expected.insert(expected.end(), c.fine.begin(), c.fine.end());
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(lines, expected);
      // The lines start below the inner edge and stop at MaxSize.
      EXPECT_EQ(t.Count(grid, 0, 0, W, RulerH + 1), 0);
      EXPECT_EQ(t.Count(grid, 0, 50, W, H), 0);
      // Major lines are dotted; fine lines are dot-dash: both leave gaps.
      EXPECT_LT(t.Count(grid, c.majors[0], RulerH + 1, c.majors[0] + 1, 50), 29);
      EXPECT_LT(t.Count(grid, c.fine[0], RulerH + 1, c.fine[0] + 1, 50), 29);
    }
  }
}

TEST(RulerPaint, CanvasToolsAreGivenBack) {
  Ruler r;
  TPaintTarget t(W, H);
  t.C().GetPen()->SetColor(clLime);
  t.C().GetBrush()->SetColor(clNavy);
  t.C().GetFont()->SetSize(20);
  r->Draw(t.C(), Rect(0, 0, W, RulerH), 0, H, W, true);
  EXPECT_EQ(t.C().GetPen()->GetColor(), clLime);
  EXPECT_EQ(t.C().GetBrush()->GetColor(), clNavy);
  EXPECT_EQ(t.C().GetBrush()->GetStyle(), bsSolid);
  EXPECT_EQ(t.C().GetFont()->GetSize(), 20);
}

TEST(RulerPaint, DegenerateSpacingsAndHugeStripsFinishQuickly) {
  struct Case {
    const char* what;
    int divisions, zoom;
    TRect strip;
    int tempOffset;
    bool grid;
  };
  const Case cases[] = {
      {"a million divisions", 1000000, 100, Rect(0, 0, W, RulerH), 0, false},
      {"zoom 0", 5, 0, Rect(0, 0, W, RulerH), 0, false},
      {"a strip two million pixels long", 10, 100, Rect(0, 0, 2000000, RulerH), 0, true},
      {"scrolled to the end of the integers", 5, 100, Rect(0, 0, W, RulerH), INT32_MAX, true},
      {"ticks half a pixel apart", 1, 1, Rect(0, 0, W, RulerH), 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Ruler r;
    r->SetUnits(unPixel);
    r->SetAutoFactor(false);
    r->SetDivisions(c.divisions);
    r->SetZoom(c.zoom);
    TPaintTarget t(W, H);
    const auto start = std::chrono::steady_clock::now();
    r->Draw(t.C(), c.strip, c.tempOffset, H, 1e9, true);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // Lines under 2 pixels apart are left out.
    EXPECT_EQ(t.Count(clSilver, 0, RulerH + 1, W, H) > 0, c.grid);
  }
}
