#include "graphics/direct2d/D2DGraphic.h"

#include "graphics/ImagePreparation.h"

namespace tarnwick {

const TClassInfo& TD2DGraphic::StaticClassInfo() {
  static const TClassInfo info("TD2DGraphic", &TDgrGraphic::StaticClassInfo(), {},
                               [](TComponent*) -> TPersistent* { return Create<TD2DGraphic>(); });
  return info;
}

void TD2DGraphic::Changed() {
  FKeyed = QImage();
  FHasKeyed = false;
  TDgrGraphic::Changed();
}

const QImage& TD2DGraphic::Bitmap() {
  if (!FBitmapTransparent) return Decoded();
  if (!FHasKeyed) {
    FKeyed = WithoutBottomLeftColor(Decoded());
    FHasKeyed = true;
  }
  return FKeyed;
}

void TD2DGraphic::DrawGraphic(TCanvas&, const TSquare&) {}

}  // namespace tarnwick
