// Gradient and shadow values: defaults, tables, Assign rules, the shadow's combined
// transparency and the band layout of the canvas gradient.
#include <gtest/gtest.h>

#include "diagram/model/Gradient.h"
#include "diagram/model/Shadow.h"
#include "geometry/BlockDrawer.h"
#include "platform/core/Exception.h"
#include "platform/gui/ColorUtils.h"
#include "tests/diagram/viewobjects/TableSupport.h"

using namespace tarnwick;
using namespace tarnwick::testing;

TEST(ShadowValues, DefaultsTableAndEveryValueWritten) {
  auto* s = Create<TBlockShadow>();
  EXPECT_EQ(PropertyNames(TBlockShadow::StaticClassInfo()),
            (QStringList{"Visible", "Color", "HOffset", "VOffset", "Transparency"}));
  EXPECT_EQ(StoredValues(*s), (QStringList{"Visible=0", "Color=8421504", "HOffset=2", "VOffset=2", "Transparency=0"}));
  EXPECT_EQ(s->GetDControl(), nullptr);
  s->Free();
}

TEST(ShadowValues, AssignKeepsTheTargetsTransparencyAndRefusesOtherClasses) {
  auto* a = Create<TBlockShadow>();
  auto* b = Create<TBlockShadow>();
  a->SetVisible(true);
  a->SetColor(clRed);
  a->SetHOffset(-4);
  a->SetVOffset(7);
  a->SetTransparency(60);
  b->SetTransparency(10);
  b->Assign(a);
  EXPECT_TRUE(b->GetVisible());
  EXPECT_EQ(b->GetColor(), clRed);
  EXPECT_EQ(b->GetHOffset(), -4);
  EXPECT_EQ(b->GetVOffset(), 7);
  EXPECT_EQ(b->GetTransparency(), 10);
  auto* g = Create<TDiagramGradient>();
  try {
    b->Assign(g);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TDiagramGradient to a TBlockShadow");
  }
  g->Free();
  a->Free();
  b->Free();
}

TEST(ShadowValues, PaintTransparencyCombinesBothSides) {
  EXPECT_EQ(ShadowPaintTransparency(50, 50), 75);
  EXPECT_EQ(ShadowPaintTransparency(0, 0), 0);
  EXPECT_EQ(ShadowPaintTransparency(100, 0), 100);
  EXPECT_EQ(ShadowPaintTransparency(0, 100), 100);
  EXPECT_EQ(ShadowPaintTransparency(33, 0), 33);
  EXPECT_EQ(ShadowPaintTransparency(10, 20), 28);
  EXPECT_EQ(ShadowPaintTransparency(INT32_MIN, INT32_MIN), INT32_MIN) << "no overflow on hostile values";
}

TEST(GradientValues, DefaultsTableAndAssign) {
  auto* a = Create<TDiagramGradient>();
  EXPECT_EQ(PropertyNames(TDiagramGradient::StaticClassInfo()),
            (QStringList{"Direction", "StartColor", "EndColor", "Visible"}));
  EXPECT_EQ(StoredValues(*a), (QStringList{"Direction=0", "StartColor=16777215", "EndColor=65535", "Visible=0"}));
  EXPECT_EQ(a->GetDrawer()->GetOriginalRect(), Square(0, 0, 100, 100));
  auto* b = Create<TDiagramGradient>();
  a->SetDirection(grVertOutIn);
  a->SetStartColor(clRed);
  a->SetEndColor(clBlue);
  a->SetVisible(true);
  b->Assign(a);
  EXPECT_EQ(StoredValues(*b), StoredValues(*a));
  auto* s = Create<TBlockShadow>();
  b->Assign(s);  // ignored without an error
  b->Assign(nullptr);
  EXPECT_EQ(b->GetDirection(), grVertOutIn);
  b->SetDirection(static_cast<TGradientDirection>(14));
  EXPECT_EQ(b->GetDirection(), grVertOutIn) << "values outside the type are ignored";
  s->Free();
  a->Free();
  b->Free();
}

TEST(GradientBands, BottomTopStripsReverseTheColours) {
  TGradientBands bands(grBottomTop, 10, 40, clRed, clBlue);
  ASSERT_EQ(bands.Count(), 20);
  EXPECT_EQ(bands.FirstColor(), clBlue);
  EXPECT_EQ(bands.LastColor(), clRed);
  for (int n = 0; n < 20; ++n) {
    TGradientRects r = bands.BandRects(n);
    ASSERT_EQ(r.Count, 1);
    EXPECT_EQ(r.Rects[0], Rect(0, 2 * n, 10, 2 * n + 2)) << n;
  }
  EXPECT_EQ(bands.BandColor(0), clBlue) << "top strip in the end colour";
  EXPECT_EQ(bands.BandColor(19), clRed) << "bottom strip in the start colour";
  EXPECT_EQ(bands.BandColor(10), RGB(134, 0, 121)) << "channels interpolate with rounding";
  TGradientRects close = bands.ClosingRects();
  ASSERT_EQ(close.Count, 1);
  EXPECT_EQ(close.Rects[0], Rect(0, 39, 10, 40));
}

TEST(GradientBands, InOutPaintsNestedFramesAndClosesAtTheCentre) {
  TGradientBands bands(grInOut, 20, 10, clWhite, clBlack);
  ASSERT_EQ(bands.Count(), 10);
  EXPECT_EQ(bands.BandColor(0), clBlack) << "the outermost frame is in the end colour";
  EXPECT_DOUBLE_EQ(bands.ColStep(), 1.0);
  EXPECT_DOUBLE_EQ(bands.RowStep(), 0.5);
  TGradientRects r = bands.BandRects(0);
  ASSERT_EQ(r.Count, 4);
  EXPECT_EQ(r.Rects[0], Rect(0, 0, 19, 0));
  EXPECT_EQ(r.Rects[1], Rect(0, 9, 19, 10));
  EXPECT_EQ(r.Rects[2], Rect(0, 0, 1, 10));
  EXPECT_EQ(r.Rects[3], Rect(19, 0, 20, 10));
  TGradientRects close = bands.ClosingRects();
  ASSERT_EQ(close.Count, 1);
  EXPECT_EQ(close.Rects[0], Rect(9, 4, 11, 6));
}

TEST(GradientBands, CornerDirectionsComeInFromTheirCorner) {
  TGradientBands rt(grRightTop, 40, 30, clRed, clBlue);
  ASSERT_EQ(rt.BandRects(0).Count, 2);
  EXPECT_EQ(rt.BandRects(0).Rects[0], Rect(0, 0, 40, 1));
  EXPECT_EQ(rt.BandRects(0).Rects[1], Rect(38, 0, 40, 30)) << "from the right edge";
  TGradientBands lb(grLeftBottom, 40, 30, clRed, clBlue);
  EXPECT_EQ(lb.BandRects(0).Rects[0], Rect(0, 29, 40, 30)) << "from the bottom edge";
  EXPECT_EQ(lb.BandRects(lb.Count()).Count, 0) << "past the last band";
  TGradientRects close = lb.ClosingRects();
  ASSERT_EQ(close.Count, 2);
  EXPECT_EQ(close.Rects[1], Rect(0, 0, 40, 1));
}

TEST(GradientBands, DegenerateRectanglesAndSingleBands) {
  EXPECT_EQ(TGradientBands(grTopBottom, 1, 1, clRed, clBlue).Count(), 0);
  EXPECT_EQ(TGradientBands(grTopBottom, 1, 1, clRed, clBlue).ClosingRects().Count, 0);
  EXPECT_EQ(TGradientBands(grTopBottom, -40, -40, clRed, clBlue).Count(), 0);
  TGradientBands one(grLeftRight, 3, 2, clRed, clBlue);
  ASSERT_EQ(one.Count(), 1);
  EXPECT_EQ(one.BandColor(0), clRed) << "one band: the first colour, no division by N - 1";
  EXPECT_EQ(one.LastColor(), clBlue);
  EXPECT_EQ(TGradientBands::ForRect(grTopBottom, Square(0.4, 0, 10.6, 3.4), clRed, clBlue).Width(), 10);
}

TEST(GradientBands, CanvasRectanglesAreOneUnitLargerAndRounded) {
  EXPECT_EQ(TGradientBands::ToCanvas(Rect(0, 2, 10, 4), Square(100.4, 50.6, 0, 0)), Rect(100, 53, 111, 56));
}

TEST(GradientBands, SystemColoursAreResolvedBeforeInterpolating) {
  TGradientBands bands(grTopBottom, 10, 10, clBtnFace, clWindow);
  EXPECT_EQ(bands.FirstColor(), ColorToRGB(clBtnFace));
  EXPECT_EQ(bands.LastColor(), ColorToRGB(clWindow));
}
