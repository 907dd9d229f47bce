#include "graphics/direct2d/D2DPaintEngine.h"

#include <QPainterPath>

#include "graphics/direct2d/D2DException.h"

namespace tarnwick {

namespace {

TCanvas* Supported(TCanvas* ACanvas) {
  RequireDirect2D();
  return ACanvas;
}

// Per smoothing mode: whether shapes are anti-aliased.
constexpr bool SmoothAntialias[] = {/* smAntiAlias */ true, /* smInactive */ false, /* smHighSpeed */ false,
                                    /* smHighQuality */ true};
// Per text rendering mode: whether glyphs are smoothed (the anti-aliased and default modes)
// or aliased.
constexpr bool TextAntialias[] = {/* tmAntiAlias */ true, /* tmAntiAliasHint */ true, /* tmDefault */ true,
                                  /* tmNormal */ false,   /* tmNormalHint */ false,    /* tmClearType */ true};

}  // namespace

TD2DPaintEngine::TD2DPaintEngine(TCanvas* ACanvas, const TRect& ARect) : TDgrPaintEngine(Supported(ACanvas), ARect) {
  // A rectangle without area restricts nothing: it stands for "the whole device".
  if (ARect.Right <= ARect.Left || ARect.Bottom <= ARect.Top) return;
  QPainterPath area;
  area.addRect(QRectF(ARect.Left, ARect.Top, ARect.Right - ARect.Left, ARect.Bottom - ARect.Top));
  FSurface.SetDeviceClip(area);
}

void TD2DPaintEngine::ApplySmoothMode() {
  const int mode = GetSmoothMode();
  FSurface.SetAntialias(mode >= 0 && mode < int(std::size(SmoothAntialias)) && SmoothAntialias[mode]);
}

void TD2DPaintEngine::ApplyTextRenderingMode() {
  const int mode = GetTextRenderingMode();
  FSurface.SetTextAntialias(mode >= 0 && mode < int(std::size(TextAntialias)) && TextAntialias[mode]);
}

}  // namespace tarnwick
