#pragma once
// TD2DCanvas: the Direct2D engine's drawing surface. It draws on the surface of the paint
// engine lent to its block drawer, or else on its own surface over its handle; a canvas
// without either draws nothing. Transforms act on that surface's world transform (the
// canvas prepends, like every canvas). At most one clip is pushed at a time: a second clip
// request is ignored until ResetClip pops the first.
#include <QTransform>

#include "graphics/QtPathCanvas.h"
#include "platform/core/Object.h"

namespace tarnwick {

class TD2DBrush;
class TD2DPaintEngine;
class TD2DPen;

enum TD2DPushKind { pkNone, pkAxisAligned, pkLayer };

class TD2DCanvas : public TQtPathCanvas {
  TARNWICK_CLASS(TD2DCanvas)

 public:
  explicit TD2DCanvas(HDC AHandle = nullptr);
  ~TD2DCanvas() override;

  TSquare StringBounds(const QString& AStr, TFont* AFont, const TSquare& ARect, TAlignment AHAlign,
                       TVertAlign AVAlign, bool AWrap, bool ARightToLeft) override;
  void DrawString(const QString& AStr, TFont* AFont, const TSquare& ARect, TAlignment AHAlign, TVertAlign AVAlign,
                  bool AWrap, bool ARightToLeft, int ATransparency) override;

  // Pops the pushed clip, if any.
  int ResetClip() override;
  // The rectangle's bounding box on the surface, unless a clip is already pushed.
  int SetClip(const TSquare& ARect) override;
  // Platform regions are not supported: nothing happens and the result is -1.
  int SetClip(const QRegion& ARegion) override;
  // The region's geometry as a mask, unless a clip is already pushed.
  void ClipRegion(TDgrRegion* ARegion) override;
  // The world transform only, one level.
  void SaveDrawingState() override;
  void RestoreDrawingState() override;

  // A new handle also forgets a clip pushed on the own surface.
  void SetHandle(HDC AHandle) override;
  TDgrBrush* CreateBrush() override;
  TDgrGraphic* CreateGraphic() override;
  TDgrPaintEngine* CreatePaintEngine(TCanvas* ACanvas, const TRect& ARect) override;
  TDgrGraphicsPath* CreatePath() override;
  TDgrPen* CreatePen() override;

  // Source rectangle onto destination rectangle, from the last valid pair.
  const QTransform& GetTransMatrix() const { return TransMatrix(); }

  // Draw on AEngine's surface from now on (nullptr: the own surface again). A clip pushed
  // on the previous surface is not carried over.
  void LendPaintEngine(TD2DPaintEngine* AEngine);
  TD2DPaintEngine* GetPaintEngine() const { return FPaintEngine; }
  TD2DPushKind GetPushKind() const { return FPushKind; }

 protected:
  TDgrPen* DoGetPen() const override;
  TDgrBrush* DoGetBrush() const override;
  void DoDrawLine(double X1, double Y1, double X2, double Y2) override;
  void DoDrawPath(TDgrGraphicsPath* APath) override;
  void DoFillPath(TDgrGraphicsPath* APath) override;
  // Into ARect rounded to whole units, at opacity 1 - T / 100, smoothly scaled.
  void DoStretchDraw(const TSquare& ARect, TGraphic* Graphic, int ATransparency, bool ABitmapTransparent) override;
  // Engine images do not exist in this engine: nothing is drawn.
  void DoStretchDrawImage(const TSquare&, TDgrImage*, int, bool) override {}
  // At the brush's opacity.
  void FillShape(QPainter& P, const QPainterPath& AShape) override;
  const QPen& StrokePen() override;

 private:
  void Stroke(QPainter& P, const QPainterPath& AShape);
  void PushClip(const QPainterPath& ADeviceClip, TD2DPushKind AKind);

  TOwned<TD2DBrush> FBrush;
  TOwned<TD2DPen> FPen;
  QTransform FStateMatrix;
  bool FHasState = false;
  TD2DPaintEngine* FPaintEngine = nullptr;
  TD2DPushKind FPushKind = pkNone;
  // The surface's clip before the push, put back when the push is popped.
  QPainterPath FClipBeforePush;
  bool FHadClipBeforePush = false;
};

}  // namespace tarnwick
