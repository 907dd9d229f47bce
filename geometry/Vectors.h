#pragma once
// Vector arithmetic and distances on dots (and the two integer-point helpers that go with
// them).
#include "geometry/Dot.h"
#include "platform/core/Types.h"

namespace tarnwick {

TDot AddDots(TDot A, TDot B) noexcept;
TDot SubDots(TDot A, TDot B) noexcept;
TPoint SubPoints(TPoint P, TPoint Q) noexcept;
TDot ScaleDot(TDot D, double F) noexcept;
// Each product Round-ed (ties to even).
TPoint ScalePoint(TPoint P, double F) noexcept;
TDot MidDot(TDot A, TDot B) noexcept;

double Distance(double X1, double Y1, double X2, double Y2) noexcept;
double DotDistance(TDot A, TDot B) noexcept;

// Signed distance of C from the line through B and A; positive on the side the cross
// product (A - B) x (C - B) points to. 0 when A = B.
double SignedLineDistance(TDot A, TDot B, TDot C) noexcept;

// P3 moved by D along the normal (dy, -dx) of the direction P1 -> P2. When P1 = P2 there
// is no direction and the result is P1.
TDot PerpendicularOffset(TDot P1, TDot P2, TDot P3, double D) noexcept;

// The two base corners of an arrow head whose tip is B on the segment A -> B; Size.X is
// the head's width and Size.Y its length. For a segment pointing right on the screen, R1
// lies below it. A = B gives R1 = B and R2 = A.
void ArrowBasePoints(TDot& R1, TDot& R2, TDot A, TDot B, TDot Size) noexcept;

}  // namespace tarnwick
