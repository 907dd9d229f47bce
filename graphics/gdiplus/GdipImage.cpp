#include "graphics/gdiplus/GdipImage.h"

#include "graphics/ImagePreparation.h"

namespace tarnwick {

void TGdipImage::SetGPImage(const QImage& Value) {
  FGPImage = Value;
  FTransparentImage = QImage();
  FTransparentReady = false;
}

const QImage& TGdipImage::Prepared(bool ABitmapTransparent) {
  if (!ABitmapTransparent) return FGPImage;
  if (!FTransparentReady) {
    FTransparentImage = WithoutBottomLeftColor(FGPImage);
    FTransparentReady = true;
  }
  return FTransparentImage;
}

}  // namespace tarnwick
