#include "platform/gui/MetafileDib.h"

#include <QPainter>
#include <cstdlib>

#include "platform/gui/ImageCodec.h"

namespace tarnwick::metafile {

namespace {

constexpr uint32_t BI_RGB = 0, BI_BITFIELDS = 3;

// The shift and width of a colour mask, for bit-field pixels.
struct TMask {
  uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;
  explicit TMask(uint32_t M) : Mask(M) {
    if (!M) return;
    while (!((M >> Shift) & 1)) ++Shift;
    while (Bits < 32 - Shift && ((M >> (Shift + Bits)) & 1)) ++Bits;
  }
  int Value(uint32_t Pixel) const {
    if (!Bits) return 0;
    const uint32_t v = (Pixel & Mask) >> Shift;
    const uint32_t max = Bits >= 32 ? 0xFFFFFFFFu : ((1u << Bits) - 1);
    return static_cast<int>((static_cast<uint64_t>(v) * 255 + max / 2) / max);
  }
};

}  // namespace

QImage DecodeDib(const TByteView& AInfo, const TByteView& ABits, bool AKeepAlpha) {
  const uint32_t headerSize = AInfo.U32(0);
  int64_t width, height;
  int bitCount;
  uint32_t compression = BI_RGB, colorsUsed = 0;
  int paletteEntrySize = 4;
  if (headerSize == 12) {  // the old core header
    width = AInfo.U16(4);
    height = AInfo.I16(6);
    bitCount = AInfo.U16(10);
    paletteEntrySize = 3;
  } else if (headerSize >= 40) {
    width = AInfo.I32(4);
    height = AInfo.I32(8);
    bitCount = AInfo.U16(14);
    compression = AInfo.U32(16);
    colorsUsed = AInfo.U32(32);
  } else {
    return {};
  }
  if (AInfo.Failed()) return {};
  const bool topDown = height < 0;
  height = std::llabs(height);
  if (width <= 0 || height <= 0 || !imagecodec::SizeAllowed(width, height)) return {};
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) return {};
  if (compression != BI_RGB && !(compression == BI_BITFIELDS && (bitCount == 16 || bitCount == 32))) return {};
  const int64_t stride = ((width * bitCount + 31) / 32) * 4;
  // Every row must be there before anything is allocated: the size cannot outgrow the data.
  if (stride * height > ABits.Size()) return {};

  QVector<QRgb> palette;
  if (bitCount <= 8) {
    int64_t n = colorsUsed ? colorsUsed : (int64_t{1} << bitCount);
    n = std::min<int64_t>(n, 256);
    palette.resize(static_cast<int>(n));
    for (int i = 0; i < n; ++i) {
      const int64_t at = headerSize + int64_t{i} * paletteEntrySize;
      palette[i] = qRgb(AInfo.U8(at + 2), AInfo.U8(at + 1), AInfo.U8(at));
    }
  }
  uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (bitCount == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  if (compression == BI_BITFIELDS)
    for (int i = 0; i < 3; ++i) masks[i] = AInfo.U32(headerSize + 4 * i);
  const TMask red(masks[0]), green(masks[1]), blue(masks[2]);
  const bool plain32 = bitCount == 32 && compression == BI_RGB;

  QImage image(static_cast<int>(width), static_cast<int>(height),
               AKeepAlpha && plain32 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  if (image.isNull()) return {};
  const uint8_t* bits = ABits.Data();
  for (int64_t y = 0; y < height; ++y) {
    const uint8_t* row = bits + (topDown ? y : height - 1 - y) * stride;
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
    for (int64_t x = 0; x < width; ++x) {
      QRgb c = 0;
      switch (bitCount) {
        case 1:
        case 4:
        case 8: {
          const int64_t bit = x * bitCount;
          const int index = (row[bit / 8] >> (8 - bitCount - bit % 8)) & ((1 << bitCount) - 1);
          c = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
          break;
        }
        case 16: {
          const uint32_t p = row[2 * x] | (row[2 * x + 1] << 8);
          c = qRgb(red.Value(p), green.Value(p), blue.Value(p));
          break;
        }
        case 24:
          c = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
          break;
        default: {
          const uint8_t* p4 = row + 4 * x;
          if (plain32) {
            c = qRgba(p4[2], p4[1], p4[0], AKeepAlpha ? p4[3] : 255);
            // Premultiplied colour may not exceed its alpha; damaged files are clamped.
            if (AKeepAlpha)
              c = qRgba(std::min(qRed(c), qAlpha(c)), std::min(qGreen(c), qAlpha(c)), std::min(qBlue(c), qAlpha(c)),
                        qAlpha(c));
          } else {
            const uint32_t p = p4[0] | (p4[1] << 8) | (p4[2] << 16) | (static_cast<uint32_t>(p4[3]) << 24);
            c = qRgb(red.Value(p), green.Value(p), blue.Value(p));
          }
        }
      }
      out[x] = c;
    }
  }
  return image;
}

TDibParts EncodeDib(const QImage& AImage, bool APremultiplied, int ABitCount) {
  const bool packed = ABitCount == 24 && !APremultiplied;
  QImage image;
  if (APremultiplied) {
    image = AImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  } else {
    image = QImage(AImage.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawImage(0, 0, AImage);
  }
  const int w = image.width(), h = image.height();
  const int stride = packed ? ((w * 3 + 3) / 4) * 4 : w * 4;
  TByteWriter info;
  info.U32(40);
  info.I32(w);
  info.I32(h);  // bottom-up rows: the orientation every reader takes
  info.U16(1);
  info.U16(packed ? 24 : 32);
  info.U32(BI_RGB);
  info.U32(static_cast<uint32_t>(stride * h));
  info.I32(3780);  // 96 pixels per inch
  info.I32(3780);
  info.U32(0);
  info.U32(0);
  QByteArray bits(static_cast<qsizetype>(stride) * h, '\0');
  for (int y = 0; y < h; ++y) {
    // Written byte by byte (blue, green, red, alpha) so it does not depend on the
    // machine's byte order.
    const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(h - 1 - y));
    char* out = bits.data() + static_cast<qsizetype>(y) * stride;
    for (int x = 0; x < w; ++x) {
      if (packed) {
        out[3 * x] = static_cast<char>(qBlue(in[x]));
        out[3 * x + 1] = static_cast<char>(qGreen(in[x]));
        out[3 * x + 2] = static_cast<char>(qRed(in[x]));
        continue;
      }
      out[4 * x] = static_cast<char>(qBlue(in[x]));
      out[4 * x + 1] = static_cast<char>(qGreen(in[x]));
      out[4 * x + 2] = static_cast<char>(qRed(in[x]));
      out[4 * x + 3] = static_cast<char>(APremultiplied ? qAlpha(in[x]) : 0);
    }
  }
  return {info.Bytes(), bits};
}

}  // namespace tarnwick::metafile
