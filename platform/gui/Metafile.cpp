#include "platform/gui/Metafile.h"

#include <QPainter>
#include <QtDebug>
#include <algorithm>

#include "platform/core/Exception.h"
#include "platform/core/Math.h"
#include "platform/core/Stream.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/GuiConsts.h"
#include "platform/gui/ImageCodec.h"
#include "platform/gui/MetafilePlayer.h"

namespace tarnwick {

namespace {

int32_t ReadI32(const QByteArray& b, int at) {
  auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
  return static_cast<int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24));
}

}  // namespace

const TClassInfo& TMetafile::StaticClassInfo() {
  static const TClassInfo info("TMetafile", &TGraphic::StaticClassInfo(), {},
                               [](TComponent*) -> TPersistent* { return Create<TMetafile>(); });
  return info;
}

QString TMetafile::UnsupportedMessage() { return QString::fromLatin1(msg::MetafileUnsupported); }

void TMetafile::SetWidth(int Value) {
  if (Value == FWidth) return;
  FWidth = Value;
  Changed();
}

void TMetafile::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Changed();
}

void TMetafile::Assign(TPersistent* Source) {
  if (!Source) {
    if (GetEmpty()) return;
    FData.clear();
    FWidth = FHeight = 0;
    Changed();
    return;
  }
  if (auto* src = dynamic_cast<TMetafile*>(Source)) {
    if (src == this) return;
    FData = src->FData;
    FWidth = src->FWidth;
    FHeight = src->FHeight;
    FEnhanced = src->FEnhanced;
    FTransparent = src->FTransparent;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

void TMetafile::Draw(TCanvas& ACanvas, const TRect& Rect) {
  if (GetEmpty()) return;
  QPainter* painter = ACanvas.GetHandle();
  if (!painter) return;
  // Playback does not throw; a picture it cannot read at all says so once.
  const QRectF target(Rect.Left, Rect.Top, double(Rect.Right) - Rect.Left, double(Rect.Bottom) - Rect.Top);
  if (!metafile::Play(*painter, FData, target) && !FWarned) {
    FWarned = true;
    qWarning().noquote() << UnsupportedMessage();
  }
}

QImage TMetafile::ToImage() const {
  if (GetEmpty()) return {};
  return metafile::Render(FData, QSize(FWidth, FHeight));
}

void TMetafile::LoadFromBytes(const QByteArray& Bytes) {
  QByteArray format = imagecodec::SniffFormat(Bytes);
  metafile::TMetafileInfo info;
  int width = 0, height = 0;
  bool enhanced;
  if (format == "emf" || format == "wmf") {
    // The size on a 96 dpi screen: an enhanced file's frame (hundredths of a millimetre),
    // an older file's placeable box (logical units and units per inch). A header too short
    // to say leaves 0 x 0, as before; the bytes are still kept.
    enhanced = format == "emf";
    if (metafile::ReadInfo(Bytes, info)) {
      const QSize size = metafile::NominalSize(info);
      width = size.width();
      height = size.height();
    }
  } else {
    throw EInvalidGraphic(msg::InvalidMetafile);
  }
  FData = Bytes;
  FWidth = std::max(0, width);
  FHeight = std::max(0, height);
  FEnhanced = enhanced;
  FWarned = false;
  Changed();
}

void TMetafile::LoadFromStream(TStream& Stream) { LoadFromBytes(Stream.ReadAll()); }

void TMetafile::SaveToStream(TStream& Stream) { Stream.WriteBuffer(FData); }

void TMetafile::ReadData(TStream& Stream) {
  char count[4];
  Stream.ReadBuffer(count, 4);
  int64_t size = static_cast<uint32_t>(ReadI32(QByteArray::fromRawData(count, 4), 0));
  // The count includes its own four bytes.
  if (size < 4 || size - 4 > Stream.Remaining()) throw EInvalidGraphic(msg::InvalidMetafile);
  if (size == 4) {
    Assign(nullptr);
    return;
  }
  QByteArray bytes(static_cast<qsizetype>(size - 4), '\0');
  Stream.ReadBuffer(bytes.data(), size - 4);
  LoadFromBytes(bytes);
}

void TMetafile::WriteData(TStream& Stream) {
  auto n = static_cast<uint32_t>(FData.size() + 4);
  const char count[4] = {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                         static_cast<char>((n >> 16) & 0xFF), static_cast<char>((n >> 24) & 0xFF)};
  Stream.WriteBuffer(count, 4);
  Stream.WriteBuffer(FData);
}

}  // namespace tarnwick
