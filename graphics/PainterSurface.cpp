#include "graphics/PainterSurface.h"

namespace tarnwick {

namespace {

bool Whole(qreal V) { return V == static_cast<qreal>(static_cast<int>(V)); }

// The rectangle a path describes when it is exactly one axis-aligned rectangle on whole
// pixels, as QPainterPath::addRect lays it down.
std::optional<QRect> WholePixelRect(const QPainterPath& APath) {
  if (APath.elementCount() != 5 || !APath.elementAt(0).isMoveTo()) return std::nullopt;
  const QPainterPath::Element a = APath.elementAt(0), b = APath.elementAt(1), c = APath.elementAt(2),
                              d = APath.elementAt(3), e = APath.elementAt(4);
  for (const QPainterPath::Element& el : {b, c, d, e})
    if (!el.isLineTo()) return std::nullopt;
  if (!(b.y == a.y && c.x == b.x && d.y == c.y && d.x == a.x && e.x == a.x && e.y == a.y)) return std::nullopt;
  if (!Whole(a.x) || !Whole(a.y) || !Whole(c.x) || !Whole(c.y)) return std::nullopt;
  if (c.x <= a.x || c.y <= a.y) return std::nullopt;
  return QRect(QPoint(int(a.x), int(a.y)), QPoint(int(c.x) - 1, int(c.y) - 1));
}

// Only a shift by whole pixels keeps a whole-pixel rectangle on whole pixels.
bool WholePixelShift(const QTransform& T) {
  return T.type() <= QTransform::TxTranslate && Whole(T.dx()) && Whole(T.dy());
}

}  // namespace

TPainterSurface::TPainterSurface(QPainter* APainter) : FPainter(APainter) {
  if (FPainter && FPainter->isActive()) FDevice = FPainter->transform();
}

void TPainterSurface::SetClip(const QPainterPath& AWorldPath) { SetDeviceClip(FWorld.map(AWorldPath)); }

void TPainterSurface::SetDeviceClip(const QPainterPath& ADevicePath) {
  FClip = ADevicePath;
  FClipRect = WholePixelRect(ADevicePath);
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
  FClipRect = WholePixelRect(FClip);
  FHasClip = FSaved.HasClip;
  FAntialias = FSaved.Antialias;
  FTextAntialias = FSaved.TextAntialias;
}

TPainterSurface::TScope::TScope(const TPainterSurface& S) {
  if (!S.CanDraw()) return;
  FPainter = S.FPainter;
  FPainter->save();
  // The hints go first and only where they differ: the raster painter rebuilds every clip
  // in force when anti-aliasing changes, and a block's clip path is costly to rebuild.
  constexpr QPainter::RenderHints Managed =
      QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing;
  QPainter::RenderHints wanted;
  wanted.setFlag(QPainter::Antialiasing, S.FAntialias);
  wanted.setFlag(QPainter::SmoothPixmapTransform, S.FAntialias);
  wanted.setFlag(QPainter::TextAntialiasing, S.FTextAntialias);
  const QPainter::RenderHints current = FPainter->renderHints() & Managed;
  if (current != wanted) {
    if (current & ~wanted) FPainter->setRenderHints(current & ~wanted, false);
    if (wanted & ~current) FPainter->setRenderHints(wanted & ~current, true);
  }
  if (S.FHasClip) {
    FPainter->setTransform(S.FDevice);
    const bool clipped = FPainter->hasClipping();
    const Qt::ClipOperation op = clipped ? Qt::IntersectClip : Qt::ReplaceClip;
    if (S.FClipRect && WholePixelShift(S.FDevice)) {
      // A rectangle around all the painter already clips to would change nothing, and
      // intersecting it with a clip path (a block's outline) rebuilds that path's clip.
      if (!clipped || !QRectF(*S.FClipRect).contains(FPainter->clipBoundingRect()))
        FPainter->setClipRect(*S.FClipRect, op);
    } else {
      FPainter->setClipPath(S.FClip, op);
    }
  }
  FPainter->setTransform(S.FWorld * S.FDevice);
  FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter->setOpacity(1.0);
}

TPainterSurface::TScope::~TScope() {
  if (FPainter) FPainter->restore();
}

}  // namespace tarnwick
