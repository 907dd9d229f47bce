#pragma once
// TGdipPicture: the texture a brush tiles. Its pixels are the picture's decoded image,
// made on first need and again after a change.
#include "graphics/DgrPicture.h"

namespace tarnwick {

class TGdipPicture : public TDgrPicture {
  TARNWICK_CLASS(TGdipPicture)

 public:
  const QImage& GPImage() { return DecodedImage(); }
};

}  // namespace tarnwick
