#pragma once
// The floating-point value types of the diagram: every position of a diagram object is a
// pair of doubles in diagram units, and only drawing and hit testing turn them into the
// integer points of the canvas. The axes are those of the screen: x grows to the right,
// y grows downwards.
#include <vector>

#include "platform/core/Types.h"

namespace tarnwick {

// A point or a vector in diagram units.
struct TDot {
  double X = 0.0;
  double Y = 0.0;
  friend bool operator==(const TDot&, const TDot&) = default;
};

// A rectangle in diagram units. It is not necessarily normalised: Right < Left and
// Bottom < Top are legal and mean what the caller wants them to mean.
struct TSquare {
  double Left = 0.0;
  double Top = 0.0;
  double Right = 0.0;
  double Bottom = 0.0;

  TDot TopLeft() const noexcept { return TDot{Left, Top}; }
  TDot BottomRight() const noexcept { return TDot{Right, Bottom}; }
  void SetTopLeft(TDot D) noexcept {
    Left = D.X;
    Top = D.Y;
  }
  void SetBottomRight(TDot D) noexcept {
    Right = D.X;
    Bottom = D.Y;
  }
  friend bool operator==(const TSquare&, const TSquare&) = default;
};

// Polylines, polygons and flattened curves.
using TDotArray = std::vector<TDot>;

// Which centre the rotated drawing frame turns about.
enum TRotationType { rtCurRectCenter, rtRotationCenter };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVertAlign { vaTop, vaBottom, vaCenter };

constexpr TDot Dot(double X, double Y) noexcept { return TDot{X, Y}; }

// The four fields as given; no normalisation.
constexpr TSquare Square(double Left, double Top, double Right, double Bottom) noexcept {
  return TSquare{Left, Top, Right, Bottom};
}

// The position (100000, 100000) stands for "no position": an anchor not yet computed, no
// mouse position recorded. It is compared exactly, so it must be produced only by these.
inline constexpr double InvalidCoordinate = 100000.0;

constexpr TDot InvalidDot() noexcept { return TDot{InvalidCoordinate, InvalidCoordinate}; }
constexpr TPoint InvalidPoint() noexcept { return TPoint{100000, 100000}; }
constexpr bool IsInvalidDot(TDot D) noexcept { return D.X == InvalidCoordinate && D.Y == InvalidCoordinate; }

}  // namespace tarnwick
