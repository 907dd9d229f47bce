// Lines painted through each drawing library in a real paint pass: the polyline and its
// heads land where the legacy canvas puts them, in the pens' and brushes' colours, scale
// with zoom, and a repaint of an unchanged line builds no native pen, brush or path.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "../PassImage.h"
#include "LineFixture.h"
#include "graphics/NativeObjectCounts.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;


bool IsRed(QRgb C) { return Near(C, 255, 0, 0, 40); }
bool IsBlue(QRgb C) { return Near(C, 0, 0, 255, 40); }
bool IsWhite(QRgb C) { return Near(C, 255, 255, 255, 10); }

class LineEngines : public ::testing::TestWithParam<TDgrGraphicLib>, public TLineFixture {
 protected:
  LineEngines() { Diagram->SetGraphicLib(GetParam()); }

  QImage Paint() { return PaintPass(Diagram, 320, 240); }
  TDirect2DOn Direct2D;

  // A blue horizontal line ending at (250, 100) with a red 20 x 20 head there.
  TDiagramLine* HeadedLine(TArrowShape AShape) {
    auto* l = NewLine({50, 100}, {250, 100});
    l->GetPen()->SetColor(Blue);
    TLineArrow* head = l->GetTargetArrow();
    head->SetShape(AShape);
    head->SetWidth(20);
    head->SetHeight(20);
    head->GetBrush()->SetColor(Red);
    head->GetPen()->SetColor(Red);
    return l;
  }
};

TEST_P(LineEngines, TheLineAndItsHeadPaintInTheirColours) {
  HeadedLine(asSolidArrow)->GetPen()->SetWidth(3);
  const QImage image = Paint();
  EXPECT_TRUE(IsBlue(image.pixel(100, 100))) << "along the line";
  EXPECT_TRUE(IsRed(image.pixel(240, 103))) << "inside the head";
  EXPECT_TRUE(IsWhite(image.pixel(100, 106))) << "beside the line";
  EXPECT_TRUE(IsWhite(image.pixel(230, 115))) << "beside the head";
  EXPECT_TRUE(IsWhite(image.pixel(30, 100))) << "before the source end";
}

struct THeadProbe {
  TArrowShape Shape;
  TPoint Probe;
  bool Filled;
};

TEST_P(LineEngines, EveryHeadShapeFillsOrLeavesOpenItsInside) {
  // Probes off the line's own pixels: inside the figure, or inside the open V.
  const THeadProbe probes[] = {
      {asSolidArrow, {240, 103}, true},   {asDiamond, {250, 106}, true},  {asRectangle, {256, 107}, true},
      {asEllipse, {253, 105}, true},      {asAngledDiamond, {240, 104}, true},
      {asLineArrow, {240, 103}, false},   {asHalfLine, {240, 103}, false},
  };
  for (const THeadProbe& p : probes) {
    auto* l = HeadedLine(p.Shape);
    const QRgb c = Paint().pixel(p.Probe.X, p.Probe.Y);
    if (p.Filled)
      EXPECT_TRUE(IsRed(c)) << "shape " << p.Shape;
    else
      EXPECT_TRUE(IsWhite(c)) << "shape " << p.Shape;
    l->Free();
  }
}

TEST_P(LineEngines, AnOpenHeadStrokesItsArmsWithTheHeadsPen) {
  auto* l = HeadedLine(asLineArrow);
  l->GetTargetArrow()->GetPen()->SetWidth(3);
  // The upper arm runs from (230, 90) to the tip (250, 100).
  EXPECT_TRUE(IsRed(Paint().pixel(240, 95)));
}

TEST_P(LineEngines, ZoomTwoHundredPaintsTheLineAtTwiceTheCoordinates) {
  auto* l = NewLine({20, 30}, {120, 80});  // a slanted line
  l->GetPen()->SetColor(Blue);
  l->GetPen()->SetWidth(2);
  l->GetTargetArrow()->SetShape(asEllipse);
  l->GetTargetArrow()->GetBrush()->SetColor(Red);
  Diagram->SetZoom(200);
  const QImage image = Paint();
  EXPECT_TRUE(IsBlue(image.pixel(140, 110))) << "(70, 55) at twice its coordinates";
  EXPECT_TRUE(IsWhite(image.pixel(70, 55))) << "nothing where 100 % would paint it";
  // The 10 x 10 circle round (120, 80) spans (230, 150)..(252, 172) at 200 %.
  EXPECT_TRUE(IsRed(image.pixel(242, 166))) << "the head grows with the zoom too";
}

TEST_P(LineEngines, AClearPenPaintsNoLineButTheHeadStays) {
  auto* l = HeadedLine(asSolidArrow);
  l->GetPen()->SetStyle(psClear);
  l->SetTransparency(30);
  const QImage image = Paint();
  EXPECT_TRUE(IsWhite(image.pixel(100, 100)));
  const QRgb head = image.pixel(240, 103);
  EXPECT_TRUE(qRed(head) > 200 && qGreen(head) < 120) << "the head, blended on the engines";
}

TEST_P(LineEngines, OnlyTheUpperOfTwoCrossingSideLinesHops) {
  TDiagramBlock* top = NewBlock(100, 0, 100, 50);
  TDiagramBlock* bottom = NewBlock(100, 150, 100, 50);
  TDiagramBlock* left = NewBlock(0, 75, 50, 50);
  TDiagramBlock* right = NewBlock(250, 75, 50, 50);
  NewLine<TDiagramSideLine>({}, {}, top->GetLinkPoints()->GetItems(2), bottom->GetLinkPoints()->GetItems(0));
  NewLine<TDiagramSideLine>({}, {}, left->GetLinkPoints()->GetItems(1), right->GetLinkPoints()->GetItems(3));
  Diagram->SetShowCrossIndicators(true);
  // The lines cross at (150, 100); the upper, horizontal one bumps 4 units upward.
  const QImage image = Paint();
  EXPECT_FALSE(IsWhite(image.pixel(150, 96))) << "the top of the bump";
  EXPECT_FALSE(IsWhite(image.pixel(150, 110))) << "the lower line goes straight on";
  EXPECT_FALSE(IsWhite(image.pixel(120, 100))) << "the upper line either side of the bump";
  EXPECT_FALSE(IsWhite(image.pixel(180, 100)));
}

TEST_P(LineEngines, ARepaintOfAnUnchangedLineBuildsNoNativeObjects) {
  if (GetParam() == dglGDI) GTEST_SKIP() << "the legacy canvas has no engine objects";
  auto* l = NewLine({50, 100}, {250, 100});
  l->GetTargetArrow()->SetShape(asSolidArrow);
  l->GetSourceArrow()->SetShape(asEllipse);
  l->GetSourceArrow()->GetBrush()->SetColor(Blue);
  HeadedLine(asDiamond);  // a head coloured apart from its line
  NewLine<TDiagramBezier>({50, 150}, {250, 200})->SetTransparency(40);
  Paint();
  const uint64_t before = NativeObjectCounts().Total();
  Paint();
  Paint();
  EXPECT_EQ(NativeObjectCounts().Total(), before);
  l->GetPen()->SetColor(Red);
  l->GetHandles()->GetItems(1)->SetOrPoint(TDot{260, 120});
  Paint();
  EXPECT_GT(NativeObjectCounts().Total(), before) << "a change is built anew";
}

TEST_P(LineEngines, TransparencyBlendsTheLineAndItsHeadWithWhatLiesBelow) {
  if (GetParam() == dglGDI) GTEST_SKIP() << "the legacy canvas paints opaque";
  auto* l = NewLine({50, 100}, {250, 100});
  l->GetPen()->SetColor(Blue);
  l->GetPen()->SetWidth(5);
  l->GetTargetArrow()->SetShape(asRectangle);
  l->GetTargetArrow()->SetWidth(20);
  l->GetTargetArrow()->SetHeight(20);
  l->GetTargetArrow()->GetBrush()->SetColor(Red);
  l->SetTransparency(50);
  const QImage image = Paint();
  EXPECT_TRUE(Near(image.pixel(100, 100), 127, 127, 255));
  EXPECT_TRUE(Near(image.pixel(256, 107), 255, 127, 127));
}

INSTANTIATE_TEST_SUITE_P(EveryLibrary, LineEngines, ::testing::Values(dglGDI, dglGDIPlus, dglDirect2D));

class LineOnEngine : public ::testing::Test, public TLineFixture {
 protected:
  QImage Paint() {
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    TCanvas canvas(&p);
    Diagram->PaintAs(canvas, psBitmap, TDot{0, 0});
    return image;
  }
};

TEST_F(LineOnEngine, ASelectedLinePaintsWithItsSelectionPen) {
  auto* l = NewLine({50, 100}, {250, 100});
  l->GetSelPen()->SetColor(Red);
  l->GetSelPen()->SetWidth(3);
  l->SetSelected(true);
  EXPECT_TRUE(IsRed(Paint().pixel(100, 100)));
}

}  // namespace
