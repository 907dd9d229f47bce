#pragma once
// Rectangle arithmetic in diagram units.
#include <vector>

#include "geometry/Dot.h"
#include "platform/core/Types.h"

namespace tarnwick {

// Every field moved by the offset.
TSquare OffsetSquare(const TSquare& S, TPoint P) noexcept;
TSquare OffsetSquare(const TSquare& S, TDot D) noexcept;
TSquare OffsetSquare(const TSquare& S, double DX, double DY) noexcept;

TDot SquareCenter(const TSquare& S) noexcept;

// The normalised rectangle spanned by two corners.
TSquare DotsToSquare(TDot A, TDot B) noexcept;

// R with one edge moved so that it has Ref's width/height ratio again, used while a block
// is resized with its proportions kept. The dimension that changed more against Ref wins
// (the width on a tie) and the other one follows; the edge that Ref shares with R stays.
// A reference without area has no ratio to keep: R is returned unchanged.
TSquare KeepAspectSquare(const TSquare& R, const TSquare& Ref) noexcept;

// P turned about C by ADegrees, clockwise on the screen for positive angles (the way
// blocks and groups turn).
TDot TurnDot(TDot P, TDot C, double ADegrees) noexcept;

// The rectangle, in a frame turned by ADegrees about the points' centroid, that encloses
// the points, given unturned and placed so that turned about that centroid it covers them.
// At 0 degrees: the plain bounds. Starts from the first point, so points at negative
// coordinates are enclosed; APoints must not be empty.
TSquare TurnedFrameBounds(std::vector<TDot> APoints, double ADegrees);

}  // namespace tarnwick
