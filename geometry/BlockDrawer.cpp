#include "geometry/BlockDrawer.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "geometry/Conversions.h"
#include "geometry/Curves.h"
#include "geometry/Squares.h"
#include "geometry/Vectors.h"
#include "platform/core/Math.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {

namespace {

// The canvas takes exclusive right/bottom edges; widening an inclusive coordinate by one
// must not overflow at the end of the range.
int Widen(int V) noexcept { return V == std::numeric_limits<int>::max() ? V : V + 1; }

}  // namespace

TBlockDrawer::TBlockDrawer() : FRect{0, 0, 100, 100}, FOrRect{0, 0, 100, 100} {}

TBlockDrawer::~TBlockDrawer() = default;

void TBlockDrawer::SetAngle(double Value) noexcept {
  FAngle = Value;
  FRadAngle = Value * std::numbers::pi / 180;
  FSinAngle = std::sin(FRadAngle);
  FCosAngle = std::cos(FRadAngle);
}

// ---- Mapping ----

double TBlockDrawer::PXS(double AX) const noexcept {
  if (FOrRect.Left == FOrRect.Right) return FRect.Left;
  return FRect.Left + (AX - FOrRect.Left) / (FOrRect.Right - FOrRect.Left) * (FRect.Right - FRect.Left);
}

double TBlockDrawer::PYS(double AY) const noexcept {
  if (FOrRect.Top == FOrRect.Bottom) return FRect.Top;
  return FRect.Top + (AY - FOrRect.Top) / (FOrRect.Bottom - FOrRect.Top) * (FRect.Bottom - FRect.Top);
}

int TBlockDrawer::PX(double AX) const { return Round(PXS(AX)); }

int TBlockDrawer::PY(double AY) const { return Round(PYS(AY)); }

TDot TBlockDrawer::PP(TDot AP) const noexcept { return TDot{PXS(AP.X), PYS(AP.Y)}; }

TDot TBlockDrawer::PP(double AX, double AY) const noexcept { return TDot{PXS(AX), PYS(AY)}; }

TDotArray TBlockDrawer::PPPoints(const TDotArray& Pts) const {
  TDotArray Result;
  Result.reserve(Pts.size());
  for (const TDot& P : Pts) Result.push_back(PP(P));
  return Result;
}

double TBlockDrawer::UnPXS(double AX) const noexcept {
  if (FRect.Left == FRect.Right) return FOrRect.Left;
  return FOrRect.Left + (AX - FRect.Left) / (FRect.Right - FRect.Left) * (FOrRect.Right - FOrRect.Left);
}

double TBlockDrawer::UnPYS(double AY) const noexcept {
  if (FRect.Top == FRect.Bottom) return FOrRect.Top;
  return FOrRect.Top + (AY - FRect.Top) / (FRect.Bottom - FRect.Top) * (FOrRect.Bottom - FOrRect.Top);
}

int TBlockDrawer::UnPx(double AX) const noexcept { return Round(UnPXS(AX)); }

int TBlockDrawer::UnPY(double AY) const noexcept { return Round(UnPYS(AY)); }

TDot TBlockDrawer::UnPP(TDot AP) const noexcept { return TDot{UnPXS(AP.X), UnPYS(AP.Y)}; }

TDot TBlockDrawer::UnPP(double AX, double AY) const noexcept { return TDot{UnPXS(AX), UnPYS(AY)}; }

int TBlockDrawer::LX(double AX) const noexcept { return Round(AX - FOrRect.Left + FRect.Left); }

int TBlockDrawer::LY(double AY) const noexcept { return Round(AY - FOrRect.Top + FRect.Top); }

TPoint TBlockDrawer::LP(double AX, double AY) const noexcept { return TPoint{LX(AX), LY(AY)}; }

int TBlockDrawer::RX(double AX) const noexcept { return Round(FRect.Right - (FOrRect.Right - AX)); }

int TBlockDrawer::RY(double AY) const noexcept { return Round(FRect.Bottom - (FOrRect.Bottom - AY)); }

TPoint TBlockDrawer::RP(double AX, double AY) const noexcept { return TPoint{RX(AX), RY(AY)}; }

// ---- Rotation ----

TDot TBlockDrawer::Center() const noexcept {
  return FRotationType == rtRotationCenter ? FRotationCenter : SquareCenter(FRect);
}

TDot TBlockDrawer::RotX(double AX, double AY) const noexcept {
  // Angle 0 is by far the common case; it must give back the input bit for bit, not the
  // input passed through a sine and cosine.
  if (FAngle == 0.0) return TDot{AX, AY};
  const TDot C = Center();
  const double DX = AX - C.X;
  const double DY = AY - C.Y;
  return TDot{C.X + DX * FCosAngle - DY * FSinAngle, C.Y + DX * FSinAngle + DY * FCosAngle};
}

TDot TBlockDrawer::UnrotX(double AX, double AY) const noexcept {
  // RotX by the negated angle: the cosine stays, the sine changes sign.
  if (FAngle == 0.0) return TDot{AX, AY};
  const TDot C = Center();
  const double DX = AX - C.X;
  const double DY = AY - C.Y;
  return TDot{C.X + DX * FCosAngle + DY * FSinAngle, C.Y - DX * FSinAngle + DY * FCosAngle};
}

TPoint TBlockDrawer::Rot(TPoint AP) const noexcept {
  return DotToPoint(RotX(static_cast<double>(AP.X), static_cast<double>(AP.Y)));
}

TPoint TBlockDrawer::Rot(double AX, double AY) const noexcept { return DotToPoint(RotX(AX, AY)); }

TDotArray TBlockDrawer::RotPoly(const TDotArray& Pts) const {
  TDotArray Result;
  Result.reserve(Pts.size());
  for (const TDot& P : Pts) Result.push_back(RotX(P));
  return Result;
}

TSquare TBlockDrawer::RotByCenter(const TSquare& R) const noexcept {
  const TDot M = SquareCenter(R);
  return OffsetSquare(R, SubDots(RotX(M), M));
}

TPointArray TBlockDrawer::RotatedPoints(const TDotArray& Pts) const {
  TPointArray Result;
  Result.reserve(Pts.size());
  for (const TDot& P : Pts) Result.push_back(DotToPoint(RotX(P)));
  return Result;
}

// ---- Drawing ----

void TBlockDrawer::DrawRotRect(double X1, double Y1, double X2, double Y2) {
  if (!FCanvas) return;
  if (FAngle == 0.0) {
    FCanvas->Rectangle(Round(X1), Round(Y1), Round(X2 + 1), Round(Y2 + 1));
    return;
  }
  FCanvas->Polygon(RotatedPoints({{X1, Y1}, {X2, Y1}, {X2, Y2}, {X1, Y2}, {X1, Y1}}));
}

void TBlockDrawer::DrawRotEllipse(int X1, int Y1, int X2, int Y2) {
  if (!FCanvas) return;
  if (FAngle == 0.0) {
    FCanvas->Ellipse(X1, Y1, Widen(X2), Widen(Y2));
    return;
  }
  TDotArray Pts;
  EllipseArcPoints(0, 360, true, X1, Y1, X2, Y2, Pts);
  FCanvas->Polygon(RotatedPoints(Pts));
}

void TBlockDrawer::DrawRotRoundRect(double X1, double Y1, double X2, double Y2, double X3, double Y3) {
  if (!FCanvas) return;
  if (FAngle == 0.0) {
    FCanvas->RoundRect(Round(X1), Round(Y1), Round(X2 + 1), Round(Y2 + 1), Round(X3), Round(Y3));
    return;
  }
  TDotArray Pts;
  RoundRectPoints(X1, Y1, X2, Y2, X3, Y3, Pts);
  FCanvas->Polygon(RotatedPoints(Pts));
}

void TBlockDrawer::DrawRotPoly(const TDotArray& P) {
  if (!FCanvas) return;
  // RotX is the identity at angle 0, so one path serves both cases.
  FCanvas->Polygon(RotatedPoints(P));
}

void TBlockDrawer::DrawRotPoly(std::initializer_list<TDot> P) { DrawRotPoly(MakeDotArray(P)); }

void TBlockDrawer::AutoRotRect(double X1, double Y1, double X2, double Y2) {
  DrawRotRect(PXS(X1), PYS(Y1), PXS(X2), PYS(Y2));
}

void TBlockDrawer::AutoEllipse(double X1, double Y1, double X2, double Y2) {
  DrawRotEllipse(PX(X1), PY(Y1), PX(X2), PY(Y2));
}

void TBlockDrawer::AutoRoundRect(double X1, double Y1, double X2, double Y2, double X3, double Y3) {
  if (!FCanvas) return;
  const int L = PX(X1), T = PY(Y1), R = PX(X2), B = PY(Y2);
  // The corner scales with the shape; a shape without width or height has no corner to
  // scale (and no ratio to scale it by).
  const int CornerW = (X2 == X1) ? 0 : Round((double(R) - L) * X3 / (X2 - X1));
  const int CornerH = (Y2 == Y1) ? 0 : Round((double(B) - T) * Y3 / (Y2 - Y1));
  DrawRotRoundRect(L, T, R, B, CornerW, CornerH);
}

void TBlockDrawer::AutoMoveTo(double X, double Y) {
  if (!FCanvas) return;
  const TPoint P = DotToPoint(RotX(PP(X, Y)));
  FCanvas->MoveTo(P.X, P.Y);
}

void TBlockDrawer::AutoLineTo(double X, double Y) {
  if (!FCanvas) return;
  const TPoint P = DotToPoint(RotX(PP(X, Y)));
  FCanvas->LineTo(P.X, P.Y);
}

void TBlockDrawer::CanvasPolygon(const TPointArray& APoints) {
  if (FCanvas) FCanvas->Polygon(APoints);
}

void TBlockDrawer::CanvasPolyLine(const TPointArray& APoints) {
  if (FCanvas) FCanvas->Polyline(APoints);
}

// ---- State ----

TBlockDrawer::TState TBlockDrawer::SaveState() const noexcept {
  TState S;
  S.Rect = FRect;
  S.OrRect = FOrRect;
  S.Angle = FAngle;
  S.RadAngle = FRadAngle;
  S.SinAngle = FSinAngle;
  S.CosAngle = FCosAngle;
  S.Canvas = FCanvas;
  S.RotationType = FRotationType;
  S.RotationCenter = FRotationCenter;
  return S;
}

void TBlockDrawer::RestoreState(const TState& S) noexcept {
  FRect = S.Rect;
  FOrRect = S.OrRect;
  FAngle = S.Angle;
  FRadAngle = S.RadAngle;
  FSinAngle = S.SinAngle;
  FCosAngle = S.CosAngle;
  FCanvas = S.Canvas;
  FRotationType = S.RotationType;
  FRotationCenter = S.RotationCenter;
}

void TBlockDrawer::PushState() { FStack.push_back(SaveState()); }

void TBlockDrawer::PopState() {
  // An unpaired pop is a caller's slip; keeping the current state is the harmless answer.
  if (FStack.empty()) return;
  RestoreState(FStack.back());
  FStack.pop_back();
}

void TBlockDrawer::Assign(const TBlockDrawer& Source) noexcept {
  if (&Source == this) return;
  RestoreState(Source.SaveState());
}

}  // namespace tarnwick
