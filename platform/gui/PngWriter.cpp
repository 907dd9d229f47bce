#include "platform/gui/PngWriter.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <thread>
#include <utility>

#include "platform/core/Stream.h"
#include "platform/gui/ParallelDeflate.h"

namespace tarnwick {

namespace {

const uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

enum : uint8_t { FilterNone = 0, FilterSub = 1, FilterUp = 2 };

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

// 0xAARRGGBB values to R, G, B bytes; answers whether every pixel was opaque.
bool ToRgbBytes(const QRgb* Pixels, int Count, uint8_t* Out) {
  uint32_t All = 0xFFFFFFFFu;
  for (int I = 0; I < Count; ++I, Out += 3) {
    const uint32_t P = Pixels[I];
    All &= P;
    Out[0] = static_cast<uint8_t>(P >> 16);
    Out[1] = static_cast<uint8_t>(P >> 8);
    Out[2] = static_cast<uint8_t>(P);
  }
  return (All >> 24) == 0xFF;
}

// Out = A - B byte by byte (modulo 256), eight bytes at a time, and answers how many of
// the differences are not zero, the measure that picks a row's filter. Filtering is the
// encoder's hottest loop after deflate itself.
size_t SubtractBytes(const uint8_t* A, const uint8_t* B, uint8_t* Out, size_t Count) {
  constexpr uint64_t High = 0x8080808080808080ull;
  constexpr uint64_t Low = 0x7F7F7F7F7F7F7F7Full;
  size_t NonZero = 0;
  size_t I = 0;
  for (; I + 8 <= Count; I += 8) {
    uint64_t X, Y;
    std::memcpy(&X, A + I, 8);
    std::memcpy(&Y, B + I, 8);
    // Subtract the low seven bits of each byte without borrows crossing bytes, then fix
    // each top bit.
    const uint64_t D = ((X | High) - (Y & ~High)) ^ ((X ^ ~Y) & High);
    std::memcpy(Out + I, &D, 8);
    // A byte's top bit ends up set exactly when the byte is not zero; the multiplication
    // adds those eight bits up in the top byte (no popcount instruction in the baseline).
    const uint64_t Set = ((((D & Low) + Low) | D) & High) >> 7;
    NonZero += static_cast<size_t>((Set * 0x0101010101010101ull) >> 56);
  }
  for (; I < Count; ++I) {
    Out[I] = static_cast<uint8_t>(A[I] - B[I]);
    NonZero += Out[I] != 0;
  }
  return NonZero;
}

// One piece per core, at most four: more would only cut the data finer.
int DeflateThreads() { return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u)); }

}  // namespace

TPngWriter::TPngWriter(TStream& Stream, int Width, int Height, int Level, bool Opaque)
    : FStream(Stream), FWidth(Width), FHeight(Height), FOpaque(Opaque) {
  // A row (filter byte included) must fit zlib's and QImage's int-sized counts.
  if (Width < 1 || Height < 1 || Width > (std::numeric_limits<int>::max() - 1) / 4)
    throw Exception("Cannot write a PNG image of %d x %d pixels.", Width, Height);
  FDeflate = std::make_unique<TParallelDeflate>(Level, DeflateThreads());

  FRowBytes = static_cast<size_t>(Width) * (Opaque ? 3 : 4);
  FFilters.resize(static_cast<size_t>(DeflateThreads()));
  FPrevious.assign(FRowBytes, 0);

  FStream.WriteBuffer(Signature, sizeof Signature);
  uint8_t Header[13];
  PutBigEndian(Header, static_cast<uint32_t>(Width));
  PutBigEndian(Header + 4, static_cast<uint32_t>(Height));
  Header[8] = 8;                // bits per sample
  Header[9] = Opaque ? 2 : 6;   // colour type: RGB or RGBA
  Header[10] = 0;               // deflate
  Header[11] = 0;               // adaptive filtering (each row names its filter)
  Header[12] = 0;               // not interlaced
  WriteChunk("IHDR", Header, sizeof Header);
}

TPngWriter::~TPngWriter() = default;

void TPngWriter::WriteRows(const QImage& Band) {
  if (FFinished) throw EInvalidOperation("The PNG image is already finished.");
  if (Band.width() != FWidth)
    throw Exception("A band %d pixels wide cannot go into a PNG image %d pixels wide.",
                    Band.width(), FWidth);
  if (Band.height() > FHeight - FRows) {
    FRows = FHeight + 1;  // so Finish reports the image as incomplete as well
    throw Exception("More rows than the PNG image's height of %d.", FHeight);
  }
  const size_t Stride = FRowBytes + 1;
  FFiltered.resize(Stride * static_cast<size_t>(Band.height()));
  // Each thread filters the rows it then compresses.
  const auto Prepare = [&](size_t From, size_t To, size_t Piece) {
    return FilterRows(Band, static_cast<int>(From / Stride), static_cast<int>(To / Stride), FFilters[Piece]);
  };
  try {
    FDeflate->Add(FFiltered.data(), FFiltered.size(), Stride, Prepare, FOut);
  } catch (const EPngNotOpaque&) {
    FRows = FHeight + 1;
    throw;
  }
  // The band's last row is the one above the next band's first.
  if (Band.height() > 0) ReadRow(Band, Band.height() - 1, FFilters[0], FPrevious);
  FRows += Band.height();
  WriteFullChunks();
}

bool TPngWriter::ReadRow(const QImage& Band, int Y, TRowFilter& Filter, std::vector<uint8_t>& Samples) const {
  Filter.Pixels.resize(static_cast<size_t>(FWidth));
  Samples.resize(FRowBytes);
  ReadStraightRow(Band, Y, Filter.Pixels.data());
  if (!FOpaque) {
    ToRgbaBytes(Filter.Pixels.data(), FWidth, Samples.data());
    return true;
  }
  return ToRgbBytes(Filter.Pixels.data(), FWidth, Samples.data());
}

uint32_t TPngWriter::FilterRows(const QImage& Band, int From, int To, TRowFilter& Filter) {
  const size_t Stride = FRowBytes + 1;
  const uint8_t* Above = FPrevious.data();
  if (From > 0) {
    // Whether that row is opaque is the business of the piece that holds it.
    ReadRow(Band, From - 1, Filter, Filter.Previous);
    Above = Filter.Previous.data();
  }
  Filter.Sub.resize(FRowBytes);
  // A row whose pixels repeat the row above in the band's own memory is the row above
  // again: it is neither read nor compared sample by sample. Most rows of a drawing are.
  const size_t RawBytes = (static_cast<size_t>(Band.width()) * static_cast<size_t>(Band.depth()) + 7) / 8;
  uint32_t Adler = 1;
  for (int Y = From; Y < To; ++Y) {
    uint8_t* Out = FFiltered.data() + Stride * static_cast<size_t>(Y);
    bool Zeros = true;
    if (Y > 0 && std::memcmp(Band.constScanLine(Y), Band.constScanLine(Y - 1), RawBytes) == 0) {
      Out[0] = FilterUp;
      std::memset(Out + 1, 0, FRowBytes);
    } else {
      if (!ReadRow(Band, Y, Filter, Filter.Row)) throw EPngNotOpaque("Row %d of the image is not opaque.", FRows + Y);
      Zeros = FilterRow(Filter.Row.data(), Above, Filter.Sub, Out);
      std::swap(Filter.Row, Filter.Previous);
      Above = Filter.Previous.data();
    }
    Adler = Zeros ? TParallelDeflate::AdlerOfZeros(static_cast<uint32_t>(adler32(Adler, Out, 1)), FRowBytes)
                  : static_cast<uint32_t>(adler32_z(Adler, Out, Stride));
  }
  return Adler;
}

bool TPngWriter::FilterRow(const uint8_t* Row, const uint8_t* Above, std::vector<uint8_t>& Sub, uint8_t* Out) const {
  const size_t N = FRowBytes;
  const size_t Step = FOpaque ? 3 : 4;  // bytes a pixel: Sub subtracts the pixel to the left
  if (std::memcmp(Row, Above, N) == 0) {
    Out[0] = FilterUp;
    std::memset(Out + 1, 0, N);
    return true;
  }
  if (std::memcmp(Row, Row + Step, N - Step) == 0) {
    Out[0] = FilterNone;
    std::memcpy(Out + 1, Row, N);
    return false;
  }
  const size_t Up = SubtractBytes(Row, Above, Out + 1, N);
  std::memcpy(Sub.data(), Row, Step);
  const size_t SubCount = Step + SubtractBytes(Row + Step, Row, Sub.data() + Step, N - Step);
  if (SubCount < Up) {
    Out[0] = FilterSub;
    std::memcpy(Out + 1, Sub.data(), N);
  } else {
    Out[0] = FilterUp;
  }
  return false;
}

void TPngWriter::Finish() {
  if (FFinished) throw EInvalidOperation("The PNG image is already finished.");
  if (FRows != FHeight)
    throw Exception("The PNG image received %d rows instead of %d.", FRows, FHeight);
  FDeflate->Finish(FOut);
  WriteFullChunks();
  if (!FOut.empty()) WriteChunk("IDAT", FOut.data(), static_cast<uint32_t>(FOut.size()));
  FOut.clear();
  WriteChunk("IEND", nullptr, 0);
  FFinished = true;
}

// Sends the compressed data out in chunks of ChunkBytes and keeps the rest for later, so
// chunks stay bounded and the data waiting stays below one band's worth.
void TPngWriter::WriteFullChunks() {
  size_t At = 0;
  for (; FOut.size() - At >= size_t(ChunkBytes); At += ChunkBytes) WriteChunk("IDAT", FOut.data() + At, ChunkBytes);
  FOut.erase(FOut.begin(), FOut.begin() + static_cast<std::ptrdiff_t>(At));
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
