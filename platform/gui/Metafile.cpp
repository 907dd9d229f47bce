#include "platform/gui/Metafile.h"

#include <QtDebug>
#include <algorithm>

#include "platform/core/Exception.h"
#include "platform/core/Math.h"
#include "platform/core/Stream.h"
#include "platform/gui/GuiConsts.h"
#include "platform/gui/ImageCodec.h"

namespace tarnwick {

namespace {

int32_t ReadI32(const QByteArray& b, int at) {
  auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
  return static_cast<int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24));
}

int16_t ReadI16(const QByteArray& b, int at) {
  auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
  return static_cast<int16_t>(p[0] | (p[1] << 8));
}

constexpr int ScreenPPI = 96;
constexpr int HundredthMMPerInch = 2540;

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

void TMetafile::Draw(TCanvas&, const TRect&) {
  // Painting must not throw: say once per picture why it stays blank.
  if (FWarned || GetEmpty()) return;
  FWarned = true;
  qWarning().noquote() << UnsupportedMessage();
}

void TMetafile::LoadFromBytes(const QByteArray& Bytes) {
  QByteArray format = imagecodec::SniffFormat(Bytes);
  int width = 0, height = 0;
  bool enhanced;
  if (format == "emf" && Bytes.size() >= 40) {
    // The frame (left, top, right, bottom) in hundredths of a millimetre, inclusive.
    int64_t w = int64_t{ReadI32(Bytes, 32)} - ReadI32(Bytes, 24);
    int64_t h = int64_t{ReadI32(Bytes, 36)} - ReadI32(Bytes, 28);
    width = MulDiv(static_cast<int32_t>(std::clamp<int64_t>(w, 0, INT32_MAX)), ScreenPPI, HundredthMMPerInch);
    height = MulDiv(static_cast<int32_t>(std::clamp<int64_t>(h, 0, INT32_MAX)), ScreenPPI, HundredthMMPerInch);
    enhanced = true;
  } else if (format == "wmf") {
    enhanced = false;
    // A placeable header gives the bounding box in logical units and the units per inch.
    if (Bytes.size() >= 22 && static_cast<unsigned char>(Bytes[0]) == 0xD7) {
      int inch = static_cast<uint16_t>(ReadI16(Bytes, 14));
      if (inch > 0) {
        width = MulDiv(ReadI16(Bytes, 10) - ReadI16(Bytes, 6), ScreenPPI, inch);
        height = MulDiv(ReadI16(Bytes, 12) - ReadI16(Bytes, 8), ScreenPPI, inch);
      }
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
