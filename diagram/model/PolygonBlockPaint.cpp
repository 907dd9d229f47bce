// Painting a polygon block: its outline on the legacy canvas and as an engine path, the
// outline hit testing and clipping use, and the vertex handles in the block's point colour.
#include "diagram/model/DiagramHost.h"
#include "diagram/model/PolygonBlock.h"
#include "geometry/Conversions.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrCanvas.h"
#include "graphics/DgrPath.h"
#include "platform/core/Math.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

// The diagram's OnDrawShape is not asked: a handler drawing by Shape knows nothing of the
// vertices.
void TCustomPolygonBlock::DrawShape(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  if (TDgrBlockDrawer* engine = AInfo.DgrDrawer) {
    TDgrGraphicsPath* path = GetTempPath();
    if (!path) return;
    path->Reset();
    BuildDrawPath(path, engine);
    if (path->GetPointCount() > 0) engine->GetCanvas()->Path(path);
    return;
  }
  TCanvas* canvas = AInfo.Drawer && AInfo.Drawer->GetCanvas() ? AInfo.Drawer->GetCanvas() : AInfo.Canvas;
  if (!canvas || FPolygon->Count() == 0) return;
  // The vertices are carried onto the rectangle being painted (canvas pixels), not
  // converted one by one: a shadow paints at an offset rectangle, and a palette glyph or
  // preview into a rectangle of its own.
  TDotArray pts = FPolygon->Dots();
  MapPolygonToRect(pts, ABlockInfo.Rect);
  RotatePolygon(pts, ABlockInfo.Angle);
  TPointArray points;
  points.reserve(pts.size() + 1);
  for (const TDot& p : pts) points.push_back(TPoint{Round(p.X), Round(p.Y)});
  points.push_back(points.front());
  canvas->Polygon(points);
}

void TCustomPolygonBlock::BuildDrawPath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer) {
  if (!APath || !ADrawer || FPolygon->Count() == 0) return;
  TDotArray pts = FPolygon->Dots();
  MapPolygonToRect(pts, ADrawer->GetDestRect());
  APath->AddPolygon(pts);
  ADrawer->RotatePath(APath);
}

// No bounds rectangle in place of a missing outline: a polygon without vertices is not
// there to be hit or to clip to.
void TCustomPolygonBlock::BuildOutlinePath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer) {
  BuildDrawPath(APath, ADrawer);
}

void TCustomPolygonBlock::DefaultSurroundPts(TDotArray& Pts) {
  // Cleared under an engine too: callers reuse one array, and stale points of another
  // block would be hit-tested as this one's outline.
  Pts.clear();
  if (HasDgrDrawer()) return;
  Pts = FPolygon->Dots();
  RotatePolygon(Pts, GetAngle());
  if (!Pts.empty()) Pts.push_back(Pts.front());
}

void TCustomPolygonBlock::DrawHandle(const TDiagramDrawInfo& AInfo, TStretchHandle* AHandle) {
  if (!IsVertexHandle(AHandle)) {
    TCustomDiagramBlock::DrawHandle(AInfo, AHandle);
    return;
  }
  TDiagramHost* host = GetDiagramHost();
  TCanvas* canvas = AInfo.Canvas;
  if (!host || !canvas) return;
  // Drawn as a size handle, filled with the point colour; the base drawing would reset
  // the appearance to the defaults first.
  UpdateHandlesAppearance();
  THandleAppearance* look = GetHandlesAppearance()->GetSize();
  look->GetBrush()->SetColor(FPointColor);
  if (!look->GetVisible()) return;
  const bool enabled = CanResize();
  canvas->SetPen(enabled ? look->GetPen() : look->GetDisabledPen());
  canvas->SetBrush(enabled ? look->GetBrush() : look->GetDisabledBrush());
  const TPoint c = DotToPoint(host->ClientToCanvas(GetHandlePoint(AHandle)));
  const int x = c.X, y = c.Y, a = Round(look->GetSize());
  switch (look->GetStyle()) {
    case hhEllipse:
    case hhCrossedEllipse:
    case hhEllipseX:
      canvas->Ellipse(x - a, y - a, x + a + 1, y + a + 1);
      break;
    case hhDiamond:
      canvas->Polygon({{x, y - a}, {x + a, y}, {x, y + a}, {x - a, y}, {x, y - a}});
      break;
    case hhRectangle:
    case hhRectangleX:
      canvas->Rectangle(x - a, y - a, x + a + 1, y + a + 1);
      break;
  }
}

}  // namespace tarnwick
