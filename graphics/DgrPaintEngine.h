#pragma once
// TDgrPaintEngine: the engine surface for one whole paint pass over a window or an image.
// The pass loads its world transform (zoom, scroll, offsets) here; each block drawer then
// draws onto it. Unlike the canvas, the engine appends transforms: each new operation
// applies after the ones already in force.
#include "graphics/DgrTypes.h"
#include "graphics/PainterSurface.h"
#include "platform/core/Colors.h"
#include "platform/core/Object.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TCanvas;

class TDgrPaintEngine : public TObject {
 public:
  TDgrPaintEngine(TCanvas* ACanvas, const TRect& ARect);

  TDgrPageUnit GetPageUnit() const { return FPageUnit; }
  void SetPageUnit(TDgrPageUnit Value);
  TDgrSmoothMode GetSmoothMode() const { return FSmoothMode; }
  void SetSmoothMode(TDgrSmoothMode Value);
  TDgrTextRenderingMode GetTextRenderingMode() const { return FTextRenderingMode; }
  void SetTextRenderingMode(TDgrTextRenderingMode Value);

  // Bracket a pass; an engine that batches its drawing flushes in EndDraw.
  virtual void BeginDraw() {}
  virtual void EndDraw() {}
  // An integer rectangle, fully opaque, in the pass's world coordinates.
  virtual void FillRect(const TRect& ARect, TColor AColor);
  virtual void ResetTransform();
  virtual void RotateTransform(double AAngle);
  virtual void ScaleTransform(double AX, double AY);
  virtual void TranslateTransform(double AX, double AY);

  // The surface the pass draws on; block drawers borrow it.
  TPainterSurface& Surface() { return FSurface; }
  const TRect& GetRect() const { return FRect; }

 protected:
  // Each stores the value first; the engine then applies it to its surface.
  virtual void ApplyPageUnit() {}
  virtual void ApplySmoothMode() {}
  virtual void ApplyTextRenderingMode() {}

  TPainterSurface FSurface;

 private:
  TDgrSmoothMode FSmoothMode = smAntiAlias;
  TDgrTextRenderingMode FTextRenderingMode = tmAntiAlias;
  TDgrPageUnit FPageUnit = dpuPixel;
  TRect FRect;
};

}  // namespace tarnwick
