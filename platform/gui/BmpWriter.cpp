#include "platform/gui/BmpWriter.h"

#include <limits>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

namespace tarnwick {

namespace {

constexpr uint32_t FileHeaderBytes = 14;
constexpr uint32_t InfoHeaderBytes = 40;

void PutLittleEndian(uint8_t* At, uint32_t Value, int Bytes) {
  for (int I = 0; I < Bytes; ++I) At[I] = static_cast<uint8_t>(Value >> (8 * I));
}

// Rows are padded to a multiple of four bytes.
uint64_t RowBytes(int Width, bool WithAlpha) {
  return (static_cast<uint64_t>(Width) * (WithAlpha ? 4 : 3) + 3) / 4 * 4;
}

}  // namespace

TBmpWriter::TBmpWriter(TStream& Stream, int Width, int Height, bool WithAlpha)
    : FStream(Stream), FWidth(Width), FHeight(Height), FWithAlpha(WithAlpha) {
  if (Width < 1 || Height < 1)
    throw Exception("Cannot write a BMP image of %d x %d pixels.", Width, Height);
  const uint64_t ImageBytes = RowBytes(Width, WithAlpha) * static_cast<uint64_t>(Height);
  const uint64_t FileBytes = FileHeaderBytes + InfoHeaderBytes + ImageBytes;
  // The sizes are 32-bit fields; a larger file would carry a wrapped, lying size.
  if (FileBytes > std::numeric_limits<uint32_t>::max())
    throw Exception("The image is too large for a BMP file (%d x %d pixels).", Width, Height);
  FPixels.resize(static_cast<size_t>(Width));
  FRow.resize(RowBytes(Width, WithAlpha), 0);

  uint8_t Header[FileHeaderBytes + InfoHeaderBytes] = {};
  Header[0] = 'B';
  Header[1] = 'M';
  PutLittleEndian(Header + 2, static_cast<uint32_t>(FileBytes), 4);
  PutLittleEndian(Header + 10, FileHeaderBytes + InfoHeaderBytes, 4);  // pixel data offset
  uint8_t* Info = Header + FileHeaderBytes;
  PutLittleEndian(Info, InfoHeaderBytes, 4);
  PutLittleEndian(Info + 4, static_cast<uint32_t>(Width), 4);
  PutLittleEndian(Info + 8, static_cast<uint32_t>(Height), 4);  // positive: bottom-up
  PutLittleEndian(Info + 12, 1, 2);                              // planes
  PutLittleEndian(Info + 14, WithAlpha ? 32 : 24, 2);
  // Compression 0 (none); the image size; 2835 pixels a metre is 72 dpi.
  PutLittleEndian(Info + 20, static_cast<uint32_t>(ImageBytes), 4);
  PutLittleEndian(Info + 24, 2835, 4);
  PutLittleEndian(Info + 28, 2835, 4);
  FStream.WriteBuffer(Header, sizeof Header);
}

void TBmpWriter::WriteRows(const QImage& Band) {
  if (FFinished) throw EInvalidOperation("The BMP image is already finished.");
  if (Band.width() != FWidth)
    throw Exception("A band %d pixels wide cannot go into a BMP image %d pixels wide.",
                    Band.width(), FWidth);
  if (Band.height() > FHeight - FRows) {
    FRows = FHeight + 1;  // so Finish reports the image as incomplete as well
    throw Exception("More rows than the BMP image's height of %d.", FHeight);
  }
  // The file runs bottom-up, so the band's bottom row comes first.
  for (int Y = Band.height() - 1; Y >= 0; --Y) {
    ReadStraightRow(Band, Y, FPixels.data());
    uint8_t* Out = FRow.data();
    for (const QRgb P : FPixels) {
      *Out++ = static_cast<uint8_t>(qBlue(P));
      *Out++ = static_cast<uint8_t>(qGreen(P));
      *Out++ = static_cast<uint8_t>(qRed(P));
      if (FWithAlpha) *Out++ = static_cast<uint8_t>(qAlpha(P));
    }
    FStream.WriteBuffer(FRow.data(), static_cast<int64_t>(FRow.size()));
    ++FRows;
  }
}

void TBmpWriter::Finish() {
  if (FFinished) throw EInvalidOperation("The BMP image is already finished.");
  if (FRows != FHeight)
    throw Exception("The BMP image received %d rows instead of %d.", FRows, FHeight);
  FFinished = true;
}

}  // namespace tarnwick
