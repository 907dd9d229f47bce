#pragma once
// Exporting a drawing as an image in horizontal bands, so a huge drawing never needs the
// whole picture in memory: the caller renders each band, a second thread encodes the band
// before it while the next one renders, and at most two band images exist at a time.
#include <QImage>
#include <QRgb>
#include <cstdint>
#include <functional>

namespace tarnwick {

// Where encoded bands go: each call appends the rows of one band (see the writer for the
// order it expects bands in).
class TImageBandSink {
 public:
  virtual ~TImageBandSink() = default;
  virtual void WriteRows(const QImage& Band) = 0;
};

// Reads row Y of Image as straight (not premultiplied) 0xAARRGGBB values into Out, which
// holds Image.width() values. The band format and the plain 32-bit ones are converted
// directly; any other format goes through Qt one row at a time.
void ReadStraightRow(const QImage& Image, int Y, QRgb* Out);

// Raises an Exception when an image of this size must not be exported: a side below 1 or
// above 65535, or more than 1,000,000,000 pixels. Call it before allocating anything for a
// size that came from a document or a user.
void CheckExportSize(int64_t Width, int64_t Height);

// Renders a Width x Height image in bands of BandRows rows (the last band may be shorter)
// and feeds them to Sink. Render runs on the calling thread, because the diagram's controls
// are not thread-safe; it receives a Format_ARGB32_Premultiplied image cleared to
// transparent with exactly the band's rows, and Top, the image row of the band's first row.
// Sink.WriteRows runs on a second thread. BottomUp hands bands over bottom band first (for
// bottom-up formats such as BMP); rows inside a band are always top to bottom.
// An exception from Render or from the sink stops both threads and is rethrown here.
// Progress goes to this thread's observer (see Progress.h) in rows: 0 before the first
// band and the rows done after each; when the observer asks to stop, EOperationCancelled
// is raised the same way.
void RenderBanded(int Width, int Height, int BandRows,
                  const std::function<void(QImage& Band, int Top)>& Render, TImageBandSink& Sink,
                  bool BottomUp);

}  // namespace tarnwick
