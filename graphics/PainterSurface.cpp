#include "graphics/PainterSurface.h"

namespace tarnwick {

TPainterSurface::TPainterSurface(QPainter* APainter) : FPainter(APainter) {
  if (FPainter && FPainter->isActive()) FDevice = FPainter->transform();
}

void TPainterSurface::SetClip(const QPainterPath& AWorldPath) { SetDeviceClip(FWorld.map(AWorldPath)); }

void TPainterSurface::SetDeviceClip(const QPainterPath& ADevicePath) {
  FClip = ADevicePath;
  FHasClip = true;
}

void TPainterSurface::IntersectClip(const QPainterPath& AWorldPath) {
  const QPainterPath mapped = FWorld.map(AWorldPath);
  SetDeviceClip(FHasClip ? FClip.intersected(mapped) : mapped);
}

void TPainterSurface::SaveState() {
  FSaved = TState{FWorld, FClip, FHasClip, FAntialias, FTextAntialias};
  FHasSaved = true;
}

void TPainterSurface::RestoreState() {
  if (!FHasSaved) return;
  FWorld = FSaved.World;
  FClip = FSaved.Clip;
  FHasClip = FSaved.HasClip;
  FAntialias = FSaved.Antialias;
  FTextAntialias = FSaved.TextAntialias;
}

TPainterSurface::TScope::TScope(const TPainterSurface& S) {
  if (!S.CanDraw()) return;
  FPainter = S.FPainter;
  FPainter->save();
  if (S.FHasClip) {
    FPainter->setTransform(S.FDevice);
    FPainter->setClipPath(S.FClip, FPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  }
  FPainter->setTransform(S.FWorld * S.FDevice);
  FPainter->setRenderHint(QPainter::Antialiasing, S.FAntialias);
  FPainter->setRenderHint(QPainter::SmoothPixmapTransform, S.FAntialias);
  FPainter->setRenderHint(QPainter::TextAntialiasing, S.FTextAntialias);
  FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter->setOpacity(1.0);
}

TPainterSurface::TScope::~TScope() {
  if (FPainter) FPainter->restore();
}

}  // namespace tarnwick
