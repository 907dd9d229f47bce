#pragma once
// Where an engine block drawer puts a shape: the shape is described in the coordinates of
// a source rectangle (0..100 for the standard block sets), mirrored inside that rectangle
// when flipped, mapped onto the destination rectangle (the block's bounds) and turned
// about a centre. Engines keep one of these per drawer and apply it to every path.
#include <QTransform>

#include "geometry/Dot.h"

namespace tarnwick {

class TBlockTransform {
 public:
  const TSquare& GetSourceRect() const noexcept { return FSourceRect; }
  void SetSourceRect(const TSquare& Value) noexcept;
  const TSquare& GetDestRect() const noexcept { return FDestRect; }
  void SetDestRect(const TSquare& Value) noexcept;
  // Degrees; a positive angle turns clockwise on the screen (the y axis points down).
  double GetAngle() const noexcept { return FAngle; }
  void SetAngle(double Value) noexcept { FAngle = Value; }
  TDot GetRotationCenter() const noexcept { return FRotationCenter; }
  void SetRotationCenter(TDot Value) noexcept { FRotationCenter = Value; }
  bool GetHorizontalFlip() const noexcept { return FHorizontalFlip; }
  void SetHorizontalFlip(bool Value) noexcept { FHorizontalFlip = Value; }
  bool GetVerticalFlip() const noexcept { return FVerticalFlip; }
  void SetVerticalFlip(bool Value) noexcept { FVerticalFlip = Value; }

  // Both rectangles have a strictly positive width and height.
  bool GetValidRects() const noexcept { return FValidRects; }
  // Destination size over source size, from the last valid pair of rectangles (1 before
  // there was one).
  double GetScaleX() const noexcept { return FScaleX; }
  double GetScaleY() const noexcept { return FScaleY; }

  // The three stages, each on its own, for engines that apply them one by one.
  // Mirror about the source rectangle's centre; the identity without flips.
  QTransform FlipTransform() const noexcept;
  // Source rectangle onto destination rectangle, from the last valid pair: a block whose
  // bounds collapse for a moment keeps its last shape instead of dividing by zero.
  const QTransform& MapTransform() const noexcept { return FMap; }
  // Turn by the angle about the rotation centre; the identity at angle 0.
  QTransform RotateTransform() const noexcept;

  // Flip, then map, then rotate.
  QTransform Transform() const noexcept;
  TDot Map(TDot P) const noexcept;

 private:
  void UpdateRects() noexcept;

  TSquare FSourceRect;
  TSquare FDestRect;
  double FAngle = 0.0;
  TDot FRotationCenter;
  bool FHorizontalFlip = false;
  bool FVerticalFlip = false;
  bool FValidRects = false;
  double FScaleX = 1.0;
  double FScaleY = 1.0;
  QTransform FMap;
};

}  // namespace tarnwick
