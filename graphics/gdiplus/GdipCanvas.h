#pragma once
// TGPCanvas: the engine canvas. It draws on the surface of its own handle (the painter it
// was given, or none) or, while a paint engine lends it one for a pass, on that engine's
// surface; transforms, clip and the saved state act on whichever surface is in use.
// Canvas transforms prepend: each new operation applies before those already in force.
#include <QPainterPath>
#include <QTransform>

#include "graphics/DgrCanvas.h"
#include "graphics/PainterSurface.h"
#include "graphics/gdiplus/GdipBrush.h"
#include "graphics/gdiplus/GdipPen.h"

namespace tarnwick {

class TGPCanvas : public TDgrCanvas {
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

  using TDgrCanvas::RotateTransform;
  int TranslateTransform(double AX, double AY) override;
  int ScaleTransform(double AX, double AY) override;
  int RotateTransform(double AAngle) override;
  int ResetTransform() override;
  int ResetClip() override;
  int SetClip(const TSquare& ARect) override;
  // The region is in the painter's coordinates, as GetHRGN of a region gives it.
  int SetClip(const QRegion& ARegion) override;
  void SaveDrawingState() override;
  void RestoreDrawingState() override;

  HDC GetHandle() const override { return FInternalGraphics.Painter(); }
  void SetHandle(HDC Value) override;
  TDgrBrush* CreateBrush() override;
  TDgrGraphic* CreateGraphic() override;
  TDgrPaintEngine* CreatePaintEngine(TCanvas* ACanvas, const TRect& ARect) override;
  TDgrGraphicsPath* CreatePath() override;
  TDgrPen* CreatePen() override;
  void UpdateRectsTransform(const TSquare& ASource, const TSquare& ADest, double AScaleX, double AScaleY) override;

  // The surface in use: the one lent by a paint engine, else the canvas's own.
  TPainterSurface& GPGraphics() { return FTempGraphics ? *FTempGraphics : FInternalGraphics; }
  // Lends a surface (not owned); nullptr returns the canvas to its own.
  void SetTempGraphics(TPainterSurface* Value) { FTempGraphics = Value; }
  TPainterSurface* GetTempGraphics() const { return FTempGraphics; }
  // Source rectangle onto destination rectangle, as UpdateRectsTransform last built it.
  const QTransform& TransMatrix() const { return FTransMatrix; }
  TGdipPen* GPPen() const { return FPen.get(); }
  TGdipBrush* GPBrush() const { return FBrush.get(); }

 protected:
  TDgrPen* DoGetPen() const override { return FPen.get(); }
  TDgrBrush* DoGetBrush() const override { return FBrush.get(); }
  void DoEllipse(double X, double Y, double W, double H) override;
  void DoDrawLine(double X1, double Y1, double X2, double Y2) override;
  void DoDrawPath(TDgrGraphicsPath* APath) override;
  void DoRectangle(double X, double Y, double W, double H) override;
  void DoFillPath(TDgrGraphicsPath* APath) override;
  void DoPolygon(const TDotArray& Points) override;
  void DoStretchDraw(const TSquare& ARect, TGraphic* Graphic, int ATransparency, bool ABitmapTransparent) override;
  void DoStretchDrawImage(const TSquare& ARect, TDgrImage* ADgrImage, int ATransparency,
                          bool ABitmapTransparent) override;

 private:
  // Fills with the brush, then outlines with the pen.
  void FillAndStroke(const QPainterPath& APath);
  void Fill(const QPainterPath& APath);
  void Stroke(const QPainterPath& APath);
  void DrawImage(const TSquare& ARect, const QImage& AImage, int ATransparency);

  TOwned<TGdipBrush> FBrush;
  TPainterSurface FInternalGraphics;
  TOwned<TGdipPen> FPen;
  TPainterSurface* FTempGraphics = nullptr;
  QTransform FTransMatrix;
};

}  // namespace tarnwick
