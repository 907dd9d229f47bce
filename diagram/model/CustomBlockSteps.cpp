// The steps of dragging a block: moving, inserting, resizing with a size handle, turning
// with the rotate handle, moving the rotation centre, and the preview geometry the diagram
// swaps in while it paints a shape-style drag.
#include <cmath>
#include <numbers>

#include "diagram/model/CustomBlock.h"
#include "diagram/model/DiagramHost.h"
#include "geometry/Squares.h"

namespace tarnwick {

namespace {

constexpr TSquare PercentRect{0, 0, 100, 100};

TDot AddDot(TDot A, TDot B) { return TDot{A.X + B.X, A.Y + B.Y}; }
TDot Midpoint(TDot A, TDot B) { return TDot{(A.X + B.X) / 2, (A.Y + B.Y) / 2}; }

// The unturned rectangle of a block turned by AAngle whose opposite corners are shown at
// A and B: both are taken back about their midpoint, which stays the rectangle's centre.
TSquare RectFromCorners(TDot A, TDot B, double AAngle) {
  const TDot m = Midpoint(A, B);
  return DotsToSquare(TurnDot(A, m, -AAngle), TurnDot(B, m, -AAngle));
}

// deg(v): the screen direction of v in degrees.
double Direction(TDot V) {
  if (V.X == 0) {
    const int y = Round(V.Y);
    return y > 0 ? 90.0 : (y < 0 ? -90.0 : 0.0);
  }
  double a = std::atan(V.Y / V.X) * 180 / std::numbers::pi;
  if (V.X < 0) a += 180;
  return a;
}

// The corner of the original rectangle (or side midpoint) where size handle AData sits.
TDot SizeHandleSpot(const TSquare& O, int AData) {
  const double mx = (O.Left + O.Right) / 2, my = (O.Top + O.Bottom) / 2;
  switch (AData) {
    case 1: return {O.Left, O.Top};
    case 2: return {mx, O.Top};
    case 3: return {O.Right, O.Top};
    case 4: return {O.Right, my};
    case 5: return {O.Right, O.Bottom};
    case 6: return {mx, O.Bottom};
    case 7: return {O.Left, O.Bottom};
    default: return {O.Left, my};
  }
}

}  // namespace

// ---- Resizing ----

TSquare TCustomDiagramBlock::ResizeRectForHandle(TStretchHandle* AHandle, TDot Delta) {
  const TSquare bounds = GetBoundsRect();
  if (!AHandle || !CanResize()) return bounds;
  const int data = AHandle->GetData();
  if (AHandle->GetStyle() != hsSize || data < 1 || data > 8) return bounds;
  const double angle = GetAngle();
  const TSquare orig = GetOriginalRect();
  auto at = [&](int d) { return MapOriginal(SizeHandleSpot(orig, d)); };
  const TDot n = AddDot(at(data), Delta);

  // Which handle stays put: the opposite corner, or for an edge the far corner of the
  // opposite edge.
  static constexpr int keptCorner[9] = {0, 5, 0, 7, 0, 1, 0, 3, 0};
  static constexpr int keptEdge[9][2] = {{0, 0}, {0, 0}, {7, 5}, {0, 0}, {1, 7}, {0, 0}, {1, 3}, {0, 0}, {3, 5}};
  TSquare r;
  const TDot kept = at(data % 2 == 1 ? keptCorner[data] : keptEdge[data][1]);
  if (data % 2 == 1) {
    r = RectFromCorners(kept, n, angle);
  } else {
    // In the unturned frame the moved corner takes the drag across the kept edge only.
    const TDot centre = SquareCenter(bounds);
    const TDot nu = TurnDot(n, centre, -angle);
    const TDot k1 = TurnDot(at(keptEdge[data][0]), centre, -angle);
    const bool acrossY = data == 2 || data == 6;
    const TDot moved = acrossY ? TDot{k1.X, nu.Y} : TDot{nu.X, k1.Y};
    r = RectFromCorners(kept, TurnDot(moved, centre, angle), angle);
  }

  // A side below its minimum grows away from the kept corner, so that corner is still a
  // corner of the result and the re-anchoring below finds it.
  const TDot ku = TurnDot(kept, SquareCenter(r), -angle);
  if (r.Right - r.Left < FMinWidth) {
    if (std::fabs(ku.X - r.Left) <= std::fabs(ku.X - r.Right))
      r.Right = r.Left + FMinWidth;
    else
      r.Left = r.Right - FMinWidth;
  }
  if (r.Bottom - r.Top < FMinHeight) {
    if (std::fabs(ku.Y - r.Top) <= std::fabs(ku.Y - r.Bottom))
      r.Bottom = r.Top + FMinHeight;
    else
      r.Top = r.Bottom - FMinHeight;
  }
  if (GetRestrictions().Contains(crKeepRatio)) r = KeepAspectSquare(r, bounds);

  // Put the rectangle back so that the handle which must not move is where it was.
  static constexpr int anchor[9] = {0, 5, 7, 7, 1, 1, 1, 3, 3};
  const TDot fixed = at(anchor[data]);
  const TDot c = SquareCenter(r);
  const TDot corners[4] = {TurnDot({r.Left, r.Top}, c, angle), TurnDot({r.Right, r.Top}, c, angle),
                           TurnDot({r.Right, r.Bottom}, c, angle), TurnDot({r.Left, r.Bottom}, c, angle)};
  int best = 0;
  double bestDist = INFINITY;
  for (int i = 0; i < 4; ++i) {
    const double dx = corners[i].X - fixed.X, dy = corners[i].Y - fixed.Y;
    const double dist = dx * dx + dy * dy;
    if (dist < bestDist) {
      bestDist = dist;
      best = i;
    }
  }
  const TDot opposite = corners[(best + 2) % 4];
  const TDot shift{fixed.X - corners[best].X, fixed.Y - corners[best].Y};
  return RectFromCorners(fixed, AddDot(opposite, shift), angle);
}

// ---- Turning ----

double TCustomDiagramBlock::AngleForHandle(TStretchHandle* AHandle, TDot Delta) {
  if (!AHandle || !CanRotate()) return GetAngle();
  const TDot c = GetRotationCenterPoint();
  const TDot h = GetHandlePoint(AHandle);
  if (IsInvalidDot(h)) return GetAngle();
  const TDot h2 = AddDot(h, Delta);
  double a = GetAngle() + Direction({h2.X - c.X, h2.Y - c.Y}) - Direction({h.X - c.X, h.Y - c.Y});
  // Direction lies in (-90, 270], so one or two reductions are enough.
  while (a > 360) a -= 360;
  return Round(a / FRotationStep) * static_cast<double>(FRotationStep);
}

TSquare TCustomDiagramBlock::RotatedBoundsForHandle(TStretchHandle* AHandle, TDot Delta) {
  const double turn = AngleForHandle(AHandle, Delta) - GetAngle();
  TBlockDrawer d;
  d.SetCurRect(GetBoundsRect());
  d.SetRotationType(rtRotationCenter);
  d.SetRotationCenter(GetRotationCenterPoint());
  d.SetAngle(turn);
  return d.RotByCenter(GetBoundsRect());
}

TDot TCustomDiagramBlock::RotCenterForHandle(TStretchHandle*, TDot Delta) {
  if (!CanMoveRotCenter()) return FRotCenter;
  TBlockDrawer d;
  FrameFor(d, GetBoundsRect(), GetAngle());
  d.SetOriginalRect(PercentRect);
  const TDot p = d.UnrotX(AddDot(GetRotationCenterPoint(), Delta));
  return TDot{d.UnPXS(p.X), d.UnPYS(p.Y)};
}

// ---- Drag steps ----

namespace {

// The preview rectangle in canvas pixels.
TSquare ToCanvas(TDiagramHost* AHost, const TSquare& R) {
  if (!AHost) return R;
  const TDot a = AHost->ClientToCanvas(TDot{R.Left, R.Top}), b = AHost->ClientToCanvas(TDot{R.Right, R.Bottom});
  return TSquare{a.X, a.Y, b.X, b.Y};
}

}  // namespace

void TCustomDiagramBlock::UpdateHandleMove(THandleMoveInfo& AInfo) {
  TStretchHandle* handle = AInfo.AHandle;
  if (!handle) return;
  const THandleStyle style = handle->GetStyle();
  TSquare rect = GetBoundsRect();
  double angle = GetAngle();
  TDot centre = FRotCenter;
  switch (style) {
    case hsSize:
      rect = ResizeRectForHandle(handle, AInfo.Delta);
      break;
    case hsRotate:
      rect = RotatedBoundsForHandle(handle, AInfo.Delta);
      angle = AngleForHandle(handle, AInfo.Delta);
      break;
    case hsRotCenter:
      centre = RotCenterForHandle(handle, AInfo.Delta);
      break;
    case hsCustom:
      return;
  }
  switch (AInfo.Action) {
    case haEraseCursor:
    case haDrawCursor: {
      DrawCursorAt(AInfo.Canvas, rect, angle);
      break;
    }
    case haMoved:
      if (style == hsRotCenter) {
        SetRotationCenter(centre);
      } else {
        SetBoundsRect(rect);
        if (style == hsRotate) SetAngle(angle);
      }
      break;
    case haPositionCursor:
      FCursorRect = rect;
      FCursorAngle = angle;
      FCursorRotCenter = centre;
      break;
  }
}

void TCustomDiagramBlock::DrawCursorAt(TCanvas* ACanvas, const TSquare& ARect, double AAngle) {
  if (!ACanvas) return;
  TDiagramDrawInfo info;
  info.Canvas = ACanvas;
  info.Drawer = GetDrawer();
  DrawCursor(info, TDiagramDrawBlockInfo{ToCanvas(GetDiagramHost(), ARect), AAngle});
}

void TCustomDiagramBlock::UpdateMove(TControlMoveInfo& AInfo) {
  const TSquare rect = OffsetSquare(GetBoundsRect(), AInfo.Delta);
  switch (AInfo.Action) {
    case caEraseCursor:
    case caDrawCursor: {
      DrawCursorAt(AInfo.Canvas, rect, GetAngle());
      break;
    }
    case caMoved:
      SetBoundsRect(rect);
      break;
    case caPositionCursor:
      FCursorRect = rect;
      FCursorAngle = GetAngle();
      FCursorRotCenter = FRotCenter;
      break;
  }
}

void TCustomDiagramBlock::UpdateInsert(TControlInsertInfo& AInfo) {
  TSquare rect;
  const bool canResize = CanResize();
  if (!canResize || (AInfo.Action == iaInserted && AInfo.Clicked)) {
    // The block keeps its size and hangs from the click point; only a block that cannot be
    // resized follows a drag to the left or upwards.
    double l = AInfo.P1.X, t = AInfo.P1.Y;
    if (!canResize && AInfo.P2.X < AInfo.P1.X) l -= FWidth;
    if (!canResize && AInfo.P2.Y < AInfo.P1.Y) t -= FHeight;
    rect = TSquare{l, t, l + FWidth, t + FHeight};
  } else {
    rect = DotsToSquare(AInfo.P1, AInfo.P2);
  }
  switch (AInfo.Action) {
    case iaEraseCursor:
    case iaDrawCursor: {
      DrawCursorAt(AInfo.Canvas, rect, GetAngle());
      break;
    }
    case iaInserted:
      SetBoundsRect(rect);
      break;
  }
}

// ---- Preview geometry ----

void TCustomDiagramBlock::SetCursorGeometry(const TSquare& ARect, double AAngle, TDot ARotCenter) {
  FCursorRect = ARect;
  FCursorAngle = AAngle;
  FCursorRotCenter = ARotCenter;
}

void TCustomDiagramBlock::EnterCursorState() {
  if (FInCursorState) return;
  FInCursorState = true;
  FSaveAngle = GetAngle();
  FSaveRect = GetBoundsRect();
  FSaveRotCenter = FRotCenter;
  // Swapped in directly: the preview is no change of the document.
  FLeft = FCursorRect.Left;
  FTop = FCursorRect.Top;
  FWidth = FCursorRect.Right - FCursorRect.Left;
  FHeight = FCursorRect.Bottom - FCursorRect.Top;
  FRotCenter = FCursorRotCenter;
  TDiagramControl::SetAngle(FCursorAngle);
}

void TCustomDiagramBlock::LeaveCursorState() {
  if (!FInCursorState) return;
  FInCursorState = false;
  FLeft = FSaveRect.Left;
  FTop = FSaveRect.Top;
  FWidth = FSaveRect.Right - FSaveRect.Left;
  FHeight = FSaveRect.Bottom - FSaveRect.Top;
  FRotCenter = FSaveRotCenter;
  TDiagramControl::SetAngle(FSaveAngle);
}

}  // namespace tarnwick
