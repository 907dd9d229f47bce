#pragma once
// TGdipGraphicsPath: the engine path over a QPainterPath (alternate fill by default).
// Figure rules: lines, polylines, arcs and curves join the current figure when it already
// has a point and start one otherwise; ellipses, polygons and rectangles are closed figures
// of their own, after which the next segment starts a new figure. QPainterPath always has
// a current position, so whether the figure is open is tracked here.
#include <QPainterPath>
#include <optional>

#include "graphics/QtGraphicsPath.h"

namespace tarnwick {

class TGdipGraphicsPath : public TQtGraphicsPath {
 public:
  int AddArc(double x, double y, double Width, double Height, double StartAngle, double SweepAngle) override;
  int AddBezier(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4) override;
  int AddEllipse(double x, double y, double Width, double Height) override;
  int AddLine(double X1, double Y1, double X2, double Y2) override;
  int AddLines(const TDotArray& Points) override;
  int AddPolygon(const TDotArray& Points) override;
  int AddRectangle(const TSquare& Rect) override;
  int CloseFigure(bool AClosePath) override;
  TDgrRegion* CreateRegion() override;
  int GetPointCount() override;
  bool IsVisible(int x, int y) override;
  int Reset() override;
  int SetFillMode(TFillMode AFillMode) override;
  int StartFigure() override;
  QPainterPath Outline() override { return GPPath(); }

  // The native path, made on first use; block drawers transform it in place.
  QPainterPath& GPPath();

 private:
  // Continues the open figure at P, or starts a new one there.
  void JoinOrMove(QPainterPath& APath, const QPointF& P);

  std::optional<QPainterPath> FGPPath;
  bool FFigureHasPoint = false;
};

}  // namespace tarnwick
