#include "graphics/gdiplus/GdipPaintEngine.h"

#include <QPainter>

#include "platform/gui/ColorUtils.h"

namespace tarnwick {

// Unknown quality settings smooth, as the default ones do.
TGdipPaintEngine::TGdipPaintEngine(TCanvas* ACanvas, const TRect& ARect) : TQtPathPaintEngine(ACanvas, ARect, true) {
  ApplySmoothMode();
  ApplyTextRenderingMode();
}

void TGdipPaintEngine::FillRect(const TRect& ARect, TColor AColor) {
  TPainterSurface::TScope scope(FSurface);
  if (!scope.Active()) return;
  QColor color = ColorToQColor(AColor);
  color.setAlpha(255);
  scope.P().fillRect(QRectF(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top), color);
}

}  // namespace tarnwick
