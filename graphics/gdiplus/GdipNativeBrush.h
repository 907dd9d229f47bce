#pragma once
// The native side of an engine brush: what the brush-building rules make of its values, and
// the one way it fills a path. Most modes are one QBrush; the rectangle path gradient (the
// centre colour at R's centre running out to the surround colour on R's outline) has no Qt
// brush and is four linear gradients, one per centre-to-edge triangle of R.
#include <QBrush>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>
#include <array>

#include "graphics/DgrTypes.h"

class QPainter;

namespace tarnwick {

// Everything a native brush is built from, colours already with their alphas.
struct TGdipBrushValues {
  TDgrBrushMode Mode = bmSolid;
  TDgrGradientMode GradientMode = gmTopBottom;
  int HatchStyle = 0;
  QColor C1;
  QColor C2;
  QRectF R;        // the brush position rectangle
  QTransform Rot;  // the brush rotation
  QImage Texture;  // bmTexture: the tile (null: nothing to tile)
};

class TGdipNativeBrush {
 public:
  // Counts in NativeObjectCounts the QBrushes and QPainterPaths it makes beyond the one
  // brush its caller's cache counts.
  static TGdipNativeBrush Build(const TGdipBrushValues& V);

  // Fills APath (in the painter's current coordinates) as the brush paints it.
  void Fill(QPainter& P, const QPainterPath& APath) const;

  bool IsPathGradient() const { return FPathGradient; }
  // The single brush (Qt::NoBrush when nothing is painted); unused for a path gradient.
  const QBrush& Brush() const { return FBrush; }

 private:
  void BuildPathGradient(const TGdipBrushValues& V, const QColor& Centre, const QColor& Surround);

  QBrush FBrush = QBrush(Qt::NoBrush);
  bool FPathGradient = false;
  std::array<QPainterPath, 4> FTriangles;
  std::array<QBrush, 4> FTriangleBrushes;
};

}  // namespace tarnwick
