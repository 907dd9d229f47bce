// Image export of a large drawing: an 8000 x 6000 picture rendered in bands and encoded as
// PNG and as BMP on a second thread, against Qt's own PNG writer on the one-piece picture.
// Counters give the output size in bytes.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdlib>

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
