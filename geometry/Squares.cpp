#include "geometry/Squares.h"

#include <algorithm>
#include <cmath>

namespace tarnwick {

TSquare OffsetSquare(const TSquare& S, TPoint P) noexcept {
  return OffsetSquare(S, static_cast<double>(P.X), static_cast<double>(P.Y));
}

TSquare OffsetSquare(const TSquare& S, TDot D) noexcept { return OffsetSquare(S, D.X, D.Y); }

TSquare OffsetSquare(const TSquare& S, double DX, double DY) noexcept {
  return TSquare{S.Left + DX, S.Top + DY, S.Right + DX, S.Bottom + DY};
}

TDot SquareCenter(const TSquare& S) noexcept { return TDot{(S.Left + S.Right) / 2, (S.Top + S.Bottom) / 2}; }

TSquare DotsToSquare(TDot A, TDot B) noexcept {
  return TSquare{std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y)};
}

TSquare KeepAspectSquare(const TSquare& R, const TSquare& Ref) noexcept {
  const double W = R.Right - R.Left;
  const double H = R.Bottom - R.Top;
  const double W0 = Ref.Right - Ref.Left;
  const double H0 = Ref.Bottom - Ref.Top;
  if (W0 == 0.0 || H0 == 0.0 || !std::isfinite(W0) || !std::isfinite(H0)) return R;

  TSquare Result = R;
  if (std::fabs(H - H0) < std::fabs(W - W0)) {
    const double NewHeight = W * std::fabs(H0 / W0);
    if (R.Top == Ref.Top)
      Result.Bottom = R.Top + NewHeight;
    else
      Result.Top = R.Bottom - NewHeight;
  } else {
    const double NewWidth = H * std::fabs(W0 / H0);
    if (R.Left == Ref.Left)
      Result.Right = R.Left + NewWidth;
    else
      Result.Left = R.Right - NewWidth;
  }
  return Result;
}

TDot TurnDot(TDot P, TDot C, double ADegrees) noexcept {
  if (ADegrees == 0.0) return P;
  const double r = ADegrees * std::numbers::pi / 180.0;
  const double c = std::cos(r), s = std::sin(r);
  const double dx = P.X - C.X, dy = P.Y - C.Y;
  return TDot{C.X + dx * c - dy * s, C.Y + dx * s + dy * c};
}

TSquare TurnedFrameBounds(std::vector<TDot> APoints, double ADegrees) {
  TDot centroid{0, 0};
  if (ADegrees != 0.0) {
    for (const TDot& p : APoints) centroid = TDot{centroid.X + p.X, centroid.Y + p.Y};
    const double n = static_cast<double>(APoints.size());
    centroid = TDot{centroid.X / n, centroid.Y / n};
    for (TDot& p : APoints) p = TurnDot(p, centroid, -ADegrees);
  }
  TSquare box{APoints[0].X, APoints[0].Y, APoints[0].X, APoints[0].Y};
  for (const TDot& p : APoints) {
    box.Left = std::min(box.Left, p.X);
    box.Top = std::min(box.Top, p.Y);
    box.Right = std::max(box.Right, p.X);
    box.Bottom = std::max(box.Bottom, p.Y);
  }
  if (ADegrees == 0.0) return box;
  const TDot m{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
  const TDot t = TurnDot(m, centroid, ADegrees);
  return TSquare{box.Left + t.X - m.X, box.Top + t.Y - m.Y, box.Right + t.X - m.X, box.Bottom + t.Y - m.Y};
}

}  // namespace tarnwick
