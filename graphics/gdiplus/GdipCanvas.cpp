#include "graphics/gdiplus/GdipCanvas.h"

#include <QPainter>

#include "graphics/ArcGeometry.h"
#include "graphics/EngineText.h"
#include "graphics/ImagePreparation.h"
#include "graphics/Transparency.h"
#include "graphics/gdiplus/GdipGraphic.h"
#include "graphics/gdiplus/GdipGraphicsPath.h"
#include "graphics/gdiplus/GdipImage.h"
#include "graphics/gdiplus/GdipPaintEngine.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/Font.h"

namespace tarnwick {

namespace {

// The engine's own path, or the outline of another engine's.
QPainterPath NativePath(TDgrGraphicsPath* APath) {
  if (auto* path = dynamic_cast<TGdipGraphicsPath*>(APath)) return path->GPPath();
  return APath ? APath->Outline() : QPainterPath();
}

}  // namespace

const TClassInfo& TGPCanvas::StaticClassInfo() {
  static const TClassInfo info("TGPCanvas", &TDgrCanvas::StaticClassInfo(), {}, nullptr);
  return info;
}

// Coordinates reach the surface in single precision, as the stored drawings were made.
TGPCanvas::TGPCanvas(HDC AHandle)
    : TQtPathCanvas(AHandle, cpSingle), FBrush(MakeOwned<TGdipBrush>()), FPen(MakeOwned<TGdipPen>()) {}

TGPCanvas::~TGPCanvas() = default;

// ---- Primitives ----

void TGPCanvas::Fill(const QPainterPath& APath) {
  TPainterSurface::TScope scope(GPGraphics());
  if (!scope.Active()) return;
  FBrush->Fill(scope.P(), APath);
}

void TGPCanvas::Stroke(const QPainterPath& APath) {
  const QPen& pen = FPen->GPPen();
  if (!Strokes(pen)) return;
  TPainterSurface::TScope scope(GPGraphics());
  if (!scope.Active()) return;
  scope.P().strokePath(APath, pen);
}

void TGPCanvas::DoDrawLine(double X1, double Y1, double X2, double Y2) {
  TPainterSurface::TScope scope(GPGraphics());
  if (!scope.Active()) return;
  scope.P().setPen(FPen->GPPen());
  scope.P().drawLine(QLineF(Coord(X1), Coord(Y1), Coord(X2), Coord(Y2)));
}

void TGPCanvas::DoDrawPath(TDgrGraphicsPath* APath) { Stroke(NativePath(APath)); }

void TGPCanvas::DoFillPath(TDgrGraphicsPath* APath) { Fill(NativePath(APath)); }

void TGPCanvas::DrawImage(const TSquare& ARect, const QImage& AImage, int ATransparency) {
  if (AImage.isNull()) return;
  TPainterSurface::TScope scope(GPGraphics());
  if (!scope.Active()) return;
  scope.P().setOpacity(TransparencyOpacity(ATransparency));
  // The whole image, pixel for pixel, into the destination rectangle.
  scope.P().drawImage(CoordRect(ARect), AImage, QRectF(AImage.rect()));
}

void TGPCanvas::DoStretchDraw(const TSquare& ARect, TGraphic* Graphic, int ATransparency, bool ABitmapTransparent) {
  if (!Graphic) return;
  if (auto* graphic = dynamic_cast<TGdipGraphic*>(Graphic)) {
    DrawImage(ARect, graphic->Prepared(ABitmapTransparent), ATransparency);
    return;
  }
  TOwned<TGdipGraphic> copy(Create<TGdipGraphic>());
  copy->Assign(Graphic);
  DrawImage(ARect, copy->Prepared(ABitmapTransparent), ATransparency);
}

void TGPCanvas::DoStretchDrawImage(const TSquare& ARect, TDgrImage* ADgrImage, int ATransparency,
                                   bool ABitmapTransparent) {
  if (auto* image = dynamic_cast<TGdipImage*>(ADgrImage))
    DrawImage(ARect, image->Prepared(ABitmapTransparent), ATransparency);
}

// ---- Native-path overloads ----

void TGPCanvas::DrawPath(const QPainterPath& APath) {
  Changing();
  Stroke(APath);
  Changed();
}

void TGPCanvas::Path(const QPainterPath& APath) {
  Changing();
  FillAndStroke(APath);
  Changed();
}

void TGPCanvas::AddRoundRectPath(QPainterPath& APath, double X1, double Y1, double X2, double Y2, double X3,
                                 double Y3) {
  // A figure of its own: the first corner starts it, the others join it.
  AppendArc(APath, CoordRect(X2 - X3, Y1, X3, Y3), 270, 90, false);
  AppendArc(APath, CoordRect(X2 - X3, Y2 - Y3, X3, Y3), 0, 90, true);
  AppendArc(APath, CoordRect(X1, Y2 - Y3, X3, Y3), 90, 90, true);
  AppendArc(APath, CoordRect(X1, Y1, X3, Y3), 180, 90, true);
  APath.closeSubpath();
}

// ---- Text ----

TSquare TGPCanvas::StringBounds(const QString& AStr, TFont* AFont, const TSquare& ARect, TAlignment AHAlign,
                                TVertAlign AVAlign, bool AWrap, bool ARightToLeft) {
  TFont fallback;
  const TEngineTextFormat format =
      EngineTextFormat(EngineFont(AFont ? *AFont : fallback, true, true), AHAlign, AVAlign, AWrap, ARightToLeft);
  const QRectF box = EngineTextBounds(format, CoordRect(ARect), AStr);
  return TSquare{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
}

void TGPCanvas::DrawString(const QString& AStr, TFont* AFont, const TSquare& ARect, TAlignment AHAlign,
                           TVertAlign AVAlign, bool AWrap, bool ARightToLeft, int ATransparency) {
  if (!AFont) return;
  TPainterSurface::TScope scope(GPGraphics());
  if (!scope.Active()) return;
  const TEngineTextFormat format =
      EngineTextFormat(EngineFont(*AFont, true, true), AHAlign, AVAlign, AWrap, ARightToLeft);
  QColor color = ColorToQColor(AFont->GetColor());
  color.setAlpha(TransparencyToAlpha(ATransparency));
  scope.P().setPen(color);
  PaintEngineText(scope.P(), format, CoordRect(ARect), AStr);
}

// ---- Clip and saved state ----

int TGPCanvas::ResetClip() {
  GPGraphics().ResetClip();
  return 0;
}

int TGPCanvas::SetClip(const TSquare& ARect) {
  QPainterPath path;
  path.addRect(CoordRect(ARect));
  GPGraphics().SetClip(path);
  return 0;
}

int TGPCanvas::SetClip(const QRegion& ARegion) {
  QPainterPath path;
  path.addRegion(ARegion);
  GPGraphics().SetDeviceClip(path);
  return 0;
}

void TGPCanvas::SaveDrawingState() { GPGraphics().SaveState(); }
void TGPCanvas::RestoreDrawingState() { GPGraphics().RestoreState(); }

// ---- Factories ----

TDgrBrush* TGPCanvas::CreateBrush() { return Create<TGdipBrush>(); }
TDgrGraphic* TGPCanvas::CreateGraphic() { return Create<TGdipGraphic>(); }
TDgrPaintEngine* TGPCanvas::CreatePaintEngine(TCanvas* ACanvas, const TRect& ARect) {
  return Create<TGdipPaintEngine>(ACanvas, ARect);
}
TDgrGraphicsPath* TGPCanvas::CreatePath() { return Create<TGdipGraphicsPath>(); }
TDgrPen* TGPCanvas::CreatePen() { return Create<TGdipPen>(); }

}  // namespace tarnwick
