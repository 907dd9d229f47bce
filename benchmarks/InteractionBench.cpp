// Interaction at scale, measured through the shown window as the user drives it: a diagram
// of 5,000 blocks and 5,000 anchored lines (10,000 controls), 1,000 blocks selected with
// the 1,000 lines that hang on them; one step of dragging the selection (move infos, the
// lines following, the live preview over the drag snapshot, the window's repaint) and one
// step of a rubber band over the whole diagram (the band, the selection it touches, the
// repaint), and the pointer hovering over a link point.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "BlockRing.h"
#include "diagram/Registration.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"

using namespace tarnwick;

namespace {

constexpr int Columns = bench::RingColumns;
constexpr int SelectedRows = 20;  // 20 rows of 50: 1,000 blocks
constexpr int WindowW = 1280, WindowH = 800;

struct TShownDiagram {
  std::unique_ptr<QWidget> Window = std::make_unique<QWidget>();
  TOwned<TComponent> Form{Create<TComponent>(nullptr)};
  TdvDiagram* Diagram = Create<TdvDiagram>(Form.get());

  TShownDiagram() {
    Window->resize(WindowW, WindowH);
    Diagram->SetParentWidget(Window.get());
    Diagram->SetBounds(0, 0, WindowW, WindowH);
    Diagram->SetGraphicLib(dglGDIPlus);
    Diagram->SetDragStyle(dsShape);
    bench::FillBlockRing(Form.get(), Diagram);
    Window->show();
    QApplication::processEvents();
  }

  QWidget* W() const { return Diagram->GetHandle(); }
  QPoint At(double X, double Y) const {
    const TDot c = Diagram->ClientToCanvas(TDot{X, Y});
    return QPoint(int(c.X), int(c.Y));
  }
  void Send(QEvent::Type AType, QPoint P, Qt::MouseButtons AButtons) {
    QMouseEvent e(AType, QPointF(P), QPointF(W()->mapToGlobal(P)), Qt::LeftButton, AButtons, Qt::NoModifier);
    QCoreApplication::sendEvent(W(), &e);
  }
  // A mouse step with the button held, and the repaint the window does for it.
  void Step(QPoint P) {
    QMouseEvent e(QEvent::MouseMove, QPointF(P), QPointF(W()->mapToGlobal(P)), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(W(), &e);
    W()->repaint();
  }
};

void BM_DragSelectionStep(benchmark::State& state) {
  TShownDiagram d;
  for (int i = 0; i < SelectedRows * Columns; ++i) d.Diagram->GetBlocks(i)->SetSelected(true);
  const QPoint start = d.At(60, 40);
  d.Send(QEvent::MouseButtonPress, start, Qt::LeftButton);
  int step = 0;
  for (auto _ : state) {
    ++step;
    d.Step(start + QPoint(10 + step % 40, 5 + step % 25));
  }
  state.counters["controls"] = d.Diagram->DControlCount();
  state.counters["selected"] = d.Diagram->SelectedCount();
  d.Send(QEvent::MouseButtonRelease, start, Qt::NoButton);
}
BENCHMARK(BM_DragSelectionStep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_RubberBandStep(benchmark::State& state) {
  TShownDiagram d;
  d.Diagram->SetZoom(10);
  // Empty paper past the last row.
  const QPoint start = d.At(6100, 8100);
  d.Send(QEvent::MouseButtonPress, start, Qt::LeftButton);
  int step = 0;
  for (auto _ : state) {
    ++step;
    d.Step(d.At(10 + (step % 50) * 60, 10 + (step % 30) * 60));
  }
  state.counters["controls"] = d.Diagram->DControlCount();
  d.Send(QEvent::MouseButtonRelease, start, Qt::NoButton);
}
BENCHMARK(BM_RubberBandStep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The pointer moving over a link point with no button held: the hover finds the control,
// asks whether a connection may start there, and sets the cursor.
void BM_HoverOverLinkPoint(benchmark::State& state) {
  TShownDiagram d;
  if (state.range(0)) d.Diagram->SetConnectionLineClass(&TDiagramLine::StaticClassInfo());
  TLinkPoint* p = static_cast<TDiagramBlock*>(d.Diagram->GetBlocks(0))->GetLinkPoints()->GetItems(0);
  const TDot at = p->DiagramPoint();
  int step = 0;
  for (auto _ : state) {
    ++step;
    const QPoint pos = d.At(at.X, at.Y) + QPoint(step % 2, 0);
    QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(d.W()->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(d.W(), &e);
  }
  state.counters["components"] = d.Form->GetComponentCount();
}
BENCHMARK(BM_HoverOverLinkPoint)->ArgName("connecting")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
