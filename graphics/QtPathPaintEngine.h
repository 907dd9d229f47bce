#pragma once
// TQtPathPaintEngine: the paint pass surface both engines share. Qt knows only smoothed and
// aliased drawing, so each smoothing and text rendering mode comes down to one switch of
// the surface; an engine adds the rest of its own pass rules.
#include "graphics/DgrPaintEngine.h"

namespace tarnwick {

class TQtPathPaintEngine : public TDgrPaintEngine {
 protected:
  // AUnknownModesSmooth: how a mode value outside the known ones draws.
  TQtPathPaintEngine(TCanvas* ACanvas, const TRect& ARect, bool AUnknownModesSmooth)
      : TDgrPaintEngine(ACanvas, ARect), FUnknownModesSmooth(AUnknownModesSmooth) {}

  void ApplySmoothMode() override;
  void ApplyTextRenderingMode() override;

 private:
  bool FUnknownModesSmooth;
};

}  // namespace tarnwick
