#include "diagram/lines/LineArrow.h"

#include "diagram/lines/ArrowFigure.h"
#include "diagram/lines/CustomLine.h"
#include "diagram/model/DiagramHost.h"
#include "geometry/Conversions.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrCanvas.h"
#include "platform/core/Properties.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

const TClassInfo& TLineArrow::StaticClassInfo() {
  using A = TLineArrow;
  static const TClassInfo info(
      "TLineArrow", &TPersistent::StaticClassInfo(),
      {EnumProp("Shape", ArrowShapeType(), &A::GetShape, &A::SetShape), IntProp("Width", &A::GetWidth, &A::SetWidth),
       IntProp("Height", &A::GetHeight, &A::SetHeight),
       ObjectProp("Brush", TBrush::StaticClassInfo(), &A::GetBrush, &A::SetBrush),
       BoolProp("ShowGuide", &A::GetShowGuide, &A::SetShowGuide, false),
       // A head coloured apart from its line must come back coloured from the file. Only
       // what differs from a plain black pen is written, so other files are unchanged.
       ObjectProp("Pen", TPen::StaticClassInfo(), &A::GetPen, &A::SetPen)});
  return info;
}

TLineArrow::TLineArrow(TCustomDiagramLine* ADiagramLine) : FDiagramLine(ADiagramLine) {
  FBrush = MakeOwned<TBrush>();
  FBrush->OnChange = [this](TObject*) { Changed(); };
  FPen = MakeOwned<TPen>();
  FPen->OnChange = [this](TObject*) { Changed(); };
  RestoreDefaults();
}

TLineArrow::~TLineArrow() = default;

void TLineArrow::Changed() {
  if (FDiagramLine) FDiagramLine->Redraw();
}

void TLineArrow::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TLineArrow*>(Source)) {
    SetShape(src->FShape);
    SetWidth(src->FWidth);
    SetHeight(src->FHeight);
    SetBrush(src->FBrush.get());
    SetPen(src->FPen.get());
    return;
  }
  TPersistent::Assign(Source);
}

void TLineArrow::RestoreDefaults() {
  SetShape(asNone);
  SetWidth(10);
  SetHeight(10);
  FBrush->SetStyle(bsSolid);
  if (FDiagramLine && FDiagramLine->GetDiagram()) {
    FBrush->SetColor(FDiagramLine->GetPen()->GetColor());
    FPen->Assign(FDiagramLine->GetPen());
  } else {
    FBrush->SetColor(clBlack);
    FPen->SetColor(clBlack);
    FPen->SetStyle(psSolid);
  }
}

void TLineArrow::SetShape(TArrowShape Value) {
  if (FShape == Value) return;
  FShape = Value;
  Changed();
}

void TLineArrow::SetWidth(int Value) {
  if (FWidth == Value) return;
  FWidth = Value;
  Changed();
}

void TLineArrow::SetHeight(int Value) {
  if (FHeight == Value) return;
  FHeight = Value;
  Changed();
}

void TLineArrow::SetShowGuide(bool Value) {
  if (FShowGuide == Value) return;
  FShowGuide = Value;
  Changed();
}

void TLineArrow::SetBrush(TBrush* Value) { FBrush->Assign(Value); }
void TLineArrow::SetPen(TPen* Value) { FPen->Assign(Value); }

// ---- Painting ----

void TLineArrow::DrawArrow(const TDiagramDrawInfo& AInfo, const TArrowDrawInfo& ADraw) {
  if (!FDiagramLine || !FDiagramLine->GetDiagram() || FShape == asNone) return;
  if (FDiagramLine->UsesEngine() && AInfo.DgrDrawer && FDiagramLine->GetPassEngine())
    DrawArrowEngine(AInfo, ADraw);
  else
    DrawArrowCanvas(AInfo, ADraw);
}

void TLineArrow::DrawArrowEngine(const TDiagramDrawInfo& AInfo, const TArrowDrawInfo&) {
  // Diagram units: the head is drawn on the end segment the line handed over and grows
  // with zoom through the pass's engine transform, like the line under it. Heads draw
  // with the canvas primitives rather than the line's path, which keeps holding the line
  // so an unchanged line repaints without rebuilding it.
  TDgrCanvas* canvas = AInfo.DgrDrawer->GetCanvas();
  TLineEngineTools& tools = FDiagramLine->EngineTools();
  const int transparency = FDiagramLine->GetTransparency();
  tools.UsePen(canvas->GetPen(), FPen.get(), transparency);
  const TArrowFigure fig = ArrowFigure(FShape, FDrawFrom, FDrawTo, TDot{double(FWidth), double(FHeight)});
  switch (fig.Kind) {
    case afNone:
      break;
    case afPolygon:
      tools.UseBrush(canvas->GetBrush(), FBrush.get(), transparency);
      canvas->Polygon(fig.Points);
      break;
    case afPolyline:
      for (size_t i = 1; i < fig.Points.size(); ++i)
        canvas->DrawLine(fig.Points[i - 1].X, fig.Points[i - 1].Y, fig.Points[i].X, fig.Points[i].Y);
      break;
    case afEllipse:
      tools.UseBrush(canvas->GetBrush(), FBrush.get(), transparency);
      canvas->Ellipse(fig.Points[0].X, fig.Points[0].Y, fig.Points[1].X, fig.Points[1].Y);
      break;
  }
  if (FShowGuide) {
    TDot g1, g2;
    ArrowGuide(FDrawFrom, FDrawTo, FWidth + 2, g1, g2);
    canvas->DrawLine(g1.X, g1.Y, g2.X, g2.Y);
  }
}

void TLineArrow::DrawArrowCanvas(const TDiagramDrawInfo& AInfo, const TArrowDrawInfo& ADraw) {
  TCanvas* canvas = AInfo.Canvas;
  if (!canvas) return;
  TDot size{static_cast<double>(FWidth), static_cast<double>(FHeight)};
  double guideWidth = FWidth + 2;
  if (TDiagramHost* host = FDiagramLine->GetDiagramHost()) {
    // The head grows with zoom and screen scaling like everything else on the canvas.
    const TDot o = host->ClientToCanvas(TDot{0, 0});
    const TDot s = host->ClientToCanvas(size);
    guideWidth = host->ClientToCanvas(TDot{guideWidth, 0}).X - o.X;
    size = TDot{s.X - o.X, s.Y - o.Y};
  }
  canvas->SetBrush(FBrush.get());
  canvas->SetPen(FPen.get());
  const TArrowFigure fig = ArrowFigure(FShape, ADraw.From, ADraw.To, size);
  switch (fig.Kind) {
    case afNone:
      break;
    case afPolygon:
      canvas->Polygon(DotsToPoints(fig.Points));
      break;
    case afPolyline:
      canvas->Polyline(DotsToPoints(fig.Points));
      break;
    case afEllipse: {
      const TPoint a = DotToPoint(fig.Points[0]), b = DotToPoint(fig.Points[1]);
      canvas->Ellipse(a.X, a.Y, b.X, b.Y);
      break;
    }
  }
  if (FShowGuide) {
    TDot g1, g2;
    ArrowGuide(ADraw.From, ADraw.To, guideWidth, g1, g2);
    canvas->Polyline(DotsToPoints(TDotArray{g1, g2}));
  }
}

}  // namespace tarnwick
