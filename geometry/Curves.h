#pragma once
// Flattening of curves into polylines. Densities are fixed: about one point per diagram
// unit of circumference for ellipses and arcs, one point per 5 units of control-polygon
// length for cubic curves, 100 points per parabola.
//
// Every routine answers with a usable array whatever the input: degenerate or non-finite
// input falls back to the straight polyline through the given points, and no input can make
// an array longer than about MaxCurvePoints.
#include "geometry/Dot.h"

namespace tarnwick {

// Upper bound of the number of steps a flattener takes. A hostile or absurd coordinate (a
// radius of 1e300) must not allocate gigabytes; curves this long are flattened more coarsely.
inline constexpr int MaxCurvePoints = 1'000'000;

// An arc of the ellipse inscribed in the box (X1, Y1)-(X2, Y2), whose right and bottom
// coordinates are inclusive as on the integer canvas. Degrees grow clockwise on the screen
// (y = centre + ry * sin t). A full turn has N = Round(2pi * max(rx, ry)) steps; the arc
// runs from step Round(StartDeg * N / 360) to step Round(EndDeg * N / 360), and its first
// point is repeated once. Ascending runs from StartDeg to EndDeg, descending back.
// A box too thin for even one step gives the two corners (X1, Y1), (X2, Y2); an EndDeg
// more than one step before StartDeg gives an empty array.
void EllipseArcPoints(int StartDeg, int EndDeg, bool Ascending, double X1, double Y1, double X2, double Y2,
                      TDotArray& Pts);

// The closed outline of a rounded rectangle (corner ellipse width CornerW and height
// CornerH), clockwise on the screen from the top-left corner; the last point repeats the
// first.
void RoundRectPoints(double X1, double Y1, double X2, double Y2, double CornerW, double CornerH, TDotArray& Pts);

// The circular arc that starts at P1, ends at P2 and passes P3, about one point per unit
// of arc length. Collinear points give [P1, P3, P2]; an arc too short for two points gives
// [P1], one shorter than half a unit an empty array.
void ArcThrough3Points(TDotArray& Pts, double X1, double Y1, double X2, double Y2, double X3, double Y3);

// 100 points of the parabola from P1 to P2 through P3, in the frame where P1 -> P2 is the
// x axis. Where no such parabola exists (collinear points, or P3 straight above P1 or P2 in
// that frame) the result is [P1, P3, P2].
void ParabolaThrough3Points(TDotArray& Pts, double X1, double Y1, double X2, double Y2, double X3, double Y3);

// The cubic Hermite curve from Q0 to Q3 with tangents Factor * (Q1 - Q0) and
// Factor * (Q3 - Q2); Factor 3 gives the cubic Bezier curve with control points Q1, Q2.
// N = Round(|Q0Q1| + |Q1Q3| + |Q3Q2|) div 5 points; when that is below 2 the curve is too
// short to flatten and the result is the chord [Q0, Q3].
void HermiteCurvePoints(TDotArray& Pts, double X0, double Y0, double X1, double Y1, double X2, double Y2, double X3,
                        double Y3, double Factor);

}  // namespace tarnwick
