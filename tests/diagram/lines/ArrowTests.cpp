// Arrow heads: the figure of every shape, which end segment each head gets, and the
// head as painted on the canvas (its colours, and its size growing with zoom).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "LineFixture.h"
#include "diagram/lines/ArrowFigure.h"
#include "geometry/Conversions.h"
#include "geometry/Vectors.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TFigureCase {
  const char* Name;
  TArrowShape Shape;
  TDot From, To;
  TArrowFigureKind Kind;
  TDotArray Points;
};

// Cases print by name (their raw bytes include padding).
void PrintTo(const TFigureCase& C, std::ostream* OS) { *OS << C.Name; }

class ArrowFigures : public ::testing::TestWithParam<TFigureCase> {};

TEST_P(ArrowFigures, HaveTheirCorners) {
  const TFigureCase& c = GetParam();
  const TArrowFigure fig = ArrowFigure(c.Shape, c.From, c.To, TDot{10, 10});
  EXPECT_EQ(fig.Kind, c.Kind);
  ASSERT_EQ(fig.Points.size(), c.Points.size());
  for (size_t i = 0; i < c.Points.size(); ++i) {
    EXPECT_NEAR(fig.Points[i].X, c.Points[i].X, 1e-9) << i;
    EXPECT_NEAR(fig.Points[i].Y, c.Points[i].Y, 1e-9) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ArrowFigures,
    ::testing::Values(
        TFigureCase{"None", asNone, {0, 0}, {100, 0}, afNone, {}},
        TFigureCase{"Solid", asSolidArrow, {0, 0}, {100, 0}, afPolygon, {{100, 0}, {90, 5}, {90, -5}}},
        TFigureCase{"Line", asLineArrow, {0, 0}, {100, 0}, afPolyline, {{90, 5}, {100, 0}, {90, -5}}},
        TFigureCase{"HalfLine", asHalfLine, {0, 0}, {100, 0}, afPolyline, {{90, -5}, {100, 0}}},
        // Diamond and rectangle stay axis-parallel on a diagonal line.
        TFigureCase{"DiamondOnDiagonal",
                    asDiamond,
                    {0, 0},
                    {100, 100},
                    afPolygon,
                    {{95, 100}, {100, 95}, {105, 100}, {100, 105}}},
        TFigureCase{"RectangleOnDiagonal",
                    asRectangle,
                    {0, 0},
                    {100, 100},
                    afPolygon,
                    {{95, 95}, {106, 95}, {106, 106}, {95, 106}}},
        TFigureCase{"Ellipse", asEllipse, {0, 0}, {100, 0}, afEllipse, {{95, -5}, {106, 6}}},
        // The angled diamond turns with the line: tip, side corners half way, far corner.
        TFigureCase{
            "AngledDiamond", asAngledDiamond, {0, 0}, {100, 0}, afPolygon, {{100, 0}, {95, 5}, {90, 0}, {95, -5}}},
        TFigureCase{"AngledDiamondDownward",
                    asAngledDiamond,
                    {0, 0},
                    {0, 100},
                    afPolygon,
                    {{0, 100}, {-5, 95}, {0, 90}, {5, 95}}}),
    [](const auto& info) { return std::string(info.param.Name); });

constexpr TColor Red = 0x0000FF;
const QRgb RedPixel = qRgb(255, 0, 0), BlackPixel = qRgb(0, 0, 0);

class ArrowHeads : public ::testing::Test, public TLineFixture {
 protected:
  ArrowHeads() {
    Image.fill(Qt::white);
    Painter.begin(&Image);
    Canvas.SetPainter(&Painter);
  }
  ~ArrowHeads() override {
    if (Painter.isActive()) Painter.end();
  }
  QRgb At(TDot ADiagramPoint) {
    if (Painter.isActive()) Painter.end();
    const TDot p = Diagram->ClientToCanvas(ADiagramPoint);
    return Image.pixel(static_cast<int>(p.X), static_cast<int>(p.Y));
  }
  // A line pixel within one pixel of the point (diagonals fall between pixels).
  bool InkNear(TDot ADiagramPoint) {
    if (Painter.isActive()) Painter.end();
    const TPoint p = DotToPoint(Diagram->ClientToCanvas(ADiagramPoint));
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (Image.pixel(p.X + dx, p.Y + dy) == BlackPixel) return true;
    return false;
  }
  void Paint(TCustomDiagramLine* L) {
    TDiagramDrawInfo info;
    info.Canvas = &Canvas;
    L->Draw(info);
  }
  TCustomDiagramLine* RedHeadedLine() {
    auto* l = NewLine({20, 50}, {150, 50});
    l->GetTargetArrow()->SetShape(asSolidArrow);
    l->GetTargetArrow()->GetBrush()->SetColor(Red);
    l->GetTargetArrow()->GetPen()->SetColor(Red);
    return l;
  }
  QImage Image{400, 400, QImage::Format_RGB32};
  QPainter Painter;
  TCanvas Canvas;
};

TEST_F(ArrowHeads, ANewHeadIsBlackAndHasNoShape) {
  auto* l = Create<TDiagramLine>(Form);
  for (TLineArrow* a : {l->GetSourceArrow(), l->GetTargetArrow()}) {
    EXPECT_EQ(a->GetShape(), asNone);
    EXPECT_EQ(a->GetWidth(), 10);
    EXPECT_EQ(a->GetHeight(), 10);
    EXPECT_EQ(a->GetBrush()->GetColor(), clBlack);
    EXPECT_EQ(a->GetPen()->GetColor(), clBlack);
  }
  l->Free();
}

TEST_F(ArrowHeads, RestoreDefaultsTakesTheLinePenInADiagram) {
  auto* l = NewLine({0, 0}, {100, 0});
  l->GetPen()->SetColor(Red);
  EXPECT_EQ(l->GetTargetArrow()->GetPen()->GetColor(), clBlack) << "an existing head keeps its pen";
  l->GetTargetArrow()->RestoreDefaults();
  EXPECT_EQ(l->GetTargetArrow()->GetPen()->GetColor(), Red);
  EXPECT_EQ(l->GetTargetArrow()->GetBrush()->GetColor(), Red);
}

TEST_F(ArrowHeads, PaintedInItsOwnColoursOverTheLine) {
  Paint(RedHeadedLine());
  EXPECT_EQ(At({146, 50}), RedPixel) << "inside the head";
  EXPECT_EQ(At({100, 50}), BlackPixel) << "the line";
  EXPECT_NE(At({146, 54}), RedPixel) << "beside the head";
}

TEST_F(ArrowHeads, GrowWithZoomOnTheCanvas) {
  Diagram->SetZoom(200);
  Paint(RedHeadedLine());
  EXPECT_EQ(At({143, 50}), RedPixel) << "7 units back is inside a head 20 pixels long";
}

TEST_F(ArrowHeads, AtNormalZoomTheSamePointIsOutside) {
  Paint(RedHeadedLine());
  EXPECT_EQ(At({139, 50}), BlackPixel);
}

TEST_F(ArrowHeads, EveryStylePaintsItsPolylineWithEveryHead) {
  auto paintAll = [this](TCustomDiagramLine* L) {
    for (TArrowShape shape :
         {asNone, asSolidArrow, asLineArrow, asDiamond, asRectangle, asEllipse, asHalfLine, asAngledDiamond}) {
      L->GetSourceArrow()->SetShape(shape);
      L->GetTargetArrow()->SetShape(shape);
      L->GetTargetArrow()->SetShowGuide(true);
      Image.fill(Qt::white);
      if (!Painter.isActive()) Painter.begin(&Image);
      Paint(L);
      const TDotArray& pts = L->GetPoints();
      ASSERT_GE(pts.size(), 2u);
      const size_t k = pts.size() / 2;
      EXPECT_TRUE(InkNear(MidDot(pts[k - 1], pts[k]))) << L->ClassName().toStdString() << " " << shape;
    }
  };
  paintAll(NewLine<TDiagramLine>({20, 20}, {200, 150}));
  paintAll(NewLine<TDiagramPolyLine>({20, 20}, {200, 150}));
  paintAll(NewLine<TDiagramSideLine>({20, 20}, {200, 150}));
  paintAll(NewLine<TDiagramArc>({20, 20}, {200, 150}));
  paintAll(NewLine<TDiagramBezier>({20, 20}, {200, 150}));
}

TEST_F(ArrowHeads, EachHeadTakesTheOutermostPairOfDifferentPoints) {
  auto* l = NewLine<TDiagramPolyLine>({0, 0}, {100, 0});
  l->GetHandles()->Add(0, 0, crSizeNWSE, 0, hsSize)->SetIndex(1);
  l->GetSourceArrow()->SetShape(asSolidArrow);
  Paint(l);
  EXPECT_EQ(l->GetSourceArrow()->GetDrawTo(), (TDot{0, 0}));
  EXPECT_EQ(l->GetSourceArrow()->GetDrawFrom(), (TDot{100, 0}));
  EXPECT_EQ(l->GetTargetArrow()->GetDrawTo(), (TDot{100, 0}));
  EXPECT_EQ(l->GetTargetArrow()->GetDrawFrom(), (TDot{0, 0}));
}

TEST_F(ArrowHeads, NoHeadWhenAllPointsCoincide) {
  auto* l = NewLine({30, 30}, {30, 30});
  l->GetTargetArrow()->SetShape(asSolidArrow);
  l->GetTargetArrow()->SetDrawPoints({1, 2}, {3, 4});
  Paint(l);
  EXPECT_EQ(l->GetTargetArrow()->GetDrawTo(), (TDot{3, 4})) << "the head was never given an end segment";
}

}  // namespace
