#include "geometry/Predicates.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "geometry/LineEquations.h"
#include "platform/core/Math.h"

namespace tarnwick {

bool IsEmptyRect(const TRect& R) noexcept { return R.Left == 0 && R.Top == 0 && R.Right == 0 && R.Bottom == 0; }

bool IsEmptySquare(const TSquare& S) noexcept {
  return S.Left == 0.0 && S.Top == 0.0 && S.Right == 0.0 && S.Bottom == 0.0;
}

bool SameSquare(const TSquare& A, const TSquare& B) noexcept {
  return A.Left == B.Left && A.Top == B.Top && A.Right == B.Right && A.Bottom == B.Bottom;
}

bool SameDot(TDot A, TDot B) noexcept { return A.X == B.X && A.Y == B.Y; }

bool IsZeroDot(TDot D) noexcept { return D.X == 0.0 && D.Y == 0.0; }

bool SquaresIntersect(const TSquare& A, const TSquare& B) noexcept {
  return A.Top <= B.Bottom && A.Left <= B.Right && A.Right >= B.Left && A.Bottom >= B.Top;
}

bool PointInSquare(const TSquare& S, TDot P, int Tol) noexcept {
  return S.Left - Tol <= P.X && P.X < S.Right + Tol && S.Top - Tol <= P.Y && P.Y < S.Bottom + Tol;
}

bool PointNearPoint(TPoint P, TPoint Q, int Tol) noexcept {
  // 64-bit so that points near the ends of the integer range cannot overflow.
  const int64_t T = Tol;
  return int64_t{Q.X} - T <= P.X && P.X <= int64_t{Q.X} + T && int64_t{Q.Y} - T <= P.Y && P.Y <= int64_t{Q.Y} + T;
}

bool PointNearPoint(TDot P, TDot Q, int Tol) noexcept {
  return Q.X - Tol <= P.X && P.X <= Q.X + Tol && Q.Y - Tol <= P.Y && P.Y <= Q.Y + Tol;
}

bool PointNearVertSegment(TPoint P, int Tol, double Y1, double Y2, double X) noexcept {
  return X - Tol <= P.X && P.X <= X + Tol && std::min(Y1, Y2) - Tol <= P.Y && P.Y <= std::max(Y1, Y2) + Tol;
}

bool PointNearHorzSegment(TPoint P, int Tol, double X1, double X2, double Y) noexcept {
  return Y - Tol <= P.Y && P.Y <= Y + Tol && std::min(X1, X2) - Tol <= P.X && P.X <= std::max(X1, X2) + Tol;
}

bool PointNearSegment(TPoint P, int Tol, double X1, double Y1, double X2, double Y2) noexcept {
  double Slope = 0.0;
  double Intercept = 0.0;
  switch (SegmentCoefficients(X1, Y1, X2, Y2, Slope, Intercept)) {
    case skPoint:
      return false;
    case skFlat: {
      if (P.X < std::min(X1, X2) || P.X > std::max(X1, X2)) return false;
      const int64_t Y = Round(P.X * Slope + Intercept);
      return std::llabs(Y - P.Y) <= Tol;
    }
    case skSteep: {
      if (P.Y < std::min(Y1, Y2) || P.Y > std::max(Y1, Y2)) return false;
      const int64_t X = Round(P.Y * Slope + Intercept);
      return std::llabs(X - P.X) <= Tol;
    }
  }
  return false;
}

bool IsCollinear(double X1, double Y1, double X2, double Y2, double X3, double Y3) noexcept {
  return std::fabs((X1 * (Y2 - Y3) + X2 * (Y3 - Y1) + X3 * (Y1 - Y2)) / 2) < 1e-10;
}

}  // namespace tarnwick
