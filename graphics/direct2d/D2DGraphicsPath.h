#pragma once
// TD2DGraphicsPath: a path built the way the Direct2D engine builds its geometry.
//
// Figures are written in the caller's coordinates and the points are never changed: the
// block drawer sets a matrix that is applied whenever the path is drawn, filled, hit-tested,
// counted or used as a clip. The geometry is written once: the first operation that reads
// it (drawing, filling, GetPointCount, IsVisible, Outline, CreateRegion) closes it, and
// figures added after that are ignored (their operations return -1) until Reset. A control
// therefore resets its path before it describes its outline again.
//
// Figure rules: a line, arc or Bezier joins the current figure from the current point by a
// straight segment, or begins a figure when there is no current point. A polygon, a
// rectangle and an ellipse are figures of their own and leave the current point as it was,
// so that a line added after them continues from where the earlier figure stopped.
#include <QPainterPath>
#include <QTransform>
#include <optional>

#include "graphics/NativeCache.h"
#include "graphics/QtGraphicsPath.h"

namespace tarnwick {

class TD2DGraphicsPath : public TQtGraphicsPath {
 public:
  // ---- Segments that join the current figure ----
  // Angles are normalised into 0..360 and a sweep is clamped to +-360 degrees, so a sweep
  // of one turn or more draws the whole ellipse exactly once.
  int AddArc(double x, double y, double Width, double Height, double StartAngle, double SweepAngle) override;
  int AddBezier(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4) override;
  int AddLine(double X1, double Y1, double X2, double Y2) override;
  int AddLines(const TDotArray& Points) override;

  // ---- Figures of their own (a rounded rectangle joins its corner arcs instead) ----
  // Four quarter arcs of a closed figure; the current point stays.
  int AddEllipse(double x, double y, double Width, double Height) override;
  // A closed figure beginning at the last point.
  int AddPolygon(const TDotArray& Points) override;
  // Left-top, right-top, right-bottom, left-bottom and back to left-top, ended open.
  int AddRectangle(const TSquare& Rect) override;

  // ---- Ending figures, starting over ----
  // Ends the open figure (closed only with AClosePath) and forgets the current point.
  int CloseFigure(bool AClosePath) override;
  int StartFigure() override;
  // Opens the geometry again, empty and untransformed; the fill mode stays.
  int Reset() override;
  int SetFillMode(TFillMode AFillMode) override;

  // ---- Reading, which closes the geometry ----
  // The number of segments (lines, arcs, Beziers), not of points.
  int GetPointCount() override;
  bool IsVisible(int x, int y) override;
  QPainterPath Outline() override;
  TDgrRegion* CreateRegion() override;

  // The matrix the points are mapped by when the path is used.
  const QTransform& GetMatrix() const { return FTransMatrix; }
  void SetMatrix(const QTransform& Value) { FTransMatrix = Value; }

  // The mapped geometry with the fill rule: built when first needed after the figures or
  // the matrix changed, and found again when the same figures come back under the same
  // matrix, so a repaint of an unchanged shape builds nothing.
  const QPainterPath& Transformed();

 private:
  // False (and nothing added) once the geometry is closed.
  bool Writable() const { return !FClosed; }
  void BeginFigure(QPointF P);
  void EndFigure(bool AClosed);
  // Makes sure a figure is open and its pen is at the current point, then the segment to P
  // (or the start of a figure at P when there is no current point).
  void JoinTo(QPointF P);
  // A straight segment to P, left out when the figure already stands at P.
  void LineSegment(QPointF P);
  void CloseGeometry();
  void Touched() { FTransPath = nullptr; }

  // A control describes the same few figures (its outline, its gradient's rectangle) anew
  // on every paint: the mapped geometry of each is kept by what it was mapped from, so a
  // repaint finds it again.
  struct TMappedKey {
    QPainterPath Source;
    QTransform Matrix;
    TFillMode FillMode = fmAlternate;
    friend bool operator==(const TMappedKey&, const TMappedKey&) = default;
  };

  QPainterPath FD2DPath;
  TFillMode FFillMode = fmAlternate;
  QTransform FTransMatrix;
  TNativeCache<TMappedKey, QPainterPath, 4> FMapped;
  const QPainterPath* FTransPath = nullptr;
  QTransform FTransPathMatrix;
  std::optional<QPointF> FPosition;
  bool FFigureOpen = false;
  bool FClosed = false;
  int FSegments = 0;
};

}  // namespace tarnwick
