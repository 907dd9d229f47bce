#pragma once
// TDgrPicture: a picture with a transparency of its own, as a texture brush holds it. The
// engine decodes its graphic into pixels on first need and again after a change.
#include <QImage>

#include "platform/core/Object.h"
#include "platform/core/Stream.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

class TDgrPicture : public TPicture {
  TARNWICK_CLASS(TDgrPicture)

 public:
  TDgrPicture();
  ~TDgrPicture() override;

  int GetTransparency() const { return FTransparency; }
  void SetTransparency(int Value);

  // The graphic's pixels in 32-bit ARGB, decoded once per change; a null image when the
  // picture is empty or its bytes do not decode.
  const QImage& DecodedImage();

 protected:
  void Changed() override;

 private:
  TOwned<TMemoryStream> FDatastream;
  int FTransparency = 0;
  QImage FImage;
  bool FDecoded = false;
};

}  // namespace tarnwick
