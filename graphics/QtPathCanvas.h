#pragma once
// TQtPathCanvas: what both engine canvases do the same way over QPainter. It draws on its
// own surface (over its handle) or on a surface lent for a paint pass, prepends the canvas
// transforms to that surface's world transform, keeps the source-to-destination transform
// of the block frame, and fills and outlines the closed primitives. An engine adds its own
// rules: how its brush fills and its pen strokes, clips, saved state, paths, text, images,
// and whether coordinates reach the surface in single or double precision.
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include "graphics/DgrCanvas.h"
#include "graphics/PainterSurface.h"

namespace tarnwick {

// A pen that strokes nothing (no style, or fully transparent) is not worth an outline: a
// block fills its body with such a pen, and stroking would compute a path that paints nothing.
bool Strokes(const QPen& APen);

class TQtPathCanvas : public TDgrCanvas {
 public:
  int TranslateTransform(double AX, double AY) override;
  int ScaleTransform(double AX, double AY) override;
  int RotateTransform(double AAngle) override;
  using TDgrCanvas::RotateTransform;
  int ResetTransform() override;

  HDC GetHandle() const override { return FInternalSurface.Painter(); }
  // Re-points the own surface (a fresh one: identity transform, no clip); the handle it
  // already uses changes nothing.
  void SetHandle(HDC AHandle) override;

  void UpdateRectsTransform(const TSquare& ASource, const TSquare& ADest, double AScaleX, double AScaleY) override;
  // Source rectangle onto destination rectangle, as UpdateRectsTransform last built it.
  const QTransform& TransMatrix() const { return FTransMatrix; }

  // The surface in use: the one lent for a paint pass, else the canvas's own.
  TPainterSurface& Surface() { return FTempSurface ? *FTempSurface : FInternalSurface; }
  TPainterSurface* GetTempSurface() const { return FTempSurface; }

 protected:
  enum TCoordPrecision { cpSingle, cpDouble };
  TQtPathCanvas(HDC AHandle, TCoordPrecision APrecision);

  // Lends a surface (not owned); nullptr returns the canvas to its own.
  void SetTempSurface(TPainterSurface* Value) { FTempSurface = Value; }

  // A coordinate, length or angle as it reaches the surface.
  qreal Coord(double V) const { return FPrecision == cpSingle ? static_cast<float>(V) : V; }
  QRectF CoordRect(double X, double Y, double W, double H) const {
    return QRectF(Coord(X), Coord(Y), Coord(W), Coord(H));
  }
  QRectF CoordRect(const TSquare& R) const { return CoordRect(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top); }

  void DoEllipse(double X, double Y, double W, double H) override;
  void DoRectangle(double X, double Y, double W, double H) override;
  // Closed, filled alternate.
  void DoPolygon(const TDotArray& Points) override;

  // Fills AShape, in the painter's current coordinates, as the engine's brush paints.
  virtual void FillShape(QPainter& P, const QPainterPath& AShape) = 0;
  // The native pen outlines are stroked with.
  virtual const QPen& StrokePen() = 0;
  // Fills with the brush, then outlines with the pen, in one scope on the surface.
  void FillAndStroke(const QPainterPath& AShape);

 private:
  TPainterSurface FInternalSurface;
  TPainterSurface* FTempSurface = nullptr;
  QTransform FTransMatrix;
  TCoordPrecision FPrecision;
};

}  // namespace tarnwick
