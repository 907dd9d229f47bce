#pragma once
// The one order in which a block's body is painted, written once
// (TCustomDiagramBlock::PaintBody), and the back end it is painted on: the legacy canvas
// (CustomBlockPaint.cpp) or an engine drawer (CustomBlockEngine.cpp). A step the block's
// settings leave out is not called at all.
#include <algorithm>
#include <cmath>

#include "diagram/model/BlockShapes.h"
#include "geometry/Dot.h"
#include "platform/core/Colors.h"
#include "platform/core/Math.h"

namespace tarnwick {

class TBlockShadow;
class TBrush;
class TDiagramGradient;
class TGraphic;
class TPen;

class TBlockPaintBackEnd {
 public:
  virtual ~TBlockPaintBackEnd() = default;
  // The shape once more, moved by the shadow's offsets, in the shadow colour.
  virtual void Shadow(const TBlockShadow& AShadow) = 0;
  // The shape filled with a solid colour, without outline.
  virtual void Fill(TColor AColor) = 0;
  virtual void Gradient(const TDiagramGradient& AGradient) = 0;
  // The shape filled with a pattern brush, without outline.
  virtual void Pattern(TBrush* ABrush) = 0;
  // Pictures come between these two, clipped to the outline and turned with the block.
  virtual void BeginPictures() = 0;
  // ASlot: 0 bitmap, 1 metafile, 2 picture; AMode a TPictureMode (bitmap modes are its
  // first three).
  virtual void Picture(int ASlot, TGraphic* AGraphic, int AMode) = 0;
  virtual void EndPictures() = 0;
  // The shape outlined with APen, not filled.
  virtual void Outline(TPen* APen) = 0;
};

// Tiles of a picture are drawn one by one up to this many per block; beyond it a tiny
// picture in a huge block would cost millions of draws, so tiling stops there.
inline constexpr int MaxPictureTiles = 4096;

// Where a picture of GW x GH goes in D by AMode: ADraw(TSquare) once per copy. AIntegral
// places on whole pixels (the legacy canvas): halves are truncated and a proportional size
// rounded, so a picture keeps its pixels unblurred.
template <class TDraw>
void PlacePicture(int AMode, const TSquare& D, double GW, double GH, bool AIntegral, TDraw&& ADraw) {
  const double dw = D.Right - D.Left, dh = D.Bottom - D.Top;
  const auto half = [AIntegral](double V) { return AIntegral ? std::trunc(V / 2) : V / 2; };
  switch (AMode) {
    case pmStretch:
      ADraw(D);
      break;
    case pmCenter: {
      const double l = D.Left + half(dw - GW), t = D.Top + half(dh - GH);
      ADraw(TSquare{l, t, l + GW, t + GH});
      break;
    }
    case pmTile: {
      if (GW <= 0 || GH <= 0) return;
      int tiles = 0;
      for (double y = D.Top; y < D.Bottom && tiles < MaxPictureTiles; y += GH)
        for (double x = D.Left; x < D.Right && tiles < MaxPictureTiles; x += GW, ++tiles)
          ADraw(TSquare{x, y, x + GW, y + GH});
      break;
    }
    case pmStretchProportional: {
      if (GW <= 0 || GH <= 0) return;
      const double scale = std::min(dw / GW, dh / GH);
      double w = GW * scale, h = GH * scale;
      if (AIntegral) {
        w = Round(w);
        h = Round(h);
      }
      const double l = D.Left + half(dw - w), t = D.Top + half(dh - h);
      ADraw(TSquare{l, t, l + w, t + h});
      break;
    }
    default:
      break;
  }
}

}  // namespace tarnwick
