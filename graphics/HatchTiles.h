#pragma once
// The 8 x 8 hatch patterns both engines tile: a pattern pixel takes the foreground colour,
// every other pixel the background colour.
#include <QColor>
#include <QImage>

namespace tarnwick {

// The patterns by ordinal: horizontal, vertical, forward diagonal, backward diagonal,
// cross, diagonal cross.
enum THatchStyle { HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal,
                   HatchStyleCross, HatchStyleDiagonalCross };

// Whether pixel (X, Y) of the tile belongs to the pattern; any other style has no pattern.
bool HatchPixel(int AStyle, int X, int Y) noexcept;
// The tile in premultiplied ARGB.
QImage HatchTile(int AStyle, const QColor& Foreground, const QColor& Background);

}  // namespace tarnwick
