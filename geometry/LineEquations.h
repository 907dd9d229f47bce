#pragma once
// Straight-line equations and the small linear solver behind the hit test of oblique
// segments and the three-point curves. Internal to the geometry kernel: nothing outside
// geometry/ needs these.
#include "geometry/Dot.h"

namespace tarnwick {

// How a segment is described for hit testing.
enum TSegmentKind {
  skPoint = 0,  // both ends coincide
  skFlat = 1,   // |dy| <= |dx|: y = Slope * x + Intercept
  skSteep = 2,  // |dy| > |dx|:  x = Slope * y + Intercept
};

// Classifies the segment and gives the line through it as a function of its major axis,
// so the slope never exceeds 1 in magnitude. A point gets slope and intercept 0.
TSegmentKind SegmentCoefficients(double X1, double Y1, double X2, double Y2, double& Slope, double& Intercept) noexcept;

// The line A*x + B*y + C = 0.
struct TLineEquation {
  double A = 0.0;
  double B = 0.0;
  double C = 0.0;
};

// The perpendicular bisector of the segment (Xa, Ya)-(Xb, Yb).
TLineEquation PerpendicularBisector(double Xa, double Ya, double Xb, double Yb) noexcept;

// Returned by LinesIntersection for parallel lines.
inline constexpr double NoIntersection = 1e7;

// The crossing of two lines by Cramer's rule. Parallel lines (determinant 0) give
// (NoIntersection, NoIntersection) and false.
bool LinesIntersection(const TLineEquation& L1, const TLineEquation& L2, TDot& Out) noexcept;

// Solves the 3x3 system whose rows are (m0, m1, m2 | r) by Cramer's rule. A singular system
// gives false and leaves X all zero, so a caller can never divide by a zero determinant.
bool Solve3x3(const double M[3][4], double X[3]) noexcept;

}  // namespace tarnwick
