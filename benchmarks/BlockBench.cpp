// Real blocks at scale: saving and loading a document of 10,000 blocks (each with a text
// and four link points), the memory one block takes, and hit-testing a point against them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "AllocationCounter.h"
#include "BlockFill.h"
#include "diagram/Registration.h"
#include "diagram/view/Diagram.h"

using namespace tarnwick;

namespace {

constexpr int BlockCount = 10000;

struct TBenchDiagram {
  TOwned<TComponent> Form{Create<TComponent>(nullptr)};
  TdvDiagram* Diagram = Create<TdvDiagram>(Form.get());
};

void Fill(TBenchDiagram& d, int count) { bench::FillBlocks(d.Form.get(), d.Diagram, count); }

void BM_SaveBlocks(benchmark::State& state) {
  QTemporaryDir dir;
  TBenchDiagram d;
  Fill(d, BlockCount);
  const QString path = dir.filePath("blocks.dgr");
  for (auto _ : state) d.Diagram->SaveToFile(path);
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_SaveBlocks)->Unit(benchmark::kMillisecond);

void BM_LoadBlocks(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("blocks.dgr");
  {
    TBenchDiagram d;
    Fill(d, BlockCount);
    d.Diagram->SaveToFile(path);
  }
  TBenchDiagram d;
  for (auto _ : state) {
    d.Diagram->LoadFromFile(path);
    benchmark::DoNotOptimize(d.Diagram->BlockCount());
  }
  state.counters["blocks"] = d.Diagram->BlockCount();
}
BENCHMARK(BM_LoadBlocks)->Unit(benchmark::kMillisecond);

// The same document read into an empty diagram: the load alone, without freeing the
// blocks of the previous round.
void BM_LoadBlocksIntoEmptyDiagram(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("blocks.dgr");
  {
    TBenchDiagram d;
    Fill(d, BlockCount);
    d.Diagram->SaveToFile(path);
  }
  for (auto _ : state) {
    state.PauseTiming();
    auto d = std::make_unique<TBenchDiagram>();
    state.ResumeTiming();
    d->Diagram->LoadFromFile(path);
    benchmark::DoNotOptimize(d->Diagram->BlockCount());
    state.PauseTiming();
    d.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadBlocksIntoEmptyDiagram)->Unit(benchmark::kMillisecond);

// Heap bytes per block: everything a block with its text and link points holds, including
// its share of the diagram's lists.
void BM_BlockMemory(benchmark::State& state) {
  for (auto _ : state) {
    TBenchDiagram d;
    const int64_t before = bench::CurrentBytes();
    Fill(d, BlockCount);
    const int64_t after = bench::CurrentBytes();
    state.counters["bytes_per_block"] = static_cast<double>(after - before) / BlockCount;
  }
}
BENCHMARK(BM_BlockMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_HitTest(benchmark::State& state) {
  TBenchDiagram d;
  Fill(d, BlockCount);
  int i = 0;
  int hits = 0;
  for (auto _ : state) {
    // Points spread over the whole sheet: half fall on blocks, half between them.
    const double x = 20 + (i * 37 % 12000), y = 20 + (i * 53 % 8000);
    if (d.Diagram->DControlAtPos(TDot{x, y})) ++hits;
    ++i;
  }
  state.counters["hit_ratio"] = i ? static_cast<double>(hits) / i : 0;
}
BENCHMARK(BM_HitTest)->Unit(benchmark::kMicrosecond);

}  // namespace
