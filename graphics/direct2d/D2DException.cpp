#include "graphics/direct2d/D2DException.h"

#include "graphics/DgrTypes.h"

namespace tarnwick {

void RequireDirect2D() {
  if (!IsDirect2DSupported()) throw EDirect2DException(QStringLiteral("Direct2D not supported."));
}

}  // namespace tarnwick
