#include "graphics/DgrPicture.h"

#include "platform/core/Exception.h"
#include "platform/core/Properties.h"
#include "platform/gui/Graphic.h"

namespace tarnwick {

const TClassInfo& TDgrPicture::StaticClassInfo() {
  static const TClassInfo info(
      "TDgrPicture", &TPicture::StaticClassInfo(),
      {IntProp("Transparency", &TDgrPicture::GetTransparency, &TDgrPicture::SetTransparency)}, nullptr);
  return info;
}

TDgrPicture::TDgrPicture() : FDatastream(MakeOwned<TMemoryStream>()) {}
TDgrPicture::~TDgrPicture() = default;

void TDgrPicture::SetTransparency(int Value) {
  if (Value == FTransparency) return;
  FTransparency = Value;
  Changed();
}

void TDgrPicture::Changed() {
  FImage = QImage();
  FDecoded = false;
  TPicture::Changed();
}

const QImage& TDgrPicture::DecodedImage() {
  if (FDecoded) return FImage;
  FDecoded = true;
  TGraphic* graphic = GetGraphic();
  if (!graphic || graphic->GetEmpty()) return FImage;
  try {
    // The graphic's own file bytes are what the engine decodes, so a texture looks the
    // same whichever graphic class carried it in.
    FDatastream->Clear();
    graphic->SaveToStream(*FDatastream);
    FImage = graphic->ToImage();
    if (!FImage.isNull()) FImage = FImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  } catch (const Exception&) {
    // A texture that does not decode paints nothing rather than failing the paint.
    FImage = QImage();
  }
  return FImage;
}

}  // namespace tarnwick
