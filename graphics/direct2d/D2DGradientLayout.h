#pragma once
// How the Direct2D engine lays a two-colour gradient over a rectangle: eight linear modes
// between named corners and edges, and six elliptical ones (the three "in-out" pairs give
// ellipses rather than the rectangles and bands of the other engine).
#include <QBrush>
#include <QColor>
#include <QTransform>

#include "geometry/Dot.h"
#include "graphics/DgrTypes.h"

namespace tarnwick {

// The gradient brush of AMode over R, Color at the start (or the centre) and Color2 at the
// end (or the outline), swapped for the three out-in modes, turned by ARotation. A
// rectangle too thin to spread a gradient over gives the end colour plainly.
QBrush D2DGradientBrush(TDgrGradientMode AMode, const TSquare& R, const QColor& AColor, const QColor& AColor2,
                        const QTransform& ARotation);

}  // namespace tarnwick
