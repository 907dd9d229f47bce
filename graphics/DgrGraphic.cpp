#include "graphics/DgrGraphic.h"

#include <QPainter>
#include <vector>

#include "geometry/Conversions.h"
#include "platform/core/Exception.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/ImageCodec.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

namespace {
constexpr int64_t CopyChunk = 1048576;
}

const TClassInfo& TDgrGraphic::StaticClassInfo() {
  static const TClassInfo info("TDgrGraphic", &TGraphic::StaticClassInfo(), {}, nullptr);
  return info;
}

TDgrGraphic::TDgrGraphic() : FDatastream(MakeOwned<TMemoryStream>()) {}
TDgrGraphic::~TDgrGraphic() = default;

void TDgrGraphic::Changed() {
  DropDecoded();
  TGraphic::Changed();
}

void TDgrGraphic::Assign(TPersistent* Source) {
  FIsEmpty = true;
  DropDecoded();
  if (!Source) {
    FDatastream->Clear();
    Changed();
  } else if (auto* graphic = dynamic_cast<TDgrGraphic*>(Source)) {
    FDatastream->Clear();
    FDatastream->Write(graphic->FDatastream->Memory(), graphic->FDatastream->GetSize());
    FIsEmpty = false;
    FTransparent = graphic->GetTransparent();
    Changed();
  } else if (auto* platformGraphic = dynamic_cast<TGraphic*>(Source)) {
    TMemoryStream bytes;
    platformGraphic->SaveToStream(bytes);
    FDatastream->Clear();
    FDatastream->Write(bytes.Memory(), bytes.GetSize());
    FIsEmpty = false;
    FTransparent = platformGraphic->GetTransparent();
    Changed();
  } else if (auto* picture = dynamic_cast<TPicture*>(Source)) {
    Assign(picture->GetGraphic());
    return;
  } else {
    TGraphic::Assign(Source);
    return;
  }
  GetImageSizes();
}

void TDgrGraphic::DropDecoded() {
  FDecoded = QImage();
  FDecodeTried = false;
}

void TDgrGraphic::CopyFrom(TStream& Stream) {
  DropDecoded();
  FDatastream->Clear();
  std::vector<char> buffer(static_cast<size_t>(CopyChunk));
  for (;;) {
    const int64_t n = Stream.Read(buffer.data(), CopyChunk);
    if (n <= 0) break;
    FDatastream->Write(buffer.data(), n);
  }
  FIsEmpty = false;
  GetImageSizes();
}

void TDgrGraphic::LoadFromFile(const QString& FileName) {
  try {
    FDatastream->LoadFromFile(FileName);
    DropDecoded();
    FIsEmpty = false;
    GetImageSizes();
    Changed();
  } catch (const Exception&) {
    FDatastream->Clear();
    FIsEmpty = true;
    FWidth = FHeight = 0;
  }
}

void TDgrGraphic::LoadFromStream(TStream& Stream) {
  CopyFrom(Stream);
  Changed();
}

void TDgrGraphic::SaveToStream(TStream& Stream) {
  if (FDatastream->GetSize() > 0) Stream.Write(FDatastream->Memory(), FDatastream->GetSize());
}

void TDgrGraphic::ReadData(TStream& Stream) { CopyFrom(Stream); }
void TDgrGraphic::WriteData(TStream& Stream) { SaveToStream(Stream); }

bool TDgrGraphic::GetImageSizes() {
  if (FIsEmpty || FDatastream->GetSize() == 0) return false;
  return ReadImageSizes();
}

bool TDgrGraphic::ReadImageSizes() {
  const QImage& image = Decoded();
  if (image.isNull()) return false;
  FWidth = image.width();
  FHeight = image.height();
  return true;
}

const QImage& TDgrGraphic::Decoded() const {
  if (FDecodeTried) return FDecoded;
  FDecodeTried = true;
  if (FIsEmpty || FDatastream->GetSize() == 0) return FDecoded;
  try {
    FDecoded = imagecodec::Decode(FDatastream->Bytes(), QStringLiteral("Image"))
                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  } catch (const Exception&) {
    // Bytes that do not decode leave the graphic without pixels: it draws nothing.
    FDecoded = QImage();
  }
  return FDecoded;
}

QImage TDgrGraphic::ToImage() const { return Decoded(); }

void TDgrGraphic::Draw(TCanvas& ACanvas, const TRect& Rect) {
  if (FIsEmpty || FDatastream->GetSize() == 0) return;
  DrawGraphic(ACanvas, RectToSquare(Rect));
}

void TDgrGraphic::DrawGraphic(TCanvas&, const TSquare&) {}

}  // namespace tarnwick
