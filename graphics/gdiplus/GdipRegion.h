#pragma once
// TGdipRegion: the area a path fills, for clipping and hit tests.
#include <QPainterPath>

#include "graphics/DgrPath.h"

namespace tarnwick {

class TGdipRegion : public TDgrRegion {
 public:
  explicit TGdipRegion(const QPainterPath& APath) : FGPRegion(APath) {}

  // The area as the canvas's current world transform puts it on the painter, in whole
  // pixels; an empty region for a canvas of another engine or none.
  QRegion GetHRGN(TDgrCanvas* ACanvas) override;
  bool IsVisible(const TSquare& ARect) override;

  const QPainterPath& GPRegion() const { return FGPRegion; }

 private:
  QPainterPath FGPRegion;
};

}  // namespace tarnwick
