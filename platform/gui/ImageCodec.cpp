#include "platform/gui/ImageCodec.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <utility>

#include "platform/core/Exception.h"
#include "platform/gui/GuiConsts.h"
#include "platform/gui/MetafilePlayer.h"

namespace tarnwick::imagecodec {

namespace {

bool StartsWith(const QByteArray& b, const char* sig, int len, int at = 0) {
  return b.size() >= at + len && std::memcmp(b.constData() + at, sig, static_cast<size_t>(len)) == 0;
}

std::atomic<int64_t> ByteCap{MaxImageBytes};

// Qt refuses to allocate decoded images above this many megabytes; it follows our cap so
// both checks agree.
void SetQtAllocationLimit(int64_t Bytes) {
  QImageReader::setAllocationLimit(static_cast<int>(std::max<int64_t>(Bytes / (1024 * 1024), 1)));
}

void EnsureAllocationLimit() {
  static const bool once = [] {
    SetQtAllocationLimit(ByteCap.load());
    return true;
  }();
  (void)once;
}

uint32_t LE32(const QByteArray& b, int at) {
  auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint32_t BE32(const QByteArray& b, int at) {
  auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
  return (static_cast<uint32_t>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

uint16_t LE16(const QByteArray& b, int at) {
  auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

// The size the header of a BMP, PNG or GIF declares, read without any decoder (the
// readers of some formats need more than the header to report it); -1 x -1 when unknown.
std::pair<int64_t, int64_t> DeclaredSize(const QByteArray& b, const QByteArray& format) {
  if (format == "png" && b.size() >= 24) return {BE32(b, 16), BE32(b, 20)};
  if (format == "gif" && b.size() >= 10) return {LE16(b, 6), LE16(b, 8)};
  if (format == "bmp" && b.size() >= 26) {
    if (LE32(b, 14) == 12) return {LE16(b, 18), LE16(b, 20)};
    int64_t h = static_cast<int32_t>(LE32(b, 22));  // negative for top-down rows
    return {static_cast<int32_t>(LE32(b, 18)), h < 0 ? -h : h};
  }
  return {-1, -1};
}

}  // namespace

QByteArray SniffFormat(const QByteArray& b) {
  if (StartsWith(b, "\x89PNG\r\n\x1a\n", 8)) return "png";
  if (StartsWith(b, "\xFF\xD8\xFF", 3)) return "jpeg";
  if (StartsWith(b, "GIF87a", 6) || StartsWith(b, "GIF89a", 6)) return "gif";
  if (StartsWith(b, "II*\0", 4) || StartsWith(b, "MM\0*", 4)) return "tiff";
  if (StartsWith(b, "BM", 2)) return "bmp";
  if (StartsWith(b, "\x01\0\0\0", 4) && StartsWith(b, " EMF", 4, 40)) return "emf";
  if (StartsWith(b, "\xD7\xCD\xC6\x9A", 4) || StartsWith(b, "\x01\0\x09\0", 4) || StartsWith(b, "\x02\0\x09\0", 4))
    return "wmf";
  return {};
}

int64_t ImageByteCap() { return ByteCap.load(); }

int64_t SetImageByteCap(int64_t Bytes) {
  Bytes = std::clamp<int64_t>(Bytes, 1, MaxImageBytes);
  EnsureAllocationLimit();
  SetQtAllocationLimit(Bytes);
  return ByteCap.exchange(Bytes);
}

bool SizeAllowed(int64_t Width, int64_t Height) {
  return Width >= 0 && Height >= 0 && Width <= MaxImageSide && Height <= MaxImageSide &&
         Width * Height * 4 <= ByteCap.load();
}

void CheckSize(int64_t Width, int64_t Height) {
  if (!SizeAllowed(Width, Height)) throw EOutOfResources(msg::ImageTooLarge, Width, Height);
}

QImage Decode(const QByteArray& Bytes, const QString& FormatName) {
  if (Bytes.isEmpty()) throw EInvalidGraphic(msg::InvalidImage, FormatName, msg::NoImageData);
  const QByteArray format = SniffFormat(Bytes);
  if (format == "emf" || format == "wmf") {
    // Qt reads no metafiles: they are played into pixels at their nominal size, for the
    // drawing engines that keep decoded images.
    metafile::TMetafileInfo info;
    if (!metafile::ReadInfo(Bytes, info))
      throw EInvalidGraphic(msg::InvalidImage, FormatName, QStringLiteral("damaged metafile header"));
    const QSize size = metafile::NominalSize(info);
    if (!SizeAllowed(size.width(), size.height()))
      throw EInvalidGraphic(msg::ImageTooLarge, size.width(), size.height());
    const QImage image = metafile::Render(Bytes, size);
    if (image.isNull())
      throw EInvalidGraphic(msg::InvalidImage, FormatName, QStringLiteral("the metafile has no size"));
    return image;
  }
  auto [w, h] = DeclaredSize(Bytes, SniffFormat(Bytes));
  if (w >= 0 && h >= 0 && !SizeAllowed(w, h)) throw EInvalidGraphic(msg::ImageTooLarge, w, h);
  EnsureAllocationLimit();
  QByteArray data = Bytes;  // shared, not copied: the buffer only reads
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  // Only the image itself: no orientation tricks or colour conversions of the reader.
  reader.setAutoTransform(false);
  QSize declared = reader.size();
  if (declared.isValid() && !SizeAllowed(declared.width(), declared.height()))
    throw EInvalidGraphic(msg::ImageTooLarge, declared.width(), declared.height());
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    QString why = reader.errorString();
    if (why.isEmpty()) why = QStringLiteral("the data cannot be decoded");
    throw EInvalidGraphic(msg::InvalidImage, FormatName, why);
  }
  return image;
}

QByteArray Encode(const QImage& Image, const char* QtFormat, const QString& FormatName) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, QtFormat);
  if (Image.isNull() || !writer.write(Image)) throw EInvalidGraphic(msg::CannotEncode, FormatName);
  return out;
}

}  // namespace tarnwick::imagecodec
