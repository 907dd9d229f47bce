#include "graphics/gdiplus/GdipNativeBrush.h"

#include <QLinearGradient>
#include <QPainter>

#include "graphics/HatchTiles.h"
#include "graphics/NativeObjectCounts.h"

namespace tarnwick {

namespace {

// A linear layout in the unit square that the brush transform stretches onto R: a diagonal
// therefore runs corner to corner and its colour lines stay parallel to the other diagonal,
// whatever R's proportions.
struct TLinearLayout {
  QPointF Start;
  QPointF End;
  bool Reversed;  // Color2 first
  bool Blend;     // first colour at both ends, second on the middle line
};

constexpr QPointF Origin(0, 0);
constexpr QPointF Right(1, 0);
constexpr QPointF Down(0, 1);
constexpr QPointF Corner(1, 1);

// By gradient mode; the two path gradient rows (gmInOut, gmOutIn) are not linear and are
// never read.
const TLinearLayout LinearLayouts[] = {
    {Origin, Down, false, false},    // gmTopBottom
    {Origin, Down, true, false},     // gmBottomTop
    {Origin, Right, false, false},   // gmLeftRight
    {Origin, Right, true, false},    // gmRightLeft
    {Origin, Corner, false, false},  // gmLeftTop
    {Right, Down, false, false},     // gmRightTop
    {Right, Down, true, false},      // gmLeftBottom
    {Origin, Corner, true, false},   // gmRightBottom
    {},                              // gmInOut
    {},                              // gmOutIn
    {Origin, Down, true, true},      // gmHorzInOut
    {Origin, Down, false, true},     // gmHorzOutIn
    {Origin, Right, true, true},     // gmVertInOut
    {Origin, Right, false, true},    // gmVertOutIn
};

QBrush LinearBrush(const TGdipBrushValues& V) {
  const TLinearLayout& L = LinearLayouts[V.GradientMode];
  const QColor& first = L.Reversed ? V.C2 : V.C1;
  const QColor& second = L.Reversed ? V.C1 : V.C2;
  QLinearGradient gradient(L.Start, L.End);
  gradient.setColorAt(0, first);
  if (L.Blend) {
    gradient.setColorAt(0.5, second);
    gradient.setColorAt(1, first);
  } else {
    gradient.setColorAt(1, second);
  }
  QBrush brush(gradient);
  brush.setTransform(QTransform(V.R.width(), 0, 0, V.R.height(), V.R.x(), V.R.y()) * V.Rot);
  return brush;
}

QBrush TileBrush(const QImage& ATile, const TGdipBrushValues& V) {
  QBrush brush(ATile);
  // Tiles start at R's corner and turn with the block.
  brush.setTransform(QTransform::fromTranslate(V.R.x(), V.R.y()) * V.Rot);
  return brush;
}

}  // namespace

TGdipNativeBrush TGdipNativeBrush::Build(const TGdipBrushValues& V) {
  TGdipNativeBrush result;
  const bool emptyRect = V.R.width() == 0 || V.R.height() == 0;
  switch (V.Mode) {
    case bmSolid:
      result.FBrush = QBrush(V.C1);
      break;
    case bmClear:
      break;
    case bmHatch:
      result.FBrush = TileBrush(HatchTile(V.HatchStyle, V.C1, V.C2), V);
      break;
    case bmTexture:
      if (!V.Texture.isNull()) result.FBrush = TileBrush(V.Texture, V);
      break;
    case bmGradient:
      // A gradient over an empty rectangle has no direction: it paints nothing (and a
      // singular brush transform would leave the colours to chance).
      if (emptyRect) break;
      if (V.GradientMode == gmInOut) {
        result.BuildPathGradient(V, V.C1, V.C2);
        return result;
      }
      if (V.GradientMode == gmOutIn) {
        result.BuildPathGradient(V, V.C2, V.C1);
        return result;
      }
      if (V.GradientMode >= gmTopBottom && V.GradientMode <= gmVertOutIn) result.FBrush = LinearBrush(V);
      break;
  }
  return result;
}

void TGdipNativeBrush::BuildPathGradient(const TGdipBrushValues& V, const QColor& Centre, const QColor& Surround) {
  FPathGradient = true;
  const QPointF c = V.R.center();
  const QPointF corners[4] = {V.R.topLeft(), V.R.topRight(), V.R.bottomRight(), V.R.bottomLeft()};
  // The foot of the perpendicular from the centre onto each edge: top, right, bottom, left.
  const QPointF feet[4] = {QPointF(c.x(), V.R.top()), QPointF(V.R.right(), c.y()), QPointF(c.x(), V.R.bottom()),
                           QPointF(V.R.left(), c.y())};
  for (int i = 0; i < 4; ++i) {
    QPainterPath triangle;
    triangle.moveTo(c);
    triangle.lineTo(corners[i]);
    triangle.lineTo(corners[(i + 1) % 4]);
    triangle.closeSubpath();
    FTriangles[i] = V.Rot.map(triangle);
    QLinearGradient gradient(c, feet[i]);
    gradient.setColorAt(0, Centre);
    gradient.setColorAt(1, Surround);
    FTriangleBrushes[i] = QBrush(gradient);
    FTriangleBrushes[i].setTransform(V.Rot);
  }
  // The cache counts one brush for the whole entry; the other three gradients and the four
  // triangles are native objects built with it.
  NativeObjectCounts().Brushes += 3;
  NativeObjectCounts().Paths += 4;
}

void TGdipNativeBrush::Fill(QPainter& P, const QPainterPath& APath) const {
  if (!FPathGradient) {
    if (FBrush.style() != Qt::NoBrush) P.fillPath(APath, FBrush);
    return;
  }
  // Clipped to the path, the four triangles are filled without anti-aliasing: aliased
  // fills of shapes sharing an edge split its pixels without gap or overlap, where smoothed
  // ones would leave a faint seam of background along the diagonals. The clip keeps the
  // path's own edge smooth.
  P.save();
  P.setClipPath(APath, Qt::IntersectClip);
  P.setRenderHint(QPainter::Antialiasing, false);
  for (int i = 0; i < 4; ++i) P.fillPath(FTriangles[i], FTriangleBrushes[i]);
  P.restore();
}

}  // namespace tarnwick
