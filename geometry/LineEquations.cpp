#include "geometry/LineEquations.h"

#include <cmath>

namespace tarnwick {

TSegmentKind SegmentCoefficients(double X1, double Y1, double X2, double Y2, double& Slope,
                                 double& Intercept) noexcept {
  const double DX = X2 - X1;
  const double DY = Y2 - Y1;
  if (DX == 0.0 && DY == 0.0) {
    Slope = 0.0;
    Intercept = 0.0;
    return skPoint;
  }
  if (std::fabs(DY) > std::fabs(DX)) {
    Slope = DX / DY;
    Intercept = X1 - Y1 * Slope;
    return skSteep;
  }
  Slope = DY / DX;
  Intercept = Y1 - X1 * Slope;
  return skFlat;
}

TLineEquation PerpendicularBisector(double Xa, double Ya, double Xb, double Yb) noexcept {
  TLineEquation L;
  L.A = Xa - Xb;
  L.B = Ya - Yb;
  L.C = ((Ya + Yb) / 2) * (Yb - Ya) - (Xa - Xb) * ((Xa + Xb) / 2);
  return L;
}

bool LinesIntersection(const TLineEquation& L1, const TLineEquation& L2, TDot& Out) noexcept {
  const double Det = L1.A * L2.B - L1.B * L2.A;
  if (Det == 0.0) {
    Out = TDot{NoIntersection, NoIntersection};
    return false;
  }
  Out.X = (L1.B * L2.C - L2.B * L1.C) / Det;
  Out.Y = (L2.A * L1.C - L1.A * L2.C) / Det;
  return true;
}

namespace {

double Det3(double A0, double A1, double A2, double B0, double B1, double B2, double C0, double C1,
            double C2) noexcept {
  return A0 * (B1 * C2 - B2 * C1) - A1 * (B0 * C2 - B2 * C0) + A2 * (B0 * C1 - B1 * C0);
}

}  // namespace

bool Solve3x3(const double M[3][4], double X[3]) noexcept {
  X[0] = X[1] = X[2] = 0.0;
  const double D = Det3(M[0][0], M[0][1], M[0][2], M[1][0], M[1][1], M[1][2], M[2][0], M[2][1], M[2][2]);
  if (D == 0.0 || !std::isfinite(D)) return false;
  for (int Col = 0; Col < 3; ++Col) {
    // Cramer's rule: the determinant with column Col replaced by the right-hand side.
    double R[3][3];
    for (int Row = 0; Row < 3; ++Row)
      for (int K = 0; K < 3; ++K) R[Row][K] = (K == Col) ? M[Row][3] : M[Row][K];
    X[Col] = Det3(R[0][0], R[0][1], R[0][2], R[1][0], R[1][1], R[1][2], R[2][0], R[2][1], R[2][2]) / D;
  }
  return true;
}

}  // namespace tarnwick
