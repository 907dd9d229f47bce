#include "geometry/Curves.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>

#include "geometry/Angles.h"
#include "geometry/LineEquations.h"
#include "geometry/Predicates.h"
#include "geometry/Vectors.h"
#include "platform/core/Math.h"

namespace tarnwick {

namespace {

constexpr double Pi = std::numbers::pi;

bool AllFinite(std::initializer_list<double> Values) noexcept {
  return std::all_of(Values.begin(), Values.end(), [](double V) { return std::isfinite(V); });
}

// Number of steps for a curve of the given length at one step per unit, capped.
int64_t StepsFor(double Length) noexcept {
  if (!(Length < MaxCurvePoints)) return MaxCurvePoints;
  return Round(Length);
}

void SetPolyline3(TDotArray& Pts, double X1, double Y1, double X2, double Y2, double X3, double Y3) {
  Pts.assign({TDot{X1, Y1}, TDot{X3, Y3}, TDot{X2, Y2}});
}

}  // namespace

void EllipseArcPoints(int StartDeg, int EndDeg, bool Ascending, double X1, double Y1, double X2, double Y2,
                      TDotArray& Pts) {
  const auto SetCorners = [&] { Pts.assign({TDot{X1, Y1}, TDot{X2, Y2}}); };
  if (!AllFinite({X1, Y1, X2, Y2})) return SetCorners();

  const double RX = std::fabs(X2 - X1 + 1) / 2;
  const double RY = std::fabs(Y2 - Y1 + 1) / 2;
  const TDot C{(X1 + X2) / 2, (Y1 + Y2) / 2};
  if (RX == 0.0 || RY == 0.0) return SetCorners();

  // A radius below 1/(4pi) rounds to no step at all.
  const int64_t N = StepsFor(2 * Pi * std::max(RX, RY));
  if (N == 0) return SetCorners();
  const double Step = 2 * Pi / static_cast<double>(N);

  const int64_t I0 = Round(static_cast<double>(StartDeg) * static_cast<double>(N) / 360.0);
  const int64_t I1 = Round(static_cast<double>(EndDeg) * static_cast<double>(N) / 360.0);
  const int64_t Count = I1 - I0 + 2;
  if (Count <= 0) {
    Pts.clear();
    return;
  }
  // A full turn at the densest allowed flattening is N + 2 points; a sweep of many turns
  // only repeats points, and from a hostile angle it could ask for billions.
  if (Count > int64_t{MaxCurvePoints} + 2) return SetCorners();

  const auto At = [&](int64_t I) {
    const double T = static_cast<double>(I) * Step;
    return TDot{C.X + RX * std::cos(T), C.Y + RY * std::sin(T)};
  };
  Pts.resize(static_cast<size_t>(Count));
  if (Ascending) {
    Pts[0] = At(I0);
    for (int64_t K = 1; K < Count; ++K) Pts[K] = At(I0 + K - 1);
  } else {
    Pts[0] = At(I1);
    for (int64_t K = 1; K < Count; ++K) Pts[K] = At(I1 - K + 1);
  }
}

void RoundRectPoints(double X1, double Y1, double X2, double Y2, double CornerW, double CornerH, TDotArray& Pts) {
  Pts.clear();
  // Kept between calls: hit tests flatten a rounded outline on every mouse move.
  thread_local TDotArray Arc;
  const auto Append = [&] { Pts.insert(Pts.end(), Arc.begin(), Arc.end()); };
  EllipseArcPoints(181, 269, true, X1, Y1, X1 + CornerW - 1, Y1 + CornerH - 1, Arc);
  Append();
  EllipseArcPoints(269, 359, true, X2, Y1, X2 - CornerW - 1, Y1 + CornerH - 1, Arc);
  Append();
  EllipseArcPoints(1, 89, true, X2, Y2, X2 - CornerW - 1, Y2 - CornerH - 1, Arc);
  Append();
  EllipseArcPoints(91, 179, true, X1, Y2, X1 + CornerW - 1, Y2 - CornerH - 1, Arc);
  Append();
  if (!Pts.empty()) Pts.push_back(Pts.front());
}

void ArcThrough3Points(TDotArray& Pts, double X1, double Y1, double X2, double Y2, double X3, double Y3) {
  Pts.clear();
  if (!AllFinite({X1, Y1, X2, Y2, X3, Y3}) || IsCollinear(X1, Y1, X2, Y2, X3, Y3))
    return SetPolyline3(Pts, X1, Y1, X2, Y2, X3, Y3);

  TDot C;
  // Parallel bisectors mean the points are collinear after all, only too far out for the
  // area test to see it.
  if (!LinesIntersection(PerpendicularBisector(X1, Y1, X2, Y2), PerpendicularBisector(X1, Y1, X3, Y3), C))
    return SetPolyline3(Pts, X1, Y1, X2, Y2, X3, Y3);
  const double R = Distance(X1, Y1, C.X, C.Y);
  if (R == 0.0 || !std::isfinite(R)) return;

  const double T1 = PointAngle(X1, Y1, C.X, C.Y);
  const double T2 = PointAngle(X2, Y2, C.X, C.Y);
  const double T3 = PointAngle(X3, Y3, C.X, C.Y);
  // Pick the direction (and the turn to add) so that the sweep from S to E passes T3.
  double S = T1;
  double E = T2;
  if ((T1 <= T3 && T3 < T2) || (T2 <= T3 && T3 < T1)) {
    // T3 lies between them: the direct sweep, increasing or decreasing.
  } else if ((T1 <= T2 && T2 <= T3) || (T3 < T1 && T1 <= T2)) {
    S = T1 + 2 * Pi;  // decreasing through 0
  } else {
    E = T2 + 2 * Pi;  // increasing through 0
  }

  const int64_t N = StepsFor(std::fabs(E - S) * R);
  if (N == 1) {
    Pts.push_back(TDot{X1, Y1});
    return;
  }
  Pts.resize(static_cast<size_t>(N));
  const double Delta = (E - S) / static_cast<double>(N - 1);
  for (int64_t K = 0; K < N; ++K) Pts[K] = PolarDot(S + static_cast<double>(K) * Delta, R, C.X, C.Y);
}

void ParabolaThrough3Points(TDotArray& Pts, double X1, double Y1, double X2, double Y2, double X3, double Y3) {
  if (!AllFinite({X1, Y1, X2, Y2, X3, Y3}) || IsCollinear(X1, Y1, X2, Y2, X3, Y3))
    return SetPolyline3(Pts, X1, Y1, X2, Y2, X3, Y3);

  // Work in the frame where P1 -> P2 runs along the x axis.
  const double Theta = PointAngle(X2, Y2, X1, Y1);
  double X2r = X2, Y2r = Y2, X3r = X3, Y3r = Y3;
  RotateDotAround(X2r, Y2r, X1, Y1, -Theta);
  RotateDotAround(X3r, Y3r, X1, Y1, -Theta);

  // y = a x^2 + b x + c is no function through two points on one vertical. The rotation
  // leaves rounding noise, so "one vertical" is judged relative to the chord length, not by
  // an exact zero determinant.
  const double Chord = std::fabs(X2r - X1);
  const double Eps = 1e-9 * Chord;
  double Coef[3];
  const double M[3][4] = {{X3r * X3r, X3r, 1.0, Y3r}, {X2r * X2r, X2r, 1.0, Y2r}, {X1 * X1, X1, 1.0, Y1}};
  if (Chord == 0.0 || std::fabs(X3r - X1) <= Eps || std::fabs(X3r - X2r) <= Eps || !Solve3x3(M, Coef) ||
      !AllFinite({Coef[0], Coef[1], Coef[2]}))
    return SetPolyline3(Pts, X1, Y1, X2, Y2, X3, Y3);

  constexpr int Count = 100;
  Pts.resize(Count);
  for (int K = 0; K < Count; ++K) {
    double X = X1 + K * (X2r - X1) / (Count - 1);
    double Y = (Coef[0] * X + Coef[1]) * X + Coef[2];
    RotateDotAround(X, Y, X1, Y1, Theta);
    Pts[K] = TDot{X, Y};
  }
}

void HermiteCurvePoints(TDotArray& Pts, double X0, double Y0, double X1, double Y1, double X2, double Y2, double X3,
                        double Y3, double Factor) {
  const auto SetChord = [&] { Pts.assign({TDot{X0, Y0}, TDot{X3, Y3}}); };
  if (!AllFinite({X0, Y0, X1, Y1, X2, Y2, X3, Y3, Factor})) return SetChord();

  const double Length = Distance(X0, Y0, X1, Y1) + Distance(X1, Y1, X3, Y3) + Distance(X3, Y3, X2, Y2);
  const int64_t N = std::min<int64_t>(Round(Length) / 5, MaxCurvePoints);
  if (N <= 1) return SetChord();

  const auto Coefficients = [Factor](double P0, double P1, double P2, double P3, double C[4]) {
    const double M0 = Factor * (P1 - P0);
    const double M1 = Factor * (P3 - P2);
    C[0] = P0;
    C[1] = M0;
    C[2] = 3 * (P3 - P0) - 2 * M0 - M1;
    C[3] = 2 * (P0 - P3) + M0 + M1;
  };
  double CX[4], CY[4];
  Coefficients(X0, X1, X2, X3, CX);
  Coefficients(Y0, Y1, Y2, Y3, CY);

  Pts.resize(static_cast<size_t>(N));
  for (int64_t K = 0; K < N; ++K) {
    const double S = static_cast<double>(K) / static_cast<double>(N - 1);
    Pts[K] = TDot{((CX[3] * S + CX[2]) * S + CX[1]) * S + CX[0], ((CY[3] * S + CY[2]) * S + CY[1]) * S + CY[0]};
  }
}

}  // namespace tarnwick
