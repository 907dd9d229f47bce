#include "graphics/gdiplus/GdipGraphicsPath.h"

#include "graphics/ArcGeometry.h"
#include "graphics/NativeObjectCounts.h"
#include "graphics/gdiplus/GdipRegion.h"

namespace tarnwick {

namespace {

// Path coordinates are single precision, as the stored shapes were drawn.
qreal F(double V) { return static_cast<float>(V); }
QPointF Pt(double X, double Y) { return QPointF(F(X), F(Y)); }

}  // namespace

QPainterPath& TGdipGraphicsPath::GPPath() {
  if (!FGPPath) {
    FGPPath.emplace();
    FGPPath->setFillRule(Qt::OddEvenFill);
    ++NativeObjectCounts().Paths;
  }
  return *FGPPath;
}

void TGdipGraphicsPath::JoinOrMove(QPainterPath& APath, const QPointF& P) {
  if (FFigureHasPoint)
    APath.lineTo(P);
  else
    APath.moveTo(P);
  FFigureHasPoint = true;
}

int TGdipGraphicsPath::AddArc(double x, double y, double Width, double Height, double StartAngle, double SweepAngle) {
  AppendArc(GPPath(), QRectF(F(x), F(y), F(Width), F(Height)), F(StartAngle), F(SweepAngle), FFigureHasPoint);
  FFigureHasPoint = true;
  return 0;
}

int TGdipGraphicsPath::AddBezier(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                                 double Y4) {
  QPainterPath& path = GPPath();
  JoinOrMove(path, Pt(X1, Y1));
  path.cubicTo(Pt(X2, Y2), Pt(X3, Y3), Pt(X4, Y4));
  return 0;
}

int TGdipGraphicsPath::AddEllipse(double x, double y, double Width, double Height) {
  GPPath().addEllipse(QRectF(F(x), F(y), F(Width), F(Height)));
  FFigureHasPoint = false;
  return 0;
}

int TGdipGraphicsPath::AddLine(double X1, double Y1, double X2, double Y2) {
  QPainterPath& path = GPPath();
  JoinOrMove(path, Pt(X1, Y1));
  path.lineTo(Pt(X2, Y2));
  return 0;
}

int TGdipGraphicsPath::AddLines(const TDotArray& Points) {
  if (Points.empty()) return 2;  // invalid parameter
  QPainterPath& path = GPPath();
  JoinOrMove(path, Pt(Points[0].X, Points[0].Y));
  for (size_t i = 1; i < Points.size(); ++i) path.lineTo(Pt(Points[i].X, Points[i].Y));
  return 0;
}

int TGdipGraphicsPath::AddPolygon(const TDotArray& Points) {
  if (Points.empty()) return 2;
  QPainterPath& path = GPPath();
  path.moveTo(Pt(Points[0].X, Points[0].Y));
  for (size_t i = 1; i < Points.size(); ++i) path.lineTo(Pt(Points[i].X, Points[i].Y));
  path.closeSubpath();
  FFigureHasPoint = false;
  return 0;
}

int TGdipGraphicsPath::AddRectangle(const TSquare& Rect) {
  GPPath().addRect(QRectF(F(Rect.Left), F(Rect.Top), F(Rect.Right - Rect.Left), F(Rect.Bottom - Rect.Top)));
  FFigureHasPoint = false;
  return 0;
}

int TGdipGraphicsPath::CloseFigure(bool) {
  if (FFigureHasPoint) GPPath().closeSubpath();
  FFigureHasPoint = false;
  return 0;
}

TDgrRegion* TGdipGraphicsPath::CreateRegion() { return Create<TGdipRegion>(GPPath()); }

// A path that only holds a move (Qt's empty path with a fill rule set) has no points.
int TGdipGraphicsPath::GetPointCount() { return FGPPath && !FGPPath->isEmpty() ? FGPPath->elementCount() : 0; }

bool TGdipGraphicsPath::IsVisible(int x, int y) { return FGPPath && FGPPath->contains(QPointF(x, y)); }

int TGdipGraphicsPath::Reset() {
  QPainterPath& path = GPPath();
  const Qt::FillRule rule = path.fillRule();
  path = QPainterPath();
  path.setFillRule(rule);
  FFigureHasPoint = false;
  return 0;
}

int TGdipGraphicsPath::SetFillMode(TFillMode AFillMode) {
  GPPath().setFillRule(AFillMode == fmWinding ? Qt::WindingFill : Qt::OddEvenFill);
  return 0;
}

int TGdipGraphicsPath::StartFigure() {
  FFigureHasPoint = false;
  return 0;
}

}  // namespace tarnwick
