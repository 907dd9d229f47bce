#pragma once
// TGdipPaintEngine: the surface of one paint pass, over the painter of a platform canvas.
// The pass loads its world transform here (appending: each new operation applies after
// those already in force) and lends the surface to every block drawer it paints.
#include "graphics/QtPathPaintEngine.h"

namespace tarnwick {

class TGdipPaintEngine : public TQtPathPaintEngine {
 public:
  // ARect is kept but plays no part in drawing.
  TGdipPaintEngine(TCanvas* ACanvas, const TRect& ARect);

  // Opaque whatever the colour says.
  void FillRect(const TRect& ARect, TColor AColor) override;

  TPainterSurface& GPGraphics() { return FSurface; }
};

}  // namespace tarnwick
