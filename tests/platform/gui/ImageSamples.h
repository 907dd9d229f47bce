#pragma once
// Image files made on the spot for the picture tests: a small picture encoded by Qt's
// writers, and a hand-made GIF (Qt cannot write GIF).
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <cstdint>

namespace tarnwick::testing_images {

inline QImage Pattern(int W = 7, int H = 5) {
  QImage image(W, H, QImage::Format_RGB32);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) image.setPixel(x, y, qRgb(x * 30, y * 40, 200 - x * 10));
  return image;
}

inline QByteArray Encode(const QImage& image, const char* format) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, format).write(image);
  return out;
}

// A 1 x 1 GIF.
inline QByteArray Gif() {
  static const unsigned char bytes[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                                        0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04,
                                        0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01,
                                        0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
  return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

inline void PutU32(QByteArray& b, int at, uint32_t v, bool bigEndian = false) {
  for (int i = 0; i < 4; ++i)
    b[at + i] = static_cast<char>((v >> (8 * (bigEndian ? 3 - i : i))) & 0xFF);
}

inline uint32_t Crc32(const QByteArray& data) {
  uint32_t crc = 0xFFFFFFFFu;
  for (char ch : data) {
    crc ^= static_cast<unsigned char>(ch);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// A PNG whose header declares Width x Height pixels, with no image data after it.
inline QByteArray PngHeaderOnly(uint32_t Width, uint32_t Height) {
  QByteArray ihdr("IHDR");
  ihdr.append(QByteArray(13, '\0'));
  PutU32(ihdr, 4, Width, true);
  PutU32(ihdr, 8, Height, true);
  ihdr[12] = 8;  // bit depth
  ihdr[13] = 2;  // true colour
  QByteArray out("\x89PNG\r\n\x1a\n", 8);
  QByteArray length(4, '\0');
  PutU32(length, 0, 13, true);
  QByteArray crc(4, '\0');
  PutU32(crc, 0, Crc32(ihdr), true);
  return out + length + ihdr + crc;
}

// A BMP file header and info header declaring Width x Height pixels of 24 bits, no pixels.
inline QByteArray BmpHeaderOnly(uint32_t Width, uint32_t Height) {
  QByteArray b(54, '\0');
  b[0] = 'B';
  b[1] = 'M';
  PutU32(b, 2, 54);
  PutU32(b, 10, 54);
  PutU32(b, 14, 40);
  PutU32(b, 18, Width);
  PutU32(b, 22, Height);
  b[26] = 1;
  b[28] = 24;
  return b;
}

// The 88-byte header record of an enhanced metafile whose frame is the given size in
// hundredths of a millimetre, followed by an end-of-file record.
inline QByteArray EmfHeader(int FrameWidth, int FrameHeight) {
  QByteArray b(108, '\0');
  PutU32(b, 0, 1);
  PutU32(b, 4, 88);
  PutU32(b, 32, static_cast<uint32_t>(FrameWidth));
  PutU32(b, 36, static_cast<uint32_t>(FrameHeight));
  b[40] = ' ';
  b[41] = 'E';
  b[42] = 'M';
  b[43] = 'F';
  PutU32(b, 44, 0x10000);
  PutU32(b, 48, 108);
  PutU32(b, 52, 2);
  PutU32(b, 88, 14);  // EMR_EOF
  PutU32(b, 92, 20);
  return b;
}

}  // namespace tarnwick::testing_images
