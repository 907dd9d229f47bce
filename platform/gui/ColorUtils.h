#pragma once
// Turning colour values into something that can be painted. A plain colour is 0x00BBGGRR;
// a system colour (0xFF000000 | index) names a role of the desktop palette and is looked up
// at the moment it is painted, so a theme change shows at the next repaint.
#include <QColor>

#include "platform/core/Colors.h"

namespace tarnwick {

// The plain RGB value of Color. System colours resolve through the application palette
// (the closest palette role per index; an index the palette has no role for gives black).
// clNone and clDefault are markers rather than colours and come back unchanged, so callers
// can still test for them; any other value keeps its low 24 bits.
TColor ColorToRGB(TColor Color);

// Opaque QColor of Color, system colours resolved as above. clNone gives a fully
// transparent colour (painting with it shows nothing); clDefault, which stands for "the
// owner's default colour", gives the window background where no owner decides.
QColor ColorToQColor(TColor Color);

// The plain colour of an opaque QColor; the alpha channel is dropped.
TColor QColorToColor(const QColor& Color);

}  // namespace tarnwick
