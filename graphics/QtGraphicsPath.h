#pragma once
// TQtGraphicsPath: what both engine paths build the same way. A rounded rectangle is its
// four corner arcs, each added through the path's own AddArc, so the engine's arc and
// figure rules (and a subclass's arcs) shape the corners and the sides that join them.
#include "graphics/DgrPath.h"

namespace tarnwick {

class TQtGraphicsPath : public TDgrGraphicsPath {
 public:
  // The status of the first arc when the path refuses it (nothing is added then), else 0.
  int AddRoundRect(double X1, double Y1, double X2, double Y2, double X3, double Y3) override;
};

}  // namespace tarnwick
