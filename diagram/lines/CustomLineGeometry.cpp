// Where a line is: its bounding rectangle and hit testing along its polyline.
#include <algorithm>
#include <climits>

#include "diagram/lines/CustomLine.h"
#include "geometry/Predicates.h"

namespace tarnwick {

namespace {
constexpr int HitTolerance = 5;
}  // namespace

TSquare TCustomDiagramLine::ControlRect() {
  CalcPoints(ActiveHandles());
  // Inverted, so that any union with it gives the other rectangle.
  TSquare r{INT_MAX, INT_MAX, -INT_MAX, -INT_MAX};
  for (const TDot& p : FPoints) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X);
    r.Bottom = std::max(r.Bottom, p.Y);
  }
  if (GetSelectableTextCells()) {
    TTextCells* cells = GetTextCells();
    for (int i = 0; i < cells->Count(); ++i) {
      const TSquare c = cells->GetItems(i)->GetPaintedRect();
      r.Left = std::min({r.Left, c.Left, c.Right});
      r.Top = std::min({r.Top, c.Top, c.Bottom});
      r.Right = std::max({r.Right, c.Left, c.Right});
      r.Bottom = std::max({r.Bottom, c.Top, c.Bottom});
    }
  }
  return r;
}

bool TCustomDiagramLine::PointInControl(TPoint Pos) {
  CalcPoints(ActiveHandles());
  for (size_t i = 1; i < FPoints.size(); ++i) {
    const TDot a = FPoints[i - 1], b = FPoints[i];
    bool hit;
    if (a.X == b.X)
      hit = PointNearVertSegment(Pos, HitTolerance, a.Y, b.Y, a.X);
    else if (a.Y == b.Y)
      hit = PointNearHorzSegment(Pos, HitTolerance, a.X, b.X, a.Y);
    else
      hit = PointNearSegment(Pos, HitTolerance, a.X, a.Y, b.X, b.Y);
    if (hit) return true;
  }
  return GetSelectableTextCells() && PointInTextCells(Pos);
}

}  // namespace tarnwick
