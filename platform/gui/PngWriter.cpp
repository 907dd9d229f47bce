#include "platform/gui/PngWriter.h"

#include <zlib.h>

#include <bit>
#include <cstring>
#include <utility>
#include <limits>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

namespace tarnwick {

namespace {

const uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

void PutBigEndian(uint8_t* At, uint32_t Value) {
  At[0] = static_cast<uint8_t>(Value >> 24);
  At[1] = static_cast<uint8_t>(Value >> 16);
  At[2] = static_cast<uint8_t>(Value >> 8);
  At[3] = static_cast<uint8_t>(Value);
}

// 0xAARRGGBB values to the file's R, G, B, A byte order.
void ToRgbaBytes(const QRgb* Pixels, int Count, uint8_t* Out) {
  for (int I = 0; I < Count; ++I, Out += 4) {
    const uint32_t P = Pixels[I];
    uint32_t Word;
    if constexpr (std::endian::native == std::endian::little)
      Word = (P & 0xFF00FF00u) | ((P >> 16) & 0xFFu) | ((P & 0xFFu) << 16);
    else
      Word = (P << 8) | (P >> 24);
    std::memcpy(Out, &Word, 4);
  }
}

// Out = A - B byte by byte (modulo 256), eight bytes at a time: the "Up" filter is the
// encoder's hottest loop after deflate itself.
void SubtractBytes(const uint8_t* A, const uint8_t* B, uint8_t* Out, size_t Count) {
  constexpr uint64_t High = 0x8080808080808080ull;
  size_t I = 0;
  for (; I + 8 <= Count; I += 8) {
    uint64_t X, Y;
    std::memcpy(&X, A + I, 8);
    std::memcpy(&Y, B + I, 8);
    // Subtract the low seven bits of each byte without borrows crossing bytes, then fix
    // each top bit.
    const uint64_t D = ((X | High) - (Y & ~High)) ^ ((X ^ ~Y) & High);
    std::memcpy(Out + I, &D, 8);
  }
  for (; I < Count; ++I) Out[I] = static_cast<uint8_t>(A[I] - B[I]);
}

}  // namespace

TPngWriter::TPngWriter(TStream& Stream, int Width, int Height, int Level)
    : FStream(Stream), FWidth(Width), FHeight(Height) {
  // A row (filter byte included) must fit zlib's and QImage's int-sized counts.
  if (Width < 1 || Height < 1 || Width > (std::numeric_limits<int>::max() - 1) / 4)
    throw Exception("Cannot write a PNG image of %d x %d pixels.", Width, Height);
  if (Level < 0 || Level > 9) throw Exception("Invalid PNG compression level %d.", Level);

  const size_t RowBytes = static_cast<size_t>(Width) * 4;
  FPixels.resize(static_cast<size_t>(Width));
  FRow.resize(RowBytes);
  FPrevious.assign(RowBytes, 0);
  FFiltered.resize(RowBytes + 1);
  FFiltered[0] = 2;  // "Up"
  FOut.resize(ChunkBytes);

  FZ = new z_stream{};
  if (deflateInit(FZ, Level) != Z_OK) {
    delete FZ;
    FZ = nullptr;
    throw EOutOfResources("Cannot start the PNG compressor.");
  }
  FZ->next_out = FOut.data();
  FZ->avail_out = ChunkBytes;

  FStream.WriteBuffer(Signature, sizeof Signature);
  uint8_t Header[13];
  PutBigEndian(Header, static_cast<uint32_t>(Width));
  PutBigEndian(Header + 4, static_cast<uint32_t>(Height));
  Header[8] = 8;   // bits per sample
  Header[9] = 6;   // colour type: RGBA
  Header[10] = 0;  // deflate
  Header[11] = 0;  // adaptive filtering (each row names its filter)
  Header[12] = 0;  // not interlaced
  WriteChunk("IHDR", Header, sizeof Header);
}

TPngWriter::~TPngWriter() {
  if (FZ) {
    deflateEnd(FZ);
    delete FZ;
  }
}

void TPngWriter::WriteRows(const QImage& Band) {
  if (FFinished) throw EInvalidOperation("The PNG image is already finished.");
  if (Band.width() != FWidth)
    throw Exception("A band %d pixels wide cannot go into a PNG image %d pixels wide.",
                    Band.width(), FWidth);
  if (Band.height() > FHeight - FRows) {
    FRows = FHeight + 1;  // so Finish reports the image as incomplete as well
    throw Exception("More rows than the PNG image's height of %d.", FHeight);
  }
  for (int Y = 0; Y < Band.height(); ++Y) {
    ReadStraightRow(Band, Y, FPixels.data());
    ToRgbaBytes(FPixels.data(), FWidth, FRow.data());
    SubtractBytes(FRow.data(), FPrevious.data(), FFiltered.data() + 1, FRow.size());
    std::swap(FRow, FPrevious);
    FZ->next_in = FFiltered.data();
    FZ->avail_in = static_cast<uInt>(FFiltered.size());
    Deflate(Z_NO_FLUSH);
    ++FRows;
  }
}

void TPngWriter::Finish() {
  if (FFinished) throw EInvalidOperation("The PNG image is already finished.");
  if (FRows != FHeight)
    throw Exception("The PNG image received %d rows instead of %d.", FRows, FHeight);
  Deflate(Z_FINISH);
  if (FZ->avail_out < ChunkBytes) WriteChunk("IDAT", FOut.data(), ChunkBytes - FZ->avail_out);
  WriteChunk("IEND", nullptr, 0);
  FFinished = true;
}

// Runs the compressor over the pending input; every time the output buffer fills it goes
// out as one IDAT chunk, so chunks stay at ChunkBytes and memory stays bounded.
void TPngWriter::Deflate(int Flush) {
  for (;;) {
    const int Result = deflate(FZ, Flush);
    if (Result == Z_STREAM_ERROR) throw Exception("The PNG compressor failed.");
    if (FZ->avail_out == 0) {
      WriteChunk("IDAT", FOut.data(), ChunkBytes);
      FZ->next_out = FOut.data();
      FZ->avail_out = ChunkBytes;
      continue;
    }
    // Output room is left, so deflate has taken all the input it can for now.
    if (Flush == Z_FINISH ? Result == Z_STREAM_END : FZ->avail_in == 0) return;
  }
}

void TPngWriter::WriteChunk(const char* Type, const uint8_t* Data, uint32_t Size) {
  uint8_t Head[8];
  PutBigEndian(Head, Size);
  std::memcpy(Head + 4, Type, 4);
  uLong Crc = crc32(0, Head + 4, 4);
  if (Size) Crc = crc32(Crc, Data, Size);
  uint8_t Tail[4];
  PutBigEndian(Tail, static_cast<uint32_t>(Crc));
  FStream.WriteBuffer(Head, sizeof Head);
  if (Size) FStream.WriteBuffer(Data, Size);
  FStream.WriteBuffer(Tail, sizeof Tail);
}

}  // namespace tarnwick
