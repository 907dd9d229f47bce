#include "graphics/DgrCanvas.h"

#include "graphics/DgrBrush.h"
#include "graphics/DgrPath.h"
#include "graphics/DgrPen.h"

namespace tarnwick {

const TClassInfo& TDgrCanvas::StaticClassInfo() {
  static const TClassInfo info("TDgrCanvas", &TPersistent::StaticClassInfo(), {}, nullptr);
  return info;
}

void TDgrCanvas::Ellipse(double X1, double Y1, double X2, double Y2) {
  Hooked([&] { DoEllipse(X1, Y1, X2 - X1, Y2 - Y1); });
}

void TDgrCanvas::Rectangle(double X1, double Y1, double X2, double Y2) {
  Hooked([&] { DoRectangle(X1, Y1, X2 - X1, Y2 - Y1); });
}

void TDgrCanvas::DrawLine(double X1, double Y1, double X2, double Y2) {
  Hooked([&] { DoDrawLine(X1, Y1, X2, Y2); });
}

void TDgrCanvas::Polygon(const TDotArray& Points) {
  Hooked([&] { DoPolygon(Points); });
}

void TDgrCanvas::RoundRect(double X1, double Y1, double X2, double Y2, double X3, double Y3) {
  Hooked([&] {
    TOwned<TDgrGraphicsPath> path(CreatePath());
    AddRoundRectPath(path.get(), X1, Y1, X2, Y2, X3, Y3);
    DoFillPath(path.get());
    DoDrawPath(path.get());
  });
}

void TDgrCanvas::AddRoundRectPath(TDgrGraphicsPath* APath, double X1, double Y1, double X2, double Y2, double X3,
                                  double Y3) {
  APath->StartFigure();
  APath->AddRoundRect(X1, Y1, X2, Y2, X3, Y3);
  APath->CloseFigure(true);
}

void TDgrCanvas::Path(TDgrGraphicsPath* APath) {
  Hooked([&] {
    DoFillPath(APath);
    DoDrawPath(APath);
  });
}

void TDgrCanvas::DrawPath(TDgrGraphicsPath* APath) {
  Hooked([&] { DoDrawPath(APath); });
}

void TDgrCanvas::StretchDraw(const TSquare& ARect, TGraphic* Graphic, int ATransparency, bool ABitmapTransparent) {
  DoStretchDraw(ARect, Graphic, ATransparency, ABitmapTransparent);
}

void TDgrCanvas::StretchDraw(const TSquare& ARect, TDgrImage* ADgrImage, int ATransparency, bool ABitmapTransparent) {
  if (!ADgrImage) return;
  Hooked([&] { DoStretchDrawImage(ARect, ADgrImage, ATransparency, ABitmapTransparent); });
}

int TDgrCanvas::TranslateTransform(double, double) { return 0; }
int TDgrCanvas::ScaleTransform(double, double) { return 0; }
int TDgrCanvas::RotateTransform(double) { return 0; }
int TDgrCanvas::ResetTransform() { return 0; }
int TDgrCanvas::ResetClip() { return 0; }
int TDgrCanvas::SetClip(const TSquare&) { return 0; }
int TDgrCanvas::SetClip(const QRegion&) { return 0; }
void TDgrCanvas::ClipRegion(TDgrRegion*) {}

int TDgrCanvas::RotateTransform(double AAngle, TDot ARotCenter) {
  TranslateTransform(ARotCenter.X, ARotCenter.Y);
  const int result = RotateTransform(AAngle);
  TranslateTransform(-ARotCenter.X, -ARotCenter.Y);
  return result;
}

void TDgrCanvas::SetPen(TDgrPen* Value) { GetPen()->Assign(Value); }
void TDgrCanvas::SetBrush(TDgrBrush* Value) { GetBrush()->Assign(Value); }

}  // namespace tarnwick
