#pragma once
// Equality, containment and hit-test predicates. Comparisons are exact unless a tolerance
// is named; tolerances are in the units of the tested coordinates (canvas pixels for the
// hit tests against the mouse).
#include "geometry/Dot.h"
#include "platform/core/Types.h"

namespace tarnwick {

bool IsEmptyRect(const TRect& R) noexcept;
bool IsEmptySquare(const TSquare& S) noexcept;
bool SameSquare(const TSquare& A, const TSquare& B) noexcept;
bool SameDot(TDot A, TDot B) noexcept;
bool IsZeroDot(TDot D) noexcept;

// Closed test on normalised rectangles: rectangles that only touch do intersect.
bool SquaresIntersect(const TSquare& A, const TSquare& B) noexcept;

// Half-open like the canvas: the left and top edges belong to S, the right and bottom
// edges do not; Tol widens S on every side.
bool PointInSquare(const TSquare& S, TDot P, int Tol) noexcept;

// P within the square of half-side Tol around Q, edges included.
bool PointNearPoint(TPoint P, TPoint Q, int Tol) noexcept;
bool PointNearPoint(TDot P, TDot Q, int Tol) noexcept;

// Axis-parallel segments: the tolerance reaches beyond the ends too.
bool PointNearVertSegment(TPoint P, int Tol, double Y1, double Y2, double X) noexcept;
bool PointNearHorzSegment(TPoint P, int Tol, double X1, double X2, double Y) noexcept;

// Oblique segments: P must lie within the segment's extent along its major axis (no
// tolerance there), and the tolerance is measured along the minor axis, not perpendicular
// to the segment. A segment of zero length is never hit.
bool PointNearSegment(TPoint P, int Tol, double X1, double Y1, double X2, double Y2) noexcept;

// The triangle (X1,Y1), (X2,Y2), (X3,Y3) has an area below 1e-10.
bool IsCollinear(double X1, double Y1, double X2, double Y2, double X3, double Y3) noexcept;

}  // namespace tarnwick
