#include "graphics/gdiplus/GdipPaintEngine.h"

#include <QPainter>

#include "platform/gui/ColorUtils.h"

namespace tarnwick {

namespace {

// Which quality settings anti-alias. Qt knows only on and off: the fast settings draw
// aliased, the others smooth.
constexpr bool SmoothAntialias[] = {
    true,   // smAntiAlias
    false,  // smInactive
    false,  // smHighSpeed
    true,   // smHighQuality
};

constexpr bool TextAntialias[] = {
    true,   // tmAntiAlias
    true,   // tmAntiAliasHint
    true,   // tmDefault: the desktop's default smooths text
    false,  // tmNormal
    false,  // tmNormalHint
    true,   // tmClearType
};

}  // namespace

TGdipPaintEngine::TGdipPaintEngine(TCanvas* ACanvas, const TRect& ARect) : TDgrPaintEngine(ACanvas, ARect) {
  ApplySmoothMode();
  ApplyTextRenderingMode();
}

void TGdipPaintEngine::ApplySmoothMode() {
  const int mode = GetSmoothMode();
  FSurface.SetAntialias(mode >= 0 && mode < 4 ? SmoothAntialias[mode] : true);
}

void TGdipPaintEngine::ApplyTextRenderingMode() {
  const int mode = GetTextRenderingMode();
  FSurface.SetTextAntialias(mode >= 0 && mode < 6 ? TextAntialias[mode] : true);
}

void TGdipPaintEngine::FillRect(const TRect& ARect, TColor AColor) {
  TPainterSurface::TScope scope(FSurface);
  if (!scope.Active()) return;
  QColor color = ColorToQColor(AColor);
  color.setAlpha(255);
  scope.P().fillRect(QRectF(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top), color);
}

}  // namespace tarnwick
