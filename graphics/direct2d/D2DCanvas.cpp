#include "graphics/direct2d/D2DCanvas.h"

#include <QPainter>

#include "graphics/ImagePreparation.h"
#include "graphics/Transparency.h"
#include "graphics/direct2d/D2DBrush.h"
#include "graphics/direct2d/D2DGraphic.h"
#include "graphics/direct2d/D2DGraphicsPath.h"
#include "graphics/direct2d/D2DPaintEngine.h"
#include "graphics/direct2d/D2DPen.h"
#include "graphics/direct2d/D2DRegion.h"
#include "platform/core/Math.h"
#include "platform/gui/Graphic.h"

namespace tarnwick {

const TClassInfo& TD2DCanvas::StaticClassInfo() {
  static const TClassInfo info("TD2DCanvas", &TDgrCanvas::StaticClassInfo(), {}, nullptr);
  return info;
}

TD2DCanvas::TD2DCanvas(HDC AHandle)
    : TQtPathCanvas(AHandle, cpDouble), FBrush(MakeOwned<TD2DBrush>()), FPen(MakeOwned<TD2DPen>()) {}

TD2DCanvas::~TD2DCanvas() = default;

TDgrPen* TD2DCanvas::DoGetPen() const { return FPen.get(); }
TDgrBrush* TD2DCanvas::DoGetBrush() const { return FBrush.get(); }

void TD2DCanvas::SetHandle(HDC AHandle) {
  if (AHandle != GetHandle() && !GetTempSurface()) FPushKind = pkNone;
  TQtPathCanvas::SetHandle(AHandle);
}

void TD2DCanvas::LendPaintEngine(TD2DPaintEngine* AEngine) {
  FPaintEngine = AEngine;
  SetTempSurface(AEngine ? &AEngine->Surface() : nullptr);
  // A push belongs to the surface it was made on; the new surface starts unclipped by us.
  FPushKind = pkNone;
}

// ---- Factories ----

TDgrBrush* TD2DCanvas::CreateBrush() { return Create<TD2DBrush>(); }
TDgrGraphic* TD2DCanvas::CreateGraphic() { return Create<TD2DGraphic>(); }
TDgrPaintEngine* TD2DCanvas::CreatePaintEngine(TCanvas* ACanvas, const TRect& ARect) {
  return Create<TD2DPaintEngine>(ACanvas, ARect);
}
TDgrGraphicsPath* TD2DCanvas::CreatePath() { return Create<TD2DGraphicsPath>(); }
TDgrPen* TD2DCanvas::CreatePen() { return Create<TD2DPen>(); }

// ---- Saved state ----

void TD2DCanvas::SaveDrawingState() {
  FStateMatrix = Surface().World();
  FHasState = true;
}

void TD2DCanvas::RestoreDrawingState() {
  // Without a save there is nothing to go back to; the identity would throw away the
  // pass's zoom and scroll.
  if (FHasState) Surface().SetWorld(FStateMatrix);
}

// ---- Clip ----

void TD2DCanvas::PushClip(const QPainterPath& ADeviceClip, TD2DPushKind AKind) {
  TPainterSurface& surface = Surface();
  FHadClipBeforePush = surface.HasClip();
  FClipBeforePush = surface.DeviceClip();
  // The push narrows whatever the surface was already clipped to (the pass's rectangle).
  surface.SetDeviceClip(FHadClipBeforePush ? FClipBeforePush.intersected(ADeviceClip) : ADeviceClip);
  FPushKind = AKind;
}

int TD2DCanvas::SetClip(const TSquare& ARect) {
  if (FPushKind != pkNone) return 0;
  // An axis-aligned clip stays axis-aligned: under a turned transform it is the bounding
  // box of the turned rectangle.
  const QRectF rect(QPointF(ARect.Left, ARect.Top), QPointF(ARect.Right, ARect.Bottom));
  QPainterPath device;
  device.addRect(Surface().World().mapRect(rect.normalized()));
  PushClip(device, pkAxisAligned);
  return 0;
}

int TD2DCanvas::SetClip(const QRegion&) { return -1; }

void TD2DCanvas::ClipRegion(TDgrRegion* ARegion) {
  auto* region = dynamic_cast<TD2DRegion*>(ARegion);
  if (!region || FPushKind != pkNone) return;
  PushClip(Surface().World().map(region->Geometry()), pkLayer);
}

int TD2DCanvas::ResetClip() {
  if (FPushKind == pkNone) return 0;
  TPainterSurface& surface = Surface();
  if (FHadClipBeforePush) surface.SetDeviceClip(FClipBeforePush);
  else surface.ResetClip();
  FPushKind = pkNone;
  return 0;
}

// ---- Shapes ----

namespace {

// Outlines are drawn with a clear brush: it paints nothing, and the painter need not be set
// up for it.
bool Fills(const TD2DBrush::TFill& AFill) { return AFill.Opacity > 0 && AFill.Brush.style() != Qt::NoBrush; }

}  // namespace

void TD2DCanvas::FillShape(QPainter& P, const QPainterPath& AShape) {
  const TD2DBrush::TFill& fill = FBrush->Native();
  if (!Fills(fill)) return;
  P.setOpacity(fill.Opacity);
  P.fillPath(AShape, fill.Brush);
  P.setOpacity(1.0);
}

void TD2DCanvas::Stroke(QPainter& P, const QPainterPath& AShape) {
  const QPen& pen = FPen->Native();
  if (!Strokes(pen)) return;
  P.strokePath(AShape, pen);
}

const QPen& TD2DCanvas::StrokePen() { return FPen->Native(); }

void TD2DCanvas::DoDrawLine(double X1, double Y1, double X2, double Y2) {
  TPainterSurface::TScope scope(Surface());
  if (!scope.Active()) return;
  QPainterPath segment(QPointF(X1, Y1));
  segment.lineTo(X2, Y2);
  Stroke(scope.P(), segment);
}

void TD2DCanvas::DoDrawPath(TDgrGraphicsPath* APath) {
  auto* path = dynamic_cast<TD2DGraphicsPath*>(APath);
  if (!path) return;
  // The mapped geometry is stroked with the pen as it is: the path's matrix moves the
  // outline but does not scale the stroke.
  if (!Strokes(FPen->Native())) {
    // Drawing reads the geometry, which closes it, even when nothing is painted.
    path->GetPointCount();
    return;
  }
  const QPainterPath& shape = path->Transformed();
  TPainterSurface::TScope scope(Surface());
  if (!scope.Active()) return;
  Stroke(scope.P(), shape);
}

void TD2DCanvas::DoFillPath(TDgrGraphicsPath* APath) {
  auto* path = dynamic_cast<TD2DGraphicsPath*>(APath);
  if (!path) return;
  if (!Fills(FBrush->Native())) {
    // Drawing reads the geometry, which closes it, even when nothing is painted.
    path->GetPointCount();
    return;
  }
  const QPainterPath& shape = path->Transformed();
  TPainterSurface::TScope scope(Surface());
  if (!scope.Active()) return;
  FillShape(scope.P(), shape);
}

// ---- Images ----

void TD2DCanvas::DoStretchDraw(const TSquare& ARect, TGraphic* Graphic, int ATransparency, bool ABitmapTransparent) {
  if (!Graphic) return;
  QImage image;
  double opacity;
  if (auto* graphic = dynamic_cast<TD2DGraphic*>(Graphic)) {
    graphic->SetBitmapTransparent(ABitmapTransparent);
    image = graphic->Bitmap();
    opacity = TransparencyOpacity(ATransparency);
  } else {
    image = Graphic->ToImage();
    if (ABitmapTransparent) image = WithoutBottomLeftColor(image);
    opacity = TransparencyToAlpha(ATransparency) / 255.0;
  }
  if (image.isNull()) return;
  const QRectF target(QPointF(Round(ARect.Left), Round(ARect.Top)), QPointF(Round(ARect.Right), Round(ARect.Bottom)));
  TPainterSurface::TScope scope(Surface());
  if (!scope.Active()) return;
  scope.P().setRenderHint(QPainter::SmoothPixmapTransform, true);
  scope.P().setOpacity(opacity);
  scope.P().drawImage(target, image);
}

}  // namespace tarnwick
