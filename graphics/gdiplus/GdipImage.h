#pragma once
// TGdipImage: a decoded image the engine canvas can stretch-draw, and the image as drawn
// "bitmap transparent", prepared once and kept.
#include <QImage>

#include "graphics/DgrGraphic.h"

namespace tarnwick {

class TGdipImage : public TDgrImage {
 public:
  explicit TGdipImage(const QImage& AImage = QImage()) : FGPImage(AImage) {}

  const QImage& GPImage() const { return FGPImage; }
  void SetGPImage(const QImage& Value);
  // The image without its bottom-left colour when ABitmapTransparent, else the image.
  const QImage& Prepared(bool ABitmapTransparent);

 private:
  QImage FGPImage;
  QImage FTransparentImage;
  bool FTransparentReady = false;
};

}  // namespace tarnwick
