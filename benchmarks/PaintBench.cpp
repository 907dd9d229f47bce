// Painting at scale: 10,000 blocks, each with a gradient fill and a short text, painted
// whole into a 1920x1080 image through each graphic library, and the window's own repaint
// of such a diagram at 100 % (only what the client shows) and at 10 % (everything).
// Besides the time per frame, each reports what a repaint of unchanged blocks builds and
// allocates after the first frame: native pens, brushes and paths (which must be none)
// and heap blocks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "AllocationCounter.h"
#include "diagram/Registration.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/Gradient.h"
#include "diagram/view/Diagram.h"
#include "graphics/DgrTypes.h"
#include "graphics/NativeObjectCounts.h"
#include "platform/gui/Canvas.h"

using namespace tarnwick;

namespace {

constexpr int BlockCount = 10000;
constexpr int Columns = 100;
constexpr int FrameW = 1920, FrameH = 1080;
// The grid spans about 12,000 x 8,000 units: at 13 % it fits 1920x1080.
constexpr int FitZoom = 13;

struct TBenchDiagram {
  TOwned<TComponent> Form{Create<TComponent>(nullptr)};
  TdvDiagram* Diagram = Create<TdvDiagram>(Form.get());

  TBenchDiagram(TDgrGraphicLib ALib, int AZoom) {
    Diagram->SetBounds(0, 0, FrameW, FrameH);
    Diagram->SetGraphicLib(ALib);
    const TBlockShape shapes[] = {bsRectangle, bsEllipse, bsRoundRect, bsDiamond, bsSquareRound};
    for (int i = 0; i < BlockCount; ++i) {
      auto* b = Create<TDiagramBlock>(Form.get());
      const double x = 20.0 + (i % Columns) * 120, y = 20.0 + (i / Columns) * 80;
      b->SetBoundsRect(TSquare{x, y, x + 100, y + 50});
      b->SetShape(shapes[i % 5]);
      TDiagramGradient* g = b->GetGradient();
      g->SetStartColor(clWhite);
      g->SetEndColor(static_cast<TColor>(0x00C08040 + (i % 16) * 8));
      g->SetDirection(i % 2 ? grLeftRight : grTopBottom);
      g->SetVisible(true);
      b->DefaultTextCell()->SetText(QStringLiteral("Block %1").arg(i + 1));
      b->SetDiagram(Diagram);
    }
    Diagram->SetZoom(AZoom);
  }
};

// Per-frame counters taken over the timed frames, after a first untimed frame has built
// whatever the blocks keep.
template <class Frame>
void RunFrames(benchmark::State& state, Frame&& AFrame) {
  AFrame();
  const TNativeObjectCounts before = NativeObjectCounts();
  const int64_t allocsBefore = bench::AllocationCount();
  int64_t frames = 0;
  for (auto _ : state) {
    AFrame();
    ++frames;
  }
  const TNativeObjectCounts& after = NativeObjectCounts();
  const double n = frames ? static_cast<double>(frames) : 1.0;
  state.counters["native_objects"] = static_cast<double>(after.Total() - before.Total()) / n;
  state.counters["pens"] = static_cast<double>(after.Pens - before.Pens) / n;
  state.counters["brushes"] = static_cast<double>(after.Brushes - before.Brushes) / n;
  state.counters["paths"] = static_cast<double>(after.Paths - before.Paths) / n;
  state.counters["allocs"] = static_cast<double>(bench::AllocationCount() - allocsBefore) / n;
}

// The whole diagram through one library: a bitmap pass of the extent at the zoom that
// fits it into the frame.
void BM_PaintWhole(benchmark::State& state) {
  const auto lib = static_cast<TDgrGraphicLib>(state.range(0));
  TBenchDiagram d(lib, FitZoom);
  QImage image(FrameW, FrameH, QImage::Format_ARGB32_Premultiplied);
  RunFrames(state, [&] {
    QPainter painter(&image);
    painter.setClipRect(0, 0, FrameW, FrameH);
    TCanvas canvas(&painter);
    d.Diagram->PaintAs(canvas, psBitmap, TDot{0, 0});
  });
}
BENCHMARK(BM_PaintWhole)
    ->ArgName("lib")
    ->Arg(dglGDI)
    ->Arg(dglGDIPlus)
    ->Arg(dglDirect2D)
    ->Unit(benchmark::kMillisecond);

// The window's repaint of its whole client, as its paint event does it: a screen pass
// clipped to the update rectangle.
void BM_WindowRepaint(benchmark::State& state) {
  const auto lib = static_cast<TDgrGraphicLib>(state.range(0));
  TBenchDiagram d(lib, static_cast<int>(state.range(1)));
  QImage image(FrameW, FrameH, QImage::Format_ARGB32_Premultiplied);
  RunFrames(state, [&] {
    QPainter painter(&image);
    painter.setClipRect(0, 0, FrameW, FrameH);
    TCanvas canvas(&painter);
    d.Diagram->PaintAs(canvas, psScreen, TDot{0, 0});
  });
}
BENCHMARK(BM_WindowRepaint)
    ->ArgNames({"lib", "zoom"})
    ->ArgsProduct({{dglGDI, dglGDIPlus, dglDirect2D}, {100, 10}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  RegisterAllClasses();
  SetDirect2DSupported(true);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
