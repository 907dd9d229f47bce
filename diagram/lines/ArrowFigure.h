#pragma once
// The figure of an arrow head as plain geometry, shared by the canvas and the engine
// paths and testable without painting: a tip T, the point F the end segment comes from,
// and the head's size (width across the line, length along it).
#include "diagram/lines/LineTypes.h"

namespace tarnwick {

enum TArrowFigureKind {
  afNone,
  afPolygon,   // closed, filled with the head's brush
  afPolyline,  // open, stroked only
  afEllipse    // the box Points[0]..Points[1], filled
};

struct TArrowFigure {
  TArrowFigureKind Kind = afNone;
  TDotArray Points;
};

// ASize.X is the width, ASize.Y the length of the head.
TArrowFigure ArrowFigure(TArrowShape AShape, TDot F, TDot T, TDot ASize);

// The bar across the end point: a stroke through T perpendicular to F -> T, AWidth long.
void ArrowGuide(TDot F, TDot T, double AWidth, TDot& G1, TDot& G2);

}  // namespace tarnwick
