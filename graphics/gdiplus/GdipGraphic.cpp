#include "graphics/gdiplus/GdipGraphic.h"

#include "graphics/gdiplus/GdipCanvas.h"
#include "platform/core/Exception.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/ImageCodec.h"

namespace tarnwick {

const TClassInfo& TGdipGraphic::StaticClassInfo() {
  static const TClassInfo info("TGdipGraphic", &TDgrGraphic::StaticClassInfo(), {},
                               [](TComponent*) -> TPersistent* { return Create<TGdipGraphic>(); });
  return info;
}

void TGdipGraphic::DropImage() {
  FGPImage.SetGPImage(QImage());
  FDecodeTried = false;
}

void TGdipGraphic::Changed() {
  DropImage();
  TDgrGraphic::Changed();
}

void TGdipGraphic::LoadFromFile(const QString& FileName) {
  DropImage();
  TDgrGraphic::LoadFromFile(FileName);
}

void TGdipGraphic::LoadFromStream(TStream& Stream) {
  DropImage();
  TDgrGraphic::LoadFromStream(Stream);
}

const QImage& TGdipGraphic::GPImage() {
  if (FDecodeTried) return FGPImage.GPImage();
  FDecodeTried = true;
  if (GetEmpty() || Datastream().Bytes().isEmpty()) return FGPImage.GPImage();
  QImage decoded;
  try {
    decoded = imagecodec::Decode(Datastream().Bytes(), QStringLiteral("Image"));
  } catch (const Exception&) {
    // Bytes that do not decode (or an image beyond the size cap) draw nothing.
    return FGPImage.GPImage();
  }
  // The kept copy owns its pixels in the one format drawing wants; Qt reports a failed
  // allocation as a null image.
  QImage argb = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (argb.isNull() && !decoded.isNull()) throw EOutOfResources("Could not allocate memory for image");
  FGPImage.SetGPImage(argb);
  return FGPImage.GPImage();
}

const QImage& TGdipGraphic::Prepared(bool ABitmapTransparent) {
  GPImage();
  return FGPImage.Prepared(ABitmapTransparent);
}

void TGdipGraphic::ReadData(TStream& Stream) {
  DropImage();
  TDgrGraphic::ReadData(Stream);
}

bool TGdipGraphic::ReadImageSizes() {
  const QImage& image = GPImage();
  if (image.isNull()) return false;
  SetWidth(image.width());
  SetHeight(image.height());
  return true;
}

void TGdipGraphic::DrawGraphic(TCanvas& ACanvas, const TSquare& ARect) {
  TOwned<TGPCanvas> canvas(Create<TGPCanvas>(ACanvas.GetHandle()));
  canvas->StretchDraw(ARect, this, 0, GetTransparent());
}

}  // namespace tarnwick
