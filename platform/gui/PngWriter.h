#pragma once
// Writes a PNG (8 bits a sample, not interlaced) to a stream as the rows arrive, so the
// whole image never has to be in memory. Opaque images go out as RGB, others as RGBA. Each
// row names its filter: Up when it repeats the row above, None when it is one colour, and
// otherwise Up or Sub, whichever leaves fewer non-zero bytes; drawings are mostly such rows.
// Every band is compressed in pieces on several threads (see ParallelDeflate.h) into one
// zlib stream, which goes out in IDAT chunks of bounded size.
#include <QImage>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/Exception.h"
#include "platform/gui/BandedExport.h"

namespace tarnwick {

class TStream;
class TParallelDeflate;

// Raised by a writer made for an opaque image when a row holds a pixel that is not opaque.
// The caller starts again with an RGBA writer.
class EPngNotOpaque : public Exception {
 public:
  using Exception::Exception;
};

class TPngWriter : public TImageBandSink {
 public:
  // Writes the signature and the header at once. Level is zlib's (0-9): low levels are
  // several times faster and lose little on drawings. Opaque writes RGB rows, a quarter
  // less data to filter and compress, and refuses any pixel that is not opaque.
  TPngWriter(TStream& Stream, int Width, int Height, int Level = 2, bool Opaque = false);
  ~TPngWriter() override;
  TPngWriter(const TPngWriter&) = delete;
  TPngWriter& operator=(const TPngWriter&) = delete;

  // Appends the band's rows, top to bottom. Any QImage format; it must be as wide as the
  // image, and rows past the image's height are refused.
  void WriteRows(const QImage& Band) override;
  // Flushes the compressed data and writes the end chunk. Raises when the rows written do
  // not add up to the height.
  void Finish();

  static constexpr int ChunkBytes = 256 * 1024;

 private:
  // What one thread needs to filter a run of rows.
  struct TRowFilter {
    std::vector<QRgb> Pixels;       // a row as read from the band
    std::vector<uint8_t> Row;       // the same row as the file's samples
    std::vector<uint8_t> Previous;  // the row above it, once it has moved on
    std::vector<uint8_t> Sub;       // the row under the Sub filter, while choosing
  };
  // Reads row Y of Band into Samples; false when a pixel of an opaque image is not opaque.
  bool ReadRow(const QImage& Band, int Y, TRowFilter& Filter, std::vector<uint8_t>& Samples) const;
  // Filters the band's rows [From, To) into FFiltered and answers their Adler-32; the row
  // above From is FPrevious when From is the band's first row.
  uint32_t FilterRows(const QImage& Band, int From, int To, TRowFilter& Filter);
  // Writes Row's filter byte and filtered bytes to Out, against Above; answers whether
  // the row repeats the one above, which makes the filtered bytes all zeros.
  bool FilterRow(const uint8_t* Row, const uint8_t* Above, std::vector<uint8_t>& Sub, uint8_t* Out) const;
  void WriteFullChunks();
  void WriteChunk(const char* Type, const uint8_t* Data, uint32_t Size);

  TStream& FStream;
  int FWidth;
  int FHeight;
  bool FOpaque;
  int FRows = 0;
  bool FFinished = false;
  size_t FRowBytes;                       // the samples of one row, without the filter byte
  std::unique_ptr<TParallelDeflate> FDeflate;
  std::vector<TRowFilter> FFilters;       // one for each piece a band is cut into
  std::vector<uint8_t> FPrevious;         // the last row written (zeros above the first row)
  std::vector<uint8_t> FFiltered;         // the band's rows, each a filter byte + its bytes
  std::vector<uint8_t> FOut;              // compressed data waiting to become IDAT chunks
};

}  // namespace tarnwick
