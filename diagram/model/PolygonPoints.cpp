#include "diagram/model/PolygonPoints.h"

#include <algorithm>

#include "geometry/BlockDrawer.h"
#include "geometry/Squares.h"
#include "platform/core/ScopeGuard.h"

namespace tarnwick {

const TClassInfo& TPolygonPoint::StaticClassInfo() {
  static const TClassInfo info("TPolygonPoint", &TDrawPoint::StaticClassInfo(), {}, {},
                               [](TCollection* c) { return Create<TPolygonPoint>(c); });
  return info;
}

void TPolygonPoint::Assign(TPersistent* Source) { TDrawPoint::Assign(Source); }

const TClassInfo& TPolygonPoints::StaticClassInfo() {
  static const TClassInfo info("TPolygonPoints", &TDrawPoints::StaticClassInfo(), {});
  return info;
}

TPolygonPoint* TPolygonPoints::PointOfHandle(const TStretchHandle* AHandle) const {
  if (!AHandle) return nullptr;
  for (int i = 0; i < Count(); ++i)
    if (GetItems(i)->GetHandle() == AHandle) return GetItems(i);
  return nullptr;
}

TDotArray TPolygonPoints::Dots() const {
  TDotArray pts;
  pts.reserve(static_cast<size_t>(Count()));
  for (int i = 0; i < Count(); ++i) pts.push_back(GetItems(i)->GetP());
  return pts;
}

TDotArray TPolygonPoints::ClosedDots() const {
  TDotArray pts = Dots();
  if (!pts.empty()) pts.push_back(pts.front());
  return pts;
}

void TPolygonPoints::SetDots(const TDotArray& APoints) {
  const TUpdateScope update(this);
  const int n = std::min(Count(), static_cast<int>(APoints.size()));
  for (int i = 0; i < n; ++i) GetItems(i)->SetP(APoints[static_cast<size_t>(i)]);
}

TSquare PolygonBounds(const TDotArray& APoints) {
  if (APoints.empty()) return TSquare{0, 0, 0, 0};
  TSquare r{APoints.front().X, APoints.front().Y, APoints.front().X, APoints.front().Y};
  for (const TDot& p : APoints) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X);
    r.Bottom = std::max(r.Bottom, p.Y);
  }
  return r;
}

TSquare PolygonBounds(const TPolygonPoints& APoints) { return PolygonBounds(APoints.Dots()); }

void MapPolygonToRect(TDotArray& APoints, const TSquare& R) {
  TBlockDrawer d;
  d.SetOriginalRect(PolygonBounds(APoints));
  d.SetCurRect(R);
  for (TDot& p : APoints) p = TDot{d.PXS(p.X), d.PYS(p.Y)};
}

void RotatePolygon(TDotArray& APoints, double ADegrees) {
  if (ADegrees == 0 || APoints.empty()) return;
  const TDot c = SquareCenter(PolygonBounds(APoints));
  for (TDot& p : APoints) p = TurnDot(p, c, ADegrees);
}

}  // namespace tarnwick
