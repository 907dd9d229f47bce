#include "graphics/direct2d/D2DGraphicsPath.h"

#include <algorithm>
#include <cmath>

#include "graphics/ArcGeometry.h"
#include "graphics/NativeObjectCounts.h"
#include "graphics/direct2d/D2DRegion.h"

namespace tarnwick {

namespace {

constexpr int Ignored = -1;

double NormalisedAngle(double A) {
  const double r = std::fmod(A, 360.0);
  return r < 0 ? r + 360.0 : r;
}

}  // namespace

void TD2DGraphicsPath::BeginFigure(QPointF P) {
  EndFigure(false);
  FD2DPath.moveTo(P);
  FFigureOpen = true;
}

void TD2DGraphicsPath::EndFigure(bool AClosed) {
  if (!FFigureOpen) return;
  if (AClosed) FD2DPath.closeSubpath();
  FFigureOpen = false;
}

void TD2DGraphicsPath::LineSegment(QPointF P) {
  // A segment to where the figure already stands draws nothing; it is left out so that
  // consecutive lines sharing their end points count one segment each.
  if (FD2DPath.currentPosition() == P) return;
  FD2DPath.lineTo(P);
  ++FSegments;
}

void TD2DGraphicsPath::JoinTo(QPointF P) {
  if (!FPosition) {
    BeginFigure(P);
    return;
  }
  // After a figure of its own (polygon, rectangle, ellipse) the current point is still
  // there but its figure was ended: the join continues from it in a new figure.
  if (!FFigureOpen) BeginFigure(*FPosition);
  LineSegment(P);
}

void TD2DGraphicsPath::CloseGeometry() {
  EndFigure(false);
  FClosed = true;
}

int TD2DGraphicsPath::AddArc(double x, double y, double Width, double Height, double StartAngle,
                             double SweepAngle) {
  if (!Writable()) return Ignored;
  const QRectF box(x, y, Width, Height);
  const double start = NormalisedAngle(StartAngle);
  const double sweep = std::clamp(SweepAngle, -360.0, 360.0);
  JoinTo(EllipsePointAt(box, start));
  // Drawn with the whole sweep rather than between two end points: a full turn would
  // otherwise start and end at the same point and draw nothing, and a sweep beyond -180
  // degrees would bulge to the wrong side.
  AppendArc(FD2DPath, box, start, sweep, true);
  ++FSegments;
  FPosition = EllipsePointAt(box, NormalisedAngle(start + sweep));
  Touched();
  return 0;
}

int TD2DGraphicsPath::AddBezier(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                                double Y4) {
  if (!Writable()) return Ignored;
  JoinTo(QPointF(X1, Y1));
  FD2DPath.cubicTo(QPointF(X2, Y2), QPointF(X3, Y3), QPointF(X4, Y4));
  ++FSegments;
  FPosition = QPointF(X4, Y4);
  Touched();
  return 0;
}

int TD2DGraphicsPath::AddEllipse(double x, double y, double Width, double Height) {
  if (!Writable()) return Ignored;
  const std::optional<QPointF> kept = FPosition;
  EndFigure(false);
  FPosition.reset();
  AddRoundRect(x, y, x + Width, y + Height, Width, Height);
  EndFigure(true);
  FPosition = kept;
  return 0;
}

int TD2DGraphicsPath::AddLine(double X1, double Y1, double X2, double Y2) {
  if (!Writable()) return Ignored;
  JoinTo(QPointF(X1, Y1));
  LineSegment(QPointF(X2, Y2));
  FPosition = QPointF(X2, Y2);
  Touched();
  return 0;
}

int TD2DGraphicsPath::AddLines(const TDotArray& Points) {
  if (!Writable()) return Ignored;
  for (const TDot& p : Points) {
    JoinTo(QPointF(p.X, p.Y));
    FPosition = QPointF(p.X, p.Y);
  }
  Touched();
  return 0;
}

int TD2DGraphicsPath::AddPolygon(const TDotArray& Points) {
  if (!Writable()) return Ignored;
  if (Points.empty()) return 0;
  BeginFigure(QPointF(Points.back().X, Points.back().Y));
  for (const TDot& p : Points) LineSegment(QPointF(p.X, p.Y));
  EndFigure(true);
  Touched();
  return 0;
}

int TD2DGraphicsPath::AddRectangle(const TSquare& Rect) {
  if (!Writable()) return Ignored;
  BeginFigure(QPointF(Rect.Left, Rect.Top));
  LineSegment(QPointF(Rect.Right, Rect.Top));
  LineSegment(QPointF(Rect.Right, Rect.Bottom));
  LineSegment(QPointF(Rect.Left, Rect.Bottom));
  LineSegment(QPointF(Rect.Left, Rect.Top));
  EndFigure(false);
  Touched();
  return 0;
}

int TD2DGraphicsPath::CloseFigure(bool AClosePath) {
  if (!Writable()) return Ignored;
  EndFigure(AClosePath);
  FPosition.reset();
  Touched();
  return 0;
}

int TD2DGraphicsPath::StartFigure() {
  if (!Writable()) return Ignored;
  EndFigure(false);
  FPosition.reset();
  return 0;
}

int TD2DGraphicsPath::Reset() {
  // A reset path starts over untransformed: controls reuse one path for every figure they
  // draw, and a matrix left from the last shape would be applied to the next one again.
  FTransMatrix = QTransform();
  FD2DPath = QPainterPath();
  FPosition.reset();
  FFigureOpen = false;
  FClosed = false;
  FSegments = 0;
  Touched();
  return 0;
}

int TD2DGraphicsPath::SetFillMode(TFillMode AFillMode) {
  if (AFillMode == FFillMode) return 0;
  FFillMode = AFillMode;
  Touched();
  return 0;
}

const QPainterPath& TD2DGraphicsPath::Transformed() {
  CloseGeometry();
  if (!FTransPath || FTransPathMatrix != FTransMatrix) {
    FTransPath = &FMapped.Get(
        TMappedKey{FD2DPath, FTransMatrix, FFillMode},
        [this] {
          QPainterPath mapped = FTransMatrix.map(FD2DPath);
          mapped.setFillRule(FFillMode == fmWinding ? Qt::WindingFill : Qt::OddEvenFill);
          return mapped;
        },
        NativeObjectCounts().Paths);
    FTransPathMatrix = FTransMatrix;
  }
  return *FTransPath;
}

int TD2DGraphicsPath::GetPointCount() {
  CloseGeometry();
  return FSegments;
}

bool TD2DGraphicsPath::IsVisible(int x, int y) { return Transformed().contains(QPointF(x, y)); }

QPainterPath TD2DGraphicsPath::Outline() { return Transformed(); }

TDgrRegion* TD2DGraphicsPath::CreateRegion() { return Create<TD2DRegion>(Transformed()); }

}  // namespace tarnwick
