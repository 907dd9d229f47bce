// Where a block is: bounds, angle, rotation centre, the frame that maps its original
// rectangle, handle and link point positions, the outline and the hit tests.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "diagram/model/CustomBlock.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrPath.h"
#include "diagram/model/DiagramHost.h"
#include "geometry/Conversions.h"
#include "geometry/Predicates.h"
#include "geometry/Squares.h"

namespace tarnwick {

namespace {
constexpr TSquare PercentRect{0, 0, 100, 100};
}

// ---- Bounds ----

void TCustomDiagramBlock::SetBoundsRect(const TSquare& R) {
  const TSquare old = GetBoundsRect();
  if (SameSquare(old, R)) return;
  FLeft = R.Left;
  FTop = R.Top;
  FWidth = R.Right - R.Left;
  FHeight = R.Bottom - R.Top;
  BoundsChanged(old, R);
}

void TCustomDiagramBlock::SetBoundsQuietly(const TSquare& R) {
  if (SameSquare(GetBoundsRect(), R)) return;
  FLeft = R.Left;
  FTop = R.Top;
  FWidth = R.Right - R.Left;
  FHeight = R.Bottom - R.Top;
  Redraw();
}

// One edge or size at a time keeps the others exactly as stored: going through a
// rectangle would recompute the size as right minus left, and a document read back
// property by property would not give the numbers it was written with.
void TCustomDiagramBlock::SetPlacement(double ALeft, double ATop, double AWidth, double AHeight) {
  if (FLeft == ALeft && FTop == ATop && FWidth == AWidth && FHeight == AHeight) return;
  const TSquare old = GetBoundsRect();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  BoundsChanged(old, GetBoundsRect());
}

void TCustomDiagramBlock::SetLeft(double Value) { SetPlacement(Value, FTop, FWidth, FHeight); }

void TCustomDiagramBlock::SetTop(double Value) { SetPlacement(FLeft, Value, FWidth, FHeight); }

void TCustomDiagramBlock::SetWidth(double Value) { SetPlacement(FLeft, FTop, Value, FHeight); }

void TCustomDiagramBlock::SetHeight(double Value) { SetPlacement(FLeft, FTop, FWidth, Value); }

void TCustomDiagramBlock::BoundsChanged(const TSquare&, const TSquare&) {
  TDiagramHost* host = GetDiagramHost();
  if (!host) return;
  NotifyAnchoreds(acPosition);
  host->Modified();
  if (!IsLoading()) AfterBoundsChange();
  if (!PositioningInBulk()) Redraw();
}

void TCustomDiagramBlock::MoveBy(double ADeltaX, double ADeltaY) {
  SetBoundsRect(OffsetSquare(GetBoundsRect(), ADeltaX, ADeltaY));
}

void TCustomDiagramBlock::SnapToGrid(double ASizeX, double ASizeY) {
  const TSquare r = GetBoundsRect();
  const double l = SnapCoordinate(r.Left, ASizeX), t = SnapCoordinate(r.Top, ASizeY);
  SetBoundsRect(OffsetSquare(r, l - r.Left, t - r.Top));
}

// ---- Angle and rotation centre ----

void TCustomDiagramBlock::SetAngle(double Value) {
  if (Value == GetAngle()) return;
  // A non-finite angle has no place in [0, 360) and would make the loops below endless.
  if (!std::isfinite(Value)) return;
  // fmod instead of repeated steps keeps a huge angle from looping for ever; the result is
  // the same as adding or subtracting 360 as often as needed.
  Value = std::fmod(Value, 360.0);
  if (Value < 0) Value += 360.0;
  if (Value >= 360.0) Value -= 360.0;
  if (Value == GetAngle()) return;
  TDiagramControl::SetAngle(Value);  // runs AngleChanged, which syncs
  Redraw();
}

void TCustomDiagramBlock::SetRotationCenter(TDot Value) {
  if (SameDot(Value, FRotCenter)) return;
  FRotCenter = Value;
  Modify();
  if (!PositioningInBulk()) Redraw();
}

void TCustomDiagramBlock::FrameFor(TBlockDrawer& D, const TSquare& ABounds, double AAngle) const {
  D.SetOriginalRect(GetOriginalRect());
  D.SetCurRect(ABounds);
  D.SetAngle(AAngle);
  D.SetRotationType(rtCurRectCenter);
}

TDot TCustomDiagramBlock::MapOriginal(TDot P) const {
  TBlockDrawer d;
  FrameFor(d, GetBoundsRect(), GetAngle());
  return d.RotX(d.PP(P));
}

TDot TCustomDiagramBlock::GetRotationCenterPoint() {
  TBlockDrawer d;
  FrameFor(d, GetBoundsRect(), GetAngle());
  d.SetOriginalRect(PercentRect);
  return d.RotX(d.PP(FRotCenter));
}

// ---- Mapping the original rectangle ----

TSquare TCustomDiagramBlock::ToOriginalRect(const TSquare& R) {
  TBlockDrawer d;
  FrameFor(d, GetBoundsRect(), 0);
  TDot a = d.UnPP(R.Left, R.Top), b = d.UnPP(R.Right, R.Bottom);
  return TSquare{a.X, a.Y, b.X, b.Y};
}

TSquare TCustomDiagramBlock::CellRectToDiagram(TTextCell*, const TSquare& R) {
  TBlockDrawer d;
  FrameFor(d, GetBoundsRect(), 0);
  TDot a = d.PP(R.Left, R.Top), b = d.PP(R.Right, R.Bottom);
  return TSquare{a.X, a.Y, b.X, b.Y};
}

void TCustomDiagramBlock::SetupDrawer(TBlockDrawer* ADrawer) {
  if (!ADrawer) return;
  TSquare r = GetBoundsRect();
  if (TDiagramHost* host = GetDiagramHost()) {
    TDot a = host->ClientToCanvas(TDot{r.Left, r.Top}), b = host->ClientToCanvas(TDot{r.Right, r.Bottom});
    r = TSquare{a.X, a.Y, b.X, b.Y};
  }
  ADrawer->SetCurRect(r);
  ADrawer->SetAngle(GetAngle());
  ADrawer->SetRotationType(rtCurRectCenter);
  ADrawer->SetHorizontalFlip(FHorizontalFlip);
  ADrawer->SetVerticalFlip(FVerticalFlip);
}


// ---- Handles ----

void TCustomDiagramBlock::UpdateBlockHandles() {
  const TSquare o = GetOriginalRect();
  const double L = o.Left, T = o.Top, R = o.Right, B = o.Bottom;
  const double mx = (L + R) / 2, my = (T + B) / 2;
  const bool visio = GetDiagramHost() && GetDiagramHost()->GetHandlesStyle() == hsVisio;
  struct THandleSlot {
    int Data;
    THandleStyle Style;
    TDot At;
    TCursor Cursor;
  };
  const THandleSlot layout[] = {{1, hsSize, {L, T}, crSizeNWSE},
                         {2, hsSize, {mx, T}, crSizeNS},
                         {3, hsSize, {R, T}, crSizeNESW},
                         {4, hsSize, {R, my}, crSizeWE},
                         {5, hsSize, {R, B}, crSizeNWSE},
                         {6, hsSize, {mx, B}, crSizeNS},
                         {7, hsSize, {L, B}, crSizeNESW},
                         {8, hsSize, {L, my}, crSizeWE},
                         {9, hsRotate, visio ? TDot{mx, T} : TDot{R - (R - L) / 10, my}, crHandPoint}};
  TStretchHandles* handles = GetHandles();
  for (const THandleSlot& s : layout) {
    TStretchHandle* h = handles->FindByData(s.Data);
    if (!h)
      handles->Add(s.At.X, s.At.Y, s.Cursor, s.Data, s.Style);
    else {
      // Unchanged handles stay untouched: every change of a handle notifies the control,
      // and blocks join diagrams by the thousand when a document loads.
      if (!SameDot(h->GetOrPoint(), s.At)) h->SetOrPoint(s.At);
      if (h->GetStyle() != s.Style) h->SetStyle(s.Style);
    }
  }
  TStretchHandle* centre = handles->FindByData(10);
  if (visio && !centre)
    handles->Add(0, 0, crHandPoint, 10, hsRotCenter);
  else if (!visio && centre)
    centre->Free();
  FHandlesLaidOutFor = visio ? hsVisio : hsClassic;
  FHandlesOriginalRect = o;
  SyncAngle();
}

bool TCustomDiagramBlock::HandlesNeedLayout(TdvDiagram* ADiagram) const {
  TDiagramHost* host = ADiagram ? DiagramHostOf(ADiagram) : nullptr;
  const int style = host && host->GetHandlesStyle() == hsVisio ? hsVisio : hsClassic;
  return style != FHandlesLaidOutFor || !SameSquare(FHandlesOriginalRect, GetOriginalRect()) ||
         GetHandles()->Count() < 9;
}

void TCustomDiagramBlock::SyncAngle() {
  TDiagramControl::SyncAngle();
  if (TStretchHandles* handles = GetHandles())
    for (int i = 0; i < handles->Count(); ++i) {
      TStretchHandle* h = handles->GetItems(i);
      if (h->GetStyle() == hsSize && h->GetData() >= 1 && h->GetData() <= 8)
        h->SetCursor(SizeHandleCursor(h->GetData(), GetAngle()));
    }
  NotifyAnchoreds(acPosition);
}

TDot TCustomDiagramBlock::GetHandlePoint(TStretchHandle* AHandle) {
  if (!AHandle) return InvalidDot();
  switch (AHandle->GetStyle()) {
    case hsRotCenter:
      return GetRotationCenterPoint();
    case hsRotate: {
      if (!CanRotate()) return InvalidDot();
      TDiagramHost* host = GetDiagramHost();
      if (!host || host->GetHandlesStyle() != hsVisio) break;
      TBlockDrawer d;
      FrameFor(d, GetBoundsRect(), GetAngle());
      // The handle stands above the rotation centre, 24 screen pixels over the top edge.
      TDot centre = d.UnPP(d.UnrotX(GetRotationCenterPoint()));
      TDot p = d.PP(TDot{centre.X, AHandle->GetOrY()});
      TDot c0 = host->ClientToCanvas(TDot{0, 0}), c1 = host->ClientToCanvas(TDot{0, 1});
      const double pixelsPerUnit = c1.Y - c0.Y;
      if (pixelsPerUnit > 0) p.Y -= 24 / pixelsPerUnit;
      return d.RotX(p);
    }
    case hsSize:
    case hsCustom:
      break;
  }
  return MapOriginal(AHandle->GetOrPoint());
}

TDot TCustomDiagramBlock::GetLinkPointPoint(TLinkPoint* ALinkPoint) {
  if (!ALinkPoint) return InvalidDot();
  TDot p = ALinkPoint->GetOrPoint();
  const TSquare o = GetOriginalRect();
  // A flipped block shows its points mirrored inside the original rectangle.
  if (FHorizontalFlip) p.X = o.Left + o.Right - p.X;
  if (FVerticalFlip) p.Y = o.Top + o.Bottom - p.Y;
  return MapOriginal(p);
}

// ---- Outline and hit tests ----

void TCustomDiagramBlock::DefaultSurroundPts(TDotArray& Pts) {
  Pts.clear();
  if (EngineDraws()) return;
  LegacySurroundPts(Pts);
}

void TCustomDiagramBlock::LegacySurroundPts(TDotArray& Pts) {
  TPolygonOutline outline(Pts, GetOriginalRect(), GetBoundsRect(), FHorizontalFlip, FVerticalFlip);
  BuildOutline(outline);
  outline.Finish(GetAngle());
}

void TCustomDiagramBlock::GetSurroundPts(TDotArray& Pts) { DefaultSurroundPts(Pts); }

bool TCustomDiagramBlock::PointInControl(TPoint Pos) {
  const TDot p = PointToDot(Pos);
  // Cheap rejection first, without trigonometry: at any angle the outline stays inside
  // the circle through the corners of the bounds (widened by a unit for the rounding of
  // the vertices). Hit tests run against every block under the mouse.
  const double dx = p.X - (FLeft + FWidth / 2), dy = p.Y - (FTop + FHeight / 2);
  const double radius = std::sqrt(FWidth * FWidth + FHeight * FHeight) / 2 + 1;
  bool hit = false;
  if (dx * dx + dy * dy <= radius * radius) {
    // One array kept for every hit test: the outline of an ellipse has hundreds of points,
    // and a hit test runs for every block under the mouse on every move.
    thread_local TDotArray pts;
    GetSurroundPts(pts);
    if (!pts.empty()) {
      hit = PointInPolygon(pts, p);
    } else if (EngineDraws()) {
      SetupDgrDrawer(GetDgrDrawer());
      TDgrGraphicsPath* path = GetTempPath();
      path->Reset();
      BuildOutlinePath(path, GetDgrDrawer());
      hit = path->IsVisible(Pos.X, Pos.Y);
    }
  }
  if (!hit && GetSelectableTextCells()) hit = PointInTextCells(Pos);
  return hit;
}

TSquare TCustomDiagramBlock::ControlRect() {
  TSquare r = GetBoundsRect();
  if (GetSelectableTextCells()) {
    TTextCells* cells = GetTextCells();
    for (int i = 0; i < cells->Count(); ++i) {
      TSquare c = cells->GetItems(i)->GetPaintedRect();
      r = TSquare{std::min(r.Left, c.Left), std::min(r.Top, c.Top), std::max(r.Right, c.Right),
                  std::max(r.Bottom, c.Bottom)};
    }
  }
  return r;
}

TSquare TCustomDiagramBlock::SurroundRect() {
  const TSquare r = ControlRect();
  if (GetAngle() == 0) return r;
  // The corners of r turned about the centre of the bounds; the box around them.
  const double a = GetAngle() * std::numbers::pi / 180, sn = std::sin(a), cs = std::cos(a);
  const double cx = FLeft + FWidth / 2, cy = FTop + FHeight / 2;
  const double xs[2] = {r.Left - cx, r.Right - cx}, ys[2] = {r.Top - cy, r.Bottom - cy};
  TSquare s{INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (double x : xs)
    for (double y : ys) {
      const double px = cx + x * cs - y * sn, py = cy + x * sn + y * cs;
      s.Left = std::min(s.Left, px);
      s.Top = std::min(s.Top, py);
      s.Right = std::max(s.Right, px);
      s.Bottom = std::max(s.Bottom, py);
    }
  return s;
}

}  // namespace tarnwick
