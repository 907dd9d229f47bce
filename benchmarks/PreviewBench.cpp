// Memory and time of the print preview at 500 % on the largest paper (E size sheet,
// 863.6 x 1117.6 mm). A whole-page bitmap at that zoom on a 96 DPI screen would be
// 16320 x 21120 pixels, about 1.4 GB; the preview renders only the part a window shows.
// Reports the peak bytes allocated while a full-HD window's part of the page is rendered.
#include <benchmark/benchmark.h>

#include <QImage>

#include "benchmarks/AllocationCounter.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/printing/PageSettings.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramPrinting.h"
#include "platform/core/Math.h"

namespace {

using namespace tarnwick;

constexpr int LargestPaperId = 26;  // E size sheet
constexpr int Zoom = 5;
constexpr int ScreenDPI = 96;

void BM_PreviewPartAt500OnLargestPaper(benchmark::State& state) {
  TOwned<TComponent> form = MakeOwned<TComponent>(nullptr);
  auto* diagram = Create<TdvDiagram>(form.get());
  TDiagramPageSettings& ps = *diagram->GetPageSettings();
  ps.ChangePaperID(LargestPaperId);
  for (int i = 0; i < 60; ++i) {
    auto* b = Create<TDiagramBlock>(form.get());
    b->SetBoundsRect(TSquare{40.0 + 50 * (i % 10), 40.0 + 60 * (i / 10), 80.0 + 50 * (i % 10), 80.0 + 60 * (i / 10)});
    b->SetDiagram(diagram);
  }
  const int w = Round(ps.GetPaperWidth() / 25.4 * Zoom * ScreenDPI);
  const int h = Round(ps.GetPaperHeight() / 25.4 * Zoom * ScreenDPI);
  const QRect window(600, 600, 1920, 1080);
  int64_t peak = 0;
  for (auto _ : state) {
    bench::ResetPeak();
    const int64_t before = bench::CurrentBytes();
    QImage part = RenderPreviewPart(*diagram, 1, w, h, window);
    benchmark::DoNotOptimize(part.bits());
    peak = std::max(peak, bench::PeakBytes() - before);
  }
  state.counters["page_w"] = w;
  state.counters["page_h"] = h;
  state.counters["whole_page_MB"] = double(w) * h * 4 / 1e6;
  state.counters["peak_MB"] = double(peak) / 1e6;
}
BENCHMARK(BM_PreviewPartAt500OnLargestPaper)->Unit(benchmark::kMillisecond);

}  // namespace
