#include "graphics/HatchTiles.h"

namespace tarnwick {

bool HatchPixel(int AStyle, int X, int Y) noexcept {
  const bool row = Y == 3;
  const bool column = X == 4;
  const bool forward = X == Y;
  const bool backward = X == 7 - Y;
  switch (AStyle) {
    case HatchStyleHorizontal:
      return row;
    case HatchStyleVertical:
      return column;
    case HatchStyleForwardDiagonal:
      return forward;
    case HatchStyleBackwardDiagonal:
      return backward;
    case HatchStyleCross:
      return row || column;
    case HatchStyleDiagonalCross:
      return forward || backward;
    default:
      return false;
  }
}

QImage HatchTile(int AStyle, const QColor& Foreground, const QColor& Background) {
  QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
  const QRgb fg = Foreground.rgba();
  const QRgb bg = Background.rgba();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) tile.setPixel(x, y, qPremultiply(HatchPixel(AStyle, x, y) ? fg : bg));
  return tile;
}

}  // namespace tarnwick
