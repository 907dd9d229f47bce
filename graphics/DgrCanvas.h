#pragma once
// TDgrCanvas: the engine-neutral drawing surface every anti-aliased, transparent, gradient
// or rotated control draws through. Coordinates are drawing units (doubles); the paint
// pass's transform maps them to device pixels. The handle is the painter of the pass.
#include <QRegion>
#include <QString>

#include "geometry/Dot.h"
#include "graphics/BlockTransform.h"
#include "graphics/DgrTypes.h"
#include "platform/core/Persistent.h"
#include "platform/core/Types.h"

class QPainter;

namespace tarnwick {

class TCanvas;
class TFont;
class TGraphic;
class TDgrBrush;
class TDgrGraphic;
class TDgrGraphicsPath;
class TDgrImage;
class TDgrPaintEngine;
class TDgrPen;
class TDgrRegion;

using HDC = QPainter*;

class TDgrCanvas : public TPersistent {
  TARNWICK_CLASS(TDgrCanvas)

 public:
  // ---- Drawing ----
  // Each drawing operation runs Changing before and Changed after the primitive.
  void Ellipse(double X1, double Y1, double X2, double Y2);
  void Rectangle(double X1, double Y1, double X2, double Y2);
  void DrawLine(double X1, double Y1, double X2, double Y2);
  void Polygon(const TDotArray& Points);
  // X3, Y3: the corner ellipse's full width and height.
  void RoundRect(double X1, double Y1, double X2, double Y2, double X3, double Y3);
  // Adds a closed rounded rectangle figure to APath; draws nothing.
  void AddRoundRectPath(TDgrGraphicsPath* APath, double X1, double Y1, double X2, double Y2, double X3, double Y3);
  // Filled, then outlined.
  void Path(TDgrGraphicsPath* APath);
  // Outlined only.
  void DrawPath(TDgrGraphicsPath* APath);
  // The whole graphic scaled into ARect, its pixels' alpha scaled by the transparency; with
  // ABitmapTransparent a raster image loses the colour of its bottom-left pixel.
  void StretchDraw(const TSquare& ARect, TGraphic* Graphic, int ATransparency, bool ABitmapTransparent);
  // Nothing (not even the hooks) for a null image.
  void StretchDraw(const TSquare& ARect, TDgrImage* ADgrImage, int ATransparency, bool ABitmapTransparent);

  // Text laid out in ARect, never clipped to it; without AWrap only explicit line breaks
  // start new lines.
  virtual TSquare StringBounds(const QString& AStr, TFont* AFont, const TSquare& ARect, TAlignment AHAlign,
                               TVertAlign AVAlign, bool AWrap, bool ARightToLeft) = 0;
  virtual void DrawString(const QString& AStr, TFont* AFont, const TSquare& ARect, TAlignment AHAlign,
                          TVertAlign AVAlign, bool AWrap, bool ARightToLeft, int ATransparency) = 0;

  // ---- State ----
  // Each new operation applies before the transform already in force.
  virtual int TranslateTransform(double AX, double AY);
  virtual int ScaleTransform(double AX, double AY);
  virtual int RotateTransform(double AAngle);
  int RotateTransform(double AAngle, TDot ARotCenter);
  virtual int ResetTransform();
  virtual int ResetClip();
  virtual int SetClip(const TSquare& ARect);
  virtual int SetClip(const QRegion& ARegion);
  // Intersects the clip with a region; nothing at this level.
  virtual void ClipRegion(TDgrRegion* ARegion);
  // One saved slot: a second save overwrites the first.
  virtual void SaveDrawingState() = 0;
  virtual void RestoreDrawingState() = 0;

  // ---- Tools and factories ----
  TDgrPen* GetPen() const { return DoGetPen(); }
  void SetPen(TDgrPen* Value);
  TDgrBrush* GetBrush() const { return DoGetBrush(); }
  void SetBrush(TDgrBrush* Value);
  virtual HDC GetHandle() const { return nullptr; }
  virtual void SetHandle(HDC) {}
  virtual TDgrBrush* CreateBrush() = 0;
  virtual TDgrGraphic* CreateGraphic() = 0;
  virtual TDgrPaintEngine* CreatePaintEngine(TCanvas* ACanvas, const TRect& ARect) = 0;
  virtual TDgrGraphicsPath* CreatePath() = 0;
  virtual TDgrPen* CreatePen() = 0;

  // ---- The block frame (read and written through a block drawer) ----
  const TBlockTransform& Frame() const { return FFrame; }
  TBlockTransform& Frame() { return FFrame; }
  bool GetValidRects() const { return FFrame.GetValidRects(); }
  double GetScaleX() const { return FFrame.GetScaleX(); }
  double GetScaleY() const { return FFrame.GetScaleY(); }
  // Rebuild the engine's source-to-destination transform from valid rectangles.
  virtual void UpdateRectsTransform(const TSquare& ASource, const TSquare& ADest, double AScaleX,
                                    double AScaleY) = 0;

 protected:
  virtual TDgrPen* DoGetPen() const = 0;
  virtual TDgrBrush* DoGetBrush() const = 0;
  virtual void Changing() {}
  virtual void Changed() {}
  virtual void DoEllipse(double X, double Y, double W, double H) = 0;
  virtual void DoDrawLine(double X1, double Y1, double X2, double Y2) = 0;
  virtual void DoDrawPath(TDgrGraphicsPath* APath) = 0;
  virtual void DoRectangle(double X, double Y, double W, double H) = 0;
  virtual void DoFillPath(TDgrGraphicsPath* APath) = 0;
  virtual void DoPolygon(const TDotArray& Points) = 0;
  virtual void DoStretchDraw(const TSquare& ARect, TGraphic* Graphic, int ATransparency, bool ABitmapTransparent) = 0;
  virtual void DoStretchDrawImage(const TSquare& ARect, TDgrImage* ADgrImage, int ATransparency,
                                  bool ABitmapTransparent) = 0;

 private:
  // Runs Changing, the primitive and Changed; Changed is left out when the primitive fails.
  template <class F>
  void Hooked(F&& Primitive) {
    Changing();
    Primitive();
    Changed();
  }

  TBlockTransform FFrame;
};

}  // namespace tarnwick
