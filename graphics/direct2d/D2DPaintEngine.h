#pragma once
// TD2DPaintEngine: the Direct2D engine's surface for one paint pass, restricted to the
// pixel rectangle it was made for. Smoothing is either per-primitive anti-aliasing or
// none; text is either smoothed or aliased; the page unit is only remembered.
#include "graphics/QtPathPaintEngine.h"

namespace tarnwick {

class TD2DPaintEngine : public TQtPathPaintEngine {
 public:
  // Raises EDirect2DException "Direct2D not supported." before anything is made when the
  // platform does not report support.
  TD2DPaintEngine(TCanvas* ACanvas, const TRect& ARect);

  // Qt draws at once: there is nothing to start or flush.
  void BeginDraw() override {}
  void EndDraw() override {}
};

}  // namespace tarnwick
