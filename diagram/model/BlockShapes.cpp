#include "diagram/model/BlockShapes.h"

#include <array>
#include <cmath>

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
