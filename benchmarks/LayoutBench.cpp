// Automatic layout of a large diagram: 1,000 blocks joined by 1,500 anchored side lines,
// laid out by each algorithm. Two shapes of graph: "local", where a line joins a block to
// one of the next dozen (as in a flowchart, which runs on from step to step), and
// "random", where a line joins any two blocks, the hardest case for a layered layout. In
// both one line in ten runs against the flow, so there are cycles to break. The time
// covers building the graph, the algorithm and moving the blocks and their lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"
#include "layout/AutoLayout.h"

using namespace tarnwick;

namespace {

constexpr int kBlocks = 1000, kLines = 1500;

struct TBenchDiagram {
  TOwned<TComponent> Form{Create<TComponent>(nullptr)};
  TdvDiagram* Diagram = Create<TdvDiagram>(Form.get());
  std::vector<TDiagramBlock*> Blocks;

  explicit TBenchDiagram(bool ALocal) {
    std::mt19937 random(7);
    for (int i = 0; i < kBlocks; ++i) {
      auto* b = Create<TDiagramBlock>(Form.get());
      b->SetName(QStringLiteral("B%1").arg(i));
      const double w = 60 + random() % 60, h = 30 + random() % 40;
      b->SetBoundsRect(TSquare{double(i % 40) * 130, double(i / 40) * 90, double(i % 40) * 130 + w, double(i / 40) * 90 + h});
      b->GetLinkPoints()->Add(50, 0, aoUp);
      b->GetLinkPoints()->Add(50, 100, aoDown);
      b->SetDiagram(Diagram);
      Blocks.push_back(b);
    }
    for (int i = 0; i < kLines; ++i) {
      int from = random() % kBlocks;
      int to = ALocal ? std::min(kBlocks - 1, from + 1 + static_cast<int>(random() % 12)) : random() % kBlocks;
      if (from == to) to = (to + 1) % kBlocks;
      if ((from > to) != (i % 10 == 0)) std::swap(from, to);
      auto* line = Create<TDiagramSideLine>(Form.get());
      line->SetName(QStringLiteral("L%1").arg(i));
      line->SetDiagram(Diagram);
      TControlInsertInfo info;
      info.Action = iaInserted;
      info.AnchorPoint1 = Blocks[from]->GetLinkPoints()->GetItems(1);
      info.AnchorPoint2 = Blocks[to]->GetLinkPoints()->GetItems(0);
      info.P1 = info.AnchorPoint1->DiagramPoint();
      info.P2 = info.AnchorPoint2->DiagramPoint();
      line->UpdateInsert(info);
    }
  }
};

void BM_LayoutThousandBlocks(benchmark::State& state) {
  TLayoutOptions options;
  options.Algorithm = static_cast<TLayoutAlgorithm>(state.range(0));
  const bool local = state.range(1) != 0;
  TBenchDiagram bench(local);
  for (auto _ : state) LayoutDiagram(*bench.Diagram, options);
  state.SetLabel(AlgorithmName(options.Algorithm).toStdString() + (local ? " local" : " random"));
}
BENCHMARK(BM_LayoutThousandBlocks)
    ->ArgNames({"algorithm", "local"})
    ->ArgsProduct({{laLayered, laForce, laCircular}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
