#include "graphics/direct2d/D2DPaintEngine.h"

#include <QPainterPath>

#include "graphics/direct2d/D2DException.h"

namespace tarnwick {

namespace {

TCanvas* Supported(TCanvas* ACanvas) {
  RequireDirect2D();
  return ACanvas;
}

}  // namespace

// Unknown quality settings draw aliased.
TD2DPaintEngine::TD2DPaintEngine(TCanvas* ACanvas, const TRect& ARect)
    : TQtPathPaintEngine(Supported(ACanvas), ARect, false) {
  // A rectangle without area restricts nothing: it stands for "the whole device".
  if (ARect.Right <= ARect.Left || ARect.Bottom <= ARect.Top) return;
  QPainterPath area;
  area.addRect(QRectF(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top));
  FSurface.SetDeviceClip(area);
}

}  // namespace tarnwick
