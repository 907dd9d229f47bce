#include "graphics/QtPathCanvas.h"

#include <QPainter>

namespace tarnwick {

bool Strokes(const QPen& APen) { return APen.style() != Qt::NoPen && APen.color().alpha() != 0; }

TQtPathCanvas::TQtPathCanvas(HDC AHandle, TCoordPrecision APrecision)
    : FInternalSurface(AHandle), FPrecision(APrecision) {}

void TQtPathCanvas::SetHandle(HDC AHandle) {
  if (AHandle == FInternalSurface.Painter()) return;
  FInternalSurface = TPainterSurface(AHandle);
}

// ---- Transforms ----

int TQtPathCanvas::TranslateTransform(double AX, double AY) {
  Surface().PrependWorld(QTransform::fromTranslate(Coord(AX), Coord(AY)));
  return 0;
}

int TQtPathCanvas::ScaleTransform(double AX, double AY) {
  Surface().PrependWorld(QTransform::fromScale(Coord(AX), Coord(AY)));
  return 0;
}

int TQtPathCanvas::RotateTransform(double AAngle) {
  Surface().PrependWorld(QTransform().rotate(Coord(AAngle)));
  return 0;
}

int TQtPathCanvas::ResetTransform() {
  Surface().SetWorld(QTransform());
  return 0;
}

void TQtPathCanvas::UpdateRectsTransform(const TSquare& ASource, const TSquare& ADest, double AScaleX, double AScaleY) {
  const QPointF s((ASource.Left + ASource.Right) / 2, (ASource.Top + ASource.Bottom) / 2);
  const QPointF d((ADest.Left + ADest.Right) / 2, (ADest.Top + ADest.Bottom) / 2);
  // Qt composes left to right: the translation to the origin applies first.
  FTransMatrix = QTransform::fromTranslate(-s.x(), -s.y()) * QTransform::fromScale(AScaleX, AScaleY) *
                 QTransform::fromTranslate(d.x(), d.y());
}

// ---- Closed primitives ----

void TQtPathCanvas::FillAndStroke(const QPainterPath& AShape) {
  TPainterSurface::TScope scope(Surface());
  if (!scope.Active()) return;
  FillShape(scope.P(), AShape);
  const QPen& pen = StrokePen();
  if (Strokes(pen)) scope.P().strokePath(AShape, pen);
}

void TQtPathCanvas::DoEllipse(double X, double Y, double W, double H) {
  QPainterPath shape;
  shape.addEllipse(CoordRect(X, Y, W, H));
  FillAndStroke(shape);
}

void TQtPathCanvas::DoRectangle(double X, double Y, double W, double H) {
  QPainterPath shape;
  shape.addRect(CoordRect(X, Y, W, H));
  FillAndStroke(shape);
}

void TQtPathCanvas::DoPolygon(const TDotArray& Points) {
  if (Points.empty()) return;
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(Points.size()));
  for (const TDot& d : Points) polygon << QPointF(Coord(d.X), Coord(d.Y));
  QPainterPath shape;
  shape.setFillRule(Qt::OddEvenFill);
  shape.addPolygon(polygon);
  shape.closeSubpath();
  FillAndStroke(shape);
}

}  // namespace tarnwick
