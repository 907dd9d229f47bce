#pragma once
// The interaction and undo benchmarks' document: 5,000 blocks with text on a 50-column
// grid, each joined to the next by a line anchored to both (the last closes the ring on the
// first), 10,000 controls in all.
#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"

namespace tarnwick::bench {

constexpr int RingBlocks = 5000;
constexpr int RingColumns = 50;

// A line from A's right side to B's left side, inserted as the mouse inserts one.
inline void JoinBlocks(TComponent* AForm, TdvDiagram* ADiagram, TDiagramBlock* A, TDiagramBlock* B) {
  auto* line = Create<TDiagramLine>(AForm);
  line->SetDiagram(ADiagram);
  TLinkPoint* from = A->GetLinkPoints()->GetItems(0);
  TLinkPoint* to = B->GetLinkPoints()->GetItems(1);
  TControlInsertInfo info;
  info.Action = iaInserted;
  info.P1 = from->DiagramPoint();
  info.P2 = to->DiagramPoint();
  info.AnchorPoint1 = from;
  info.AnchorPoint2 = to;
  line->UpdateInsert(info);
}

inline void FillBlockRing(TComponent* AForm, TdvDiagram* ADiagram) {
  ADiagram->BeginUpdate();
  TDiagramBlock* previous = nullptr;
  for (int i = 0; i < RingBlocks; ++i) {
    auto* b = Create<TDiagramBlock>(AForm);
    const double x = 20.0 + (i % RingColumns) * 120, y = 20.0 + (i / RingColumns) * 80;
    b->SetBoundsRect(TSquare{x, y, x + 80, y + 40});
    b->GetLinkPoints()->Add(100, 50, aoRight);
    b->GetLinkPoints()->Add(0, 50, aoLeft);
    b->DefaultTextCell()->SetText(QStringLiteral("Block %1").arg(i + 1));
    b->SetDiagram(ADiagram);
    if (previous) JoinBlocks(AForm, ADiagram, previous, b);
    previous = b;
  }
  JoinBlocks(AForm, ADiagram, previous, static_cast<TDiagramBlock*>(ADiagram->GetBlocks(0)));
  ADiagram->EndUpdate();
}

}  // namespace tarnwick::bench
