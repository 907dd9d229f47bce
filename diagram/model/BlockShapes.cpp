#include "diagram/model/BlockShapes.h"

#include <array>
#include <cmath>

#include "geometry/Curves.h"
#include "platform/core/Math.h"

namespace tarnwick {

const TEnumTypeInfo& BlockShapeType() {
  static const TEnumTypeInfo t("TBlockShape",
                               {"bsNoShape", "bsRectangle", "bsEllipse", "bsRoundRect", "bsDiamond", "bsSquareRound"});
  return t;
}

const TEnumTypeInfo& BitmapModeType() {
  static const TEnumTypeInfo t("TBitmapMode", {"bmStretch", "bmCenter", "bmTile"});
  return t;
}

const TEnumTypeInfo& PictureModeType() {
  static const TEnumTypeInfo t("TPictureMode", {"pmStretch", "pmCenter", "pmTile", "pmStretchProportional"});
  return t;
}

namespace {

TDotArray RectOutline(const TSquare& B) {
  return {{B.Left, B.Top}, {B.Right, B.Top}, {B.Right, B.Bottom}, {B.Left, B.Bottom}, {B.Left, B.Top}};
}

TDotArray DiamondOutline(const TSquare& B) {
  const double mx = (B.Left + B.Right) / 2, my = (B.Top + B.Bottom) / 2;
  return {{B.Left, my}, {mx, B.Top}, {B.Right, my}, {mx, B.Bottom}, {B.Left, my}};
}

TDotArray EllipseOutline(const TSquare& B) {
  TDotArray pts;
  EllipseArcPoints(0, 360, true, B.Left, B.Top, B.Right, B.Bottom, pts);
  return pts;
}

TDotArray RoundRectOutline(const TSquare& B, double CW, double CH) {
  TDotArray pts;
  RoundRectPoints(B.Left, B.Top, B.Right, B.Bottom, CW, CH, pts);
  return pts;
}

}  // namespace

TDotArray ShapeOutline(TBlockShape AShape, const TSquare& ABounds, double ACornerRadius) {
  const double w = ABounds.Right - ABounds.Left, h = ABounds.Bottom - ABounds.Top;
  switch (AShape) {
    case bsEllipse:
      return EllipseOutline(ABounds);
    case bsRoundRect:
      return RoundRectOutline(ABounds, w / 4, h / 4);
    case bsSquareRound:
      return ACornerRadius > 0 ? RoundRectOutline(ABounds, ACornerRadius, ACornerRadius)
                               : RoundRectOutline(ABounds, w / 2, h / 2);
    case bsDiamond:
      return DiamondOutline(ABounds);
    case bsNoShape:
    case bsRectangle:
      break;
  }
  return RectOutline(ABounds);
}

TCursor SizeHandleCursor(int AData, double AAngle) noexcept {
  static constexpr std::array<TCursor, 8> cycle{crSizeNWSE, crSizeNS, crSizeNESW, crSizeWE,
                                                crSizeNWSE, crSizeNS, crSizeNESW, crSizeWE};
  if (AData < 1 || AData > 8 || !std::isfinite(AAngle)) return crDefault;
  // Angles live in [0, 360); the modulo keeps any other value inside the table too.
  const long a = static_cast<long>(std::trunc((AAngle + 22.5) / 45.0));
  const long i = ((AData - 1 + a) % 8 + 8) % 8;
  return cycle[static_cast<size_t>(i)];
}

bool PointInPolygon(const TDotArray& APts, TDot P) noexcept {
  const size_t n = APts.size();
  if (n < 3) return false;
  bool inside = false;
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const double xi = Round(APts[i].X), yi = Round(APts[i].Y);
    const double xj = Round(APts[j].X), yj = Round(APts[j].Y);
    if ((yi > P.Y) != (yj > P.Y) && P.X < (xj - xi) * (P.Y - yi) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

}  // namespace tarnwick
