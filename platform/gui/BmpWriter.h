#pragma once
// Writes an uncompressed BMP (file header + 40-byte info header) to a stream as the rows
// arrive: 24-bit BGR or 32-bit BGRA with straight alpha. BMP stores rows bottom-up, so the
// bands must come bottom band first; the rows inside each band are top to bottom as usual
// (RenderBanded with BottomUp does exactly this).
#include <QImage>
#include <cstdint>
#include <vector>

#include "platform/gui/BandedExport.h"

namespace tarnwick {

class TStream;

class TBmpWriter : public TImageBandSink {
 public:
  // Writes the headers at once. Raises when the file would pass the format's 4 GiB size
  // field.
  TBmpWriter(TStream& Stream, int Width, int Height, bool WithAlpha);

  // Appends the band's rows (bands bottom to top, see above). Any QImage format; it must be
  // as wide as the image, and rows past the image's height are refused.
  void WriteRows(const QImage& Band) override;
  // Raises when the rows written do not add up to the height.
  void Finish();

 private:
  TStream& FStream;
  int FWidth;
  int FHeight;
  bool FWithAlpha;
  int FRows = 0;
  bool FFinished = false;
  std::vector<QRgb> FPixels;  // the current row, straight
  std::vector<uint8_t> FRow;   // the same row as the file stores it
};

}  // namespace tarnwick
