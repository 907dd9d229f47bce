#include "graphics/gdiplus/GdipRegion.h"

#include "graphics/gdiplus/GdipCanvas.h"

namespace tarnwick {

QRegion TGdipRegion::GetHRGN(TDgrCanvas* ACanvas) {
  auto* canvas = dynamic_cast<TGPCanvas*>(ACanvas);
  if (!canvas) return QRegion();
  const QPainterPath mapped = canvas->GPGraphics().World().map(FGPRegion);
  return QRegion(mapped.toFillPolygon().toPolygon(), FGPRegion.fillRule());
}

bool TGdipRegion::IsVisible(const TSquare& ARect) {
  return FGPRegion.intersects(QRectF(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top));
}

}  // namespace tarnwick
