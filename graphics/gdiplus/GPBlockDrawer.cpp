#include "graphics/gdiplus/GPBlockDrawer.h"

#include "graphics/gdiplus/GdipGraphicsPath.h"
#include "graphics/gdiplus/GdipPaintEngine.h"

namespace tarnwick {

namespace {

// Paths of another engine have no native path here; the frame leaves them alone.
QPainterPath* Native(TDgrGraphicsPath* APath) {
  auto* path = dynamic_cast<TGdipGraphicsPath*>(APath);
  return path ? &path->GPPath() : nullptr;
}

void MapInPlace(QPainterPath& APath, const QTransform& T) {
  if (!T.isIdentity()) APath = T.map(APath);
}

}  // namespace

TGPBlockDrawer::TGPBlockDrawer() : FGPCanvas(MakeOwned<TGPCanvas>(nullptr)) {}
TGPBlockDrawer::~TGPBlockDrawer() = default;

void TGPBlockDrawer::SetPaintEngine(TDgrPaintEngine* Value) {
  auto* engine = dynamic_cast<TGdipPaintEngine*>(Value);
  FGPCanvas->SetTempGraphics(engine ? &engine->GPGraphics() : nullptr);
}

void TGPBlockDrawer::Flip(QPainterPath& APath) {
  // The mirror runs through the source rectangle's exact centre, so the shape stays inside
  // its rectangle wherever the rectangle lies and whatever its size.
  MapInPlace(APath, GetCanvas()->Frame().FlipTransform());
}

void TGPBlockDrawer::Flip(TDgrGraphicsPath* APath) {
  if (QPainterPath* path = Native(APath)) Flip(*path);
}

void TGPBlockDrawer::TranslateRectsPath(TDgrGraphicsPath* APath) {
  if (QPainterPath* path = Native(APath)) MapInPlace(*path, FGPCanvas->TransMatrix());
}

void TGPBlockDrawer::DoRotatePath(TDgrGraphicsPath* APath) {
  if (QPainterPath* path = Native(APath)) MapInPlace(*path, GetCanvas()->Frame().RotateTransform());
}

void TGPBlockDrawer::TransformPath(QPainterPath& APath) {
  Flip(APath);
  MapInPlace(APath, FGPCanvas->TransMatrix());
  RotatePath(APath);
}

void TGPBlockDrawer::RotatePath(QPainterPath& APath) {
  if (GetAngle() != 0) MapInPlace(APath, GetCanvas()->Frame().RotateTransform());
}

}  // namespace tarnwick
