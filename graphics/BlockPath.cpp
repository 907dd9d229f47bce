#include "graphics/BlockPath.h"

namespace tarnwick {

void TransformPath(QPainterPath& APath, const TBlockTransform& ATransform) {
  // The three stages composed into one matrix: one pass over the path's points and one
  // rounding step per coordinate instead of three.
  const QTransform T = ATransform.Transform();
  if (T.isIdentity()) return;
  APath = T.map(APath);
}

}  // namespace tarnwick
