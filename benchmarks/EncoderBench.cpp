// Image export of a large drawing: an 8000 x 6000 picture rendered in bands and encoded as
// PNG and as BMP on a second thread, against Qt's own PNG writer on the one-piece picture.
// BM_Deflate compares compressors on the drawing's filtered rows, one band at a time.
// Counters give the output size in bytes.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <vector>
#ifdef TARNWICK_HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif

#include "platform/core/Stream.h"
#include "platform/gui/BandedExport.h"
#include "platform/gui/BmpWriter.h"
#include "platform/gui/PngWriter.h"

using namespace tarnwick;

namespace {

constexpr int Width = 8000;
constexpr int Height = 6000;
constexpr int BandRows = 256;

// Something like a diagram: white page, a grid of filled boxes with outlines, and
// connector lines between them. Top shifts the drawing so each band paints its own slice.
void PaintDiagram(QImage& Band, int Top) {
  QPainter P(&Band);
  P.translate(0, -Top);
  const QRect Visible(0, Top, Width, Band.height());
  P.fillRect(Visible, Qt::white);
  P.setRenderHint(QPainter::Antialiasing, true);
  for (int Row = 0; Row < 30; ++Row)
    for (int Col = 0; Col < 40; ++Col) {
      const QRect Box(Col * 200 + 30, Row * 200 + 40, 120, 80);
      if (!Box.adjusted(-60, -60, 60, 60).intersects(Visible)) continue;
      P.setPen(QPen(QColor(40, 40, 60), 2));
      P.setBrush(QColor::fromHsv((Row * 40 + Col * 7) % 360, 90, 240));
      P.drawRect(Box);
      P.setPen(QPen(QColor(90, 90, 200), 1.5));
      P.drawLine(Box.right(), Box.center().y(), Box.right() + 80, Box.center().y() + 60);
    }
}

void BM_BandedPng(benchmark::State& State) {
  int64_t Size = 0;
  for (auto _ : State) {
    TMemoryStream Out;
    TPngWriter Writer(Out, Width, Height, static_cast<int>(State.range(0)));
    RenderBanded(Width, Height, BandRows, PaintDiagram, Writer, false);
    Writer.Finish();
    Size = Out.GetSize();
  }
  State.counters["bytes"] = static_cast<double>(Size);
}
BENCHMARK(BM_BandedPng)->Arg(0)->Arg(1)->Arg(2)->Arg(6)->Unit(benchmark::kMillisecond)->UseRealTime();

// The drawing is opaque: written as RGB.
void BM_BandedPngOpaque(benchmark::State& State) {
  int64_t Size = 0;
  for (auto _ : State) {
    TMemoryStream Out;
    TPngWriter Writer(Out, Width, Height, static_cast<int>(State.range(0)), true);
    RenderBanded(Width, Height, BandRows, PaintDiagram, Writer, false);
    Writer.Finish();
    Size = Out.GetSize();
  }
  State.counters["bytes"] = static_cast<double>(Size);
}
BENCHMARK(BM_BandedPngOpaque)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The drawing's rows as RGB (Samples 3) or RGBA (4), every row under the Up filter, cut
// into the bands the export uses.
const std::vector<uint8_t>& FilteredRows(int Samples) {
  static std::vector<uint8_t> Rows[5];
  std::vector<uint8_t>& Out = Rows[Samples];
  if (!Out.empty()) return Out;
  QImage Whole(Width, Height, QImage::Format_ARGB32_Premultiplied);
  Whole.fill(Qt::transparent);
  PaintDiagram(Whole, 0);
  const size_t RowBytes = size_t(Width) * Samples;
  std::vector<uint8_t> Previous(RowBytes, 0), Row(RowBytes);
  for (int Y = 0; Y < Height; ++Y) {
    const auto* In = reinterpret_cast<const QRgb*>(Whole.constScanLine(Y));
    for (int X = 0; X < Width; ++X) {
      const QRgb P = qUnpremultiply(In[X]);
      const uint8_t Px[4] = {uint8_t(qRed(P)), uint8_t(qGreen(P)), uint8_t(qBlue(P)), uint8_t(qAlpha(P))};
      std::memcpy(&Row[size_t(X) * Samples], Px, size_t(Samples));
    }
    Out.push_back(2);
    for (size_t I = 0; I < RowBytes; ++I) Out.push_back(uint8_t(Row[I] - Previous[I]));
    std::swap(Row, Previous);
  }
  return Out;
}

// Compressor: 0-2 zlib at levels 1, 2 and 1 with run-length matches only, one stream over
// all bands; 10 + L libdeflate at level L, each band on its own (it takes whole buffers and
// ends every one with a final block, so its bands cannot be joined into one stream).
void BM_Deflate(benchmark::State& State) {
  const int Method = static_cast<int>(State.range(0));
  const std::vector<uint8_t>& Data = FilteredRows(static_cast<int>(State.range(1)));
  const size_t Band = Data.size() / Height * BandRows;
  std::vector<uint8_t> Out(compressBound(static_cast<uLong>(Band)) + 1024);
  size_t Size = 0;
  for (auto _ : State) {
    Size = 0;
    if (Method < 10) {
      z_stream Z{};
      deflateInit2(&Z, Method == 1 ? 2 : 1, Z_DEFLATED, 15, 8, Method == 2 ? Z_RLE : Z_DEFAULT_STRATEGY);
      for (size_t At = 0; At < Data.size(); At += Band) {
        const size_t N = std::min(Band, Data.size() - At);
        Z.next_in = const_cast<Bytef*>(Data.data() + At);
        Z.avail_in = static_cast<uInt>(N);
        do {
          Z.next_out = Out.data();
          Z.avail_out = static_cast<uInt>(Out.size());
          deflate(&Z, At + N == Data.size() ? Z_FINISH : Z_NO_FLUSH);
          Size += Out.size() - Z.avail_out;
        } while (Z.avail_out == 0);
      }
      deflateEnd(&Z);
    } else {
#ifdef TARNWICK_HAVE_LIBDEFLATE
      libdeflate_compressor* C = libdeflate_alloc_compressor(Method - 10);
      for (size_t At = 0; At < Data.size(); At += Band)
        Size += libdeflate_deflate_compress(C, Data.data() + At, std::min(Band, Data.size() - At), Out.data(),
                                            Out.size());
      libdeflate_free_compressor(C);
#else
      State.SkipWithError("built without libdeflate");
#endif
    }
  }
  State.counters["bytes"] = static_cast<double>(Size);
}
BENCHMARK(BM_Deflate)
    ->ArgsProduct({{0, 1, 2, 11, 12, 16}, {3, 4}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

void BM_BandedBmp(benchmark::State& State) {
  int64_t Size = 0;
  for (auto _ : State) {
    TMemoryStream Out;
    TBmpWriter Writer(Out, Width, Height, State.range(0) != 0);
    RenderBanded(Width, Height, BandRows, PaintDiagram, Writer, true);
    Writer.Finish();
    Size = Out.GetSize();
  }
  State.counters["bytes"] = static_cast<double>(Size);
}
BENCHMARK(BM_BandedBmp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Rendering alone, in the same bands, to separate drawing time from encoding time.
void BM_RenderOnly(benchmark::State& State) {
  class TNullSink : public TImageBandSink {
   public:
    void WriteRows(const QImage&) override {}
  } Sink;
  for (auto _ : State) RenderBanded(Width, Height, BandRows, PaintDiagram, Sink, false);
}
BENCHMARK(BM_RenderOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// Qt's writer needs the whole picture; painting it is not timed.
void BM_QtPngOnePiece(benchmark::State& State) {
  QImage Whole(Width, Height, QImage::Format_ARGB32_Premultiplied);
  Whole.fill(Qt::transparent);
  PaintDiagram(Whole, 0);
  int64_t Size = 0;
  for (auto _ : State) {
    QByteArray Bytes;
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::WriteOnly);
    QImageWriter(&Buffer, "png").write(Whole);
    Size = Bytes.size();
  }
  State.counters["bytes"] = static_cast<double>(Size);
}
BENCHMARK(BM_QtPngOnePiece)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
