#pragma once
// The engine-neutral path and region. Figures are added in the coordinates of a block
// drawer's source rectangle and the drawer transforms the path into drawing units. Results
// are the engine's status (0 = success); no caller reads them.
#include <QPainterPath>
#include <QRegion>

#include "geometry/Dot.h"
#include "graphics/DgrTypes.h"
#include "platform/core/Object.h"

namespace tarnwick {

class TDgrCanvas;
class TDgrRegion;

class TDgrGraphicsPath : public TObject {
 public:
  // An arc of the ellipse inscribed in (x, y, w, h): angles in degrees, clockwise on the
  // screen from +x, measured as directions from the centre (not parametric angles).
  virtual int AddArc(double x, double y, double Width, double Height, double StartAngle, double SweepAngle) = 0;
  virtual int AddBezier(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4) = 0;
  virtual int AddEllipse(double x, double y, double Width, double Height) = 0;
  virtual int AddLine(double X1, double Y1, double X2, double Y2) = 0;
  virtual int AddLines(const TDotArray& Points) = 0;
  virtual int AddPolygon(const TDotArray& Points) = 0;
  virtual int AddRectangle(const TSquare& Rect) = 0;
  // X3 and Y3 are the corner ellipse's full width and height.
  virtual int AddRoundRect(double X1, double Y1, double X2, double Y2, double X3, double Y3) = 0;
  // The argument is not consulted: the figure is closed.
  virtual int CloseFigure(bool AClosePath) = 0;
  virtual TDgrRegion* CreateRegion() = 0;
  virtual int GetPointCount() = 0;
  virtual bool IsVisible(int x, int y) = 0;
  virtual int Reset() = 0;
  virtual int SetFillMode(TFillMode AFillMode) = 0;
  virtual int StartFigure() = 0;

  // The path as drawn, in drawing units (after the drawer's transform), for clipping and
  // hit testing by callers that are not engines.
  virtual QPainterPath Outline() = 0;
};

class TDgrRegion : public TObject {
 public:
  // The platform region of the path as the canvas's current transform maps it.
  virtual QRegion GetHRGN(TDgrCanvas* ACanvas) = 0;
  // Whether any part of the rectangle lies in the region.
  virtual bool IsVisible(const TSquare& ARect) = 0;
};

}  // namespace tarnwick
