#pragma once
// TGPCanvas: the engine canvas. It draws on the surface of its own handle (the painter it
// was given, or none) or, while a paint engine lends it one for a pass, on that engine's
// surface; transforms, clip and the saved state act on whichever surface is in use.
// Canvas transforms prepend: each new operation applies before those already in force.
#include <QPainterPath>
#include <QTransform>

#include "graphics/QtPathCanvas.h"
#include "graphics/gdiplus/GdipBrush.h"
#include "graphics/gdiplus/GdipPen.h"

namespace tarnwick {

class TGPCanvas : public TQtPathCanvas {
  TARNWICK_CLASS(TGPCanvas)

 public:
  // A null handle gives a canvas that draws nothing and raises nothing.
  explicit TGPCanvas(HDC AHandle = nullptr);
  ~TGPCanvas() override;

  using TDgrCanvas::AddRoundRectPath;
  using TDgrCanvas::DrawPath;
  using TDgrCanvas::Path;
  // The same operations on a native path.
  void DrawPath(const QPainterPath& APath);
  void Path(const QPainterPath& APath);
  void AddRoundRectPath(QPainterPath& APath, double X1, double Y1, double X2, double Y2, double X3, double Y3);

  TSquare StringBounds(const QString& AStr, TFont* AFont, const TSquare& ARect, TAlignment AHAlign, TVertAlign AVAlign,
                       bool AWrap, bool ARightToLeft) override;
  void DrawString(const QString& AStr, TFont* AFont, const TSquare& ARect, TAlignment AHAlign, TVertAlign AVAlign,
                  bool AWrap, bool ARightToLeft, int ATransparency) override;

  int ResetClip() override;
  int SetClip(const TSquare& ARect) override;
  // The region is in the painter's coordinates, as GetHRGN of a region gives it.
  int SetClip(const QRegion& ARegion) override;
  void SaveDrawingState() override;
  void RestoreDrawingState() override;

  TDgrBrush* CreateBrush() override;
  TDgrGraphic* CreateGraphic() override;
  TDgrPaintEngine* CreatePaintEngine(TCanvas* ACanvas, const TRect& ARect) override;
  TDgrGraphicsPath* CreatePath() override;
  TDgrPen* CreatePen() override;

  // The surface in use: the one lent by a paint engine, else the canvas's own.
  TPainterSurface& GPGraphics() { return Surface(); }
  // Lends a surface (not owned); nullptr returns the canvas to its own.
  void SetTempGraphics(TPainterSurface* Value) { SetTempSurface(Value); }
  TPainterSurface* GetTempGraphics() const { return GetTempSurface(); }
  TGdipPen* GPPen() const { return FPen.get(); }
  TGdipBrush* GPBrush() const { return FBrush.get(); }

 protected:
  TDgrPen* DoGetPen() const override { return FPen.get(); }
  TDgrBrush* DoGetBrush() const override { return FBrush.get(); }
  void DoDrawLine(double X1, double Y1, double X2, double Y2) override;
  void DoDrawPath(TDgrGraphicsPath* APath) override;
  void DoFillPath(TDgrGraphicsPath* APath) override;
  void DoStretchDraw(const TSquare& ARect, TGraphic* Graphic, int ATransparency, bool ABitmapTransparent) override;
  void DoStretchDrawImage(const TSquare& ARect, TDgrImage* ADgrImage, int ATransparency,
                          bool ABitmapTransparent) override;
  void FillShape(QPainter& P, const QPainterPath& AShape) override { FBrush->Fill(P, AShape); }
  const QPen& StrokePen() override { return FPen->GPPen(); }

 private:
  void Fill(const QPainterPath& APath);
  void Stroke(const QPainterPath& APath);
  void DrawImage(const TSquare& ARect, const QImage& AImage, int ATransparency);

  TOwned<TGdipBrush> FBrush;
  TOwned<TGdipPen> FPen;
};

}  // namespace tarnwick
