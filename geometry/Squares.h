#pragma once
// Rectangle arithmetic in diagram units.
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

}  // namespace tarnwick
