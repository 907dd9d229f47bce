// The undo history at scale: a diagram of 5,000 blocks (each with a text and two link
// points) and 5,000 lines anchored between them, 10,000 controls in all. Measured: taking
// one snapshot after a small change (what every mouse operation pays when it ends), one
// undo and one redo (reloading a whole state), and the memory a full history of ten states
// holds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "AllocationCounter.h"
#include "BlockRing.h"
#include "diagram/Registration.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramUndoStack.h"
#include "platform/core/Stream.h"

using namespace tarnwick;

namespace {

constexpr int BlockCount = bench::RingBlocks;

struct TBigDiagram {
  TOwned<TComponent> Form{Create<TComponent>(nullptr)};
  TdvDiagram* Diagram = Create<TdvDiagram>(Form.get());

  TBigDiagram() {
    bench::FillBlockRing(Form.get(), Diagram);
    Diagram->ClearUndoStack();
  }

  // A small change, as one mouse operation makes: one block moves a little.
  void Nudge(int AStep) {
    auto* b = static_cast<TCustomDiagramBlock*>(Diagram->GetBlocks(AStep * 37 % BlockCount));
    const TSquare r = b->ControlRect();
    const double dx = AStep % 2 ? 3 : -3;
    b->SetBoundsRect(TSquare{r.Left + dx, r.Top, r.Right + dx, r.Bottom});
  }
};

void BM_Push(benchmark::State& state) {
  TBigDiagram d;
  int step = 0;
  for (auto _ : state) {
    state.PauseTiming();
    d.Nudge(++step);
    state.ResumeTiming();
    d.Diagram->PushUndoStack(QStringLiteral("move"));
  }
  state.counters["controls"] = d.Diagram->DControlCount();
  state.counters["stored_bytes"] = static_cast<double>(d.Diagram->GetUndoStack().StoredBytes());
}
BENCHMARK(BM_Push)->Unit(benchmark::kMillisecond);

// The parts of a snapshot: writing the document in binary form, and what it takes to
// read one back into the diagram.
void BM_SaveBinary(benchmark::State& state) {
  TBigDiagram d;
  for (auto _ : state) {
    TMemoryStream s;
    d.Diagram->SaveToStream(s, false);
    benchmark::DoNotOptimize(s.GetSize());
  }
}
BENCHMARK(BM_SaveBinary)->Unit(benchmark::kMillisecond);

// Undo and redo each reload a whole state; the benchmark alternates them over a full
// history and times only the named direction.
void UndoRedo(benchmark::State& state, bool ATimeUndo) {
  TBigDiagram d;
  for (int i = 1; i < TDiagramUndoStack::MaxItems; ++i) {
    d.Nudge(i);
    d.Diagram->PushUndoStack(QStringLiteral("move"));
  }
  for (auto _ : state) {
    if (!ATimeUndo) {
      state.PauseTiming();
      d.Diagram->Undo();
      state.ResumeTiming();
      d.Diagram->Redo();
    } else {
      d.Diagram->Undo();
      state.PauseTiming();
      d.Diagram->Redo();
      state.ResumeTiming();
    }
  }
  state.counters["controls"] = d.Diagram->DControlCount();
}
void BM_Undo(benchmark::State& state) { UndoRedo(state, true); }
void BM_Redo(benchmark::State& state) { UndoRedo(state, false); }
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Redo)->Unit(benchmark::kMillisecond)->Iterations(10);

// What a full history costs: the bytes the stack reports, and the heap the process holds
// for the history beyond the document itself (anything the stack keeps besides its items).
void BM_FullStackMemory(benchmark::State& state) {
  TBigDiagram d;
  (void)d.Diagram->GetUndoStack().StoredBytes();  // the first state packed
  const int64_t before = bench::CurrentBytes();
  for (auto _ : state) {
    for (int i = 1; i < TDiagramUndoStack::MaxItems; ++i) {
      d.Nudge(i);
      d.Diagram->PushUndoStack(QStringLiteral("move"));
    }
  }
  // The stack packs its states on a worker thread; asking for their size waits for that.
  const double stored = static_cast<double>(d.Diagram->GetUndoStack().StoredBytes());
  const int64_t after = bench::CurrentBytes();
  TMemoryStream doc;
  d.Diagram->SaveToStream(doc, false);
  state.counters["states"] = d.Diagram->GetUndoStack().Count();
  state.counters["stored_bytes"] = stored;
  state.counters["heap_growth_bytes"] = static_cast<double>(after - before);
  state.counters["document_bytes"] = static_cast<double>(doc.GetSize());
}
BENCHMARK(BM_FullStackMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// Copying 1,000 controls (500 blocks and the 500 lines between them) out of the
// 10,000-control document, and pasting them back into it (the paste includes its undo
// step, as the user's paste does).
void SelectFirstThousand(TdvDiagram& D) {
  D.UnselectAll();
  for (int i = 0; i < 500; ++i) D.GetBlocks(i)->SetSelected(true);
  for (int i = 0; i < 500; ++i) D.GetLinks(i)->SetSelected(true);
}

void BM_CopyThousand(benchmark::State& state) {
  TBigDiagram d;
  SelectFirstThousand(*d.Diagram);
  for (auto _ : state) d.Diagram->CopyToClipboard();
  state.counters["selected"] = d.Diagram->SelectedCount();
}
BENCHMARK(BM_CopyThousand)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PasteThousand(benchmark::State& state) {
  TBigDiagram d;
  SelectFirstThousand(*d.Diagram);
  d.Diagram->CopyToClipboard();
  int pasted = 0;
  for (auto _ : state) {
    d.Diagram->PasteFromClipboard();
    state.PauseTiming();
    pasted = d.Diagram->SelectedCount();  // a paste selects what it brought in
    d.Diagram->Undo();
    state.ResumeTiming();
  }
  state.counters["pasted"] = pasted;
}
BENCHMARK(BM_PasteThousand)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
