#pragma once
// TD2DGraphic: an encoded image the Direct2D engine decodes on first draw. Drawn "bitmap
// transparent", every pixel of exactly the bottom-left pixel's colour becomes all-zero.
// On a plain platform canvas it draws nothing: it is visible only through the engine.
#include <QImage>

#include "graphics/DgrGraphic.h"

namespace tarnwick {

class TD2DGraphic : public TDgrGraphic {
  TARNWICK_CLASS(TD2DGraphic)

 public:
  bool GetBitmapTransparent() const { return FBitmapTransparent; }
  void SetBitmapTransparent(bool Value) { FBitmapTransparent = Value; }

  // The pixels the engine draws: decoded once per change (premultiplied ARGB), keyed by
  // the bitmap-transparent flag; a null image when the bytes do not decode. Decoding needs
  // no imaging service here, so the engine's "imaging factory cannot be created" and
  // "image memory cannot be allocated" failures cannot occur.
  const QImage& Bitmap();

 protected:
  void DrawGraphic(TCanvas& ACanvas, const TSquare& ARect) override;
  void Changed() override;

 private:
  bool FBitmapTransparent = false;
  QImage FKeyed;
  bool FHasKeyed = false;
};

}  // namespace tarnwick
