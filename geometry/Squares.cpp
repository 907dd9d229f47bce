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

}  // namespace tarnwick
