#include "platform/gui/BandedExport.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <thread>

#include "platform/core/Exception.h"
#include "platform/gui/Progress.h"

namespace tarnwick {

void ReadStraightRow(const QImage& Image, int Y, QRgb* Out) {
  const int Width = Image.width();
  const auto* In = reinterpret_cast<const QRgb*>(Image.constScanLine(Y));
  switch (Image.format()) {
    case QImage::Format_ARGB32_Premultiplied:
      for (int X = 0; X < Width; ++X) Out[X] = qUnpremultiply(In[X]);
      return;
    case QImage::Format_ARGB32:
      std::memcpy(Out, In, static_cast<size_t>(Width) * sizeof(QRgb));
      return;
    case QImage::Format_RGB32:
      for (int X = 0; X < Width; ++X) Out[X] = In[X] | 0xFF000000u;
      return;
    default: {
      // A one-row view of the image (no copy) that Qt converts.
      QImage Row(Image.constScanLine(Y), Width, 1, Image.bytesPerLine(), Image.format());
      if (Image.colorCount() > 0) Row.setColorTable(Image.colorTable());
      const QImage Straight = Row.convertToFormat(QImage::Format_ARGB32);
      std::memcpy(Out, Straight.constScanLine(0), static_cast<size_t>(Width) * sizeof(QRgb));
      return;
    }
  }
}

void CheckExportSize(int64_t Width, int64_t Height) {
  constexpr int64_t MaxSide = 65535;
  constexpr int64_t MaxPixels = 1000000000;
  if (Width < 1 || Height < 1)
    throw Exception("The image is empty and cannot be exported (%d x %d pixels).", Width, Height);
  if (Width > MaxSide || Height > MaxSide || Width * Height > MaxPixels)
    throw Exception("The image is too large to export (%d x %d pixels).", Width, Height);
}

namespace {

// The hand-over between the rendering thread and the encoding thread. Bands are numbered
// in the order they are rendered; band N lives in image N % 2. The renderer may reuse an
// image only once the encoder has finished the band before it, so at most one band waits
// while another is encoded and memory stays at two bands.
class TBandHandOver {
 public:
  explicit TBandHandOver(TImageBandSink& Sink) : FSink(Sink) {
    FEncoder = std::thread([this] { EncodeLoop(); });
  }

  // Stops the encoder (after the bands handed over when Finished, at once otherwise) and
  // waits for it, so no exit path leaves the thread running.
  ~TBandHandOver() { Stop(false); }

  // Waits until image Index % 2 is free for band Index; raises the encoder's error.
  QImage& Acquire(int Index) {
    std::unique_lock Lock(FMutex);
    FChanged.wait(Lock, [&] { return FEncoded >= Index - 1 || FError; });
    RethrowLocked();
    return FBands[Index % 2];
  }

  // Passes the band just rendered (the one Acquire returned last) to the encoder.
  void Hand() {
    {
      std::lock_guard Lock(FMutex);
      ++FHanded;
    }
    FChanged.notify_all();
  }

  // Waits until every band handed over is encoded, then raises the encoder's error.
  void Finish() {
    Stop(true);
    std::lock_guard Lock(FMutex);
    RethrowLocked();
  }

 private:
  void Stop(bool Drain) {
    {
      std::lock_guard Lock(FMutex);
      if (Drain)
        FDone = true;
      else
        FCancelled = true;
    }
    FChanged.notify_all();
    if (FEncoder.joinable()) FEncoder.join();
  }

  void RethrowLocked() {
    if (FError) std::rethrow_exception(FError);
  }

  void EncodeLoop() {
    for (;;) {
      int Index;
      {
        std::unique_lock Lock(FMutex);
        FChanged.wait(Lock, [&] { return FHanded > FEncoded || FDone || FCancelled; });
        if (FCancelled || FHanded == FEncoded) return;
        Index = FEncoded;
      }
      try {
        FSink.WriteRows(FBands[Index % 2]);
      } catch (...) {
        std::lock_guard Lock(FMutex);
        FError = std::current_exception();
      }
      {
        std::lock_guard Lock(FMutex);
        ++FEncoded;
        if (FError) FCancelled = true;
      }
      FChanged.notify_all();
    }
  }

  TImageBandSink& FSink;
  QImage FBands[2];
  std::mutex FMutex;
  std::condition_variable FChanged;
  int FHanded = 0;
  int FEncoded = 0;
  bool FDone = false;
  bool FCancelled = false;
  std::exception_ptr FError;
  std::thread FEncoder;  // last: starts once everything above exists
};

}  // namespace

void RenderBanded(int Width, int Height, int BandRows,
                  const std::function<void(QImage& Band, int Top)>& Render, TImageBandSink& Sink,
                  bool BottomUp) {
  CheckExportSize(Width, Height);
  if (BandRows < 1) throw Exception("Invalid band height %d for an image export.", BandRows);
  if (BandRows > Height) BandRows = Height;

  // The two images the bands live in.
  QImage Storage[2];
  for (QImage& Image : Storage) {
    Image = QImage(Width, BandRows, QImage::Format_ARGB32_Premultiplied);
    if (Image.isNull())
      throw EOutOfResources("Not enough memory for an image band of %d x %d pixels.", Width,
                            BandRows);
  }

  CheckProgress(0, Height);
  TBandHandOver HandOver(Sink);
  const int Count = (Height + BandRows - 1) / BandRows;
  for (int Index = 0; Index < Count; ++Index) {
    const int Rows = Index == Count - 1 ? Height - Index * BandRows : BandRows;
    const int Top = BottomUp ? Height - Index * BandRows - Rows : Index * BandRows;
    QImage& Band = HandOver.Acquire(Index);
    // A view, not a shared copy: painting on a shared copy would detach it and allocate
    // a third band.
    QImage& Full = Storage[Index % 2];
    Band = QImage(Full.bits(), Width, Rows, Full.bytesPerLine(), Full.format());
    Band.fill(Qt::transparent);
    Render(Band, Top);
    HandOver.Hand();
    // Counted in rows, so bands of any height (and the shorter last one) weigh right.
    CheckProgress(std::min<int64_t>(int64_t(Index + 1) * BandRows, Height), Height);
  }
  HandOver.Finish();
}

}  // namespace tarnwick
