#include "geometry/Vectors.h"

#include <cmath>
#include <cstdint>

#include "platform/core/Math.h"

namespace tarnwick {

TDot AddDots(TDot A, TDot B) noexcept { return TDot{A.X + B.X, A.Y + B.Y}; }

TDot SubDots(TDot A, TDot B) noexcept { return TDot{A.X - B.X, A.Y - B.Y}; }

TPoint SubPoints(TPoint P, TPoint Q) noexcept {
  // Computed in 64 bits and wrapped, so extreme coordinates never overflow a signed int.
  return TPoint{static_cast<int32_t>(int64_t{P.X} - Q.X), static_cast<int32_t>(int64_t{P.Y} - Q.Y)};
}

TDot ScaleDot(TDot D, double F) noexcept { return TDot{D.X * F, D.Y * F}; }

TPoint ScalePoint(TPoint P, double F) noexcept { return TPoint{Round(P.X * F), Round(P.Y * F)}; }

TDot MidDot(TDot A, TDot B) noexcept { return TDot{(A.X + B.X) / 2, (A.Y + B.Y) / 2}; }

double Distance(double X1, double Y1, double X2, double Y2) noexcept {
  return std::sqrt((X2 - X1) * (X2 - X1) + (Y2 - Y1) * (Y2 - Y1));
}

double DotDistance(TDot A, TDot B) noexcept { return Distance(A.X, A.Y, B.X, B.Y); }

double SignedLineDistance(TDot A, TDot B, TDot C) noexcept {
  const double Len = DotDistance(A, B);
  if (Len == 0.0) return 0.0;
  return ((A.X - B.X) * (C.Y - B.Y) - (A.Y - B.Y) * (C.X - B.X)) / Len;
}

TDot PerpendicularOffset(TDot P1, TDot P2, TDot P3, double D) noexcept {
  if (P1.X == P2.X && P1.Y == P2.Y) return P1;
  const double Len = DotDistance(P1, P2);
  return TDot{P3.X + D * (P2.Y - P1.Y) / Len, P3.Y - D * (P2.X - P1.X) / Len};
}

void ArrowBasePoints(TDot& R1, TDot& R2, TDot A, TDot B, TDot Size) noexcept {
  const double DX = B.X - A.X;
  const double DY = B.Y - A.Y;
  const double Len = std::sqrt(DX * DX + DY * DY);
  if (Len == 0.0) {
    R1 = B;
    R2 = A;
    return;
  }
  const double Along = (Len - Size.Y) / Len;
  const TDot M{A.X + Along * DX, A.Y + Along * DY};
  const double Half = (Size.X / 2) / Len;
  const TDot W{-DY * Half, DX * Half};
  R1 = TDot{M.X + W.X, M.Y + W.Y};
  R2 = TDot{M.X - W.X, M.Y - W.Y};
}

}  // namespace tarnwick
