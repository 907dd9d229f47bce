#include "graphics/direct2d/D2DRegion.h"

#include <algorithm>

namespace tarnwick {

QRegion TD2DRegion::GetHRGN(TDgrCanvas*) { return QRegion(); }

bool TD2DRegion::IsVisible(const TSquare& ARect) {
  if (FGeometry.isEmpty()) return false;
  const QRectF box = FGeometry.boundingRect();
  // Edges touching count as meeting; the rectangle may come in either orientation.
  return std::min(ARect.Left, ARect.Right) <= box.right() && std::max(ARect.Left, ARect.Right) >= box.left() &&
         std::min(ARect.Top, ARect.Bottom) <= box.bottom() && std::max(ARect.Top, ARect.Bottom) >= box.top();
}

}  // namespace tarnwick
