#pragma once
// Angles and turns, in radians. These functions flip the y axis when they measure or place
// a point, so their angles grow counter-clockwise as seen on the screen.
#include "geometry/Dot.h"

namespace tarnwick {

// Angle in [0, 2pi) of P seen from C. The axis directions are exact: straight above C is
// pi/2, below 3pi/2, left pi, right 0; P = C gives pi/2.
double PointAngle(double PX, double PY, double CX, double CY) noexcept;

// The point at Angle and Radius from (CX, CY).
TDot PolarDot(double Angle, double Radius, double CX, double CY) noexcept;

// Turns (X, Y) about (CX, CY) by Angle, counter-clockwise on the screen.
void RotateDotAround(double& X, double& Y, double CX, double CY, double Angle) noexcept;

// The image of P under the similarity (turn and scale, no mirror) that carries the segment
// O -> E onto O2 -> E2. Note the order: each segment is given end first, origin second. A
// zero-length O -> E keeps the scale at 1.
TDot MapDotBySegments(TDot P, TDot E, TDot O, TDot E2, TDot O2) noexcept;

}  // namespace tarnwick
