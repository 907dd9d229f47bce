#include "geometry/Conversions.h"

#include "platform/core/Math.h"

namespace tarnwick {

TSquare RectToSquare(const TRect& R) noexcept {
  return TSquare{static_cast<double>(R.Left), static_cast<double>(R.Top), static_cast<double>(R.Right),
                 static_cast<double>(R.Bottom)};
}

TRect SquareToRect(const TSquare& S) noexcept {
  return TRect{Round(S.Left), Round(S.Top), Round(S.Right), Round(S.Bottom)};
}

TDot PointToDot(TPoint P) noexcept { return TDot{static_cast<double>(P.X), static_cast<double>(P.Y)}; }

TPoint DotToPoint(TDot D) noexcept { return TPoint{Round(D.X), Round(D.Y)}; }

TDotArray PointsToDots(const TPointArray& A) {
  TDotArray Result;
  Result.reserve(A.size());
  for (const TPoint& P : A) Result.push_back(PointToDot(P));
  return Result;
}

TPointArray DotsToPoints(const TDotArray& A) {
  TPointArray Result;
  Result.reserve(A.size());
  for (const TDot& D : A) Result.push_back(DotToPoint(D));
  return Result;
}

TDotArray MakeDotArray(std::initializer_list<TDot> P) { return TDotArray(P.begin(), P.end()); }

TDotArray MakeDotArray(std::span<const TDot> P) { return TDotArray(P.begin(), P.end()); }

TDotArray ConcatDotArrays(const TDotArray& A, const TDotArray& B) {
  TDotArray Result;
  Result.reserve(A.size() + B.size());
  Result.insert(Result.end(), A.begin(), A.end());
  Result.insert(Result.end(), B.begin(), B.end());
  return Result;
}

}  // namespace tarnwick
