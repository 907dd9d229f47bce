#pragma once
// Conversions between the diagram's double types and the canvas's integer types. Every
// double becomes an integer through Round (ties to even), so shapes drawn by different
// routines meet on the same pixel.
#include <initializer_list>
#include <span>

#include "geometry/Dot.h"
#include "platform/core/Types.h"

namespace tarnwick {

TSquare RectToSquare(const TRect& R) noexcept;
TRect SquareToRect(const TSquare& S) noexcept;
TDot PointToDot(TPoint P) noexcept;
TPoint DotToPoint(TDot D) noexcept;
TDotArray PointsToDots(const TPointArray& A);
TPointArray DotsToPoints(const TDotArray& A);

// A dynamic copy of a fixed list of dots, in the same order.
TDotArray MakeDotArray(std::initializer_list<TDot> P);
TDotArray MakeDotArray(std::span<const TDot> P);

// All of A followed by all of B.
TDotArray ConcatDotArrays(const TDotArray& A, const TDotArray& B);

}  // namespace tarnwick
