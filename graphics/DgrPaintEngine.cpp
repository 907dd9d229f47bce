#include "graphics/DgrPaintEngine.h"

#include <QPainter>

#include "platform/gui/Canvas.h"
#include "platform/gui/ColorUtils.h"

namespace tarnwick {

TDgrPaintEngine::TDgrPaintEngine(TCanvas* ACanvas, const TRect& ARect)
    : FSurface(ACanvas ? ACanvas->GetHandle() : nullptr), FRect(ARect) {}

void TDgrPaintEngine::SetPageUnit(TDgrPageUnit Value) {
  FPageUnit = Value;
  ApplyPageUnit();
}

void TDgrPaintEngine::SetSmoothMode(TDgrSmoothMode Value) {
  FSmoothMode = Value;
  ApplySmoothMode();
}

void TDgrPaintEngine::SetTextRenderingMode(TDgrTextRenderingMode Value) {
  FTextRenderingMode = Value;
  ApplyTextRenderingMode();
}

void TDgrPaintEngine::FillRect(const TRect& ARect, TColor AColor) {
  TPainterSurface::TScope scope(FSurface);
  if (!scope.Active()) return;
  scope.P().fillRect(QRectF(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top),
                     ColorToQColor(AColor));
}

void TDgrPaintEngine::ResetTransform() { FSurface.SetWorld(QTransform()); }
void TDgrPaintEngine::RotateTransform(double AAngle) { FSurface.AppendWorld(QTransform().rotate(AAngle)); }
void TDgrPaintEngine::ScaleTransform(double AX, double AY) { FSurface.AppendWorld(QTransform::fromScale(AX, AY)); }
void TDgrPaintEngine::TranslateTransform(double AX, double AY) {
  FSurface.AppendWorld(QTransform::fromTranslate(AX, AY));
}

}  // namespace tarnwick
