#include "graphics/direct2d/D2DGradientLayout.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <utility>

namespace tarnwick {

namespace {

// A point of the rectangle as fractions of its width and height from the top-left corner.
struct TFraction {
  double X, Y;
};

struct TLayout {
  bool Radial;
  TFraction Start;  // linear: the start point; radial: unused
  TFraction End;    // linear: the end point; radial: the radii as fractions of W and H
  bool Swapped;     // Color2 at the start (centre) and Color at the end (outline)
};

constexpr TLayout Layouts[] = {
    /* gmTopBottom   */ {false, {0, 0}, {0, 1}, false},
    /* gmBottomTop   */ {false, {0, 1}, {0, 0}, false},
    /* gmLeftRight   */ {false, {0, 0}, {1, 0}, false},
    /* gmRightLeft   */ {false, {1, 0}, {0, 0}, false},
    /* gmLeftTop     */ {false, {0, 0}, {1, 1}, false},
    /* gmRightTop    */ {false, {1, 0}, {0, 1}, false},
    /* gmLeftBottom  */ {false, {0, 1}, {1, 0}, false},
    /* gmRightBottom */ {false, {1, 1}, {0, 0}, false},
    /* gmInOut       */ {true, {}, {0.5, 0.5}, false},
    /* gmOutIn       */ {true, {}, {0.5, 0.5}, true},
    /* gmHorzInOut   */ {true, {}, {1, 0.5}, false},
    /* gmHorzOutIn   */ {true, {}, {1, 0.5}, true},
    /* gmVertInOut   */ {true, {}, {0.5, 1}, false},
    /* gmVertOutIn   */ {true, {}, {0.5, 1}, true},
};

QPointF At(const TSquare& R, TFraction F) {
  return QPointF(R.Left + (R.Right - R.Left) * F.X, R.Top + (R.Bottom - R.Top) * F.Y);
}

}  // namespace

QBrush D2DGradientBrush(TDgrGradientMode AMode, const TSquare& R, const QColor& AColor, const QColor& AColor2,
                        const QTransform& ARotation) {
  const int index = static_cast<int>(AMode);
  const TLayout& layout = Layouts[index >= 0 && index < int(std::size(Layouts)) ? index : 0];
  QColor start = AColor;
  QColor end = AColor2;
  if (layout.Swapped) std::swap(start, end);

  const double w = R.Right - R.Left;
  const double h = R.Bottom - R.Top;
  QBrush brush;
  if (layout.Radial) {
    const double rx = w * layout.End.X;
    const double ry = h * layout.End.Y;
    // A zero radius leaves every point beyond the outline; a negative one (an inverted
    // rectangle) or NaN would make the stretch below singular.
    if (!(rx > 0) || !(ry > 0)) return QBrush(end);
    // Qt's radial gradients are circles: a unit circle stretched to the ellipse's radii.
    QRadialGradient gradient(QPointF(0, 0), 1.0);
    gradient.setColorAt(0, start);
    gradient.setColorAt(1, end);
    brush = QBrush(gradient);
    const QPointF c((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    brush.setTransform(QTransform::fromScale(rx, ry) * QTransform::fromTranslate(c.x(), c.y()) * ARotation);
  } else {
    const QPointF from = At(R, layout.Start);
    const QPointF to = At(R, layout.End);
    if (from == to || !(w == w) || !(h == h)) return QBrush(end);
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, start);
    gradient.setColorAt(1, end);
    brush = QBrush(gradient);
    brush.setTransform(ARotation);
  }
  return brush;
}

}  // namespace tarnwick
