#include "graphics/QtNativeTool.h"

#include "platform/gui/ColorUtils.h"

namespace tarnwick {

QColor WithAlpha(TColor AColor, int AAlpha) {
  QColor color = ColorToQColor(AColor);
  color.setAlpha(AAlpha);
  return color;
}

}  // namespace tarnwick
