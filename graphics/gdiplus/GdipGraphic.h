#pragma once
// TGdipGraphic: an image file (PNG, JPEG, GIF, TIFF...) kept as its bytes and decoded by the
// engine on first need. The decoded pixels, and the same pixels without their bottom-left
// colour, are kept until the bytes change, so repaints decode and prepare nothing.
#include "graphics/DgrGraphic.h"
#include "graphics/gdiplus/GdipImage.h"

namespace tarnwick {

class TGdipGraphic : public TDgrGraphic {
  TARNWICK_CLASS(TGdipGraphic)

 public:
  // The decoded image in premultiplied ARGB; null when empty or the bytes do not decode.
  // Raises EOutOfResources ("Could not allocate memory for image") when the decoded image
  // cannot be given its pixel memory.
  const QImage& GPImage();
  // The image as drawn with or without "bitmap transparent".
  const QImage& Prepared(bool ABitmapTransparent);
  // New bytes replace the decoded image before the sizes are read from it, so a graphic
  // loaded again reports the new image's sizes, not those of the one it drew before.
  void LoadFromFile(const QString& FileName) override;
  void LoadFromStream(TStream& Stream) override;
  void ReadData(TStream& Stream) override;

 protected:
  // Draws through a temporary engine canvas on the platform canvas's painter, fully opaque,
  // bitmap transparent when the graphic is Transparent.
  void DrawGraphic(TCanvas& ACanvas, const TSquare& ARect) override;
  bool ReadImageSizes() override;
  void Changed() override;

 private:
  void DropImage();

  TGdipImage FGPImage;
  bool FDecodeTried = false;
};

}  // namespace tarnwick
