#pragma once
// Bringing a block's outline from its source coordinates into diagram units: the one step
// between a block filling its path and the engine filling and stroking it.
#include <QPainterPath>

#include "graphics/BlockTransform.h"

namespace tarnwick {

// Flip, map onto the destination rectangle, rotate; in place, because every control reuses
// one path for all its paints. Curves stay curves and the fill rule is kept.
void TransformPath(QPainterPath& APath, const TBlockTransform& ATransform);

}  // namespace tarnwick
