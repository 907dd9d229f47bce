#include "diagram/lines/ArrowFigure.h"

#include "geometry/Vectors.h"

namespace tarnwick {

TArrowFigure ArrowFigure(TArrowShape AShape, TDot F, TDot T, TDot ASize) {
  const double w = ASize.X, h = ASize.Y;
  TDot r1, r2;
  ArrowBasePoints(r1, r2, F, T, ASize);
  TArrowFigure fig;
  switch (AShape) {
    case asNone:
      break;
    case asSolidArrow:
      fig = {afPolygon, {T, r1, r2}};
      break;
    case asLineArrow:
      fig = {afPolyline, {r1, T, r2}};
      break;
    case asHalfLine:
      fig = {afPolyline, {r2, T}};
      break;
    case asDiamond:
      // Not turned with the line: a marker on the end point.
      fig = {afPolygon, {{T.X - w / 2, T.Y}, {T.X, T.Y - h / 2}, {T.X + w / 2, T.Y}, {T.X, T.Y + h / 2}}};
      break;
    case asRectangle:
    case asEllipse: {
      // The extra unit makes the box as wide as the canvas draws it with exclusive edges.
      TDot a{T.X - w / 2, T.Y - h / 2}, b{T.X + w / 2 + 1, T.Y + h / 2 + 1};
      if (AShape == asEllipse)
        fig = {afEllipse, {a, b}};
      else
        fig = {afPolygon, {a, {b.X, a.Y}, b, {a.X, b.Y}}};
      break;
    }
    case asAngledDiamond: {
      // Side corners half way back, the far corner on the axis a whole length back.
      TDot s1, s2, q1, q2;
      ArrowBasePoints(s1, s2, F, T, TDot{w, h / 2});
      ArrowBasePoints(q1, q2, s1, s2, TDot{h, w / 2});
      const TDot far = DotDistance(q1, T) >= DotDistance(q2, T) ? q1 : q2;
      fig = {afPolygon, {T, s1, far, s2}};
      break;
    }
  }
  return fig;
}

void ArrowGuide(TDot F, TDot T, double AWidth, TDot& G1, TDot& G2) { ArrowBasePoints(G1, G2, F, T, TDot{AWidth, 0}); }

}  // namespace tarnwick
