#pragma once
// TD2DRegion: a path's geometry as a clip mask or a visibility test. It keeps the mapped
// geometry the path had when the region was made, so it stays usable after the path is
// reset or freed.
#include <QPainterPath>

#include "graphics/DgrPath.h"

namespace tarnwick {

class TD2DRegion : public TDgrRegion {
 public:
  explicit TD2DRegion(const QPainterPath& AGeometry) : FGeometry(AGeometry) {}

  // This engine has no platform region: always empty.
  QRegion GetHRGN(TDgrCanvas* ACanvas) override;
  // Whether ARect meets the geometry's bounding box (a cheap test, not the exact shape).
  bool IsVisible(const TSquare& ARect) override;

  const QPainterPath& Geometry() const { return FGeometry; }

 private:
  QPainterPath FGeometry;
};

}  // namespace tarnwick
