#pragma once
// Writes an RGBA PNG (8 bits a sample, not interlaced) to a stream as the rows arrive, so
// the whole image never has to be in memory. Every row uses the "Up" filter: it costs one
// subtraction a byte and suits drawings, whose rows mostly repeat the row above. One deflate
// stream runs across all rows; its output goes out in IDAT chunks of bounded size.
#include <QImage>
#include <cstdint>
#include <vector>

#include "platform/gui/BandedExport.h"

struct z_stream_s;

namespace tarnwick {

class TStream;

class TPngWriter : public TImageBandSink {
 public:
  // Writes the signature and the header at once. Level is zlib's (0-9): low levels are
  // several times faster and lose little on drawings.
  TPngWriter(TStream& Stream, int Width, int Height, int Level = 2);
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
  void Deflate(int Flush);
  void WriteChunk(const char* Type, const uint8_t* Data, uint32_t Size);

  TStream& FStream;
  int FWidth;
  int FHeight;
  int FRows = 0;
  bool FFinished = false;
  z_stream_s* FZ = nullptr;
  std::vector<QRgb> FPixels;       // the current row as read from the band
  std::vector<uint8_t> FRow;       // the same row as straight RGBA bytes
  std::vector<uint8_t> FPrevious;  // the row above (zeros above the first row)
  std::vector<uint8_t> FFiltered;  // filter type byte + the row's differences
  std::vector<uint8_t> FOut;       // deflate output waiting to become an IDAT chunk
};

}  // namespace tarnwick
