#pragma once
// The picture a palette button shows for a registry entry: its glyph, with the glyph's
// transparent colour (that of its bottom-left pixel) taken out.
#include <QIcon>

namespace tarnwick {

class TRegDControl;

QIcon PaletteIcon(const TRegDControl* AEntry);

}  // namespace tarnwick
