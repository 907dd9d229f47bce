#include "platform/gui/Bitmap.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/GuiConsts.h"
#include "platform/gui/ImageCodec.h"

namespace tarnwick {

namespace {

uint32_t ReadU32(const char* p) {
  auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

uint16_t ReadU16(const char* p) {
  auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

void PutU32(char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Old documents may hold a bitmap as a bare device-independent bitmap (info header,
// colour table, pixels) without the 14-byte file header; put one in front.
QByteArray WithFileHeader(const QByteArray& Dib) {
  if (Dib.size() < 16) return Dib;
  uint32_t headerSize = ReadU32(Dib.constData());
  if (headerSize != 12 && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
      headerSize != 124)
    return Dib;
  int64_t offset = 14 + headerSize;
  if (headerSize == 12) {
    uint16_t bits = ReadU16(Dib.constData() + 10);
    if (bits <= 8) offset += 3 * (int64_t{1} << bits);
  } else if (Dib.size() >= 36) {
    uint16_t bits = ReadU16(Dib.constData() + 14);
    uint32_t compression = ReadU32(Dib.constData() + 16);
    uint32_t used = ReadU32(Dib.constData() + 32);
    if (headerSize == 40 && compression == 3) offset += 12;  // the three channel masks
    if (used > 0 && used <= 256)
      offset += 4 * int64_t{used};
    else if (bits <= 8)
      offset += 4 * (int64_t{1} << bits);
  }
  QByteArray out(14, '\0');
  out[0] = 'B';
  out[1] = 'M';
  PutU32(out.data() + 2, static_cast<uint32_t>(14 + Dib.size()));
  PutU32(out.data() + 10, static_cast<uint32_t>(offset));
  return out + Dib;
}

TPixelFormat FormatOfBits(int bits) {
  switch (bits) {
    case 1:
      return pf1bit;
    case 4:
      return pf4bit;
    case 8:
      return pf8bit;
    case 16:
      return pf16bit;
    case 24:
      return pf24bit;
    case 32:
      return pf32bit;
    default:
      return pfDevice;
  }
}

}  // namespace

// The bitmap's own canvas: it begins a painter on the bitmap's image when drawing starts
// and ends it whenever the bitmap's pixels are read as a whole.
class TBitmap::TBitmapCanvas final : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& Owner) : FOwner(Owner) {}
  ~TBitmapCanvas() override { Release(); }
  void Release() {
    if (!FPainter.isActive()) return;
    SetPainter(nullptr);
    FPainter.end();
  }

 protected:
  void RequirePainter() override {
    if (FOwner.GetEmpty()) return;
    FOwner.BeginPaint(FPainter);
    if (FPainter.isActive()) SetPainter(&FPainter);
  }
  void Changed() override {
    FOwner.Changed();
    TCanvas::Changed();
  }

 private:
  TBitmap& FOwner;
  QPainter FPainter;
};

const TEnumTypeInfo& PixelFormatType() {
  static const TEnumTypeInfo t("TPixelFormat", {"pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf15bit", "pf16bit",
                                                "pf24bit", "pf32bit", "pfCustom"});
  return t;
}

const TClassInfo& TBitmap::StaticClassInfo() {
  static const TClassInfo info("TBitmap", &TGraphic::StaticClassInfo(), {},
                               [](TComponent*) -> TPersistent* { return Create<TBitmap>(); });
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() { FCanvas.reset(); }

QImage::Format TBitmap::WorkingFormat() const {
  return FPixelFormat == pf32bit ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

void TBitmap::ReleaseCanvas() const {
  if (FCanvas) FCanvas->Release();
}

void TBitmap::BeginPaint(QPainter& Painter) {
  if (FImage.format() != WorkingFormat()) FImage = FImage.convertToFormat(WorkingFormat());
  Painter.begin(&FImage);
}

const QImage& TBitmap::GetImage() const {
  ReleaseCanvas();
  return FImage;
}

void TBitmap::Clear() {
  ReleaseCanvas();
  FImage = QImage();
  FWidth = FHeight = 0;
  FEncoded.clear();
  FMasked = QImage();
}

void TBitmap::Changed() {
  FEncoded.clear();
  FMasked = QImage();
  TGraphic::Changed();
}

TCanvas* TBitmap::GetCanvas() {
  if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
  return FCanvas.get();
}

void TBitmap::SetSize(int Width, int Height) {
  Width = std::max(0, Width);
  Height = std::max(0, Height);
  if (Width == FWidth && Height == FHeight) return;
  imagecodec::CheckSize(Width, Height);
  ReleaseCanvas();
  QImage image;
  if (Width > 0 && Height > 0) {
    image = QImage(Width, Height, WorkingFormat());
    if (image.isNull()) throw EOutOfResources(msg::ImageTooLarge, Width, Height);
    image.fill(Qt::white);
    if (!FImage.isNull()) {
      QPainter p(&image);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(0, 0, FImage);
    }
  }
  FImage = image;
  FWidth = Width;
  FHeight = Height;
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (FPixelFormat == Value) return;
  ReleaseCanvas();
  FPixelFormat = Value;
  if (!FImage.isNull() && FImage.format() != WorkingFormat()) FImage = FImage.convertToFormat(WorkingFormat());
  Changed();
}

TColor TBitmap::GetTransparentColor() const {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (GetEmpty()) return clDefault;
  QRgb px = GetImage().pixel(0, FHeight - 1);
  return RGB(qRed(px), qGreen(px), qBlue(px));
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == FTransparentColor) return;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  FTransparentColor = Value;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  if (Value == tmAuto)
    SetTransparentColor(clDefault);
  else
    SetTransparentColor(GetTransparentColor());
}

void TBitmap::Draw(TCanvas& ACanvas, const TRect& Rect) {
  if (GetEmpty()) return;
  const QImage& image = GetImage();
  if (!FTransparent) {
    ACanvas.DrawImage(Rect, image);
    return;
  }
  TColor key = ColorToRGB(GetTransparentColor());
  if (FMasked.isNull() || FMaskedColor != key) {
    // Built once and kept until the bitmap changes.
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    QRgb k = qRgb(GetRValue(key), GetGValue(key), GetBValue(key)) & 0x00FFFFFFu;
    for (int y = 0; y < masked.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
      for (int x = 0; x < masked.width(); ++x)
        if ((line[x] & 0x00FFFFFFu) == k) line[x] = 0;
    }
    FMasked = masked;
    FMaskedColor = key;
  }
  ACanvas.DrawImage(Rect, FMasked);
}

void TBitmap::SetImage(const QImage& Image) {
  if (Image.isNull()) {
    bool wasEmpty = GetEmpty();
    Clear();
    if (!wasEmpty) Changed();
    return;
  }
  imagecodec::CheckSize(Image.width(), Image.height());
  ReleaseCanvas();
  if (Image.hasAlphaChannel()) FPixelFormat = pf32bit;
  FImage = Image.convertToFormat(WorkingFormat());
  FWidth = FImage.width();
  FHeight = FImage.height();
  Changed();
}

void TBitmap::Assign(TPersistent* Source) {
  if (!Source) {
    SetImage(QImage());
    return;
  }
  if (auto* src = dynamic_cast<TBitmap*>(Source)) {
    if (src == this) return;
    ReleaseCanvas();
    FImage = src->GetImage();
    FWidth = src->FWidth;
    FHeight = src->FHeight;
    FPixelFormat = src->FPixelFormat;
    FTransparent = src->FTransparent;
    FTransparentMode = src->FTransparentMode;
    FTransparentColor = src->FTransparentColor;
    FMasked = QImage();
    FEncoded = src->FEncoded;
    TGraphic::Changed();
    return;
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
    QImage image = graphic->ToImage();
    if (!image.isNull()) {
      SetImage(image);
      return;
    }
  }
  TPersistent::Assign(Source);
}

void TBitmap::LoadFromBytes(const QByteArray& Bytes) {
  if (Bytes.size() < 26 || Bytes[0] != 'B' || Bytes[1] != 'M') throw EInvalidGraphic(msg::InvalidBitmap);
  QImage decoded = imagecodec::Decode(Bytes, QStringLiteral("Bitmap"));
  uint32_t infoSize = ReadU32(Bytes.constData() + 14);
  int bits = infoSize == 12 ? ReadU16(Bytes.constData() + 24) : Bytes.size() >= 30 ? ReadU16(Bytes.constData() + 28) : 0;
  ReleaseCanvas();
  FPixelFormat = FormatOfBits(bits);
  FImage = decoded.convertToFormat(WorkingFormat());
  FWidth = FImage.width();
  FHeight = FImage.height();
  FMasked = QImage();
  FEncoded = Bytes;
  TGraphic::Changed();
}

void TBitmap::LoadFromStream(TStream& Stream) {
  int64_t available = Stream.Remaining();
  if (available < 14) throw EInvalidGraphic(msg::InvalidBitmap);
  QByteArray header(14, '\0');
  Stream.ReadBuffer(header.data(), 14);
  if (header[0] != 'B' || header[1] != 'M') throw EInvalidGraphic(msg::InvalidBitmap);
  // The header's file size says where the bitmap ends when the stream holds more after it.
  int64_t declared = ReadU32(header.constData() + 2);
  int64_t size = declared >= 26 && declared <= available ? declared : available;
  QByteArray bytes(static_cast<qsizetype>(size), '\0');
  std::memcpy(bytes.data(), header.constData(), 14);
  Stream.ReadBuffer(bytes.data() + 14, size - 14);
  LoadFromBytes(bytes);
}

QByteArray TBitmap::SaveToBytes() const {
  if (GetEmpty()) return {};
  if (!FEncoded.isEmpty()) return FEncoded;
  const QImage& image = GetImage();
  QImage out;
  switch (FPixelFormat) {
    case pf1bit:
      out = image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
      break;
    case pf4bit:
    case pf8bit:
      out = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
      break;
    default:
      out = image;
      break;
  }
  return imagecodec::Encode(out, "bmp", QStringLiteral("Bitmap"));
}

void TBitmap::SaveToStream(TStream& Stream) { Stream.WriteBuffer(SaveToBytes()); }

void TBitmap::ReadData(TStream& Stream) {
  char count[4];
  Stream.ReadBuffer(count, 4);
  int64_t size = ReadU32(count);
  if (size == 0) {
    SetImage(QImage());
    return;
  }
  if (size > Stream.Remaining()) throw EInvalidGraphic(msg::InvalidBitmap);
  QByteArray bytes(static_cast<qsizetype>(size), '\0');
  Stream.ReadBuffer(bytes.data(), size);
  if (!bytes.startsWith("BM")) bytes = WithFileHeader(bytes);
  LoadFromBytes(bytes);
}

void TBitmap::WriteData(TStream& Stream) {
  QByteArray bytes = SaveToBytes();
  char count[4];
  PutU32(count, static_cast<uint32_t>(bytes.size()));
  Stream.WriteBuffer(count, 4);
  Stream.WriteBuffer(bytes);
}

}  // namespace tarnwick
