#include "platform/gui/EncodedImage.h"

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/GuiConsts.h"
#include "platform/gui/ImageCodec.h"

namespace tarnwick {

namespace {

uint32_t ReadU32(const char* p) {
  auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

template <class T>
TClassFactory FactoryOf() {
  return [](TComponent*) -> TPersistent* { return Create<T>(); };
}

}  // namespace

const TClassInfo& TEncodedImage::StaticClassInfo() {
  static const TClassInfo info("TEncodedImage", &TGraphic::StaticClassInfo(), {});
  return info;
}

const TClassInfo& TPngImage::StaticClassInfo() {
  static const TClassInfo info("TPngImage", &TEncodedImage::StaticClassInfo(), {}, FactoryOf<TPngImage>());
  return info;
}

const TClassInfo& TJPEGImage::StaticClassInfo() {
  static const TClassInfo info("TJPEGImage", &TEncodedImage::StaticClassInfo(), {}, FactoryOf<TJPEGImage>());
  return info;
}

const TClassInfo& TGIFImage::StaticClassInfo() {
  static const TClassInfo info("TGIFImage", &TEncodedImage::StaticClassInfo(), {}, FactoryOf<TGIFImage>());
  return info;
}

const TClassInfo& TTiffImage::StaticClassInfo() {
  static const TClassInfo info("TTiffImage", &TEncodedImage::StaticClassInfo(), {}, FactoryOf<TTiffImage>());
  return info;
}

void TEncodedImage::SetWidth(int) { throw EInvalidGraphicOperation(msg::ChangeImageSize, FormatName()); }

void TEncodedImage::SetHeight(int) { throw EInvalidGraphicOperation(msg::ChangeImageSize, FormatName()); }

void TEncodedImage::LoadFromBytes(const QByteArray& Bytes) {
  // Decoding first: a failure leaves the graphic unchanged.
  QImage image = imagecodec::Decode(Bytes, FormatName());
  FData = Bytes;
  FImage = image;
  Changed();
}

void TEncodedImage::Assign(TPersistent* Source) {
  if (!Source) {
    if (GetEmpty()) return;
    FData.clear();
    FImage = QImage();
    Changed();
    return;
  }
  if (&Source->ClassInfo() == &ClassInfo()) {
    auto* src = static_cast<TEncodedImage*>(Source);
    if (src == this) return;
    FData = src->FData;
    FImage = src->FImage;
    FTransparent = src->FTransparent;
    Changed();
    return;
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
    QImage image = graphic->ToImage();
    if (!image.isNull()) {
      if (*QtFormat() == '\0') throw EInvalidGraphic(msg::CannotEncode, FormatName());
      FData = imagecodec::Encode(image, QtFormat(), FormatName());
      FImage = image;
      FTransparent = graphic->GetTransparent();
      Changed();
      return;
    }
  }
  TPersistent::Assign(Source);
}

void TEncodedImage::Draw(TCanvas& ACanvas, const TRect& Rect) {
  if (!FImage.isNull()) ACanvas.DrawImage(Rect, FImage);
}

void TEncodedImage::LoadFromStream(TStream& Stream) { LoadFromBytes(Stream.ReadAll()); }

void TEncodedImage::SaveToStream(TStream& Stream) { Stream.WriteBuffer(FData); }

void TEncodedImage::ReadData(TStream& Stream) {
  // Some formats store a length in front of the file, others the plain file; the prefix is
  // recognised by its value (a count that fits the data) and by an image signature right
  // after it. The signatures image files start with read as counts far beyond the data.
  int64_t start = Stream.GetPosition();
  int64_t available = Stream.Remaining();
  if (available >= 4) {
    char count[4];
    Stream.ReadBuffer(count, 4);
    int64_t size = ReadU32(count);
    if (size > 0 && size <= available - 4) {
      QByteArray body(static_cast<qsizetype>(size), '\0');
      Stream.ReadBuffer(body.data(), size);
      if (!imagecodec::SniffFormat(body).isEmpty()) {
        LoadFromBytes(body);
        return;
      }
    }
    Stream.SetPosition(start);
  }
  LoadFromBytes(Stream.ReadAll());
}

void TEncodedImage::WriteData(TStream& Stream) {
  if (LengthPrefixedData()) {
    auto n = static_cast<uint32_t>(FData.size());
    const char count[4] = {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                           static_cast<char>((n >> 16) & 0xFF), static_cast<char>((n >> 24) & 0xFF)};
    Stream.WriteBuffer(count, 4);
  }
  Stream.WriteBuffer(FData);
}

}  // namespace tarnwick
