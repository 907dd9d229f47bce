// The diagram container at scale: naming and adding many controls, and saving and
// loading a document of 10,000 of them. The control is a minimal box with published
// geometry, standing in for real blocks until they exist.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

#include "diagram/view/Diagram.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/Properties.h"

using namespace tarnwick;

namespace {

class TBenchBox : public TDiagramControl {
  TARNWICK_CLASS(TBenchBox)

 public:
  explicit TBenchBox(TComponent* AOwner) : TDiagramControl(AOwner) {}
  TSquare R{0, 0, 80, 40};

  double GetLeft() const { return R.Left; }
  void SetLeft(double V) { R = TSquare{V, R.Top, V + (R.Right - R.Left), R.Bottom}; }
  double GetTop() const { return R.Top; }
  void SetTop(double V) { R = TSquare{R.Left, V, R.Right, V + (R.Bottom - R.Top)}; }
  double GetWidth() const { return R.Right - R.Left; }
  void SetWidth(double V) { R.Right = R.Left + V; }
  double GetHeight() const { return R.Bottom - R.Top; }
  void SetHeight(double V) { R.Bottom = R.Top + V; }

  void HandlesChanged() override {}
  void AnchorLinkChanged(TLinkPoint*) override {}
  void LinkedAnchorChanged(TLinkPoint*, TAnchorChange) override {}
  void Draw(const TDiagramDrawInfo&) override {}
  bool PointInControl(TPoint) override { return false; }
  void MoveBy(double DX, double DY) override { R = TSquare{R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY}; }
  TSquare ControlRect() override { return R; }
  TSquare SurroundRect() override { return R; }
  void StartMove() override {}
  void UpdateMove(TControlMoveInfo&) override {}
  void UpdateInsert(TControlInsertInfo&) override {}
  void UpdateDraw(TControlDrawInfo&) override {}
  void StartResize() override {}
  void UpdateHandleMove(THandleMoveInfo&) override {}
};

const TClassInfo& TBenchBox::StaticClassInfo() {
  static const TClassInfo info("TBenchBox", &TDiagramControl::StaticClassInfo(),
                               {FloatProp("Left", ftDouble, &TBenchBox::GetLeft, &TBenchBox::SetLeft),
                                FloatProp("Top", ftDouble, &TBenchBox::GetTop, &TBenchBox::SetTop),
                                FloatProp("Width", ftDouble, &TBenchBox::GetWidth, &TBenchBox::SetWidth),
                                FloatProp("Height", ftDouble, &TBenchBox::GetHeight, &TBenchBox::SetHeight)},
                               [](TComponent* owner) { return Create<TBenchBox>(owner); });
  return info;
}

struct TBenchDiagram {
  TOwned<TComponent> Form{Create<TComponent>(nullptr)};
  TdvDiagram* Diagram = Create<TdvDiagram>(Form.get());
};

void Fill(TBenchDiagram& d, int count) {
  for (int i = 0; i < count; ++i) {
    auto* box = Create<TBenchBox>(d.Form.get());
    box->SetLeft(20 + (i % 100) * 120);
    box->SetTop(20 + (i / 100) * 80);
    box->SetDiagram(d.Diagram);
  }
}

void BM_AddUnnamedControls(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    TBenchDiagram d;
    state.ResumeTiming();
    Fill(d, n);
    benchmark::DoNotOptimize(d.Diagram->DControlCount());
    state.PauseTiming();
    d.Form.reset();
    state.ResumeTiming();
  }
  state.counters["controls"] = n;
}
BENCHMARK(BM_AddUnnamedControls)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SaveDocument(benchmark::State& state) {
  QTemporaryDir dir;
  TBenchDiagram d;
  Fill(d, 10000);
  const QString path = dir.filePath("big.dgr");
  for (auto _ : state) d.Diagram->SaveToFile(path);
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);

void BM_LoadDocument(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("big.dgr");
  {
    TBenchDiagram d;
    Fill(d, 10000);
    d.Diagram->SaveToFile(path);
  }
  TBenchDiagram d;
  for (auto _ : state) {
    d.Diagram->LoadFromFile(path);
    benchmark::DoNotOptimize(d.Diagram->DControlCount());
  }
  state.counters["controls"] = d.Diagram->DControlCount();
}
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  RegisterClass<TBenchBox>();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
