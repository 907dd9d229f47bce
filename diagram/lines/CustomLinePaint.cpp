// Painting a line: its polyline with the current pen, crossing hops of side lines, the
// arrow heads at both ends and the text cells. The canvas path works in integer canvas
// pixels, the engine path in diagram units.
#include "diagram/lines/CrossingHops.h"
#include "diagram/lines/CustomLine.h"
#include "diagram/model/DiagramHost.h"
#include "diagram/model/TextCellPainter.h"
#include "geometry/Conversions.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrPath.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

void TCustomDiagramLine::Draw(const TDiagramDrawInfo& AInfo) {
  if (GetDrawer()) SetupDrawer(GetDrawer());
  if (AInfo.Canvas) {
    AInfo.Canvas->SetPen(CurrentPen());
    AInfo.Canvas->GetBrush()->SetStyle(bsClear);
  }
  DrawLinePath(AInfo, GetHandles(), true);
  if (AInfo.Canvas) DrawTextCells(AInfo.Canvas, this);
}

void TCustomDiagramLine::DrawLinePath(const TDiagramDrawInfo& AInfo, TStretchHandles* AHandles, bool AWithArrows) {
  CalcPoints(AHandles);
  // The engine needs the pass's paint engine; without one (a line painted on its own
  // canvas, a drag outline) the drawer has no surface and the canvas path paints.
  if (UsesEngine() && AInfo.DgrDrawer && GetPassEngine())
    DrawLinePathEngine(AInfo, AHandles, AWithArrows);
  else
    DrawLinePathCanvas(AInfo, AWithArrows);
}

TDotArray TCustomDiagramLine::PaintedPoints() {
  TDiagramHost* host = GetDiagramHost();
  if (FLineStyle != lsSideLine || !host || !host->GetShowCrossIndicators() || FPoints.empty()) return FPoints;
  TDotArray pts{FPoints[0]};
  for (size_t i = 1; i < FPoints.size(); ++i) {
    TDotArray bumps;
    CollectHops(static_cast<int>(i), bumps);
    pts.insert(pts.end(), bumps.begin(), bumps.end());
    pts.push_back(FPoints[i]);
  }
  return pts;
}

void TCustomDiagramLine::DrawLinePathEngine(const TDiagramDrawInfo& AInfo, TStretchHandles*, bool AWithArrows) {
  TDgrBlockDrawer* drawer = AInfo.DgrDrawer;
  TDgrGraphicsPath* path = GetTempPath();
  if (!drawer || !path) return;
  // Arcs and curves are already flattened into Points by CalcPoints, so one polyline
  // paints every style exactly where hit testing finds it. The points are diagram units
  // and the pass's engine transform alone takes them to the canvas: the drawer's
  // source-to-destination mapping is for shapes drawn in their own coordinates and is
  // never applied here (no TransformPath), which also keeps an unchanged path unmapped.
  const TDotArray pts = PaintedPoints();
  if (pts.size() >= 2) {
    // Rebuilding the path makes some engines build a new native path; an unchanged line
    // keeps the one it has. A new or emptied path holds no points and is built again.
    if (!(pts == FEnginePathPoints) || path->GetPointCount() == 0) {
      path->Reset();
      path->AddLines(pts);
      FEnginePathPoints = pts;
    }
    TDgrCanvas* canvas = drawer->GetCanvas();
    FEngineTools.UsePen(canvas->GetPen(), CurrentPen(), GetTransparency());
    canvas->DrawPath(path);
  }
  if (AWithArrows) DrawArrows(AInfo);
}

void TCustomDiagramLine::DrawLinePathCanvas(const TDiagramDrawInfo& AInfo, bool AWithArrows) {
  TCanvas* canvas = AInfo.Canvas;
  if (!canvas || FPoints.empty()) return;
  TDiagramHost* host = GetDiagramHost();
  auto toCanvas = [host](TDot P) { return DotToPoint(host ? host->ClientToCanvas(P) : P); };
  const TDotArray pts = PaintedPoints();
  TPoint p = toCanvas(pts[0]);
  canvas->MoveTo(p.X, p.Y);
  for (size_t i = 1; i < pts.size(); ++i) {
    p = toCanvas(pts[i]);
    canvas->LineTo(p.X, p.Y);
  }
  if (AWithArrows) DrawArrows(AInfo);
}

void TCustomDiagramLine::CollectHops(int ASegment, TDotArray& AHops) {
  TDiagramHost* host = GetDiagramHost();
  if (!host) return;
  const TDot p1 = FPoints[static_cast<size_t>(ASegment - 1)], p2 = FPoints[static_cast<size_t>(ASegment)];
  THelperLine helper;
  // Only side lines below this one in the z-order: the upper of two crossing lines hops.
  for (int c = 0; c < host->DControlCount(); ++c) {
    TDiagramControl* control = host->GetDControls(c);
    if (control == this) break;
    auto* other = dynamic_cast<TCustomDiagramLine*>(control);
    if (!other || other->GetLineStyle() != lsSideLine) continue;
    other->CalcPoints(other->GetHandles());
    const TDotArray& q = other->GetPoints();
    for (size_t k = 1; k < q.size(); ++k) AddCrossingHops(p1, p2, q[k - 1], q[k], helper);
  }
  helper.SortByDistance(p1);
  AHops = std::move(helper.Points);
}

void TCustomDiagramLine::DrawArrows(const TDiagramDrawInfo& AInfo) {
  const size_t n = FPoints.size();
  if (n < 2) return;
  TDiagramHost* host = GetDiagramHost();
  double scale = 1;
  if (host) {
    const TPoint a = DotToPoint(host->ClientToCanvas(TDot{100, 100})), o = DotToPoint(host->ClientToCanvas(TDot{0, 0}));
    scale = (a.Y - o.Y) / 100.0;
  }
  auto paint = [&](TLineArrow* AArrow, TDot AFrom, TDot ATo) {
    AArrow->SetDrawPoints(AFrom, ATo);
    TArrowDrawInfo draw;
    draw.From = host ? host->ClientToCanvas(AFrom) : AFrom;
    draw.To = host ? host->ClientToCanvas(ATo) : ATo;
    draw.Scale = scale;
    AArrow->DrawArrow(AInfo, draw);
  };
  // Each head takes the outermost pair of points that differ, so a doubled end point
  // still gives it a direction; when all points coincide there is none and no head.
  for (size_t k = 0; k + 1 < n; ++k)
    if (!(FPoints[k] == FPoints[k + 1])) {
      paint(FSourceArrow.get(), FPoints[k + 1], FPoints[k]);
      break;
    }
  for (size_t k = n - 1; k > 0; --k)
    if (!(FPoints[k - 1] == FPoints[k])) {
      paint(FTargetArrow.get(), FPoints[k - 1], FPoints[k]);
      break;
    }
}

}  // namespace tarnwick
