#include "geometry/Angles.h"

#include <cmath>
#include <numbers>

#include "geometry/Vectors.h"

namespace tarnwick {

double PointAngle(double PX, double PY, double CX, double CY) noexcept {
  constexpr double Pi = std::numbers::pi;
  // The axis cases are answered exactly rather than through arctan, so points straight
  // above or beside the centre never land a rounding error away on the wrong side of 0.
  if (PX == CX) return (CY >= PY) ? Pi / 2 : 3 * Pi / 2;
  if (PY == CY) return (CX >= PX) ? Pi : 0.0;
  const double A = std::atan((CY - PY) / (PX - CX));
  if (CX > PX) return A + Pi;
  return (A >= 0) ? A : A + 2 * Pi;
}

TDot PolarDot(double Angle, double Radius, double CX, double CY) noexcept {
  return TDot{CX + Radius * std::cos(Angle), CY - Radius * std::sin(Angle)};
}

void RotateDotAround(double& X, double& Y, double CX, double CY, double Angle) noexcept {
  const double DX = X - CX;
  const double DY = CY - Y;
  const double C = std::cos(Angle);
  const double S = std::sin(Angle);
  X = CX + DX * C - DY * S;
  Y = CY - (DX * S + DY * C);
}

TDot MapDotBySegments(TDot P, TDot E, TDot O, TDot E2, TDot O2) noexcept {
  const double Len = DotDistance(E, O);
  const double Scale = (Len == 0.0) ? 1.0 : DotDistance(E2, O2) / Len;
  const double Angle =
      PointAngle(P.X, P.Y, O.X, O.Y) + PointAngle(E2.X, E2.Y, O2.X, O2.Y) - PointAngle(E.X, E.Y, O.X, O.Y);
  return PolarDot(Angle, DotDistance(P, O) * Scale, O2.X, O2.Y);
}

}  // namespace tarnwick
